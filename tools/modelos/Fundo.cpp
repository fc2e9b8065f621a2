// The 3D scene's background picture: sky with clouds and the far shore, the
// water surface line, calm water getting deeper blue downwards with soft
// light rays and faint distant plants, and the sandy lake bottom.
//
// The game stretches the picture over the whole 3D view, so its bands stand
// at fixed fractions of its height: the surface at 0.34 and the bottom at
// 0.925, where the lake's own surface and bottom lines are.
#include "tools/modelos/Modelos.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdint>

namespace modelos {

namespace {
constexpr int LARGURA = 1024;
constexpr int ALTURA = 640;
constexpr double NIVEL_AGUA = 0.34 * ALTURA;
constexpr double NIVEL_FUNDO = 0.925 * ALTURA;
constexpr std::uint32_t SEMENTE = 20240917u;

// Small linear congruential generator: the same picture on every machine.
class Sorteio {
public:
    explicit Sorteio(std::uint32_t semente) : estado_(semente) {}
    double entre(double a, double b) {
        estado_ = estado_ * 1664525u + 1013904223u;
        return a + (b - a) * static_cast<double>(estado_ >> 8) / 16777216.0;
    }

private:
    std::uint32_t estado_;
};

const QColor CEU_TOPO(0x6f, 0xc2, 0xf0), CEU_BASE(0xd6, 0xf2, 0xff);
const QColor MORRO_LONGE(0x9c, 0xd0, 0x8e), MORRO_PERTO(0x5f, 0xb8, 0x52);
const QColor COPA(0x3f, 0x9a, 0x45), COPA_CLARA(0x79, 0xc9, 0x5c), TRONCO(0x8a, 0x5e, 0x34);
const QColor AGUA_RASA(0x6c, 0xcf, 0xdc), AGUA_MEDIA(0x2c, 0x98, 0xba);
const QColor AGUA_FUNDA(0x15, 0x5c, 0x8c), AGUA_ABISMO(0x0e, 0x3f, 0x6c);
const QColor AREIA(0xe6, 0xc6, 0x86), AREIA_ESCURA(0xbd, 0x92, 0x56);

// Rounded cloud made of overlapping puffs over a flat base.
void desenhaNuvem(QPainter& p, double x, double y, double largura) {
    const double a = largura / 4;
    QPainterPath nuvem;
    nuvem.setFillRule(Qt::WindingFill);
    nuvem.addRoundedRect(QRectF(x, y - a * 0.7, largura, a * 0.9), a * 0.45, a * 0.45);
    nuvem.addEllipse(QPointF(x + a * 1.2, y - a * 0.8), a * 0.85, a * 0.75);
    nuvem.addEllipse(QPointF(x + a * 2.2, y - a * 1.05), a * 1.05, a * 0.95);
    nuvem.addEllipse(QPointF(x + a * 3.1, y - a * 0.7), a * 0.7, a * 0.6);
    nuvem = nuvem.simplified();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc9, 0xe3, 0xf2));
    p.drawPath(nuvem.translated(0, a * 0.12));
    QLinearGradient g(0, y - a * 2, 0, y + a * 0.2);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(0xee, 0xf6, 0xfb));
    p.setBrush(g);
    p.drawPath(nuvem);
}

