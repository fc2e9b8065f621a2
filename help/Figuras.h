// The help's pictures: bitmaps inside the program, by name.
#pragma once

#include <QImage>
#include <QString>

#include <functional>

// Finds a bitmap by name; a null image when there is none.
using FonteFiguras = std::function<QImage(const QString& nome)>;

// The bitmaps built into the program (":/figuras/NAME.bmp").
QImage figuraEmbutida(const QString& nome);
