// Reduction of a full-colour picture to a palette and the BMP writer for
// 4-bit and 8-bit pictures (Qt's own writer only writes 1, 24 and 32 bits).
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QVector>

#include <vector>

namespace ajuda {

// Palette of at most `maximo` colours chosen from the picture by median
// cut: the picture's colours are split into boxes along their widest
// channel until there are enough boxes; each box gives its mean colour.
// A picture with few colours keeps exactly its own colours.
QVector<QRgb> paletaMedianCut(const QImage& imagem, int maximo);

// The picture as an 8-bit indexed image over the palette: every pixel takes
// the nearest palette colour, without dithering.
QImage reduzParaPaleta(const QImage& imagem, const QVector<QRgb>& paleta);

// Writes an indexed picture as an uncompressed BMP of 4 bits per pixel
// (16-entry colour table) or 8 bits per pixel (256-entry colour table).
// The picture's colour table must fit in that many entries; the table is
// padded with black. Returns false when the file cannot be written.
bool gravaBmp(const QImage& indexada, int bitsPorPixel, const QString& caminho);

// Palette of QRgb values from a list of colours.
QVector<QRgb> paletaDe(const std::vector<QColor>& cores);

}  // namespace ajuda
