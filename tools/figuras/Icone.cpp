// The game's window icon: a cheerful orange fish in a drop of lake water.
// The large sizes are drawn from the shapes; the small ones use thicker,
// simpler shapes, and the 16-pixel one is laid out pixel by pixel.
#include "tools/figuras/Figuras.h"

#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <array>

namespace figuras {

namespace {
// The drawing is made in a 256 x 256 box and scaled to the icon's size.
constexpr double CAIXA = 256;
constexpr QPointF PONTA_GOTA{128, 8};
constexpr QPointF CENTRO_GOTA{128, 156};
constexpr double RAIO_GOTA = 92;
constexpr QPointF CENTRO_PEIXE{136, 166};

const QColor AGUA_CLARA(0xb4, 0xee, 0xf6);
const QColor AGUA(0x42, 0xb4, 0xe0);
const QColor AGUA_FUNDA(0x1c, 0x78, 0xb8);
const QColor LARANJA_CLARO(0xff, 0xc1, 0x3a);
const QColor LARANJA(0xfb, 0x92, 0x26);
const QColor LARANJA_ESCURO(0xe8, 0x62, 0x1c);

// Outline of the drop: a point on top, a round belly below.
QPainterPath formaGota() {
    const double r = RAIO_GOTA;
    const QPointF c = CENTRO_GOTA;
    QPainterPath g;
    g.moveTo(PONTA_GOTA);
    g.cubicTo(PONTA_GOTA + QPointF(20, 34), c + QPointF(r, -r * 0.62), c + QPointF(r, 0));
    g.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, -180);
    g.cubicTo(c + QPointF(-r, -r * 0.62), PONTA_GOTA + QPointF(-20, 34), PONTA_GOTA);
    g.closeSubpath();
    return g;
}

// Water inside the drop, light at the upper left.
QRadialGradient aguaDaGota() {
    QRadialGradient g(CENTRO_GOTA + QPointF(-38, -52), RAIO_GOTA * 1.6);
    g.setColorAt(0, AGUA_CLARA);
    g.setColorAt(0.45, AGUA);
    g.setColorAt(1, AGUA_FUNDA);
    return g;
}

// White gleam along the drop's upper left side.
void brilhoDaGota(QPainter& p, double largura, bool comPingo) {
    QPainterPath brilho;
    brilho.moveTo(CENTRO_GOTA + QPointF(-70, -8));
    brilho.cubicTo(CENTRO_GOTA + QPointF(-70, -50), CENTRO_GOTA + QPointF(-52, -80),
                   CENTRO_GOTA + QPointF(-30, -104));
    p.setBrush(Qt::NoBrush);
    p.setPen(caneta(largura, QColor(255, 255, 255, 215)));
    p.drawPath(brilho);
    if (comPingo) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 215));
        p.drawEllipse(CENTRO_GOTA + QPointF(-71, 18), largura * 0.55, largura * 0.55);
    }
}

// Flat fish of few shapes for the small sizes: tail, fin, round body with
// a lighter belly, a big eye and a smile. Model units as comum::formaDe.
void peixeSimples(QPainter& p, double contorno, bool comBrilhoNoOlho) {
    const comum::FormaPeixe forma = comum::formaDe(TipoPeixe::Gordo);
    // A larger fan tail, spread from where it joins the body.
    const QTransform abre = QTransform::fromTranslate(-34, 0).scale(1.25, 1.3).translate(34, 0);
    preenche(p, abre.map(forma.cauda), LARANJA, contorno);
    preenche(p, forma.dorsal, LARANJA, contorno);
    preenche(p, forma.corpo, LARANJA, 0);
    p.save();
    p.setClipPath(forma.corpo);
    p.setPen(Qt::NoPen);
    p.setBrush(LARANJA_CLARO);
    p.drawEllipse(QPointF(4, 20), 34, 18);
    p.restore();
    preenche(p, forma.corpo, Qt::NoBrush, contorno);
    // A big dark eye instead of the lake fish's white one, so it still
    // shows at 32 pixels; its gleam only where there is room for it.
    p.setPen(Qt::NoPen);
    p.setBrush(cor::contorno);
    p.drawEllipse(forma.olho + QPointF(0, -1), 9, 9);
    if (comBrilhoNoOlho) {
        p.setBrush(cor::branco);
        p.drawEllipse(forma.olho + QPointF(-2.5, -4.5), 3.5, 3.5);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(caneta(contorno * 0.9));
    p.drawArc(forma.boca.adjusted(-2, 0, 2, 2), 200 * 16, forma.arcoBoca * 16);
}

// Drop and fish at a size of 24 pixels or more.
QImage iconeDesenhado(int tamanho) {
    QImage img(tamanho, tamanho, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const double escala = tamanho / CAIXA;
    p.scale(escala, escala);
    // Outlines keep a least width in pixels, so the small icons stay sharp.
    const bool detalhado = tamanho >= 96;
    const double contornoGota = std::max(2.0, tamanho * 0.036) / escala;
    const double contornoPeixe = std::max(tamanho < 40 ? 1.2 : 1.5, tamanho * 0.024) / escala;

    const QPainterPath gota = formaGota();
    preenche(p, gota, aguaDaGota(), 0);
    p.save();
    p.setClipPath(gota);
    if (detalhado) {
        desenhaBolha(p, QPointF(180, 104), 10);
        desenhaBolha(p, QPointF(160, 70), 6.5);
        desenhaPeixe(p, TipoPeixe::Gordo, CENTRO_PEIXE, 118, false, contornoPeixe);
    } else {
        p.save();
        constexpr double AUMENTO = 1.18;
        p.translate(CENTRO_PEIXE + QPointF(6, -6));
        p.scale(AUMENTO, AUMENTO);
        peixeSimples(p, contornoPeixe / AUMENTO, tamanho >= 48);
        p.restore();
    }
    brilhoDaGota(p, detalhado ? 9 : 14, detalhado);
    p.restore();
    preenche(p, gota, Qt::NoBrush, contornoGota);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

// The 16-pixel icon, one letter per pixel.
constexpr std::array<const char*, 16> PIXELS_16 = {
    ".......kk.......",  //
    "......kaak......",  //
    ".....kaaaak.....",  //
    ".....kwaaak.....",  //
    "....kwaaaaak....",  //
    "...kwaaaaaaak...",  //
    "..kwaaaaaaaaak..",  //
    ".kwaaaaaooaaaak.",  //
    ".karaaaooooaabk.",  //
    ".karraooookobbk.",  //
    ".kabrrooooooobk.",  //
    ".kbrrbyyyyyybbk.",  //
    ".kbrbbbyyyybbbk.",  //
    "..kbbbbbbbbbbk..",  //
    "...kkbbbbbbkk...",  //
    ".....kkkkkk.....",  //
};
// Letters: k outline, w gleam, a water, b deep water, o fish, y belly,
// r tail, . transparent.

QColor corDoPixel(char c) {
    switch (c) {
        case 'k':
            return cor::contorno;
        case 'a':
            return AGUA;
        case 'b':
            return AGUA_FUNDA;
        case 'w':
            return AGUA_CLARA;
        case 'o':
            return LARANJA;
        case 'r':
            return LARANJA_ESCURO;
        case 'y':
            return LARANJA_CLARO;
        default:
            return Qt::transparent;
    }
}

QImage icone16() {
    QImage img(16, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) img.setPixelColor(x, y, corDoPixel(PIXELS_16[y][x]));
    return img;
}
}  // namespace

QImage geraIcone(int tamanho) { return tamanho <= 16 ? icone16() : iconeDesenhado(tamanho); }

}  // namespace figuras
