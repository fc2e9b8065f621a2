// Lake creatures and plants shared by the opening screen and the tool icons.
#include "tools/figuras/Figuras.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace figuras {

namespace {
// Fish are drawn in a box of this length (head to tail tip) and scaled.
constexpr double COMPRIMENTO_MODELO = 100.0;
constexpr int CILIOS = 14;
constexpr int FOLHAS_ALGA = 7;

// Round eye with pupil and highlight, looking forward.
void desenhaOlho(QPainter& p, QPointF centro, double raio, double contorno) {
    preenche(p, elipse(centro, raio, raio), cor::branco, contorno);
    p.setPen(Qt::NoPen);
    p.setBrush(cor::contorno);
    p.drawEllipse(centro + QPointF(raio * 0.25, 0), raio * 0.55, raio * 0.55);
    p.setBrush(cor::branco);
    p.drawEllipse(centro + QPointF(raio * 0.42, -raio * 0.22), raio * 0.2, raio * 0.2);
}

// Round, fat, orange-gold fish with a fan tail.
void desenhaPeixeGordo(QPainter& p, double c) {
    QPainterPath cauda;
    cauda.moveTo(-34, 0);
    cauda.cubicTo(-48, -10, -58, -26, -64, -30);
    cauda.cubicTo(-60, -12, -56, -4, -54, 0);
    cauda.cubicTo(-56, 4, -60, 12, -64, 30);
    cauda.cubicTo(-58, 26, -48, 10, -34, 0);
    QLinearGradient gc(QPointF(-64, 0), QPointF(-34, 0));
    gc.setColorAt(0, QColor(0xf0, 0x6a, 0x1f));
    gc.setColorAt(1, QColor(0xff, 0xa8, 0x33));
    preenche(p, cauda, gc, c);

    QPainterPath dorsal;
    dorsal.moveTo(-22, -28);
    dorsal.cubicTo(-18, -46, 4, -50, 14, -32);
    dorsal.closeSubpath();
    preenche(p, dorsal, QColor(0xf7, 0x86, 0x26), c);

    const QPainterPath corpo = elipse(QPointF(0, 0), 40, 34);
    QLinearGradient g(QPointF(0, -34), QPointF(0, 34));
    g.setColorAt(0, QColor(0xff, 0xc9, 0x3c));
    g.setColorAt(0.55, QColor(0xfb, 0x9a, 0x28));
    g.setColorAt(1, QColor(0xe8, 0x6a, 0x1e));
    preenche(p, corpo, g, c);

    // Belly highlight and a few scales.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xef, 0xb0, 150));
    p.drawEllipse(QPointF(4, 16), 22, 9);
    p.setBrush(Qt::NoBrush);
    QPen escama(QColor(0xd0, 0x5a, 0x10, 150), c * 0.6);
    escama.setCapStyle(Qt::RoundCap);
    p.setPen(escama);
    for (int linha = 0; linha < 2; ++linha)
        for (int i = 0; i < 3; ++i)
            p.drawArc(QRectF(-26 + i * 11 + linha * 5, -12 + linha * 12, 10, 10), 90 * 16,
                      180 * 16);

    QPainterPath peitoral;
    peitoral.moveTo(6, 6);
    peitoral.cubicTo(-2, 10, -8, 18, -4, 22);
    peitoral.cubicTo(2, 20, 8, 14, 6, 6);
    preenche(p, peitoral, QColor(0xff, 0xb4, 0x3b), c * 0.8);

    p.setPen(QPen(QColor(0xc9, 0x55, 0x12), c * 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(8, -18, 16, 36), -60 * 16, 120 * 16);
    desenhaOlho(p, QPointF(22, -8), 8.5, c * 0.8);
    p.setPen(canetaContorno(c * 0.8));
    p.drawArc(QRectF(29, 2, 9, 8), 200 * 16, 130 * 16);
}

// Slim blue fish with a forked tail.
void desenhaPeixeAzul(QPainter& p, double c) {
    QPainterPath dorsal;
    dorsal.moveTo(-10, -12);
    dorsal.lineTo(-2, -26);
    dorsal.cubicTo(6, -24, 12, -18, 16, -13);
    dorsal.closeSubpath();
    preenche(p, dorsal, QColor(0x2b, 0x63, 0xc4), c);

    QPainterPath cauda;
    cauda.moveTo(-34, 0);
    cauda.lineTo(-58, -20);
    cauda.cubicTo(-54, -8, -50, -2, -48, 0);
    cauda.cubicTo(-50, 2, -54, 8, -58, 20);
    cauda.closeSubpath();
    preenche(p, cauda, QColor(0x3f, 0x7f, 0xdb), c);

    QPainterPath corpo;
    corpo.moveTo(50, 2);
    corpo.cubicTo(42, -14, 8, -19, -38, -3);
    corpo.lineTo(-38, 3);
    corpo.cubicTo(8, 19, 42, 16, 50, 2);
    QLinearGradient g(QPointF(0, -16), QPointF(0, 16));
    g.setColorAt(0, QColor(0x1d, 0x4f, 0xb0));
    g.setColorAt(0.5, QColor(0x4a, 0x9b, 0xf0));
    g.setColorAt(1, QColor(0xc6, 0xe8, 0xff));
    preenche(p, corpo, g, c);

    p.setPen(QPen(QColor(0xe0, 0xf4, 0xff, 200), c * 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-28, 1), QPointF(30, 0));
    QPainterPath peitoral;
    peitoral.moveTo(18, 6);
    peitoral.lineTo(6, 14);
    peitoral.lineTo(12, 6);
    preenche(p, peitoral, QColor(0x2b, 0x63, 0xc4), c * 0.7);
    desenhaOlho(p, QPointF(36, -3), 5, c * 0.7);
}

// Yellowish fish with dark vertical stripes and a spiky fin.
void desenhaPeixeListrado(QPainter& p, double c) {
    QPainterPath dorsal;
    dorsal.moveTo(-22, -18);
    for (int i = 0; i < 5; ++i) {
        dorsal.lineTo(-18 + i * 8, -34 + (i % 2) * 4);
        dorsal.lineTo(-14 + i * 8, -24);
    }
    dorsal.lineTo(22, -18);
    dorsal.closeSubpath();
    preenche(p, dorsal, QColor(0xf2, 0xa6, 0x1e), c);

    QPainterPath cauda;
    cauda.moveTo(-36, 0);
    cauda.cubicTo(-46, -12, -54, -22, -60, -22);
    cauda.cubicTo(-56, -8, -56, 8, -60, 22);
    cauda.cubicTo(-54, 22, -46, 12, -36, 0);
    preenche(p, cauda, QColor(0xf7, 0xc2, 0x2c), c);

    QPainterPath corpo;
    corpo.moveTo(46, 2);
    corpo.cubicTo(40, -24, -10, -30, -40, -2);
    corpo.lineTo(-40, 2);
    corpo.cubicTo(-10, 28, 40, 24, 46, 2);
    QLinearGradient g(QPointF(0, -24), QPointF(0, 24));
    g.setColorAt(0, QColor(0xff, 0xd9, 0x4a));
    g.setColorAt(1, QColor(0xff, 0xf1, 0xa8));
    preenche(p, corpo, g, 0);

    p.save();
    p.setClipPath(corpo);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2e, 0x33, 0x45));
    const double listras[] = {-26, -10, 6};
    for (double x : listras) {
        QPainterPath l;
        l.moveTo(x - 3, -30);
        l.cubicTo(x + 3, -10, x + 3, 10, x - 3, 30);
        l.lineTo(x + 4, 30);
        l.cubicTo(x + 10, 10, x + 10, -10, x + 4, -30);
        l.closeSubpath();
        p.drawPath(l);
    }
    p.restore();
    preenche(p, corpo, Qt::NoBrush, c);

