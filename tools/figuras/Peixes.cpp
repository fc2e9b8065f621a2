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

// Round, fat, orange-gold fish with a fan tail.
void desenhaPeixeGordo(QPainter& p, double c) {
    const comum::FormaPeixe forma = comum::formaDe(TipoPeixe::Gordo);
    QLinearGradient gc(QPointF(-64, 0), QPointF(-34, 0));
    gc.setColorAt(0, QColor(0xf0, 0x6a, 0x1f));
    gc.setColorAt(1, QColor(0xff, 0xa8, 0x33));
    preenche(p, forma.cauda, gc, c);
    preenche(p, forma.dorsal, QColor(0xf7, 0x86, 0x26), c);
    QLinearGradient g(QPointF(0, -34), QPointF(0, 34));
    g.setColorAt(0, QColor(0xff, 0xc9, 0x3c));
    g.setColorAt(0.55, QColor(0xfb, 0x9a, 0x28));
    g.setColorAt(1, QColor(0xe8, 0x6a, 0x1e));
    preenche(p, forma.corpo, g, c);

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

    preenche(p, forma.peitoral, QColor(0xff, 0xb4, 0x3b), c * 0.8);

    p.setPen(QPen(QColor(0xc9, 0x55, 0x12), c * 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(8, -18, 16, 36), -60 * 16, 120 * 16);
    comum::olhoDePeixe(p, forma, c * 0.8);
    comum::bocaDePeixe(p, forma, c * 0.8);
}

// Slim blue fish with a forked tail.
void desenhaPeixeAzul(QPainter& p, double c) {
    const comum::FormaPeixe forma = comum::formaDe(TipoPeixe::Azul);
    preenche(p, forma.dorsal, QColor(0x2b, 0x63, 0xc4), c);
    preenche(p, forma.cauda, QColor(0x3f, 0x7f, 0xdb), c);
    QLinearGradient g(QPointF(0, -16), QPointF(0, 16));
    g.setColorAt(0, QColor(0x1d, 0x4f, 0xb0));
    g.setColorAt(0.5, QColor(0x4a, 0x9b, 0xf0));
    g.setColorAt(1, QColor(0xc6, 0xe8, 0xff));
    preenche(p, forma.corpo, g, c);

    p.setPen(QPen(QColor(0xe0, 0xf4, 0xff, 200), c * 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-28, 1), QPointF(30, 0));
    preenche(p, forma.peitoral, QColor(0x2b, 0x63, 0xc4), c * 0.7);
    comum::olhoDePeixe(p, forma, c * 0.7);
}

// Yellowish fish with dark vertical stripes and a spiky fin.
void desenhaPeixeListrado(QPainter& p, double c) {
    const comum::FormaPeixe forma = comum::formaDe(TipoPeixe::Listrado);
    preenche(p, forma.dorsal, QColor(0xf2, 0xa6, 0x1e), c);
    preenche(p, forma.cauda, QColor(0xf7, 0xc2, 0x2c), c);
    QLinearGradient g(QPointF(0, -24), QPointF(0, 24));
    g.setColorAt(0, QColor(0xff, 0xd9, 0x4a));
    g.setColorAt(1, QColor(0xff, 0xf1, 0xa8));
    preenche(p, forma.corpo, g, 0);
    comum::listrasDePeixe(p, forma, QColor(0x2e, 0x33, 0x45));
    preenche(p, forma.corpo, Qt::NoBrush, c);

    preenche(p, forma.peitoral, QColor(0xf2, 0xa6, 0x1e), c * 0.8);
    comum::olhoDePeixe(p, forma, c * 0.8);
    comum::bocaDePeixe(p, forma, c * 0.8);
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
    // Shaded leaves with a darker middle vein.
    auto folha = [&](QPainter& q, const QPainterPath& forma, double comprimento) {
        preenche(q, forma,
                 degradeVertical(QRectF(0, -comprimento, 1, comprimento), clareia(c, 0.3), c),
                 contorno);
        q.setPen(QPen(clareia(c, -0.3), contorno * 0.6));
        q.drawLine(QPointF(0, -comprimento * 0.1), QPointF(0, -comprimento * 0.8));
    };
    comum::alga(p, pe, altura, balanco,
                {.folhas = FOLHAS_ALGA,
                 .grossuraMinima = 3.0,
                 .grossuraRelativa = 0.035,
                 .folhaRelativa = 0.2,
                 .bojoFolha = 0.35,
                 .caule = c,
                 .contorno = contorno,
                 .pintaFolha = folha});
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
        QLinearGradient g(QPointF(-t, -t), QPointF(t, 0));
        g.setColorAt(0, QColor(0x8f, 0xd9, 0x5a));
        g.setColorAt(1, QColor(0x2f, 0x94, 0x3c));
        preenche(p, comum::folhaDeAguape(t), g, c);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 110));
        p.drawEllipse(QPointF(-t * 0.22, -t * 1.2), t * 0.18, t * 0.3);
        p.restore();
    }
    p.restore();
}

}  // namespace figuras