// Sky, sun, clouds, hills and trees down to the water line.
void desenhaCeu(QPainter& p) {
    QLinearGradient ceu(0, 0, 0, NIVEL_AGUA);
    ceu.setColorAt(0, CEU_TOPO);
    ceu.setColorAt(1, CEU_BASE);
    p.fillRect(QRectF(0, 0, LARGURA, NIVEL_AGUA + 2), ceu);

    QRadialGradient sol(QPointF(92, 52), 70);
    sol.setColorAt(0, QColor(255, 246, 190, 255));
    sol.setColorAt(0.45, QColor(255, 236, 150, 255));
    sol.setColorAt(0.5, QColor(255, 240, 170, 120));
    sol.setColorAt(1, QColor(255, 250, 220, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sol);
    p.drawEllipse(QPointF(92, 52), 70, 70);

    desenhaNuvem(p, 250, 70, 150);
    desenhaNuvem(p, 610, 66, 190);
    desenhaNuvem(p, 860, 112, 120);
    desenhaNuvem(p, 430, 132, 90);

    // Far hills, paler, then the near shore.
    QPainterPath longe;
    longe.moveTo(0, NIVEL_AGUA);
    longe.lineTo(0, 168);
    longe.cubicTo(120, 140, 230, 150, 330, 172);
    longe.cubicTo(430, 190, 520, 150, 640, 150);
    longe.cubicTo(760, 150, 840, 176, 1024, 158);
    longe.lineTo(1024, NIVEL_AGUA);
    longe.closeSubpath();
    p.setBrush(MORRO_LONGE);
    p.drawPath(longe);

    QPainterPath perto;
    perto.moveTo(0, NIVEL_AGUA);
    perto.lineTo(0, 190);
    perto.cubicTo(90, 178, 180, 186, 260, 200);
    perto.cubicTo(360, 214, 480, 206, 560, 198);
    perto.cubicTo(660, 186, 780, 178, 880, 192);
    perto.cubicTo(950, 200, 990, 196, 1024, 190);
    perto.lineTo(1024, NIVEL_AGUA);
    perto.closeSubpath();
    QLinearGradient gp(0, 175, 0, NIVEL_AGUA);
    gp.setColorAt(0, MORRO_PERTO.lighter(112));
    gp.setColorAt(1, MORRO_PERTO.darker(108));
    p.setBrush(gp);
    p.drawPath(perto);

    // Round trees along the shore.
    struct Arvore {
        double x, y, r;
    };
    const Arvore arvores[] = {{40, 186, 15},  {66, 190, 11},  {150, 184, 13}, {300, 203, 10},
                              {600, 196, 12}, {628, 198, 9},  {760, 183, 14}, {795, 186, 10},
                              {930, 192, 13}, {985, 190, 10}};
    for (const Arvore& a : arvores) {
        p.setBrush(TRONCO);
        p.drawRect(QRectF(a.x - a.r * 0.14, a.y - a.r * 0.4, a.r * 0.28, a.r * 0.9));
        QRadialGradient copa(QPointF(a.x - a.r * 0.3, a.y - a.r * 1.3), a.r * 1.3);
        copa.setColorAt(0, COPA_CLARA);
        copa.setColorAt(1, COPA);
        p.setBrush(copa);
        p.drawEllipse(QPointF(a.x, a.y - a.r * 0.95), a.r * 0.8, a.r);
    }
}

// Water gradient, light rays, distant plants and rocks, and the surface line.
void desenhaAgua(QPainter& p) {
    QLinearGradient agua(0, NIVEL_AGUA, 0, NIVEL_FUNDO);
    agua.setColorAt(0, AGUA_RASA);
    agua.setColorAt(0.3, AGUA_MEDIA);
    agua.setColorAt(0.75, AGUA_FUNDA);
    agua.setColorAt(1, AGUA_ABISMO);
    p.fillRect(QRectF(0, NIVEL_AGUA, LARGURA, NIVEL_FUNDO - NIVEL_AGUA + 8), agua);

    // Soft light rays fanning down from the surface.
    const double raios[][3] = {{120, 60, 0.9}, {300, 45, 0.7}, {470, 70, 1.0},
                               {700, 50, 0.8}, {880, 65, 0.9}};
    for (const auto& r : raios) {
        const double x = r[0], largura = r[1];
        QPainterPath raio;
        raio.moveTo(x - largura / 2, NIVEL_AGUA);
        raio.lineTo(x + largura / 2, NIVEL_AGUA);
        raio.lineTo(x + largura * 1.6 + 90, NIVEL_FUNDO - 60);
        raio.lineTo(x + largura * 0.2 + 60, NIVEL_FUNDO - 60);
        raio.closeSubpath();
        QLinearGradient g(0, NIVEL_AGUA, 0, NIVEL_FUNDO - 60);
        g.setColorAt(0, QColor(255, 255, 255, static_cast<int>(46 * r[2])));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(raio);
    }

    // Faint distant weed and rocks near the bottom, in the water's colour.
    const QColor silhueta(0x1d, 0x6e, 0x86, 110);
    QPen caule(silhueta, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const double plantas[][3] = {{60, 70, 0.0},   {88, 50, 1.2},   {210, 40, 2.0}, {520, 55, 0.7},
                                 {548, 38, 2.4},  {790, 62, 1.6},  {816, 44, 0.3}, {968, 58, 2.8}};
    for (const auto& pl : plantas) {
        const double x = pl[0], altura = pl[1], fase = pl[2];
        QPainterPath c;
        c.moveTo(x, NIVEL_FUNDO + 4);
        for (int i = 1; i <= 12; ++i) {
            const double t = i / 12.0;
            c.lineTo(x + 7 * std::sin(fase + t * 5) * t, NIVEL_FUNDO + 4 - altura * t);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(caule);
        p.drawPath(c);
        p.setPen(Qt::NoPen);
        p.setBrush(silhueta);
        for (int i = 1; i <= 3; ++i) {
            const double t = i / 4.0;
            const QPointF b(x + 7 * std::sin(fase + t * 5) * t, NIVEL_FUNDO + 4 - altura * t);
            const double lado = i % 2 == 0 ? 1 : -1;
            p.drawEllipse(b + QPointF(lado * 7, -5), 7, 3.5);
        }
    }
    const double pedras[][3] = {{150, 30, 14}, {180, 18, 9}, {640, 34, 15}, {690, 20, 10},
                                {900, 24, 11}};
    p.setBrush(QColor(0x1a, 0x55, 0x70, 120));
    for (const auto& pd : pedras) p.drawEllipse(QPointF(pd[0], NIVEL_FUNDO + 2), pd[1], pd[2]);

    // Light band just under the surface and the wavy surface line.
    QLinearGradient brilho(0, NIVEL_AGUA, 0, NIVEL_AGUA + 14);
    brilho.setColorAt(0, QColor(255, 255, 255, 70));
    brilho.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, NIVEL_AGUA, LARGURA, 14), brilho);
    QPainterPath onda;
    onda.moveTo(0, NIVEL_AGUA);
    for (int x = 4; x <= LARGURA; x += 4)
        onda.lineTo(x, NIVEL_AGUA + 1.6 * std::sin(x / 14.0));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xef, 0xfb, 0xff), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(onda);
}

