// Pictograms of Mãe Natureza's and the Pescador's tools, drawn in the
// tool tile's own coordinates (106 x 58; the pale area is about
// x 10..96, y 7..48).
#include "tools/figuras/Figuras.h"

#include <QLinearGradient>

namespace figuras {

namespace {
constexpr double C = CONTORNO_FINO;
constexpr QRectF AREA{10, 7, 86, 41};  // pale area of the tile, where icons go

// Soft rounded mound of ground between two x positions.
QPainterPath monte(double esquerda, double direita, double topo) {
    QPainterPath m;
    const double base = AREA.bottom() + 2;
    m.moveTo(esquerda, base);
    m.cubicTo(esquerda + (direita - esquerda) * 0.2, topo, esquerda + (direita - esquerda) * 0.8,
              topo, direita, base);
    m.closeSubpath();
    return m;
}
}  // namespace

// Abrir sol: the sun coming out from behind a cloud.
void iconeSol(QPainter& p) {
    desenhaSol(p, QPointF(62, 23), 11.5, C, true);
    desenhaNuvem(p, QRectF(17, 24, 48, 22), C);
    // Little sparkles of light.
    p.setPen(QPen(QColor(0xf2, 0x9c, 0x10), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(88, 38), QPointF(88, 44));
    p.drawLine(QPointF(85, 41), QPointF(91, 41));
    p.drawLine(QPointF(26, 11), QPointF(26, 17));
    p.drawLine(QPointF(23, 14), QPointF(29, 14));
}

// Colocar aguapés: floating water hyacinths with purple flowers.
void iconeAguapes(QPainter& p) {
    desenhaFaixaAgua(p, AREA, 37);
    desenhaAguape(p, QPointF(33, 40), 0.55, 1.5);
    desenhaAguape(p, QPointF(73, 40), 0.5, 1.5);
}

// Trocar o fundo do lago: old dark mud turned into fresh sand, with a shovel.
void iconeFundo(QPainter& p) {
    p.save();
    p.setClipPath(retangulo(AREA, 7));
    p.fillRect(AREA, degradeVertical(AREA, QColor(0xb6, 0xe4, 0xf5), QColor(0x5b, 0xb8, 0xe6)));
    preenche(p, monte(AREA.left() - 4, 52, 30), QColor(0x6e, 0x4e, 0x32), 1.6);
    preenche(p, monte(50, AREA.right() + 4, 28),
             degradeVertical(QRectF(0, 28, 1, 20), QColor(0xff, 0xe3, 0x9a), cor::areiaEscura),
             1.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4a, 0x33, 0x20));
    const QPointF sujeira[] = {{18, 42}, {26, 38}, {34, 44}, {40, 40}, {22, 46}};
    for (const QPointF& s : sujeira) p.drawEllipse(s, 1.4, 1.2);
    p.setBrush(QColor(0xd9, 0xa8, 0x55));
    const QPointF graos[] = {{62, 42}, {70, 38}, {78, 44}, {66, 46}, {84, 40}};
    for (const QPointF& g : graos) p.drawEllipse(g, 1.2, 1.2);
    p.restore();

    QPainterPath arco;
    arco.moveTo(26, 30);
    arco.cubicTo(32, 12, 52, 10, 60, 20);
    desenhaSeta(p, arco, cor::verde, 3.5);

    // Shovel stuck in the sand.
    p.setPen(QPen(cor::contorno, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(88, 10), QPointF(80, 30));
    p.setPen(QPen(cor::madeiraEscura, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(88, 10), QPointF(80, 30));
    p.setPen(QPen(cor::contorno, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(85, 10), QPointF(91, 12));
    QPainterPath lamina;
    lamina.moveTo(75, 28);
    lamina.lineTo(86, 32);
    lamina.lineTo(82, 42);
    lamina.cubicTo(78, 44, 72, 42, 71, 38);
    lamina.closeSubpath();
    preenche(
        p, lamina,
        degradeHorizontal(QRectF(71, 0, 15, 1), QColor(0xe6, 0xec, 0xf0), QColor(0x8c, 0x9a, 0xa6)),
        1.6);
}

// Acelerar degradação: a decomposing leaf inside recycling arrows, with
// tiny bacteria at work.
void iconeDegradacao(QPainter& p) {
    const QPointF centro(53, 27.5);
    const double raio = 18;
    for (int i = 0; i < 2; ++i) {
        QPainterPath arco;
        arco.arcMoveTo(QRectF(centro.x() - raio, centro.y() - raio, 2 * raio, 2 * raio),
                       100 + i * 180);
        arco.arcTo(QRectF(centro.x() - raio, centro.y() - raio, 2 * raio, 2 * raio), 100 + i * 180,
                   135);
        desenhaSeta(p, arco, cor::verde, 3.2);
    }

    // Leaf turning from green to brown, with bites taken out of it.
    p.save();
    p.translate(centro + QPointF(-3, 11));
    p.rotate(35);
    const double t = 25;
    QPainterPath folha = folhaPontuda(t, 0.5, 0.45);
    folha = folha.subtracted(elipse(QPointF(6, -15), 3.5, 3));
    folha = folha.subtracted(elipse(QPointF(-7, -8), 3, 2.5));
    folha = folha.subtracted(elipse(QPointF(9, -6), 3.5, 3.5));
    QLinearGradient g(QPointF(0, -t), QPointF(0, 0));
    g.setColorAt(0, QColor(0x7c, 0xc8, 0x3c));
    g.setColorAt(0.45, QColor(0xe0, 0xb0, 0x3a));
    g.setColorAt(1, QColor(0x9a, 0x5a, 0x26));
    preenche(p, folha, g, 1.6);
    p.setPen(QPen(QColor(0x6a, 0x3c, 0x18), 1.3));
    p.drawLine(QPointF(0, 3), QPointF(0, -t * 0.8));
    p.restore();

    // Bacteria: small rounded capsules with a nucleus.
    const QPointF bacterias[] = {{21, 16}, {18, 36}, {86, 18}, {88, 37}};
    const double angulos[] = {-30, 20, 30, -20};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(bacterias[i]);
        p.rotate(angulos[i]);
        const QColor c = i % 2 == 0 ? QColor(0x9c, 0x6a, 0xde) : QColor(0x7c, 0xc8, 0x3c);
        preenche(p, retangulo(QRectF(-7, -3.5, 14, 7), 3.5), c, 1.4);
        p.setPen(Qt::NoPen);
        p.setBrush(clareia(c, -0.4));
        p.drawEllipse(QPointF(1, 0), 1.8, 1.5);
        p.restore();
    }
}

// Não pescar em área proibida: a buoy marking the area, a fishing rod with
// its line in the water, and a prohibition sign.
void iconeAreaProibida(QPainter& p) {
    desenhaFaixaAgua(p, AREA, 36);
    // Buoy: red and white float with a little flag.
    p.setPen(caneta(1.6));
    p.drawLine(QPointF(19, 30), QPointF(19, 12));
    const QPainterPath bandeira = poligono({{19, 12}, {28, 15}, {19, 18.5}});
    preenche(p, bandeira, cor::vermelho, 1.4);
    QPainterPath boia;
    boia.moveTo(12, 39);
    boia.cubicTo(12, 29, 26, 29, 26, 39);
    boia.closeSubpath();
    preenche(p, boia, cor::vermelho, 1.6);
    p.fillRect(QRectF(13, 33, 12, 3), cor::branco);

    // Rod with reel, line and hook.
    const QPointF cabo(34, 47), ponta(53, 10);
    p.setPen(QPen(cor::contorno, 5.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(cabo, ponta);
    p.setPen(QPen(cor::madeiraEscura, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(cabo, ponta);
    preenche(p, elipse(QPointF(38, 39), 4, 4), QColor(0x9a, 0xa6, 0xb0), 1.5);
    p.setPen(QPen(cor::contorno, 1.2));
    p.drawLine(ponta, QPointF(54, 38));
    p.setPen(QPen(QColor(0x5a, 0x66, 0x70), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(50, 36, 8, 8), 180 * 16, 200 * 16);
    desenhaPlacaProibido(p);
}

// Recolher lixo das margens: a can and a bottle on the shore going into a
// rubbish bag.
void iconeLixoMargem(QPainter& p) {
    desenhaFaixaAgua(p, AREA, 34);
    p.save();
    p.setClipPath(retangulo(AREA, 7));
    QPainterPath margem;
    margem.moveTo(30, AREA.bottom() + 2);
    margem.cubicTo(40, 30, 60, 28, AREA.right() + 2, 26);
    margem.lineTo(AREA.right() + 2, AREA.bottom() + 2);
    margem.closeSubpath();
    preenche(p, margem,
             degradeVertical(QRectF(0, 26, 1, 22), QColor(0xff, 0xe3, 0x9a), cor::areiaEscura),
             1.6);
    p.restore();

    // Glass bottle and a can on the sand.
    p.save();
    p.translate(46, 30);
    p.rotate(-12);
    QPainterPath garrafa;
    garrafa.moveTo(-4.5, 10);
    garrafa.lineTo(-4.5, -2);
    garrafa.cubicTo(-4.5, -5, -2, -6, -2, -9);
    garrafa.lineTo(-2, -13);
    garrafa.lineTo(2, -13);
    garrafa.lineTo(2, -9);
    garrafa.cubicTo(2, -6, 4.5, -5, 4.5, -2);
    garrafa.lineTo(4.5, 10);
    garrafa.closeSubpath();
    preenche(p, garrafa,
             degradeHorizontal(QRectF(-4.5, 0, 9, 1), QColor(0x9c, 0xe8, 0xb0),
                               QColor(0x2f, 0x9a, 0x5a)),
             1.5);
    p.fillRect(QRectF(-2.5, -15, 5, 2.5), cor::vermelho);
    p.fillRect(QRectF(-4, 0, 8, 5), QColor(255, 255, 255, 170));
    p.restore();
    preenche(p, retangulo(QRectF(55, 27, 9, 13), 2), QColor(0xe5, 0x48, 0x4d), 1.5);
    p.fillRect(QRectF(55.8, 31, 7.4, 3), QColor(255, 255, 255, 200));

    QPainterPath arco;
    arco.moveTo(60, 20);
    arco.cubicTo(64, 9, 72, 8, 76, 15);
    desenhaSeta(p, arco, cor::verde, 3);

    // Green rubbish bag, tied at the top.
    QPainterPath saco;
    saco.moveTo(80, 20);
    saco.cubicTo(70, 26, 70, 44, 84, 44);
    saco.cubicTo(96, 44, 96, 26, 86, 20);
    saco.closeSubpath();
    preenche(p, saco,
             degradeHorizontal(QRectF(70, 0, 26, 1), QColor(0x6c, 0xd0, 0x6c), cor::verdeEscuro),
             C);
    const QPainterPath no = poligono({{80, 20}, {78, 14}, {83, 17}, {88, 14}, {86, 20}});
    preenche(p, no, cor::verdeEscuro, 1.4);
}

// Pescar para se alimentar: a single fish on a plate, fork and knife.
void iconeAlimento(QPainter& p) {
    preenche(p, elipse(QPointF(53, 33), 32, 12), QColor(0xf4, 0xf6, 0xf8), C);
    p.setPen(QPen(QColor(0xb8, 0xc6, 0xd2), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(53, 33), 24, 8);
    desenhaPeixe(p, TipoPeixe::Listrado, QPointF(53, 28), 44, false, 1.6);

    // Fork on the left.
    p.setPen(caneta(4.5));
    p.drawLine(QPointF(15, 22), QPointF(15, 46));
    p.setPen(QPen(QColor(0xc9, 0xd3, 0xdc), 2.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 22), QPointF(15, 46));
    QPainterPath garfo;
    garfo.moveTo(10.5, 10);
    garfo.lineTo(10.5, 19);
    garfo.cubicTo(10.5, 23, 19.5, 23, 19.5, 19);
    garfo.lineTo(19.5, 10);
    preenche(p, garfo, QColor(0xc9, 0xd3, 0xdc), 1.5);
    p.setPen(QPen(cor::contorno, 1.2));
    p.drawLine(QPointF(13.5, 10), QPointF(13.5, 18));
    p.drawLine(QPointF(16.5, 10), QPointF(16.5, 18));

    // Knife on the right.
    QPainterPath faca;
    faca.moveTo(89, 10);
    faca.cubicTo(95, 14, 95, 24, 93, 28);
    faca.lineTo(89, 28);
    faca.closeSubpath();
    preenche(p, faca, QColor(0xdd, 0xe4, 0xea), 1.5);
    preenche(p, retangulo(QRectF(87.5, 27, 5, 19), 2), cor::madeiraEscura, 1.5);
}

// Pescar em época permitida: a calendar page with a fish and a green check.
void iconeEpocaPermitida(QPainter& p) {
    const QRectF folha(16, 10, 46, 37);
    preenche(p, retangulo(folha, 4), cor::branco, C);
    QPainterPath topo;
    topo.addRoundedRect(QRectF(folha.left(), folha.top(), folha.width(), 10), 4, 4);
    topo.addRect(QRectF(folha.left(), folha.top() + 5, folha.width(), 5));
    preenche(p, topo.simplified(), cor::vermelho, C);
    for (double x : {27.0, 51.0}) {
        preenche(p, retangulo(QRectF(x - 2, 6, 4, 8), 2), QColor(0x9a, 0xa6, 0xb0), 1.3);
    }
    // Faint day grid behind the fish.
    p.setPen(QPen(QColor(0xc8, 0xd2, 0xdc), 1));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(folha.left() + i * folha.width() / 4, folha.top() + 12),
                   QPointF(folha.left() + i * folha.width() / 4, folha.bottom() - 2));
    for (int j = 1; j < 3; ++j)
        p.drawLine(QPointF(folha.left() + 2, folha.top() + 10 + j * 9),
                   QPointF(folha.right() - 2, folha.top() + 10 + j * 9));
    desenhaPeixe(p, TipoPeixe::Azul, QPointF(39, 32), 36, false, 1.5);
    desenhaCertinho(p, QPointF(78, 30), 13);
}

}  // namespace figuras
