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

// Round orange-gold fish with a fan tail, the biggest of the lake.
void peixeGordo(QPainter& p, double c) {
    const comum::FormaPeixe forma = comum::formaDe(TipoPeixe::Gordo);
    preenche(p, forma.cauda, cor::laranja, c);
    preenche(p, forma.dorsal, cor::laranja, c);
    preenche(p, forma.corpo, cor::laranja, c);
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
    preenche(p, forma.peitoral, cor::laranja, c * 0.8);
    comum::olhoDePeixe(p, forma, c * 0.8);
    comum::bocaDePeixe(p, forma, c * 0.8);
}

// Slim blue fish with a forked tail.
void peixeAzul(QPainter& p, double c) {
    const comum::FormaPeixe forma = comum::formaDe(TipoPeixe::Azul);
    preenche(p, forma.dorsal, cor::azulEscuro, c);
    preenche(p, forma.cauda, cor::azulEscuro, c);
    preenche(p, forma.corpo, cor::agua, c);
    // Pale belly under the body's middle line.
    p.save();
    p.setClipPath(forma.corpo);
    QPainterPath barriga;
    barriga.moveTo(-40, 3);
    barriga.cubicTo(0, 4, 30, 4, 52, 3);
    barriga.lineTo(52, 20);
    barriga.lineTo(-40, 20);
    barriga.closeSubpath();
    preenche(p, barriga, cor::aguaClara, 0);
    p.restore();
    preenche(p, forma.corpo, Qt::NoBrush, c);
    preenche(p, forma.peitoral, cor::azulEscuro, c * 0.7);
    comum::olhoDePeixe(p, forma, c * 0.7);
}

// Yellow fish with dark stripes and a spiky fin.
void peixeListrado(QPainter& p, double c) {
    const comum::FormaPeixe forma = comum::formaDe(TipoPeixe::Listrado);
    preenche(p, forma.dorsal, cor::laranja, c);
    preenche(p, forma.cauda, cor::amarelo, c);
    preenche(p, forma.corpo, cor::amarelo, 0);
    comum::listrasDePeixe(p, forma, cor::contorno);
    preenche(p, forma.corpo, Qt::NoBrush, c);
    preenche(p, forma.peitoral, cor::laranja, c * 0.8);
    comum::olhoDePeixe(p, forma, c * 0.8);
    comum::bocaDePeixe(p, forma, c * 0.8);
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
    const QPainterPath gola = poligono({{-10, 28}, {0, 42}, {10, 28}});
    preenche(p, gola, cor::branco, 1.4);
    const QPainterPath faixa = poligono({{-38, 34}, {-28, 30}, {40, 60}, {24, 60}});
    preenche(p, faixa, cor::verde, 1.4);
    const QPainterPath listra = poligono({{-34, 34}, {-30, 32.5}, {34, 60}, {28, 60}});
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
    // Flat light-green leaves.
    auto folha = [contorno](QPainter& q, const QPainterPath& forma, double) {
        preenche(q, forma, cor::verdeClaro, contorno);
    };
    comum::alga(p, pe, altura, balanco,
                {.folhas = FOLHAS_ALGA,
                 .grossuraMinima = 2.5,
                 .grossuraRelativa = 0.04,
                 .folhaRelativa = 0.24,
                 .bojoFolha = 0.4,
                 .caule = cor::verde,
                 .contorno = contorno,
                 .pintaFolha = folha});
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
        preenche(p, comum::folhaDeAguape(tamanhos[i]), i % 2 == 0 ? cor::verde : cor::verdeClaro,
                 c);
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
