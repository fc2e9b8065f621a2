// The lake's beings (fish, algae, micro-organisms, water hyacinths) and the
// four characters' faces, in flat colours with dark outlines.
#include "tools/ajuda/Ajuda.h"

#include <cmath>
#include <numbers>

namespace ajuda {

namespace {
// Fish are drawn in a model about this long (tail tip to mouth) and scaled.
constexpr double COMPRIMENTO_MODELO = 114.0;
constexpr double CENTRO_MODELO_X = -7.0;  // middle of the model's length
constexpr int CILIOS = 12;
constexpr int FOLHAS_ALGA = 6;
// Faces are drawn in a model whose badge has this radius, then scaled.
constexpr double RAIO_MODELO = 50.0;

// Round eye with a pupil looking forward.
void olhoDePeixe(QPainter& p, QPointF centro, double raio, double c) {
    preenche(p, elipse(centro, raio, raio), cor::branco, c);
    p.setPen(Qt::NoPen);
    p.setBrush(cor::contorno);
    p.drawEllipse(centro + QPointF(raio * 0.25, 0), raio * 0.55, raio * 0.55);
    p.setBrush(cor::branco);
    p.drawEllipse(centro + QPointF(raio * 0.42, -raio * 0.22), raio * 0.2, raio * 0.2);
}

// Round orange-gold fish with a fan tail, the biggest of the lake.
void peixeGordo(QPainter& p, double c) {
    QPainterPath cauda;
    cauda.moveTo(-34, 0);
    cauda.cubicTo(-48, -10, -58, -26, -64, -30);
    cauda.cubicTo(-60, -12, -56, -4, -54, 0);
    cauda.cubicTo(-56, 4, -60, 12, -64, 30);
    cauda.cubicTo(-58, 26, -48, 10, -34, 0);
    preenche(p, cauda, cor::laranja, c);
    QPainterPath dorsal;
    dorsal.moveTo(-22, -28);
    dorsal.cubicTo(-18, -46, 4, -50, 14, -32);
    dorsal.closeSubpath();
    preenche(p, dorsal, cor::laranja, c);
    preenche(p, elipse(QPointF(0, 0), 40, 34), cor::laranja, c);
    // Golden belly and a few scales.
    p.setPen(Qt::NoPen);
    p.setBrush(cor::amarelo);
    p.drawEllipse(QPointF(2, 14), 26, 13);
    p.setBrush(Qt::NoBrush);
    p.setPen(caneta(c * 0.6, cor::marrom));
    for (int linha = 0; linha < 2; ++linha)
        for (int i = 0; i < 3; ++i)
            p.drawArc(QRectF(-26 + i * 11 + linha * 5, -16 + linha * 11, 10, 10), 90 * 16,
                      180 * 16);
    QPainterPath peitoral;
    peitoral.moveTo(6, 6);
    peitoral.cubicTo(-2, 10, -8, 18, -4, 22);
    peitoral.cubicTo(2, 20, 8, 14, 6, 6);
    preenche(p, peitoral, cor::laranja, c * 0.8);
    olhoDePeixe(p, QPointF(22, -8), 8.5, c * 0.8);
    p.setBrush(Qt::NoBrush);
    p.setPen(caneta(c * 0.8));
    p.drawArc(QRectF(29, 2, 9, 8), 200 * 16, 130 * 16);
}

// Slim blue fish with a forked tail.
void peixeAzul(QPainter& p, double c) {
    QPainterPath dorsal;
    dorsal.moveTo(-10, -12);
    dorsal.lineTo(-2, -26);
    dorsal.cubicTo(6, -24, 12, -18, 16, -13);
    dorsal.closeSubpath();
    preenche(p, dorsal, cor::azulEscuro, c);
    QPainterPath cauda;
    cauda.moveTo(-34, 0);
    cauda.lineTo(-58, -20);
    cauda.cubicTo(-54, -8, -50, -2, -48, 0);
    cauda.cubicTo(-50, 2, -54, 8, -58, 20);
    cauda.closeSubpath();
    preenche(p, cauda, cor::azulEscuro, c);
    QPainterPath corpo;
    corpo.moveTo(50, 2);
    corpo.cubicTo(42, -14, 8, -19, -38, -3);
    corpo.lineTo(-38, 3);
    corpo.cubicTo(8, 19, 42, 16, 50, 2);
    preenche(p, corpo, cor::agua, c);
    // Pale belly under the body's middle line.
    p.save();
    p.setClipPath(corpo);
    QPainterPath barriga;
    barriga.moveTo(-40, 3);
    barriga.cubicTo(0, 4, 30, 4, 52, 3);
    barriga.lineTo(52, 20);
    barriga.lineTo(-40, 20);
    barriga.closeSubpath();
    preenche(p, barriga, cor::aguaClara, 0);
    p.restore();
    preenche(p, corpo, Qt::NoBrush, c);
    QPainterPath peitoral;
    peitoral.moveTo(18, 6);
    peitoral.lineTo(6, 14);
    peitoral.lineTo(12, 6);
    preenche(p, peitoral, cor::azulEscuro, c * 0.7);
    olhoDePeixe(p, QPointF(36, -3), 5, c * 0.7);
}

// Yellow fish with dark stripes and a spiky fin.
void peixeListrado(QPainter& p, double c) {
    QPainterPath dorsal;
    dorsal.moveTo(-22, -18);
    for (int i = 0; i < 5; ++i) {
        dorsal.lineTo(-18 + i * 8, -34 + (i % 2) * 4);
        dorsal.lineTo(-14 + i * 8, -24);
    }
    dorsal.lineTo(22, -18);
    dorsal.closeSubpath();
    preenche(p, dorsal, cor::laranja, c);
    QPainterPath cauda;
    cauda.moveTo(-36, 0);
    cauda.cubicTo(-46, -12, -54, -22, -60, -22);
    cauda.cubicTo(-56, -8, -56, 8, -60, 22);
    cauda.cubicTo(-54, 22, -46, 12, -36, 0);
    preenche(p, cauda, cor::amarelo, c);
    QPainterPath corpo;
    corpo.moveTo(46, 2);
    corpo.cubicTo(40, -24, -10, -30, -40, -2);
    corpo.lineTo(-40, 2);
    corpo.cubicTo(-10, 28, 40, 24, 46, 2);
    preenche(p, corpo, cor::amarelo, 0);
    p.save();
    p.setClipPath(corpo);
    p.setPen(Qt::NoPen);
    p.setBrush(cor::contorno);
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
    preenche(p, peitoral, cor::laranja, c * 0.8);
    olhoDePeixe(p, QPointF(30, -5), 6.5, c * 0.8);
    p.setBrush(Qt::NoBrush);
    p.setPen(caneta(c * 0.8));
    p.drawArc(QRectF(36, 2, 7, 6), 200 * 16, 120 * 16);
}

// Eyes, eyebrows, nose and smile of a face model centred at (0, -4).
void feicoes(QPainter& p, const QColor& sobrancelha) {
    for (double lado : {-1.0, 1.0}) {
        preenche(p, elipse(QPointF(lado * 8.5, -7), 5, 6), cor::branco, 1.4);
        p.setPen(Qt::NoPen);
        p.setBrush(cor::contorno);
        p.drawEllipse(QPointF(lado * 8.5 + 0.5, -6), 3, 3.4);
        p.setBrush(cor::branco);
        p.drawEllipse(QPointF(lado * 8.5 + 1.6, -7.4), 1, 1);
        p.setBrush(Qt::NoBrush);
        p.setPen(caneta(2.2, sobrancelha));
        p.drawLine(QPointF(lado * 4.5, -16), QPointF(lado * 12.5, -17));
    }
    p.setPen(caneta(1.4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-3, -2, 6, 5), 200 * 16, 140 * 16);
    QPainterPath boca;
    boca.moveTo(-8, 6);
    boca.cubicTo(-6, 15, 6, 15, 8, 6);
    boca.closeSubpath();
    preenche(p, boca, cor::branco, 1.4);
}

// Ears and face oval of a face model.
void cabeca(QPainter& p) {
    for (double lado : {-1.0, 1.0})
        preenche(p, elipse(QPointF(lado * 21, -2), 5, 7), cor::pele, 1.6);
    preenche(p, elipse(QPointF(0, -4), 21, 24), cor::pele, 1.6);
}

// Neck and shoulders of a face model in the clothing colour.
void ombros(QPainter& p, const QColor& roupa) {
    QPainterPath pescoco;
    pescoco.addRect(QRectF(-8, 10, 16, 20));
    preenche(p, pescoco, cor::pele, 1.6);
    QPainterPath tronco;
    tronco.moveTo(-56, 60);
    tronco.cubicTo(-52, 40, -40, 30, -16, 28);
    tronco.lineTo(16, 28);
    tronco.cubicTo(40, 30, 52, 40, 56, 60);
    tronco.closeSubpath();
    preenche(p, tronco, roupa, 1.6);
}

// Small five-petal flower.
void florzinha(QPainter& p, QPointF centro, double raio, const QColor& petala) {
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * std::numbers::pi / 5;
        preenche(p, elipse(centro + QPointF(std::cos(a), std::sin(a)) * raio * 0.6, raio * 0.45,
                           raio * 0.45),
                 petala, 1.0);
    }
    preenche(p, elipse(centro, raio * 0.35, raio * 0.35), cor::amarelo, 1.0);
}

// Mãe Natureza: long green hair, a crown of flowers and a leafy dress.
void mae(QPainter& p) {
    QPainterPath cabelo;
    cabelo.moveTo(-30, 60);
    cabelo.cubicTo(-36, 20, -40, -36, 0, -34);
    cabelo.cubicTo(40, -36, 36, 20, 30, 60);
    cabelo.closeSubpath();
    preenche(p, cabelo, cor::verde, 1.6);
    ombros(p, cor::verdeClaro);
    for (double x : {-30.0, 0.0, 30.0}) {
        QPainterPath folha;
        folha.moveTo(x - 8, 44);
        folha.cubicTo(x - 4, 36, x + 4, 36, x + 8, 44);
        folha.cubicTo(x + 4, 52, x - 4, 52, x - 8, 44);
        preenche(p, folha, cor::verde, 1.2);
    }
    cabeca(p);
    QPainterPath franja;
    franja.moveTo(-22, -6);
    franja.cubicTo(-24, -30, 24, -30, 22, -6);
    franja.cubicTo(14, -20, -4, -22, -22, -6);
    preenche(p, franja, cor::verde, 1.6);
    feicoes(p, cor::verde);
    const QPointF flores[] = {{-20, -24}, {-10, -30}, {0, -32}, {10, -30}, {20, -24}};
    const QColor cores[] = {cor::branco, cor::roxo, cor::vermelho, cor::branco, cor::roxo};
    for (int i = 0; i < 5; ++i) florzinha(p, flores[i], 6, cores[i]);
}

// Pescador: bucket hat, brown beard and a fishing vest.
void pescador(QPainter& p) {
    ombros(p, cor::agua);
    QPainterPath colete;
    colete.moveTo(-50, 60);
    colete.cubicTo(-48, 42, -36, 32, -16, 29);
    colete.lineTo(-10, 60);
    colete.closeSubpath();
    colete.moveTo(50, 60);
    colete.cubicTo(48, 42, 36, 32, 16, 29);
    colete.lineTo(10, 60);
    colete.closeSubpath();
    preenche(p, colete, cor::areia, 1.6);
    cabeca(p);
    QPainterPath barba;
    barba.moveTo(-21, -2);
    barba.cubicTo(-20, 26, 20, 26, 21, -2);
    barba.cubicTo(14, 4, 8, 4, 0, 3);
    barba.cubicTo(-8, 4, -14, 4, -21, -2);
    preenche(p, barba, cor::marrom, 1.6);
    feicoes(p, cor::marrom);
    QPainterPath aba;
    aba.moveTo(-34, -18);
    aba.cubicTo(-20, -26, 20, -26, 34, -18);
    aba.cubicTo(20, -14, -20, -14, -34, -18);
    preenche(p, aba, cor::verde, 1.6);
    QPainterPath copa;
    copa.moveTo(-20, -21);
    copa.cubicTo(-20, -44, 20, -44, 20, -21);
    copa.cubicTo(10, -24, -10, -24, -20, -21);
    preenche(p, copa, cor::verde, 1.6);
    preenche(p, elipse(QPointF(9, -28), 2.5, 2.5), cor::amarelo, 1.0);
}

// Prefeito: grey hair and moustache, dark suit and the green-yellow sash.
void prefeito(QPainter& p) {
    ombros(p, cor::azulEscuro);
    QPainterPath gola;
    gola.moveTo(-10, 28);
    gola.lineTo(0, 42);
    gola.lineTo(10, 28);
    gola.closeSubpath();
    preenche(p, gola, cor::branco, 1.4);
    QPainterPath faixa;
    faixa.moveTo(-38, 34);
    faixa.lineTo(-28, 30);
    faixa.lineTo(40, 60);
    faixa.lineTo(24, 60);
    faixa.closeSubpath();
    preenche(p, faixa, cor::verde, 1.4);
    QPainterPath listra;
    listra.moveTo(-34, 34);
    listra.lineTo(-30, 32.5);
    listra.lineTo(34, 60);
    listra.lineTo(28, 60);
    listra.closeSubpath();
    preenche(p, listra, cor::amarelo, 0);
    cabeca(p);
    QPainterPath cabelo;
    cabelo.moveTo(-22, -2);
    cabelo.cubicTo(-26, -34, 26, -34, 22, -2);
    cabelo.cubicTo(18, -16, 10, -20, 0, -20);
    cabelo.cubicTo(-10, -20, -18, -16, -22, -2);
    preenche(p, cabelo, cor::cinza, 1.6);
    feicoes(p, cor::cinza);
    QPainterPath bigode;
    bigode.moveTo(0, 4);
    bigode.cubicTo(-6, 0, -12, 3, -12, 8);
    bigode.cubicTo(-8, 6, -4, 7, 0, 7);
    bigode.cubicTo(4, 7, 8, 6, 12, 8);
    bigode.cubicTo(12, 3, 6, 0, 0, 4);
    preenche(p, bigode, cor::cinza, 1.2);
}

// Turista: straw hat with a red band, sunglasses and a flowered shirt.
void turista(QPainter& p) {
    ombros(p, cor::aguaClara);
    florzinha(p, QPointF(-30, 44), 6, cor::vermelho);
    florzinha(p, QPointF(28, 40), 6, cor::amarelo);
    florzinha(p, QPointF(38, 54), 5, cor::vermelho);
    cabeca(p);
    feicoes(p, cor::marrom);
    // Sunglasses over the eyes.
    for (double lado : {-1.0, 1.0})
        preenche(p, retangulo(QRectF(lado * 8.5 - 7, -12, 14, 10), 4), cor::contorno, 1.2);
    p.setPen(caneta(1.6));
    p.drawLine(QPointF(-1.5, -9), QPointF(1.5, -9));
    QPainterPath aba;
    aba.moveTo(-40, -16);
    aba.cubicTo(-26, -28, 26, -28, 40, -16);
    aba.cubicTo(26, -12, -26, -12, -40, -16);
    preenche(p, aba, cor::areia, 1.6);
    QPainterPath copa;
    copa.moveTo(-18, -21);
    copa.cubicTo(-18, -42, 18, -42, 18, -21);
    copa.cubicTo(8, -24, -8, -24, -18, -21);
    preenche(p, copa, cor::areia, 1.6);
    QPainterPath fita;
    fita.moveTo(-18, -22);
    fita.cubicTo(-8, -25, 8, -25, 18, -22);
    fita.lineTo(18.5, -27);
    fita.cubicTo(8, -30, -8, -30, -18.5, -27);
    fita.closeSubpath();
    preenche(p, fita, cor::vermelho, 1.2);
}
}  // namespace