// Sand and mud with pebbles, from the bottom line down.
void desenhaLeito(QPainter& p) {
    QPainterPath leito;
    leito.moveTo(0, ALTURA);
    for (int x = 0; x <= LARGURA; x += 8)
        leito.lineTo(x, NIVEL_FUNDO + 2.5 * std::sin(x / 61.0) + 1.5 * std::sin(x / 23.0 + 1));
    leito.lineTo(LARGURA, ALTURA);
    leito.closeSubpath();
    QLinearGradient areia(0, NIVEL_FUNDO - 4, 0, ALTURA);
    areia.setColorAt(0, AREIA);
    areia.setColorAt(1, AREIA_ESCURA);
    p.setPen(QPen(AREIA_ESCURA.darker(115), 2));
    p.setBrush(areia);
    p.drawPath(leito);

    Sorteio sorteio(SEMENTE);
    p.setPen(Qt::NoPen);
    const QColor cores[] = {QColor(0x9a, 0xa3, 0xa8), QColor(0x8a, 0x74, 0x58),
                            QColor(0xb7, 0xaf, 0x9c), QColor(0x7d, 0x86, 0x8c)};
    constexpr int SEIXOS = 46;
    for (int i = 0; i < SEIXOS; ++i) {
        const double x = sorteio.entre(6, LARGURA - 6);
        const double y = sorteio.entre(NIVEL_FUNDO + 10, ALTURA - 6);
        const double r = sorteio.entre(3, 8);
        const QColor c = cores[static_cast<int>(sorteio.entre(0, 3.999))];
        p.setBrush(c.darker(125));
        p.drawEllipse(QPointF(x + 1, y + 1.5), r, r * 0.62);
        p.setBrush(c);
        p.drawEllipse(QPointF(x, y), r, r * 0.62);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawEllipse(QPointF(x - r * 0.3, y - r * 0.2), r * 0.3, r * 0.18);
    }
}
}  // namespace

QImage geraFundoCena() {
    QImage imagem(LARGURA, ALTURA, QImage::Format_RGB32);
    imagem.fill(Qt::white);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    desenhaCeu(p);
    desenhaAgua(p);
    desenhaLeito(p);
    p.end();
    return imagem.convertToFormat(QImage::Format_RGB888);
}

}  // namespace modelos
