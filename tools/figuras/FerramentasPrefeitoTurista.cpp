// Pictograms of the Prefeito's and the Turista's tools, drawn in the tool
// tile's own coordinates (106 x 58; the pale area is about x 10..96,
// y 7..48).
#include "tools/figuras/Figuras.h"

#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace figuras {

namespace {
constexpr double C = CONTORNO_FINO;
constexpr QRectF AREA{10, 7, 86, 41};  // pale area of the tile, where icons go
constexpr double MEIO_X = 53;          // horizontal middle of the tile

const QColor METAL(0x8c, 0x98, 0xa4);
const QColor METAL_ESCURO(0x4a, 0x55, 0x60);

// Sound waves: concentric arcs opening to the right.
void desenhaOndasSom(QPainter& p, QPointF origem, int quantas, double passo) {
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= quantas; ++i) {
        const double r = i * passo;
        const QRectF caixa(origem.x() - r, origem.y() - r, 2 * r, 2 * r);
        p.setPen(QPen(cor::contorno, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(caixa, -45 * 16, 90 * 16);
        p.setPen(QPen(QColor(0xff, 0xc8, 0x2e), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(caixa, -45 * 16, 90 * 16);
    }
}

// Loudspeaker: box with a cone, facing right.
void desenhaAltoFalante(QPainter& p, QPointF centro, double tamanho) {
    const double t = tamanho;
    const QPainterPath cone = poligono({{centro.x() - t * 0.2, centro.y() - t * 0.25},
                                        {centro.x() + t * 0.35, centro.y() - t * 0.6},
                                        {centro.x() + t * 0.35, centro.y() + t * 0.6},
                                        {centro.x() - t * 0.2, centro.y() + t * 0.25}});
    preenche(p, cone,
             degradeHorizontal(QRectF(centro.x() - t * 0.2, 0, t * 0.55, 1), METAL_ESCURO, METAL),
             C);
    const QRectF caixa(centro.x() - t * 0.5, centro.y() - t * 0.27, t * 0.32, t * 0.54);
    preenche(p, retangulo(caixa, 2), METAL_ESCURO, C);
}

// Rubbish bag tied at the top, in a colour.
void desenhaSaco(QPainter& p, QPointF topo, const QColor& c) {
    QPainterPath saco;
    saco.moveTo(topo + QPointF(-3, 0));
    saco.cubicTo(topo + QPointF(-13, 6), topo + QPointF(-13, 24), topo + QPointF(1, 24));
    saco.cubicTo(topo + QPointF(13, 24), topo + QPointF(13, 6), topo + QPointF(3, 0));
    saco.closeSubpath();
    preenche(p, saco, degradeHorizontal(QRectF(topo.x() - 13, 0, 26, 1), clareia(c, 0.3), c), C);
    const QPainterPath no = poligono({topo + QPointF(-3, 0), topo + QPointF(-6, -6),
                                      topo + QPointF(0, -3), topo + QPointF(6, -6),
                                      topo + QPointF(3, 0)});
    preenche(p, no, c, 1.4);
}
}  // namespace

// Proibir poluição sonora: a loudspeaker blaring, and a prohibition sign.
void iconeSilencio(QPainter& p) {
    desenhaAltoFalante(p, QPointF(32, 27.5), 30);
    desenhaOndasSom(p, QPointF(38, 27.5), 3, 6);
    desenhaPlacaProibido(p);
}

// Multa (campanha de conscientização): a fine ticket with R$ and a megaphone.
void iconeMulta(QPainter& p) {
    p.save();
    p.translate(32, 28);
    p.rotate(-8);
    const QRectF papel(-17, -18, 34, 36);
    QPainterPath folha;
    folha.moveTo(papel.topLeft());
    folha.lineTo(papel.topRight());
    folha.lineTo(papel.right(), papel.bottom() - 6);
    for (int i = 0; i < 5; ++i)
        folha.lineTo(papel.right() - (i + 0.5) * papel.width() / 5,
                     papel.bottom() - (i % 2 == 0 ? 0 : 6));
    folha.lineTo(papel.left(), papel.bottom() - 6);
    folha.closeSubpath();
    preenche(p, folha, QColor(0xff, 0xf6, 0xc8), C);
    escreve(p, QRectF(-17, -16, 34, 20), QStringLiteral("R$"), fonte(15), QColor(0x1f, 0x8a, 0x3a));
    p.setPen(QPen(QColor(0xb0, 0xa0, 0x70), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-11, 6), QPointF(11, 6));
    p.drawLine(QPointF(-11, 10.5), QPointF(6, 10.5));
    p.restore();

    // Megaphone pointing right-up with its sound.
    p.save();
    p.translate(68, 30);
    p.rotate(-15);
    const QPainterPath corneta = poligono({{-8, -5}, {10, -13}, {10, 13}, {-8, 5}});
    preenche(p, retangulo(QRectF(-14, -5, 8, 10), 2), cor::vermelho, C);
    preenche(p, corneta,
             degradeHorizontal(QRectF(-8, 0, 18, 1), cor::branco, QColor(0xff, 0xd0, 0xd0)), C);
    preenche(p, elipse(QPointF(10, 0), 3, 13), clareia(cor::vermelho, 0.2), C);
    preenche(p, retangulo(QRectF(-6, 5, 5, 9), 1.5), METAL_ESCURO, 1.5);
    p.restore();
    desenhaOndasSom(p, QPointF(76, 26), 2, 6);
}

// Colocar lixeiras: four recycling bins in the usual colours.
void iconeLixeiras(QPainter& p) {
    const QColor cores[] = {QColor(0x2f, 0x7f, 0xe0), QColor(0xe5, 0x39, 0x35),
                            QColor(0x2e, 0xa8, 0x4a), QColor(0xff, 0xc8, 0x2e)};
    constexpr double LARGURA_LIXEIRA = 17, ESPACO = 3;
    const double inicio = MEIO_X - (4 * LARGURA_LIXEIRA + 3 * ESPACO) / 2;
    for (int i = 0; i < 4; ++i) {
        const double x = inicio + i * (LARGURA_LIXEIRA + ESPACO);
        const QPainterPath corpo = poligono({{x + 1, 17}, {x + LARGURA_LIXEIRA - 1, 17},
                                             {x + LARGURA_LIXEIRA - 2.5, 46}, {x + 2.5, 46}});
        preenche(
            p, corpo,
            degradeHorizontal(QRectF(x, 0, LARGURA_LIXEIRA, 1), clareia(cores[i], 0.3), cores[i]),
            C);
        preenche(p, retangulo(QRectF(x - 1, 11, LARGURA_LIXEIRA + 2, 6), 2),
                 clareia(cores[i], -0.2), C);
        preenche(p, retangulo(QRectF(x + LARGURA_LIXEIRA / 2 - 3, 8, 6, 3), 1),
                 clareia(cores[i], -0.3), 1.3);
        // Little recycling triangle on the front.
        const QPointF c(x + LARGURA_LIXEIRA / 2, 31);
        QPolygonF tri;
        tri << c + QPointF(0, -5) << c + QPointF(5, 4) << c + QPointF(-5, 4);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(cor::branco, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolygon(tri);
    }
}

// Cobrar licença: a factory with a filter on its chimney letting out clean
// air, and a licence paper with an approval stamp.
void iconeLicenca(QPainter& p) {
    // Chimney with the filter on top and white puffs.
    preenche(p, retangulo(QRectF(42, 16, 8, 18), 1), QColor(0xb0, 0x5a, 0x40), C);
    const QRectF filtro(39.5, 10, 13, 7);
    preenche(p, retangulo(filtro, 1.5), QColor(0x5b, 0x8d, 0xef), 1.6);
    p.setPen(QPen(cor::branco, 1));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(filtro.left() + i * filtro.width() / 4, filtro.top() + 1.5),
                   QPointF(filtro.left() + i * filtro.width() / 4, filtro.bottom() - 1.5));
    preenche(p, elipse(QPointF(54, 8), 4, 3), cor::branco, 1.3);
    preenche(p, elipse(QPointF(61, 8), 3, 2.5), cor::branco, 1.3);

    // Factory with a saw-tooth roof and windows.
    const QPainterPath fabrica = poligono({{12, 46}, {12, 30}, {22, 22}, {22, 30}, {32, 22},
                                           {32, 30}, {54, 30}, {54, 46}});
    preenche(
        p, fabrica,
        degradeVertical(QRectF(0, 22, 1, 24), QColor(0xd8, 0xdc, 0xe2), QColor(0x9a, 0xa6, 0xb0)),
        C);
    for (int i = 0; i < 3; ++i)
        preenche(p, retangulo(QRectF(16 + i * 12, 34, 7, 6), 1),
                 QColor(0x8f, 0xd3, 0xff), 1.2);

    // Licence paper with a green stamp.
    const QRectF papel(60, 11, 28, 35);
    preenche(p, retangulo(papel, 2), cor::branco, C);
    p.setPen(QPen(QColor(0xa0, 0xaa, 0xb4), 1.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(papel.left() + 5, papel.top() + 7 + i * 5),
                   QPointF(papel.right() - (i == 3 ? 12 : 5), papel.top() + 7 + i * 5));
    desenhaCertinho(p, QPointF(papel.right() - 4, papel.bottom() - 5), 9);
}

// Não nadar no lago: a swimmer in the water, and a prohibition sign.
void iconeNaoNadar(QPainter& p) {
    const QPointF cabeca(38, 24);
    // Far arm reaching forward under the water line, near arm swinging over.
    QPainterPath bracoCima;
    bracoCima.moveTo(cabeca + QPointF(-8, 10));
    bracoCima.cubicTo(cabeca + QPointF(-16, -8), cabeca + QPointF(-4, -16),
                      cabeca + QPointF(6, -14));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(cor::contorno, 7.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(bracoCima);
    p.setPen(QPen(cor::pele, 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(bracoCima);
    preenche(p, elipse(cabeca + QPointF(-3, 10), 11, 5), cor::pele, C);
    preenche(p, elipse(cabeca, 8, 8), cor::pele, C);
    QPainterPath touca;
    touca.moveTo(cabeca + QPointF(-8, 1));
    touca.cubicTo(cabeca + QPointF(-9, -11), cabeca + QPointF(7, -11), cabeca + QPointF(8, -2));
    touca.cubicTo(cabeca + QPointF(2, -3), cabeca + QPointF(-4, -2), cabeca + QPointF(-8, 1));
    preenche(p, touca, QColor(0xe5, 0x39, 0x35), 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(cor::contorno);
    p.drawEllipse(cabeca + QPointF(3.5, 1), 1.4, 1.6);
    p.setPen(caneta(1.4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cabeca.x() + 1, cabeca.y() + 2.5, 6, 4), 200 * 16, 120 * 16);
    desenhaFaixaAgua(p, AREA, 35);
    // Splash drops.
    for (const QPointF& gota : {QPointF(16, 26), QPointF(20, 19), QPointF(54, 30)})
        preenche(p, elipse(gota, 2, 2.6), QColor(0x9f, 0xd8, 0xff), 1.2);
    desenhaPlacaProibido(p);
}

// Recolher lixo do chão: litter on the grass going into a rubbish bag.
void iconeLixoChao(QPainter& p) {
    p.save();
    p.setClipPath(retangulo(AREA, 7));
    QPainterPath grama;
    grama.moveTo(AREA.left(), 40);
    for (double x = AREA.left(); x < AREA.right(); x += 6) {
        grama.lineTo(x + 2, 35);
        grama.lineTo(x + 4, 40);
        grama.lineTo(x + 6, 36.5);
    }
    grama.lineTo(AREA.right(), AREA.bottom() + 2);
    grama.lineTo(AREA.left(), AREA.bottom() + 2);
    grama.closeSubpath();
    preenche(p, grama, degradeVertical(QRectF(0, 35, 1, 14), cor::verdeClaro, cor::verde), 1.5);
    p.restore();

    // Crumpled paper ball and a banana peel.
    const QPainterPath papel =
        poligono({{16, 36}, {19, 29}, {25, 27}, {31, 30}, {32, 36}, {27, 40}, {20, 40}});
    preenche(p, papel, QColor(0xf4, 0xf6, 0xf8), 1.6);
    p.setPen(QPen(QColor(0xa0, 0xaa, 0xb4), 1));
    p.drawLine(QPointF(20, 32), QPointF(27, 35));
    p.drawLine(QPointF(24, 29), QPointF(23, 38));
    QPainterPath banana;
    banana.moveTo(38, 38);
    banana.cubicTo(40, 30, 46, 27, 52, 28);
    banana.cubicTo(48, 31, 45, 35, 44, 40);
    banana.closeSubpath();
    preenche(p, banana, QColor(0xff, 0xd8, 0x3a), 1.5);
    QPainterPath casca;
    casca.moveTo(44, 40);
    casca.cubicTo(46, 42, 52, 42, 54, 39);
    casca.cubicTo(50, 39, 47, 38, 44, 38);
    preenche(p, casca, QColor(0xf2, 0xb8, 0x2a), 1.3);

    QPainterPath arco;
    arco.moveTo(40, 22);
    arco.cubicTo(48, 8, 62, 8, 68, 16);
    desenhaSeta(p, arco, cor::laranja, 3);
    desenhaSaco(p, QPointF(80, 19), QColor(0x55, 0x5f, 0x6a));
}

// Não levar lembrança do lago: a hand holding up a shell, and a
// prohibition sign.
void iconeNaoLevar(QPainter& p) {
    const QColor pele = cor::pele, peleSombra = clareia(cor::pele, -0.12);
    // Open hand, fingers up: wrist, palm, four fingers and the thumb.
    QPainterPath mao;
    mao.addRoundedRect(QRectF(29, 38, 14, 12), 2, 2);
    mao.addRoundedRect(QRectF(25, 25, 22, 18), 7, 7);
    const double dedos[][2] = {{25.5, 14}, {30.7, 11}, {35.9, 11.5}, {41.1, 15}};
    for (const auto& d : dedos) mao.addRoundedRect(QRectF(d[0], d[1], 5.2, 18), 2.6, 2.6);
    QPainterPath polegar;
    polegar.moveTo(27, 38);
    polegar.cubicTo(20, 36, 15, 30, 17, 26);
    polegar.cubicTo(19, 23, 23, 26, 25, 29);
    polegar.closeSubpath();
    mao = mao.united(polegar).simplified();
    preenche(p, mao, degradeVertical(QRectF(0, 11, 1, 39), pele, peleSombra), 1.6);
    p.setPen(QPen(QColor(0xc0, 0x80, 0x60), 1.1, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(25.5 + i * 5.2, 20), QPointF(25.5 + i * 5.2, 27));

    // Scallop shell held in front of the palm.
    const QPointF base(36, 40);
    QPainterPath concha;
    concha.moveTo(base + QPointF(-3.5, 0));
    concha.lineTo(base + QPointF(-11, -9));
    concha.cubicTo(base + QPointF(-10, -20), base + QPointF(10, -20), base + QPointF(11, -9));
    concha.lineTo(base + QPointF(3.5, 0));
    concha.closeSubpath();
    preenche(p, concha,
             degradeVertical(QRectF(0, base.y() - 18, 1, 18), QColor(0xff, 0xe2, 0xc8),
                             QColor(0xf5, 0x8c, 0x6a)),
             1.6);
    p.setPen(QPen(QColor(0xc0, 0x5a, 0x40), 1.1));
    for (int i = -2; i <= 2; ++i)
        p.drawLine(base + QPointF(i * 0.8, -2), base + QPointF(i * 4.2, -15));
    preenche(p, retangulo(QRectF(base.x() - 5, base.y() - 2.5, 10, 4.5), 2),
             QColor(0xf5, 0x8c, 0x6a), 1.3);
    desenhaPlacaProibido(p);
}

// Fotografar: a camera flashing at a flower.
void iconeFoto(QPainter& p) {
    // Flower with stem and leaf on the right.
    p.setPen(QPen(cor::contorno, 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(80, 26), QPointF(80, 46));
    p.setPen(QPen(cor::verde, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(80, 26), QPointF(80, 46));
    desenhaFolha(p, QPointF(80, 40), 50, 10, cor::verde);
    desenhaFlor(p, QPointF(80, 21), 11, QColor(0xff, 0x6f, 0x9c));

    // Camera.
    const QRectF corpo(14, 18, 42, 27);
    preenche(p, retangulo(QRectF(20, 13, 14, 7), 2), METAL_ESCURO, C);
    preenche(p, retangulo(corpo, 5),
             degradeVertical(corpo, QColor(0x5a, 0x66, 0x72), QColor(0x2c, 0x34, 0x3c)), C);
    p.fillRect(QRectF(corpo.left() + 1, 24, corpo.width() - 2, 4), QColor(0xc9, 0x7b, 0x3c));
    QRadialGradient lente(QPointF(33, 29), 11);
    lente.setColorAt(0, QColor(0x9f, 0xd8, 0xff));
    lente.setColorAt(0.7, QColor(0x2a, 0x4a, 0x7a));
    lente.setColorAt(1, QColor(0x10, 0x18, 0x28));
    preenche(p, elipse(QPointF(35, 31), 10, 10), QColor(0xd8, 0xde, 0xe4), C);
    preenche(p, elipse(QPointF(35, 31), 6.5, 6.5), lente, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(cor::branco);
    p.drawEllipse(QPointF(32.5, 28.5), 1.8, 1.8);
    preenche(p, retangulo(QRectF(46, 21, 7, 4), 1), QColor(0xff, 0xf0, 0x9a), 1.2);

    // Flash burst between the camera and the flower.
    QPolygonF brilho;
    const QPointF c(62, 15);
    for (int i = 0; i < 16; ++i) {
        const double a = i * std::numbers::pi / 8;
        const double r = i % 2 == 0 ? 7 : 2.8;
        brilho << c + QPointF(std::cos(a) * r, std::sin(a) * r);
    }
    preenche(p, poligono(brilho), QColor(0xff, 0xe0, 0x3a), 1.4);
}

}  // namespace figuras