void peixe(QPainter& p, TipoPeixe tipo, QPointF centro, double comprimento, bool paraEsquerda) {
    const double escala = comprimento / COMPRIMENTO_MODELO;
    const double c = std::max(CONTORNO_FINO, comprimento / 45) / escala;
    p.save();
    p.translate(centro);
    p.scale(paraEsquerda ? -escala : escala, escala);
    p.translate(-CENTRO_MODELO_X, 0);
    switch (tipo) {
        case TipoPeixe::Gordo:
            peixeGordo(p, c);
            break;
        case TipoPeixe::Azul:
            peixeAzul(p, c);
            break;
        case TipoPeixe::Listrado:
            peixeListrado(p, c);
            break;
    }
    p.restore();
}

void alga(QPainter& p, QPointF pe, double altura, double balanco, double contorno) {
    auto ponto = [&](double t) {
        return QPointF(pe.x() + balanco * std::sin(t * std::numbers::pi * 1.3) * t,
                       pe.y() - altura * t);
    };
    QPainterPath caule;
    caule.moveTo(pe);
    constexpr int PASSOS = 24;
    for (int i = 1; i <= PASSOS; ++i) caule.lineTo(ponto(static_cast<double>(i) / PASSOS));
    const double grossura = std::max(2.5, altura * 0.04);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(caneta(grossura + 2 * contorno));
    p.drawPath(caule);
    // Leaves alternate sides, smaller towards the tip.
    for (int i = 0; i < FOLHAS_ALGA; ++i) {
        const double t = 0.15 + 0.8 * i / FOLHAS_ALGA;
        const double lado = i % 2 == 0 ? 1.0 : -1.0;
        const double tamanho = altura * 0.24 * (1.1 - t * 0.6);
        p.save();
        p.translate(ponto(t));
        p.rotate(lado * 55 - 10 * lado * t);
        QPainterPath folha;
        folha.moveTo(0, 0);
        folha.cubicTo(tamanho * 0.4, -tamanho * 0.3, tamanho * 0.4, -tamanho * 0.8, 0, -tamanho);
        folha.cubicTo(-tamanho * 0.4, -tamanho * 0.8, -tamanho * 0.4, -tamanho * 0.3, 0, 0);
        preenche(p, folha, cor::verdeClaro, contorno);
        p.restore();
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(cor::verde, grossura, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(caule);
    p.restore();
}

void micro(QPainter& p, QPointF centro, double raio, const QColor& c) {
    p.save();
    p.setPen(caneta(std::max(1.2, raio * 0.13)));
    for (int i = 0; i < CILIOS; ++i) {
        const double a = i * 2 * std::numbers::pi / CILIOS;
        p.drawLine(centro + QPointF(std::cos(a), std::sin(a) * 0.85) * raio,
                   centro + QPointF(std::cos(a + 0.15), std::sin(a + 0.15)) * raio * 1.45);
    }
    preenche(p, elipse(centro, raio, raio * 0.85), c, std::max(1.2, raio * 0.14));
    preenche(p, elipse(centro + QPointF(raio * 0.15, raio * 0.1), raio * 0.34, raio * 0.3),
             c == cor::verdeClaro ? cor::verde : cor::contorno, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(cor::branco);
    p.drawEllipse(centro + QPointF(-raio * 0.4, -raio * 0.35), raio * 0.18, raio * 0.15);
    p.restore();
}

void aguape(QPainter& p, QPointF base, double escala) {
    const double c = CONTORNO_FINO / escala;
    p.save();
    p.translate(base);
    p.scale(escala, escala);
    p.setPen(caneta(3.5, cor::verde));
    p.drawLine(QPointF(0, -8), QPointF(1, -40));
    const QPointF flores[] = {{-6, -40}, {7, -38}, {0, -49}, {-5, -30}, {7, -29}};
    for (const QPointF& f : flores) florzinha(p, f, 7, cor::roxo);
    const double angulos[] = {-65, 60, -30, 28, 0};
    const double tamanhos[] = {14, 14, 16, 16, 13};
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.rotate(angulos[i]);
        const double t = tamanhos[i];
        QPainterPath folha;
        folha.moveTo(0, 0);
        folha.cubicTo(-t * 0.9, -t * 0.5, -t * 0.8, -t * 1.7, 0, -t * 1.7);
        folha.cubicTo(t * 0.8, -t * 1.7, t * 0.9, -t * 0.5, 0, 0);
        preenche(p, folha, i % 2 == 0 ? cor::verde : cor::verdeClaro, c);
        p.restore();
    }
    p.restore();
}

void ovas(QPainter& p, QPointF centro, double raio) {
    const QPointF posicoes[] = {{0, 0},  {-1, -0.7}, {1, -0.6}, {-1.1, 0.7},
                                {1, 0.8}, {0, -1.4},  {0, 1.4}};
    p.save();
    for (const QPointF& d : posicoes) {
        const QPointF c = centro + d * raio * 0.9;
        preenche(p, elipse(c, raio * 0.5, raio * 0.5), cor::amarelo, 1.0);
        p.setPen(Qt::NoPen);
        p.setBrush(cor::contorno);
        p.drawEllipse(c + QPointF(raio * 0.12, raio * 0.05), raio * 0.16, raio * 0.16);
    }
    p.restore();
}

QColor corDe(Personagem quem) {
    switch (quem) {
        case Personagem::Mae:
            return cor::verde;
        case Personagem::Pescador:
            return cor::agua;
        case Personagem::Prefeito:
            return cor::roxo;
        case Personagem::Turista:
            return cor::laranja;
    }
    return cor::cinza;
}

QString nomeDe(Personagem quem) {
    switch (quem) {
        case Personagem::Mae:
            return QString::fromUtf8("Mãe Natureza");
        case Personagem::Pescador:
            return QStringLiteral("Pescador");
        case Personagem::Prefeito:
            return QStringLiteral("Prefeito");
        case Personagem::Turista:
            return QStringLiteral("Turista");
    }
    return {};
}

void rosto(QPainter& p, Personagem quem, QPointF centro, double raio) {
    const double escala = raio / RAIO_MODELO;
    p.save();
    p.translate(centro);
    p.scale(escala, escala);
    const QPainterPath disco = elipse(QPointF(0, 0), RAIO_MODELO, RAIO_MODELO);
    const QColor fundo = quem == Personagem::Mae        ? cor::fundoClaro
                         : quem == Personagem::Pescador ? cor::aguaClara
                                                        : corDe(quem);
    preenche(p, disco, fundo, 0);
    p.save();
    p.setClipPath(disco);
    p.translate(0, 4);
    switch (quem) {
        case Personagem::Mae:
            mae(p);
            break;
        case Personagem::Pescador:
            pescador(p);
            break;
        case Personagem::Prefeito:
            prefeito(p);
            break;
        case Personagem::Turista:
            turista(p);
            break;
    }
    p.restore();
    preenche(p, disco, Qt::NoBrush, CONTORNO / escala);
    p.restore();
}

}  // namespace ajuda