    QPainterPath peitoral;
    peitoral.moveTo(20, 6);
    peitoral.cubicTo(12, 8, 8, 14, 10, 18);
    peitoral.cubicTo(16, 16, 20, 12, 20, 6);
    preenche(p, peitoral, QColor(0xf2, 0xa6, 0x1e), c * 0.8);
    desenhaOlho(p, QPointF(30, -5), 6.5, c * 0.8);
    p.setPen(canetaContorno(c * 0.8));
    p.drawArc(QRectF(36, 2, 7, 6), 200 * 16, 120 * 16);
}
}  // namespace

void desenhaPeixe(QPainter& p, TipoPeixe tipo, QPointF centro, double comprimento,
                  bool paraEsquerda, double contorno) {
    const double escala = comprimento / COMPRIMENTO_MODELO;
    const double c = contorno / escala;
    p.save();
    p.translate(centro);
    p.scale(paraEsquerda ? -escala : escala, escala);
    switch (tipo) {
        case TipoPeixe::Gordo:
            desenhaPeixeGordo(p, c);
            break;
        case TipoPeixe::Azul:
            desenhaPeixeAzul(p, c);
            break;
        case TipoPeixe::Listrado:
            desenhaPeixeListrado(p, c);
            break;
    }
    p.restore();
}

