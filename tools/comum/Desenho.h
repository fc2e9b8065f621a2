// Drawing helpers of the two picture generators (tools/figuras and
// tools/ajuda): the same pens, paths and shapes, with each generator's own
// colours and sizes passed in. Nothing here is random.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

#include <functional>

namespace comum {

// The two colours every picture shares: the dark outline and white.
namespace cor {
inline const QColor contorno{0x23, 0x35, 0x40};
inline const QColor branco{0xff, 0xff, 0xff};
}  // namespace cor

// DejaVu Sans at an exact pixel size, without hinting; each generator adds
// its own rendering hints.
QFont fonteDejaVu(int pixels, bool negrito);

// Pen of the dark outline colour (or another), round joins and caps.
QPen caneta(double largura, const QColor& c = cor::contorno);

// Fills a path and strokes it with the dark outline (no stroke when the
// width is 0).
void preenche(QPainter& p, const QPainterPath& caminho, const QBrush& pincel, double contorno);

// Ellipse path centred on a point.
QPainterPath elipse(QPointF centro, double rx, double ry);

// Rounded rectangle path (a plain rectangle when the radius is 0).
QPainterPath retangulo(const QRectF& r, double raio);

// Closed path through the points, in order.
QPainterPath poligono(const QPolygonF& pontos);

// Appends a wavy line at height nivel to a path whose current point is
// (de, nivel): whole waves of the given length and height, while they start
// left of ate.
void ondas(QPainterPath& caminho, double de, double ate, double nivel, double onda,
           double altura);

// Triangular sun rays around the origin, reaching from 0.9 of the radius out
// to longoPar times the radius (even rays) or longoImpar (odd rays); each
// ray is abertura times the gap between rays wide.
QPainterPath raiosDeSol(double raio, int quantos, double abertura, double longoPar,
                        double longoImpar);

// Pointed leaf from its foot at the origin up to (0, -tamanho); its sides
// bulge bojoBase times the length near the foot and bojoPonta near the tip.
QPainterPath folhaPontuda(double tamanho, double bojoBase, double bojoPonta);

// Swollen, rounded water-hyacinth leaf from the origin up to (0, -1.7 t).
QPainterPath folhaDeAguape(double t);

// Tip of a path and its direction there: frente points forward, lado to
// its left.
struct PontaDeCaminho {
    QPointF ponta;
    QPointF frente;
    QPointF lado;
};
PontaDeCaminho pontaDe(const QPainterPath& caminho);

// How a generator draws its rooted waterweeds.
struct EstiloAlga {
    int folhas;              // leaves, alternating sides
    double grossuraMinima;   // stem width: at least this,
    double grossuraRelativa; // or this share of the height
    double folhaRelativa;    // length of the lowest leaf, as a share of the height
    double bojoFolha;        // see folhaPontuda
    QColor caule;            // stem colour
    double contorno;         // outline width
    // Paints one leaf, already turned and placed at its foot.
    std::function<void(QPainter&, const QPainterPath& folha, double tamanho)> pintaFolha;
};

// Rooted waterweed: a swaying stem from its foot upwards with leaves on
// alternate sides, smaller towards the tip.
void alga(QPainter& p, QPointF pe, double altura, double balanco, const EstiloAlga& estilo);

}  // namespace comum
