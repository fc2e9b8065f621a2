// Outlines, eye, smile and stripes of the lake's three fish.
#include "tools/comum/Peixes.h"

#include "tools/comum/Desenho.h"

namespace comum {

namespace {
// Round, fat fish with a fan tail.
FormaPeixe formaGordo() {
    FormaPeixe f;
    f.cauda.moveTo(-34, 0);
    f.cauda.cubicTo(-48, -10, -58, -26, -64, -30);
    f.cauda.cubicTo(-60, -12, -56, -4, -54, 0);
    f.cauda.cubicTo(-56, 4, -60, 12, -64, 30);
    f.cauda.cubicTo(-58, 26, -48, 10, -34, 0);
    f.dorsal.moveTo(-22, -28);
    f.dorsal.cubicTo(-18, -46, 4, -50, 14, -32);
    f.dorsal.closeSubpath();
    f.corpo = elipse(QPointF(0, 0), 40, 34);
    f.peitoral.moveTo(6, 6);
    f.peitoral.cubicTo(-2, 10, -8, 18, -4, 22);
    f.peitoral.cubicTo(2, 20, 8, 14, 6, 6);
    f.olho = QPointF(22, -8);
    f.raioOlho = 8.5;
    f.boca = QRectF(29, 2, 9, 8);
    f.arcoBoca = 130;
    return f;
}

// Slim fish with a forked tail.
FormaPeixe formaAzul() {
    FormaPeixe f;
    f.dorsal.moveTo(-10, -12);
    f.dorsal.lineTo(-2, -26);
    f.dorsal.cubicTo(6, -24, 12, -18, 16, -13);
    f.dorsal.closeSubpath();
    f.cauda.moveTo(-34, 0);
    f.cauda.lineTo(-58, -20);
    f.cauda.cubicTo(-54, -8, -50, -2, -48, 0);
    f.cauda.cubicTo(-50, 2, -54, 8, -58, 20);
    f.cauda.closeSubpath();
    f.corpo.moveTo(50, 2);
    f.corpo.cubicTo(42, -14, 8, -19, -38, -3);
    f.corpo.lineTo(-38, 3);
    f.corpo.cubicTo(8, 19, 42, 16, 50, 2);
    f.peitoral.moveTo(18, 6);
    f.peitoral.lineTo(6, 14);
    f.peitoral.lineTo(12, 6);
    f.olho = QPointF(36, -3);
    f.raioOlho = 5;
    f.arcoBoca = 0;
    return f;
}

// Deep-bodied fish with three stripes and a spiky dorsal fin.
FormaPeixe formaListrado() {
    FormaPeixe f;
    f.dorsal.moveTo(-22, -18);
    for (int i = 0; i < 5; ++i) {
        f.dorsal.lineTo(-18 + i * 8, -34 + (i % 2) * 4);
        f.dorsal.lineTo(-14 + i * 8, -24);
    }
    f.dorsal.lineTo(22, -18);
    f.dorsal.closeSubpath();
    f.cauda.moveTo(-36, 0);
    f.cauda.cubicTo(-46, -12, -54, -22, -60, -22);
    f.cauda.cubicTo(-56, -8, -56, 8, -60, 22);
    f.cauda.cubicTo(-54, 22, -46, 12, -36, 0);
    f.corpo.moveTo(46, 2);
    f.corpo.cubicTo(40, -24, -10, -30, -40, -2);
    f.corpo.lineTo(-40, 2);
    f.corpo.cubicTo(-10, 28, 40, 24, 46, 2);
    for (double x : {-26.0, -10.0, 6.0}) {
        QPainterPath l;
        l.moveTo(x - 3, -30);
        l.cubicTo(x + 3, -10, x + 3, 10, x - 3, 30);
        l.lineTo(x + 4, 30);
        l.cubicTo(x + 10, 10, x + 10, -10, x + 4, -30);
        l.closeSubpath();
        f.listras.push_back(l);
    }
    f.peitoral.moveTo(20, 6);
    f.peitoral.cubicTo(12, 8, 8, 14, 10, 18);
    f.peitoral.cubicTo(16, 16, 20, 12, 20, 6);
    f.olho = QPointF(30, -5);
    f.raioOlho = 6.5;
    f.boca = QRectF(36, 2, 7, 6);
    f.arcoBoca = 120;
    return f;
}
}  // namespace

FormaPeixe formaDe(TipoPeixe tipo) {
    switch (tipo) {
        case TipoPeixe::Gordo:
            return formaGordo();
        case TipoPeixe::Azul:
            return formaAzul();
        case TipoPeixe::Listrado:
            return formaListrado();
    }
    return formaGordo();
}

void olhoDePeixe(QPainter& p, const FormaPeixe& forma, double contorno) {
    const QPointF centro = forma.olho;
    const double raio = forma.raioOlho;
    preenche(p, elipse(centro, raio, raio), cor::branco, contorno);
    p.setPen(Qt::NoPen);
    p.setBrush(cor::contorno);
    p.drawEllipse(centro + QPointF(raio * 0.25, 0), raio * 0.55, raio * 0.55);
    p.setBrush(cor::branco);
    p.drawEllipse(centro + QPointF(raio * 0.42, -raio * 0.22), raio * 0.2, raio * 0.2);
}

void bocaDePeixe(QPainter& p, const FormaPeixe& forma, double contorno) {
    if (forma.arcoBoca == 0) return;
    p.setBrush(Qt::NoBrush);
    p.setPen(caneta(contorno));
    p.drawArc(forma.boca, 200 * 16, forma.arcoBoca * 16);
}

void listrasDePeixe(QPainter& p, const FormaPeixe& forma, const QColor& c) {
    p.save();
    p.setClipPath(forma.corpo);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (const QPainterPath& l : forma.listras) p.drawPath(l);
    p.restore();
}

}  // namespace comum