void desenhaAlga(QPainter& p, QPointF pe, double altura, double balanco, const QColor& c,
                 double contorno) {
    auto ponto = [&](double t) {
        return QPointF(pe.x() + balanco * std::sin(t * std::numbers::pi * 1.3) * t,
                       pe.y() - altura * t);
    };
    QPainterPath caule;
    caule.moveTo(pe);
    constexpr int PASSOS = 24;
    for (int i = 1; i <= PASSOS; ++i) caule.lineTo(ponto(static_cast<double>(i) / PASSOS));
    const double grossura = std::max(3.0, altura * 0.035);

    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(canetaContorno(grossura + 2 * contorno));
    p.drawPath(caule);
    // Leaves alternate sides, getting smaller towards the tip.
    for (int i = 0; i < FOLHAS_ALGA; ++i) {
        const double t = 0.15 + 0.8 * i / FOLHAS_ALGA;
        const QPointF base = ponto(t);
        const double lado = i % 2 == 0 ? 1.0 : -1.0;
        const double comprimento = altura * 0.2 * (1.1 - t * 0.6);
        p.save();
        p.translate(base);
        p.rotate(lado * 55 - 10 * lado * t);
        QPainterPath folha;
        folha.moveTo(0, 0);
        folha.cubicTo(comprimento * 0.35, -comprimento * 0.3, comprimento * 0.35,
                      -comprimento * 0.8, 0, -comprimento);
        folha.cubicTo(-comprimento * 0.35, -comprimento * 0.8, -comprimento * 0.35,
                      -comprimento * 0.3, 0, 0);
        preenche(p, folha,
                 degradeVertical(QRectF(0, -comprimento, 1, comprimento), clareia(c, 0.3), c),
                 contorno);
        p.setPen(QPen(clareia(c, -0.3), contorno * 0.6));
        p.drawLine(QPointF(0, -comprimento * 0.1), QPointF(0, -comprimento * 0.8));
        p.restore();
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, grossura, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(caule);
    p.restore();
}

void desenhaBolha(QPainter& p, QPointF centro, double raio) {
    p.save();
    QRadialGradient g(centro + QPointF(-raio * 0.3, -raio * 0.3), raio * 1.3);
    g.setColorAt(0, QColor(255, 255, 255, 120));
    g.setColorAt(1, QColor(200, 240, 255, 40));
    p.setBrush(g);
    p.setPen(QPen(QColor(235, 250, 255, 220), std::max(1.0, raio * 0.14)));
    p.drawEllipse(centro, raio, raio);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(centro + QPointF(-raio * 0.38, -raio * 0.38), raio * 0.22, raio * 0.22);
    p.restore();
}

void desenhaMicroorganismo(QPainter& p, QPointF centro, double raio, const QColor& c) {
    p.save();
    p.setPen(QPen(clareia(c, -0.35), std::max(1.0, raio * 0.12), Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < CILIOS; ++i) {
        const double a = i * 2 * std::numbers::pi / CILIOS;
        const QPointF dentro(std::cos(a) * raio, std::sin(a) * raio);
        const QPointF fora(std::cos(a + 0.15) * raio * 1.45, std::sin(a + 0.15) * raio * 1.45);
        p.drawLine(centro + dentro, centro + fora);
    }
    QRadialGradient g(centro + QPointF(-raio * 0.3, -raio * 0.3), raio * 1.2);
    g.setColorAt(0, clareia(c, 0.6));
    g.setColorAt(1, c);
    p.setBrush(g);
    p.setPen(QPen(clareia(c, -0.45), std::max(1.0, raio * 0.14)));
    p.drawEllipse(centro, raio, raio * 0.85);
    p.setPen(Qt::NoPen);
    p.setBrush(clareia(c, -0.4));
    p.drawEllipse(centro + QPointF(raio * 0.15, raio * 0.1), raio * 0.32, raio * 0.28);
    p.restore();
}

void desenhaAguape(QPainter& p, QPointF base, double escala, double contorno) {
    const double c = contorno / escala;
    p.save();
    p.translate(base);
    p.scale(escala, escala);

    // Flower spike first: the leaves overlap its foot.
    p.setPen(QPen(cor::verdeEscuro, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -8), QPointF(2, -44));
    const QPointF flores[] = {{-6, -44}, {7, -42}, {0, -53}, {-5, -32}, {8, -31}};
    for (const QPointF& f : flores) {
        p.save();
        p.translate(f);
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.rotate(i * 72);
            preenche(p, elipse(QPointF(0, -3.8), 3.4, 4.3), QColor(0xc3, 0x9c, 0xf2), c * 0.5);
            p.restore();
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x6a, 0x3d, 0xb0));
        p.drawEllipse(QPointF(0, 0), 2.4, 2.4);
        p.setBrush(cor::amarelo);
        p.drawEllipse(QPointF(0, -0.4), 1.3, 1.3);
        p.restore();
    }

    // Swollen leaves around the rosette.
    const double angulos[] = {-65, 60, -30, 28, 0};
    const double tamanhos[] = {15, 15, 17, 17, 14};
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.rotate(angulos[i]);
        const double t = tamanhos[i];
        QPainterPath folha;
        folha.moveTo(0, 0);
        folha.cubicTo(-t * 0.9, -t * 0.5, -t * 0.8, -t * 1.7, 0, -t * 1.7);
        folha.cubicTo(t * 0.8, -t * 1.7, t * 0.9, -t * 0.5, 0, 0);
        QLinearGradient g(QPointF(-t, -t), QPointF(t, 0));
        g.setColorAt(0, QColor(0x8f, 0xd9, 0x5a));
        g.setColorAt(1, QColor(0x2f, 0x94, 0x3c));
        preenche(p, folha, g, c);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 110));
        p.drawEllipse(QPointF(-t * 0.22, -t * 1.2), t * 0.18, t * 0.3);
        p.restore();
    }
    p.restore();
}

}  // namespace figuras
