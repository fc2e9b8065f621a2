// Portraits of the four characters: head and shoulders on a soft
// background, with the name in a band at the bottom.
#include "tools/figuras/Figuras.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace figuras {

namespace {
constexpr int LARGURA = 108;
constexpr int ALTURA = 142;
constexpr double FAIXA_NOME = 21;  // height of the name band
constexpr double TOPO_FAIXA = ALTURA - FAIXA_NOME;
constexpr QPointF CENTRO_ROSTO{54, 62};
constexpr double RAIO_ROSTO_X = 21, RAIO_ROSTO_Y = 24;
constexpr double C = CONTORNO_FINO;
constexpr int MAIOR_FONTE_NOME = 14;

const QColor PELE_MAE(0xd9, 0x9c, 0x6c);
const QColor PELE_CLARA(0xf6, 0xc9, 0x9f);
const QColor PELE_ROSADA(0xf7, 0xc0, 0xa0);

// Soft background of the character's colour, lighter behind the head.
void desenhaFundo(QPainter& p, const QColor& base) {
    QRadialGradient g(QPointF(54, 52), 90);
    g.setColorAt(0, clareia(base, 0.85));
    g.setColorAt(1, clareia(base, 0.5));
    p.fillRect(QRectF(0, 0, LARGURA, ALTURA), g);
}

// Name band at the bottom, with the largest font that fits.
void desenhaNome(QPainter& p, const QColor& base, const QString& nome) {
    const QRectF faixa(0, TOPO_FAIXA, LARGURA, FAIXA_NOME);
    p.fillRect(faixa, degradeVertical(faixa, clareia(base, -0.1), clareia(base, -0.3)));
    p.fillRect(QRectF(0, TOPO_FAIXA, LARGURA, 1.5), cor::contorno);
    int pixels = MAIOR_FONTE_NOME;
    while (pixels > 9 && QFontMetricsF(fonte(pixels)).horizontalAdvance(nome) > LARGURA - 10)
        --pixels;
    escreveContornado(p, faixa.adjusted(0, 1, 0, 0), nome, fonte(pixels), cor::branco,
                      cor::contorno, 2);
}

// Shoulders and chest in the given clothing colour, with the neck.
QPainterPath desenhaTronco(QPainter& p, const QColor& roupa, const QColor& pele) {
    QPainterPath pescoco;
    pescoco.addRect(QRectF(45, 78, 18, 24));
    preenche(p, pescoco, clareia(pele, -0.12), C);
    QPainterPath tronco;
    tronco.moveTo(2, TOPO_FAIXA + 2);
    tronco.cubicTo(4, 110, 16, 100, 40, 96);
    tronco.lineTo(68, 96);
    tronco.cubicTo(92, 100, 104, 110, 106, TOPO_FAIXA + 2);
    tronco.closeSubpath();
    preenche(p, tronco, degradeVertical(QRectF(0, 96, 1, 26), clareia(roupa, 0.2), roupa), C);
    return tronco;
}

// Face oval with ears, in the given skin colour.
void desenhaCabeca(QPainter& p, const QColor& pele) {
    for (double lado : {-1.0, 1.0}) {
        const QPointF orelha(CENTRO_ROSTO.x() + lado * RAIO_ROSTO_X, CENTRO_ROSTO.y() + 2);
        preenche(p, elipse(orelha, 5, 7), clareia(pele, -0.08), C);
    }
    QRadialGradient g(CENTRO_ROSTO + QPointF(-6, -8), 32);
    g.setColorAt(0, clareia(pele, 0.25));
    g.setColorAt(1, pele);
    preenche(p, elipse(CENTRO_ROSTO, RAIO_ROSTO_X, RAIO_ROSTO_Y), g, C);
}

// Open smile with a hint of teeth.
void desenhaSorriso(QPainter& p) {
    QPainterPath boca;
    const double y = CENTRO_ROSTO.y() + 11;
    boca.moveTo(CENTRO_ROSTO.x() - 7, y);
    boca.cubicTo(CENTRO_ROSTO.x() - 5, y + 8, CENTRO_ROSTO.x() + 5, y + 8, CENTRO_ROSTO.x() + 7, y);
    boca.closeSubpath();
    preenche(p, boca, QColor(0xa8, 0x3a, 0x3a), 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(cor::branco);
    p.drawRect(QRectF(CENTRO_ROSTO.x() - 5, y + 0.8, 10, 2));
}

// Friendly eyes, eyebrows of a colour, small nose, smile and rosy cheeks.
void desenhaFeicoes(QPainter& p, const QColor& sobrancelha, bool cilios) {
    const double yOlho = CENTRO_ROSTO.y() - 2;
    for (double lado : {-1.0, 1.0}) {
        const QPointF olho(CENTRO_ROSTO.x() + lado * 8, yOlho);
        preenche(p, elipse(olho, 4.2, 5), cor::branco, 1.4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x3b, 0x2a, 0x20));
        p.drawEllipse(olho + QPointF(0.4, 0.6), 2.8, 3.2);
        p.setBrush(cor::branco);
        p.drawEllipse(olho + QPointF(1.3, -0.6), 1.1, 1.1);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(sobrancelha, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(olho.x() - 5, olho.y() - 10, 10, 6), 30 * 16, 120 * 16);
        if (cilios) {
            p.setPen(QPen(cor::contorno, 1.3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(olho + QPointF(lado * 3.6, -3.4), olho + QPointF(lado * 6, -5.4));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf2, 0x7b, 0x78, 110));
        p.drawEllipse(QPointF(CENTRO_ROSTO.x() + lado * 13, CENTRO_ROSTO.y() + 9), 4.5, 3);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x8a, 0x50, 0x30, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(CENTRO_ROSTO.x() - 3, CENTRO_ROSTO.y() + 2, 6, 6), 200 * 16, 140 * 16);
    desenhaSorriso(p);
}

// Mãe Natureza: long hair of leaves, flower crown, green dress.
void desenhaMae(QPainter& p) {
    const QColor base = cor::mae;
    desenhaFundo(p, base);
    // Faint leaves in the background corners.
    p.setOpacity(0.35);
    desenhaFolha(p, QPointF(6, 40), 40, 22, cor::verde);
    desenhaFolha(p, QPointF(102, 26), -35, 20, cor::verde);
    desenhaFolha(p, QPointF(98, 90), -60, 18, cor::verde);
    p.setOpacity(1);

    // Long hair behind the head, its edge made of leaves.
    const QColor cabelo(0x2f, 0x8f, 0x3e), cabeloClaro(0x5c, 0xb8, 0x4a);
    QPainterPath massa;
    massa.moveTo(54, 30);
    massa.cubicTo(24, 30, 22, 60, 22, 84);
    massa.cubicTo(22, 100, 24, 112, 28, 118);
    massa.lineTo(80, 118);
    massa.cubicTo(84, 112, 86, 100, 86, 84);
    massa.cubicTo(86, 60, 84, 30, 54, 30);
    preenche(p, massa, degradeVertical(QRectF(0, 30, 1, 90), cabeloClaro, cabelo), C);
    const QPointF bordas[] = {{22, 66}, {20, 82}, {22, 98}, {26, 112},
                              {86, 66}, {88, 82}, {86, 98}, {82, 112}};
    for (int i = 0; i < 8; ++i) {
        const bool esquerda = i < 4;
        desenhaFolha(p, bordas[i], esquerda ? -120 + i * 8 : 120 - (i - 4) * 8, 15,
                     i % 2 == 0 ? cabelo : cabeloClaro);
    }

    const QPainterPath tronco = desenhaTronco(p, QColor(0x7c, 0xc5, 0x6e), PELE_MAE);
    // Leafy neckline.
    p.save();
    p.setClipPath(tronco);
    for (int i = 0; i < 5; ++i)
        desenhaFolha(p, QPointF(38 + i * 8, 104 + std::abs(i - 2) * -2.5), 180 + (i - 2) * 25, 11,
                     QColor(0x3f, 0xa3, 0x4a));
    p.restore();
    // Locks of hair falling in front of the shoulders.
    for (double lado : {-1.0, 1.0}) {
        QPainterPath mecha;
        mecha.moveTo(54 + lado * 20, 72);
        mecha.cubicTo(54 + lado * 24, 90, 54 + lado * 20, 104, 54 + lado * 30, 118);
        mecha.lineTo(54 + lado * 38, 114);
        mecha.cubicTo(54 + lado * 32, 100, 54 + lado * 32, 84, 54 + lado * 27, 68);
        mecha.closeSubpath();
        preenche(p, mecha, degradeVertical(QRectF(0, 70, 1, 50), cabeloClaro, cabelo), C);
        desenhaFolha(p, QPointF(54 + lado * 33, 118), lado * 160, 12, cabelo);
    }

    desenhaCabeca(p, PELE_MAE);
    // Fringe of leaves across the forehead.
    QPainterPath franja;
    franja.moveTo(33, 62);
    franja.cubicTo(30, 36, 46, 32, 54, 32);
    franja.cubicTo(62, 32, 78, 36, 75, 62);
    franja.cubicTo(72, 50, 66, 46, 60, 50);
    franja.cubicTo(56, 44, 46, 46, 44, 50);
    franja.cubicTo(40, 48, 36, 52, 33, 62);
    preenche(p, franja, degradeVertical(QRectF(0, 32, 1, 30), cabeloClaro, cabelo), C);
    desenhaFeicoes(p, QColor(0x2b, 0x5a, 0x2a), true);

    // Crown of flowers with small leaves between them.
    const QPointF coroa[] = {{32, 42}, {42, 34}, {54, 31}, {66, 34}, {76, 42}};
    const QColor petalas[] = {QColor(0xff, 0x8f, 0xb8), QColor(0xff, 0xe0, 0x4a), cor::branco,
                              QColor(0xc2, 0x9b, 0xf0), QColor(0xff, 0x8f, 0xb8)};
    for (int i = 0; i < 4; ++i) {
        const QPointF meio = (coroa[i] + coroa[i + 1]) / 2;
        desenhaFolha(p, meio + QPointF(0, 2), -90 + i * 60, 9, cor::verde);
    }
    for (int i = 0; i < 5; ++i) desenhaFlor(p, coroa[i], i == 2 ? 8 : 6.5, petalas[i]);
}

// Pescador: bucket hat, beard, fishing vest and a rod over the shoulder.
void desenhaPescador(QPainter& p) {
    const QColor base = cor::pescador;
    desenhaFundo(p, base);
    // Little waves in the background.
    p.setPen(QPen(QColor(255, 255, 255, 150), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        QPainterPath onda;
        const double y = 24 + i * 16;
        onda.moveTo(4, y);
        onda.cubicTo(8, y - 4, 12, y - 4, 16, y);
        onda.cubicTo(20, y + 4, 24, y + 4, 28, y);
        p.drawPath(onda.translated(i % 2 == 0 ? 0 : 2, 0));
    }

    const QPainterPath tronco = desenhaTronco(p, QColor(0x3b, 0x7d, 0xd8), PELE_CLARA);
    // Vest panels with pockets over the shirt.
    p.save();
    p.setClipPath(tronco);
    const QColor colete(0xc9, 0xa2, 0x62);
    for (double lado : {-1.0, 1.0}) {
        const QPainterPath painel = poligono({{54 + lado * 10, 96}, {54 + lado * 60, 96},
                                              {54 + lado * 60, TOPO_FAIXA + 4},
                                              {54 + lado * 16, TOPO_FAIXA + 4}});
        preenche(p, painel, colete, C);
        const QRectF bolso(54 + lado * 30 - 8, 108, 16, 12);
        preenche(p, retangulo(bolso, 2), clareia(colete, -0.12), 1.4);
        p.setPen(QPen(clareia(colete, -0.4), 1.2));
        p.drawLine(bolso.topLeft() + QPointF(0, 4), bolso.topRight() + QPointF(0, 4));
    }
    p.restore();

    // Rod resting on the right shoulder, with line and float.
    p.setPen(QPen(cor::contorno, 5.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(66, TOPO_FAIXA + 2), QPointF(104, 6));
    p.setPen(QPen(QColor(0x8a, 0x55, 0x25), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(66, TOPO_FAIXA + 2), QPointF(104, 6));
    p.setPen(QPen(cor::contorno, 1));
    p.drawLine(QPointF(104, 6), QPointF(101, 52));
    preenche(p, elipse(QPointF(101, 55), 4, 5), cor::vermelho, 1.4);
    p.setPen(Qt::NoPen);
    p.setBrush(cor::branco);
    p.drawRect(QRectF(97.5, 54, 7, 2.5));
    preenche(p, elipse(QPointF(73, 104), 5.5, 5.5), QColor(0x9a, 0xa6, 0xb0), 1.6);

    desenhaCabeca(p, PELE_CLARA);
    desenhaFeicoes(p, QColor(0x6b, 0x3f, 0x1d), false);
    // Beard around the chin with a moustache, leaving the smile visible.
    const QColor barba(0x8a, 0x56, 0x2c);
    QPainterPath contornoBarba;
    contornoBarba.moveTo(33, 62);
    contornoBarba.cubicTo(33, 84, 44, 92, 54, 92);
    contornoBarba.cubicTo(64, 92, 75, 84, 75, 62);
    contornoBarba.cubicTo(72, 70, 68, 72, 64, 71);
    contornoBarba.cubicTo(60, 68, 48, 68, 44, 71);
    contornoBarba.cubicTo(40, 72, 36, 70, 33, 62);
    QPainterPath boca;
    boca.addEllipse(QPointF(54, 76.5), 6.5, 4);
    preenche(p, contornoBarba.subtracted(boca), barba, C);
    QPainterPath bigode;
    bigode.moveTo(54, 70);
    bigode.cubicTo(50, 67, 42, 68, 42, 73);
    bigode.cubicTo(46, 72, 50, 73, 54, 72);
    bigode.cubicTo(58, 73, 62, 72, 66, 73);
    bigode.cubicTo(66, 68, 58, 67, 54, 70);
    preenche(p, bigode, clareia(barba, -0.15), 1.4);

    // Bucket hat pulled down to the eyebrows.
    const QColor chapeu(0x6f, 0x8f, 0x6a);
    QPainterPath aba;
    aba.moveTo(20, 54);
    aba.cubicTo(26, 42, 82, 42, 88, 54);
    aba.cubicTo(80, 50, 28, 50, 20, 54);
    QPainterPath copa;
    copa.moveTo(33, 48);
    copa.cubicTo(32, 26, 40, 20, 54, 20);
    copa.cubicTo(68, 20, 76, 26, 75, 48);
    copa.closeSubpath();
    preenche(p, copa, degradeVertical(QRectF(0, 20, 1, 28), clareia(chapeu, 0.25), chapeu), C);
    p.fillRect(QRectF(33, 38, 42, 6), clareia(chapeu, -0.3));
    p.setPen(caneta(1.2));
    p.drawLine(QPointF(33.5, 38), QPointF(74.5, 38));
    preenche(p, aba, clareia(chapeu, -0.08), C);
    preenche(p, elipse(QPointF(66, 41), 3, 3), QColor(0xff, 0xc8, 0x2e), 1.2);
}

// Prefeito: grey hair, suit and tie, green-yellow sash.
void desenhaPrefeito(QPainter& p) {
    const QColor base = cor::prefeito;
    desenhaFundo(p, base);
    // Faint town hall behind: dome with a flag, pediment and columns.
    const QColor predio = clareia(base, 0.62);
    p.setPen(Qt::NoPen);
    p.setBrush(predio);
    p.drawEllipse(QPointF(54, 44), 17, 17);
    p.drawRect(QRectF(53, 10, 2, 18));
    p.drawRect(QRectF(55, 10, 10, 6));
    QPolygonF frontao;
    frontao << QPointF(6, 58) << QPointF(54, 40) << QPointF(102, 58);
    p.drawPolygon(frontao);
    p.drawRect(QRectF(8, 58, 92, 6));
    for (int i = 0; i < 6; ++i) p.drawRect(QRectF(12 + i * 16, 64, 7, 40));

    const QColor terno(0x2e, 0x3a, 0x5c);
    const QPainterPath tronco = desenhaTronco(p, terno, PELE_CLARA);
    p.save();
    p.setClipPath(tronco);
    // White shirt opening and red tie.
    const QPainterPath camisa = poligono({{42, 96}, {66, 96}, {54, 124}});
    preenche(p, camisa, cor::branco, C);
    const QPainterPath gravata = poligono({{51, 99}, {57, 99}, {55, 103}, {58, 118}, {54, 122},
                                           {50, 118}, {53, 103}});
    preenche(p, gravata, QColor(0xd6, 0x33, 0x3a), 1.4);
    // Lapels.
    for (double lado : {-1.0, 1.0}) {
        const QPainterPath lapela = poligono({{54 + lado * 12, 96}, {54 + lado * 4, 120},
                                              {54 + lado * 14, 108}, {54 + lado * 18, 100}});
        preenche(p, lapela, clareia(terno, 0.15), 1.4);
    }
    // Sash from the right shoulder across the chest: green and yellow.
    p.save();
    p.translate(54, 108);
    p.rotate(-38);
    preenche(p, retangulo(QRectF(-70, -9, 140, 18), 1), QColor(0x1f, 0x9d, 0x4a), C);
    p.fillRect(QRectF(-70, -3, 140, 6), QColor(0xff, 0xd3, 0x2a));
    p.restore();
    p.restore();
    preenche(p, elipse(QPointF(34, 116), 5, 5), QColor(0xf5, 0xc5, 0x3a), 1.4);

    desenhaCabeca(p, PELE_CLARA);
    // Grey hair: neat top with a side parting and sides over the ears.
    const QColor cinza(0xb9, 0xbe, 0xc6);
    QPainterPath cabelo;
    cabelo.moveTo(32, 64);
    cabelo.cubicTo(28, 40, 40, 32, 54, 32);
    cabelo.cubicTo(70, 32, 80, 40, 76, 64);
    cabelo.cubicTo(74, 54, 72, 48, 68, 46);
    cabelo.cubicTo(58, 48, 48, 44, 44, 42);
    cabelo.cubicTo(40, 48, 36, 52, 32, 64);
    preenche(p, cabelo, degradeVertical(QRectF(0, 32, 1, 32), clareia(cinza, 0.4), cinza), C);
    p.setPen(QPen(clareia(cinza, -0.3), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(40, 34, 20, 12), 200 * 16, 100 * 16);
    desenhaFeicoes(p, QColor(0x80, 0x84, 0x8c), false);
    // Grey moustache.
    QPainterPath bigode;
    bigode.moveTo(54, 70);
    bigode.cubicTo(50, 67, 44, 68, 43, 72.5);
    bigode.cubicTo(47, 71.5, 51, 72.5, 54, 71.5);
    bigode.cubicTo(57, 72.5, 61, 71.5, 65, 72.5);
    bigode.cubicTo(64, 68, 58, 67, 54, 70);
    preenche(p, bigode, cinza, 1.3);
}

// Turista: straw hat, sunglasses, flowered shirt and a camera.
void desenhaTurista(QPainter& p) {
    const QColor base = cor::turista;
    desenhaFundo(p, base);
    p.setOpacity(0.45);
    desenhaSol(p, QPointF(92, 20), 10, 0, false);
    p.setOpacity(1);

    const QColor camisaCor(0x2b, 0xb3, 0xc0);
    const QPainterPath tronco = desenhaTronco(p, camisaCor, PELE_ROSADA);
    p.save();
    p.setClipPath(tronco);
    const QPointF flores[] = {{18, 112}, {34, 104}, {84, 104}, {96, 116}, {72, 120}, {30, 124}};
    const QColor cores[] = {QColor(0xff, 0x5a, 0x6e), cor::amarelo, QColor(0xff, 0x5a, 0x6e),
                            QColor(0xff, 0xa6, 0x3d), cor::amarelo, QColor(0xff, 0xa6, 0x3d)};
    for (int i = 0; i < 6; ++i) desenhaFlor(p, flores[i], 7, cores[i]);
    // Open collar.
    for (double lado : {-1.0, 1.0}) {
        const QPainterPath gola = poligono({{54, 104}, {54 + lado * 13, 95},
                                            {54 + lado * 16, 104}});
        preenche(p, gola, clareia(camisaCor, 0.3), 1.4);
    }
    p.restore();

    // Camera hanging from a strap.
    p.setPen(QPen(cor::contorno, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(46, 96), QPointF(44, 110));
    p.drawLine(QPointF(62, 96), QPointF(64, 110));
    const QRectF camera(38, 106, 32, 18);
    preenche(p, retangulo(camera, 3), QColor(0x3a, 0x40, 0x48), C);
    preenche(p, retangulo(QRectF(42, 103, 9, 4), 1), QColor(0x3a, 0x40, 0x48), 1.2);
    QRadialGradient lente(QPointF(52, 113), 8);
    lente.setColorAt(0, QColor(0x8f, 0xc8, 0xff));
    lente.setColorAt(1, QColor(0x1a, 0x2a, 0x4a));
    preenche(p, elipse(QPointF(54, 115), 7, 7), lente, 1.6);
    p.setPen(Qt::NoPen);
    p.setBrush(cor::branco);
    p.drawEllipse(QPointF(51.5, 112.5), 1.6, 1.6);
    p.setBrush(QColor(0xff, 0xe0, 0x6a));
    p.drawRect(QRectF(63, 109, 4, 3));

    desenhaCabeca(p, PELE_ROSADA);
    desenhaFeicoes(p, QColor(0x7a, 0x4a, 0x24), false);
    // Sunglasses over the eyes.
    for (double lado : {-1.0, 1.0}) {
        const QRectF lenteOculos(54 + lado * 9 - 8, 54, 16, 11);
        QLinearGradient g(lenteOculos.topLeft(), lenteOculos.bottomRight());
        g.setColorAt(0, QColor(0x4a, 0x3a, 0x6a));
        g.setColorAt(1, QColor(0x15, 0x15, 0x25));
        preenche(p, retangulo(lenteOculos, 5), g, C);
        p.setPen(QPen(QColor(255, 255, 255, 170), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(lenteOculos.topLeft() + QPointF(4, 3), lenteOculos.topLeft() + QPointF(7, 2.5));
    }
    p.setPen(caneta(2));
    p.drawLine(QPointF(50, 57), QPointF(58, 57));

    // Straw hat with a red band.
    const QColor palha(0xf0, 0xcf, 0x7a);
    QPainterPath aba = elipse(QPointF(54, 43), 42, 9);
    preenche(p, aba,
             degradeVertical(QRectF(0, 34, 1, 18), clareia(palha, 0.25), clareia(palha, -0.1)), C);
    QPainterPath copa;
    copa.moveTo(35, 44);
    copa.cubicTo(34, 22, 42, 18, 54, 18);
    copa.cubicTo(66, 18, 74, 22, 73, 44);
    copa.cubicTo(62, 47, 46, 47, 35, 44);
    preenche(p, copa, degradeVertical(QRectF(0, 18, 1, 28), clareia(palha, 0.3), palha), C);
    QPainterPath fita;
    fita.moveTo(35, 36);
    fita.cubicTo(46, 39, 62, 39, 73, 36);
    fita.lineTo(73.3, 42);
    fita.cubicTo(62, 45, 46, 45, 35, 42);
    fita.closeSubpath();
    preenche(p, fita, QColor(0xe0, 0x3e, 0x3e), 1.4);
    p.setPen(QPen(clareia(palha, -0.3), 1));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(40 + i * 9, 22 + (i == 0 || i == 3 ? 4 : 0)), QPointF(39 + i * 10, 35));
}
}  // namespace

QImage geraRetrato(Personagem quem) {
    return geraImagem(LARGURA, ALTURA, [quem](QPainter& p) {
        switch (quem) {
            case Personagem::Mae:
                desenhaMae(p);
                desenhaNome(p, cor::mae, QStringLiteral("Mãe Natureza"));
                break;
            case Personagem::Pescador:
                desenhaPescador(p);
                desenhaNome(p, cor::pescador, QStringLiteral("Pescador"));
                break;
            case Personagem::Prefeito:
                desenhaPrefeito(p);
                desenhaNome(p, cor::prefeito, QStringLiteral("Prefeito"));
                break;
            case Personagem::Turista:
                desenhaTurista(p);
                desenhaNome(p, cor::turista, QStringLiteral("Turista"));
                break;
        }
        p.setPen(caneta(2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1, 1, LARGURA - 2, ALTURA - 2));
    });
}

}  // namespace figuras
