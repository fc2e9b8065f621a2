// The nine polluters, each in a little lake scene, and the pictograms of
// the kinds of pollution.
#include "tools/ajuda/Ajuda.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ajuda {

namespace {
// Polluters are drawn in a model box of this size and scaled to their box.
constexpr double MODELO_LARGURA = 100;
constexpr double MODELO_ALTURA = 70;
constexpr double SUPERFICIE = 30;  // water line in the model
constexpr double FUNDO = 58;       // top of the sand in the model
constexpr double C = CONTORNO_FINO;

// Sky, water and sand of a polluter's scene.
void cenario(QPainter& p, bool comFundo) {
    agua(p, QRectF(0, 0, MODELO_LARGURA, MODELO_ALTURA), SUPERFICIE, cor::aguaClara, 14, 1.8);
    if (comFundo) {
        QPainterPath areia;
        areia.moveTo(-2, FUNDO);
        areia.cubicTo(30, FUNDO - 4, 70, FUNDO + 4, 102, FUNDO - 1);
        areia.lineTo(102, 72);
        areia.lineTo(-2, 72);
        areia.closeSubpath();
        preenche(p, areia, cor::areia, C);
    }
}

// Hull of a boat floating on the water line, from x0 to x1.
void casco(QPainter& p, double x0, double x1, double fundo, const QColor& c) {
    const QPainterPath h = poligono({{x0, SUPERFICIE - 7}, {x1, SUPERFICIE - 7},
                                     {x1 - 8, SUPERFICIE + fundo}, {x0 + 4, SUPERFICIE + fundo}});
    preenche(p, h, c, C);
}

// Tiny fish silhouette for crowds of fish.
void peixinho(QPainter& p, QPointF centro, double tamanho, const QColor& c, bool paraEsquerda) {
    const double s = paraEsquerda ? -1 : 1;
    QPainterPath f;
    f.moveTo(centro + QPointF(s * tamanho, 0));
    f.cubicTo(centro + QPointF(s * tamanho * 0.5, -tamanho * 0.6),
              centro + QPointF(-s * tamanho * 0.4, -tamanho * 0.5),
              centro + QPointF(-s * tamanho * 0.6, 0));
    f.lineTo(centro + QPointF(-s * tamanho * 1.1, -tamanho * 0.45));
    f.lineTo(centro + QPointF(-s * tamanho * 1.1, tamanho * 0.45));
    f.lineTo(centro + QPointF(-s * tamanho * 0.6, 0));
    f.cubicTo(centro + QPointF(-s * tamanho * 0.4, tamanho * 0.5),
              centro + QPointF(s * tamanho * 0.5, tamanho * 0.6),
              centro + QPointF(s * tamanho, 0));
    preenche(p, f, c, 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(cor::contorno);
    p.drawEllipse(centro + QPointF(s * tamanho * 0.5, -tamanho * 0.1), tamanho * 0.12,
                  tamanho * 0.12);
}

// A cloud of stirred mud or dirt.
void nuvemDeSujeira(QPainter& p, QPointF centro, double tamanho, const QColor& c) {
    QPainterPath n;
    const QPointF bolas[] = {{0, 0}, {-0.8, 0.2}, {0.8, 0.25}, {-0.35, -0.5}, {0.4, -0.45}};
    for (const QPointF& b : bolas)
        n = n.united(elipse(centro + b * tamanho, tamanho * 0.55, tamanho * 0.45));
    preenche(p, n, c, 1.0);
}

// Dredge: a barge with a crane whose bucket digs the lake bottom.
void draga(QPainter& p) {
    cenario(p, true);
    nuvemDeSujeira(p, QPointF(72, 56), 9, cor::marrom);
    p.setPen(caneta(2.2));
    p.drawLine(QPointF(40, 10), QPointF(70, 46));
    p.drawLine(QPointF(40, 10), QPointF(26, 20));
    const QPainterPath cacamba = poligono({{64, 46}, {78, 46}, {76, 58}, {66, 58}});
    preenche(p, cacamba, cor::cinza, C);
    casco(p, 8, 58, 7, cor::amarelo);
    preenche(p, retangulo(QRectF(14, 11, 18, 12), 2), cor::laranja, C);
    preenche(p, retangulo(QRectF(18, 14, 10, 5), 1), cor::aguaClara, 1.0);
    for (double x : {16.0, 22.0})
        preenche(p, elipse(QPointF(x + 30, 62), 4, 2.5), cor::marrom, 1.0);
}

// Crop-dusting plane spraying poison from the fields over the lake.
void agrotoxico(QPainter& p) {
    cenario(p, false);
    // Field on the shore at the left.
    const QPainterPath campo = poligono({{-2, SUPERFICIE - 4}, {24, SUPERFICIE - 4},
                                         {30, SUPERFICIE + 3}, {30, 72}, {-2, 72}});
    preenche(p, campo, cor::marrom, C);
    for (double x : {4.0, 12.0, 20.0}) {
        p.setPen(caneta(1.6, cor::verde));
        p.drawLine(QPointF(x, SUPERFICIE - 4), QPointF(x, SUPERFICIE - 12));
        preenche(p, elipse(QPointF(x - 2.5, SUPERFICIE - 10), 2.6, 1.5), cor::verdeClaro, 0.8);
        preenche(p, elipse(QPointF(x + 2.5, SUPERFICIE - 12), 2.6, 1.5), cor::verdeClaro, 0.8);
    }
    // Spray falling into the water.
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            const QPointF gota(44 + i * 9 + j * 2, 20 + j * 9);
            preenche(p, elipse(gota, 1.8, 2.3), cor::roxo, 0.8);
        }
    QPainterPath mancha;
    mancha.addEllipse(QPointF(58, SUPERFICIE + 10), 20, 6);
    preenche(p, mancha, cor::roxo, 1.0);
    // Plane.
    QPainterPath corpo;
    corpo.moveTo(36, 10);
    corpo.cubicTo(44, 4, 70, 5, 82, 9);
    corpo.lineTo(88, 3);
    corpo.lineTo(90, 3);
    corpo.lineTo(90, 14);
    corpo.cubicTo(70, 16, 44, 16, 36, 10);
    preenche(p, corpo, cor::amarelo, C);
    const QPainterPath asa = poligono({{52, 10}, {64, 10}, {58, 20}, {50, 20}});
    preenche(p, asa, cor::vermelho, C);
    preenche(p, elipse(QPointF(44, 8), 4, 2.5), cor::aguaClara, 1.0);
    p.setPen(caneta(1.6));
    p.drawLine(QPointF(35, 4), QPointF(35, 16));
}

// Trawl net full of fish pulled by a boat.
void rede(QPainter& p) {
    cenario(p, false);
    casco(p, 6, 40, 6, cor::vermelho);
    preenche(p, retangulo(QRectF(12, 13, 12, 11), 1.5), cor::branco, C);
    QPainterPath saco;
    saco.moveTo(44, 34);
    saco.cubicTo(60, 30, 92, 36, 94, 50);
    saco.cubicTo(92, 64, 60, 68, 46, 62);
    saco.closeSubpath();
    preenche(p, saco, cor::aguaClara, 0);
    const QPointF peixes[] = {{58, 42}, {72, 46}, {84, 50}, {60, 55}, {74, 58}, {66, 49}};
    const QColor cores[] = {cor::laranja, cor::agua, cor::amarelo, cor::agua, cor::laranja,
                            cor::amarelo};
    for (int i = 0; i < 6; ++i) peixinho(p, peixes[i], 5, cores[i], i % 2 == 0);
    p.save();
    p.setClipPath(saco);
    p.setPen(QPen(cor::contorno, 1.0));
    for (double x = 40; x < 100; x += 6) p.drawLine(QPointF(x, 28), QPointF(x + 10, 70));
    for (double x = 40; x < 110; x += 6) p.drawLine(QPointF(x, 28), QPointF(x - 10, 70));
    p.restore();
    preenche(p, saco, Qt::NoBrush, C);
    p.setPen(caneta(1.4));
    p.drawLine(QPointF(36, 24), QPointF(45, 34));
    p.drawLine(QPointF(36, 24), QPointF(47, 61));
}

// Rubbish: a floating bottle, a sinking can and a bag on the bottom.
void lixo(QPainter& p) {
    cenario(p, true);
    p.save();
    p.translate(30, SUPERFICIE);
    p.rotate(-70);
    preenche(p, retangulo(QRectF(-6, -4, 14, 8), 2), cor::verdeClaro, C);
    preenche(p, retangulo(QRectF(8, -2, 5, 4), 1), cor::verde, C);
    p.restore();
    p.save();
    p.translate(60, 42);
    p.rotate(25);
    preenche(p, retangulo(QRectF(-5, -7, 10, 14), 1.5), cor::vermelho, C);
    p.setPen(caneta(1.2, cor::branco));
    p.drawLine(QPointF(-3, 0), QPointF(3, 0));
    p.restore();
    for (double y : {34.0, 38.0}) bolha(p, QPointF(64, y - 4), 1.4);
    QPainterPath saco;
    saco.moveTo(74, 62);
    saco.cubicTo(70, 52, 76, 46, 82, 46);
    saco.lineTo(80, 42);
    saco.lineTo(86, 42);
    saco.lineTo(84, 46);
    saco.cubicTo(90, 46, 96, 52, 92, 62);
    saco.closeSubpath();
    preenche(p, saco, cor::cinza, C);
    preenche(p, retangulo(QRectF(10, 56, 14, 6), 2), cor::branco, C);
    preenche(p, elipse(QPointF(44, 61), 5, 2.5), cor::laranja, 1.0);
}

// Motor boat: noise waves and oil drops from the engine.
void lancha(QPainter& p) {
    cenario(p, false);
    QPainterPath casco;
    casco.moveTo(26, SUPERFICIE - 8);
    casco.lineTo(86, SUPERFICIE - 8);
    casco.cubicTo(82, SUPERFICIE - 1, 76, SUPERFICIE + 3, 64, SUPERFICIE + 4);
    casco.lineTo(30, SUPERFICIE + 4);
    casco.closeSubpath();
    preenche(p, casco, cor::branco, C);
    p.setPen(caneta(2.4, cor::vermelho));
    p.drawLine(QPointF(30, SUPERFICIE - 2), QPointF(80, SUPERFICIE - 2));
    const QPainterPath vidro = poligono({{46, SUPERFICIE - 8}, {54, SUPERFICIE - 16},
                                         {62, SUPERFICIE - 16}, {62, SUPERFICIE - 8}});
    preenche(p, vidro, cor::aguaClara, C);
    preenche(p, retangulo(QRectF(19, SUPERFICIE - 12, 9, 20), 2), cor::contorno, 1.0);
    // Noise behind the engine.
    p.setBrush(Qt::NoBrush);
    p.setPen(caneta(1.6, cor::vermelho));
    for (int i = 0; i < 3; ++i) {
        const double r = 5 + i * 4;
        p.drawArc(QRectF(16 - r, SUPERFICIE - 2 - r, 2 * r, 2 * r), 120 * 16, 120 * 16);
    }
    // Oil drops and a scared little fish.
    for (const QPointF g : {QPointF(28, 42), QPointF(36, 48), QPointF(24, 52)})
        preenche(p, elipse(g, 2.2, 2.8), cor::contorno, 0);
    peixinho(p, QPointF(70, 50), 7, cor::amarelo, false);
    p.setPen(caneta(1.2));
    p.drawLine(QPointF(58, 44), QPointF(56, 41));
    p.drawLine(QPointF(58, 50), QPointF(54, 50));
    p.drawLine(QPointF(58, 56), QPointF(56, 59));
}

// Overfishing: a boat with many lines and a box full of fish.
void pescaPredatoria(QPainter& p) {
    cenario(p, false);
    casco(p, 14, 64, 7, cor::marrom);
    preenche(p, retangulo(QRectF(36, 13, 22, 10), 1.5), cor::areia, C);
    for (int i = 0; i < 4; ++i) peixinho(p, QPointF(40 + i * 5, 14 + (i % 2) * 3), 4,
                                         i % 2 == 0 ? cor::laranja : cor::agua, i % 2 == 1);
    p.setPen(caneta(1.6, cor::marrom));
    p.drawLine(QPointF(20, SUPERFICIE - 7), QPointF(8, 4));
    p.drawLine(QPointF(60, SUPERFICIE - 7), QPointF(88, 6));
    p.setPen(QPen(cor::contorno, 0.9));
    p.drawLine(QPointF(8, 4), QPointF(8, 50));
    p.drawLine(QPointF(88, 6), QPointF(88, 44));
    peixe(p, TipoPeixe::Gordo, QPointF(82, 52), 22, true);
    peixinho(p, QPointF(14, 54), 5, cor::agua, false);
    p.setPen(caneta(1.1));
    p.drawArc(QRectF(85, 42, 5, 6), 180 * 16, 180 * 16);
    p.drawArc(QRectF(5, 48, 5, 6), 180 * 16, 180 * 16);
}

// Grassy bank at the left of a sewage scene, meeting the water at x.
void margemDoEsgoto(QPainter& p, double x) {
    preenche(p, poligono({{-2, SUPERFICIE - 6}, {x, SUPERFICIE - 6}, {x + 6, 72}, {-2, 72}}),
             cor::verdeClaro, C);
}

// Sewage pipe coming out of the bank under the water, starting at x.
void canoDoEsgoto(QPainter& p, double x) {
    preenche(p, retangulo(QRectF(x, SUPERFICIE + 6, 24, 7), 0), cor::cinza, C);
    preenche(p, retangulo(QRectF(x + 22, SUPERFICIE + 4, 4, 11), 0), cor::cinza, C);
}

// Sewage from the houses: a house on the shore and a brown outflow.
void esgotoCasas(QPainter& p) {
    cenario(p, true);
    margemDoEsgoto(p, 34);
    preenche(p, retangulo(QRectF(6, 8, 22, 16), 0), cor::branco, C);
    const QPainterPath telhado = poligono({{3, 9}, {17, -1}, {31, 9}});
    preenche(p, telhado, cor::vermelho, C);
    preenche(p, retangulo(QRectF(10, 14, 5, 10), 0), cor::marrom, 1.0);
    preenche(p, retangulo(QRectF(19, 13, 6, 5), 0), cor::aguaClara, 1.0);
    nuvemDeSujeira(p, QPointF(56, 44), 9, cor::marrom);
    nuvemDeSujeira(p, QPointF(70, 50), 6, cor::marrom);
    canoDoEsgoto(p, 24);
}

// Sewage from the factories: a smoking factory and a poisonous outflow.
void esgotoFabricas(QPainter& p) {
    cenario(p, true);
    margemDoEsgoto(p, 38);
    nuvem(p, QRectF(24, -4, 26, 12), cor::cinza);
    preenche(p, retangulo(QRectF(24, 2, 7, 20), 0), cor::vermelho, C);
    const QPainterPath fabrica = poligono({{2, 24}, {2, 12}, {10, 16}, {10, 12}, {18, 16}, {18, 12},
                                           {36, 16}, {36, 24}});
    preenche(p, fabrica, cor::cinza, C);
    for (double x : {6.0, 14.0, 24.0})
        preenche(p, retangulo(QRectF(x, 18, 4, 3), 0), cor::amarelo, 0.8);
    nuvemDeSujeira(p, QPointF(62, 44), 10, cor::roxo);
    nuvemDeSujeira(p, QPointF(78, 52), 7, cor::roxo);
    canoDoEsgoto(p, 28);
}

// Petrol leak: a tipped can and a dark slick spreading on the water.
void gasolina(QPainter& p) {
    cenario(p, true);
    QPainterPath mancha;
    mancha.moveTo(22, SUPERFICIE + 1);
    mancha.cubicTo(30, SUPERFICIE - 3, 60, SUPERFICIE - 2, 88, SUPERFICIE);
    mancha.cubicTo(92, SUPERFICIE + 6, 70, SUPERFICIE + 9, 52, SUPERFICIE + 7);
    mancha.cubicTo(38, SUPERFICIE + 10, 20, SUPERFICIE + 8, 22, SUPERFICIE + 1);
    preenche(p, mancha, cor::contorno, 1.0);
    p.setPen(caneta(1.2, cor::roxo));
    p.drawArc(QRectF(40, SUPERFICIE + 1, 18, 5), 0, 180 * 16);
    p.setPen(caneta(1.2, cor::aguaClara));
    p.drawArc(QRectF(64, SUPERFICIE + 1, 14, 4), 0, 180 * 16);
    for (const QPointF g : {QPointF(50, 46), QPointF(66, 52), QPointF(40, 54)})
        preenche(p, elipse(g, 2.2, 2.8), cor::contorno, 0);
    p.save();
    p.translate(16, SUPERFICIE - 6);
    p.rotate(-25);
    preenche(p, retangulo(QRectF(-10, -12, 18, 20), 2), cor::vermelho, C);
    preenche(p, retangulo(QRectF(4, -16, 5, 5), 1), cor::amarelo, 1.0);
    p.setPen(caneta(1.2, cor::branco));
    p.drawLine(QPointF(-6, -6), QPointF(4, 4));
    p.drawLine(QPointF(4, -6), QPointF(-6, 4));
    p.restore();
    QPainterPath fio;
    fio.moveTo(22, SUPERFICIE - 6);
    fio.cubicTo(24, SUPERFICIE - 2, 24, SUPERFICIE, 26, SUPERFICIE + 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(caneta(2.2));
    p.drawPath(fio);
}
}  // namespace

void poluidor(QPainter& p, Poluidor qual, const QRectF& caixa) {
    const double escala =
        std::min(caixa.width() / MODELO_LARGURA, caixa.height() / MODELO_ALTURA);
    const QRectF ocupado(0, 0, MODELO_LARGURA * escala, MODELO_ALTURA * escala);
    p.save();
    p.translate(caixa.center() - ocupado.center());
    const QPainterPath moldura = retangulo(ocupado, 8);
    p.setClipPath(moldura);
    p.scale(escala, escala);
    preenche(p, retangulo(QRectF(-2, -2, MODELO_LARGURA + 4, MODELO_ALTURA + 4), 0),
             cor::fundoClaro, 0);
    switch (qual) {
        case Poluidor::Draga:
            draga(p);
            break;
        case Poluidor::Agrotoxico:
            agrotoxico(p);
            break;
        case Poluidor::Rede:
            rede(p);
            break;
        case Poluidor::Lixo:
            lixo(p);
            break;
        case Poluidor::Lancha:
            lancha(p);
            break;
        case Poluidor::PescaPredatoria:
            pescaPredatoria(p);
            break;
        case Poluidor::EsgotoCasas:
            esgotoCasas(p);
            break;
        case Poluidor::EsgotoFabricas:
            esgotoFabricas(p);
            break;
        case Poluidor::Gasolina:
            gasolina(p);
            break;
    }
    p.restore();
    p.save();
    p.translate(caixa.center() - ocupado.center());
    preenche(p, moldura, Qt::NoBrush, CONTORNO);
    p.restore();
}

// ---------------------------------------------------------------- pictograms
// The pictograms are drawn in a 40 x 40 model and scaled to their box.
namespace {
constexpr double ICONE = 40;

// Scales the painter so a 40 x 40 model fills the square box.
void emCaixa(QPainter& p, const QRectF& caixa) {
    const double e = std::min(caixa.width(), caixa.height()) / ICONE;
    p.translate(caixa.center() - QPointF(ICONE * e / 2, ICONE * e / 2));
    p.scale(e, e);
}
}  // namespace

void iconeLixo(QPainter& p, const QRectF& caixa) {
    p.save();
    emCaixa(p, caixa);
    QPainterPath saco;
    saco.moveTo(8, 36);
    saco.cubicTo(2, 24, 8, 14, 16, 13);
    saco.lineTo(13, 7);
    saco.lineTo(23, 7);
    saco.lineTo(20, 13);
    saco.cubicTo(28, 14, 34, 24, 28, 36);
    saco.closeSubpath();
    preenche(p, saco, cor::cinza, C);
    p.setPen(caneta(1.4));
    p.drawLine(QPointF(14, 10), QPointF(22, 10));
    preenche(p, retangulo(QRectF(27, 24, 9, 13), 1.5), cor::vermelho, C);
    p.save();
    p.translate(30, 34);
    p.rotate(-20);
    preenche(p, retangulo(QRectF(-16, -2, 9, 5), 1.5), cor::verdeClaro, 1.2);
    p.restore();
    p.restore();
}

void iconeVeneno(QPainter& p, const QRectF& caixa) {
    p.save();
    emCaixa(p, caixa);
    QPainterPath frasco;
    frasco.moveTo(15, 4);
    frasco.lineTo(25, 4);
    frasco.lineTo(25, 12);
    frasco.cubicTo(33, 15, 34, 22, 34, 28);
    frasco.lineTo(34, 36);
    frasco.lineTo(6, 36);
    frasco.lineTo(6, 28);
    frasco.cubicTo(6, 22, 7, 15, 15, 12);
    frasco.closeSubpath();
    preenche(p, frasco, cor::roxo, C);
    preenche(p, retangulo(QRectF(13, 1, 14, 5), 1.5), cor::contorno, 0);
    preenche(p, retangulo(QRectF(10, 19, 20, 13), 2), cor::branco, 1.2);
    p.setPen(caneta(2.4, cor::vermelho));
    p.drawLine(QPointF(15, 22), QPointF(25, 29));
    p.drawLine(QPointF(25, 22), QPointF(15, 29));
    p.restore();
}

void iconeBarulho(QPainter& p, const QRectF& caixa) {
    p.save();
    emCaixa(p, caixa);
    const QPainterPath alto = poligono({{4, 15}, {11, 15}, {21, 6}, {21, 34}, {11, 25}, {4, 25}});
    preenche(p, alto, cor::cinza, C);
    p.setBrush(Qt::NoBrush);
    p.setPen(caneta(2.4, cor::vermelho));
    for (int i = 0; i < 3; ++i) {
        const double r = 6 + i * 5;
        p.drawArc(QRectF(22 - r, 20 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
    p.restore();
}

void iconePescaDemais(QPainter& p, const QRectF& caixa) {
    p.save();
    emCaixa(p, caixa);
    p.setPen(caneta(2.0, cor::marrom));
    p.drawLine(QPointF(2, 36), QPointF(24, 2));
    p.setPen(QPen(cor::contorno, 1.0));
    p.drawLine(QPointF(24, 2), QPointF(32, 2));
    p.drawLine(QPointF(32, 2), QPointF(32, 12));
    const QPointF peixes[] = {{30, 16}, {22, 24}, {32, 28}, {24, 34}};
    const QColor cores[] = {cor::laranja, cor::agua, cor::amarelo, cor::laranja};
    for (int i = 0; i < 4; ++i) peixinho(p, peixes[i], 6, cores[i], i % 2 == 1);
    p.restore();
}

}  // namespace ajuda
