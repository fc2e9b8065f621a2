// Things of the game's screen shown in the help: the eco-meter, keyboard
// keys and the mouse pointer.
#include "tools/ajuda/Ajuda.h"

#include <algorithm>

namespace ajuda {

namespace {
constexpr double ALTURA_BORDA_TECLA = 4;  // the key's darker lower edge
constexpr double FATIA_VERDE = 0.4;       // share of the gauge in each colour,
constexpr double FATIA_AMARELA = 0.3;     // from the top down; red gets the rest
}  // namespace

void ecometro(QPainter& p, const QRectF& r) {
    p.save();
    const double raio = std::min(10.0, r.width() / 3);
    const QPainterPath tubo = retangulo(r, raio);
    p.setClipPath(tubo);
    const double hVerde = r.height() * FATIA_VERDE;
    const double hAmarelo = r.height() * FATIA_AMARELA;
    p.fillRect(QRectF(r.left(), r.top(), r.width(), hVerde), cor::verde);
    p.fillRect(QRectF(r.left(), r.top() + hVerde, r.width(), hAmarelo), cor::amarelo);
    p.fillRect(QRectF(r.left(), r.top() + hVerde + hAmarelo, r.width(),
                      r.height() - hVerde - hAmarelo),
               cor::vermelho);
    p.setPen(caneta(CONTORNO_FINO));
    p.drawLine(QPointF(r.left(), r.top() + hVerde), QPointF(r.right(), r.top() + hVerde));
    p.drawLine(QPointF(r.left(), r.top() + hVerde + hAmarelo),
               QPointF(r.right(), r.top() + hVerde + hAmarelo));
    p.setClipping(false);
    preenche(p, tubo, Qt::NoBrush, CONTORNO);
    // Faces in each band.
    const double rc = std::min(r.width() * 0.32, 12.0);
    const double x = r.center().x();
    const QPointF verde(x, r.top() + hVerde / 2), amarelo(x, r.top() + hVerde + hAmarelo / 2),
        vermelho(x, r.top() + hVerde + hAmarelo + (r.height() - hVerde - hAmarelo) / 2);
    for (const QPointF& c : {verde, amarelo, vermelho})
        preenche(p, elipse(c, rc, rc), cor::branco, CONTORNO_FINO);
    carinha(p, verde, rc, true);
    carinha(p, vermelho, rc, false);
    // Neutral face: straight mouth.
    p.setPen(Qt::NoPen);
    p.setBrush(cor::contorno);
    const double olho = std::max(1.2, rc * 0.12);
    p.drawEllipse(amarelo + QPointF(-rc * 0.33, -rc * 0.18), olho, olho * 1.3);
    p.drawEllipse(amarelo + QPointF(rc * 0.33, -rc * 0.18), olho, olho * 1.3);
    p.setPen(caneta(std::max(1.4, rc * 0.11)));
    p.drawLine(amarelo + QPointF(-rc * 0.35, rc * 0.35), amarelo + QPointF(rc * 0.35, rc * 0.35));
    p.restore();
}

void tecla(QPainter& p, const QRectF& r, const QString& rotulo, int pixels) {
    p.save();
    preenche(p, retangulo(r, 6), cor::cinza, CONTORNO);
    const QRectF topo = r.adjusted(3, 2, -3, -ALTURA_BORDA_TECLA - 2);
    preenche(p, retangulo(topo, 4), cor::branco, 0);
    escreveLinha(p, topo, rotulo, fonte(pixels), cor::contorno);
    p.restore();
}

void maozinha(QPainter& p, QPointF ponta, double escala) {
    p.save();
    p.translate(ponta);
    p.scale(escala, escala);
    // Pointing hand, finger tip at (0, 0), model about 22 x 30.
    QPainterPath mao;
    mao.moveTo(-3, 2);
    mao.cubicTo(-3, -1, 3, -1, 3, 2);
    mao.lineTo(3, 12);
    mao.cubicTo(4, 10, 9, 10, 9, 13);
    mao.cubicTo(10, 11, 15, 11, 15, 15);
    mao.cubicTo(16, 13, 21, 13, 21, 17);
    mao.lineTo(21, 24);
    mao.cubicTo(21, 29, 17, 31, 13, 31);
    mao.lineTo(3, 31);
    mao.cubicTo(-1, 31, -4, 28, -6, 24);
    mao.lineTo(-11, 17);
    mao.cubicTo(-12, 14, -8, 12, -6, 15);
    mao.lineTo(-3, 19);
    mao.closeSubpath();
    preenche(p, mao, cor::branco, CONTORNO_FINO / escala * 1.1);
    p.setPen(caneta(1.0 / escala * 1.1));
    p.drawLine(QPointF(9, 13), QPointF(9, 18));
    p.drawLine(QPointF(15, 15), QPointF(15, 19));
    p.restore();
}

}  // namespace ajuda
