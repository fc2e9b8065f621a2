// The eight picture buttons of the help's main window: a little scene on
// top and the topic's name in a white band at the bottom. The same
// pictures are shown small in the corner of each topic window.
#include "tools/ajuda/Ajuda.h"

#include <QLinearGradient>

#include <cmath>
#include <numbers>

namespace ajuda {

namespace {
constexpr double BORDA = 3;               // dark frame around the button
constexpr double ALTURA_ROTULO = 33;      // white band with the name
constexpr int MAIOR_FONTE_ROTULO = 15;
constexpr int MENOR_FONTE_ROTULO = 12;
const QRectF CENA(BORDA, BORDA, LARGURA_BOTAO - 2 * BORDA,
                  ALTURA_BOTAO - 2 * BORDA - ALTURA_ROTULO);

// Frame, scene and name band of a button.
QImage botao(const QString& rotulo, const QColor& fundoCena,
             const std::function<void(QPainter&)>& cena) {
    return novaImagem(LARGURA_BOTAO, ALTURA_BOTAO, cor::contorno, [&](QPainter& p) {
        p.fillRect(CENA, fundoCena);
        p.save();
        p.setClipRect(CENA);
        cena(p);
        p.restore();
        const QRectF faixa(BORDA, CENA.bottom(), CENA.width(), ALTURA_ROTULO);
        p.fillRect(faixa, cor::branco);
        p.fillRect(QRectF(BORDA, CENA.bottom() - 1, CENA.width(), 2), cor::contorno);
        const QRectF texto = faixa.adjusted(3, 1, -3, 0);
        escreveLinha(p, texto, rotulo,
                     fonteQueCabe(rotulo, texto.width(), MAIOR_FONTE_ROTULO, MENOR_FONTE_ROTULO));
    });
}

// Vertical gradient between two colours over a band (256-colour buttons).
QLinearGradient degrade(double topo, double base, const QColor& a, const QColor& b) {
    QLinearGradient g(QPointF(0, topo), QPointF(0, base));
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

// Water filling a scene from a wavy surface down, past the scene's sides
// and bottom so that only the surface shows an outline.
QPainterPath aguaDaCena(double superficie, double ondulacao) {
    QPainterPath caminho;
    caminho.moveTo(-10, superficie);
    comum::ondas(caminho, -10, 140, superficie, 18, ondulacao);
    caminho.lineTo(140, 110);
    caminho.lineTo(-10, 110);
    caminho.closeSubpath();
    return caminho;
}
}  // namespace

// Cross-section of the lake: waves, water, sandy bottom with an alga.
QImage botaoAgua() {
    return botao(QString::fromUtf8("Água e Fundo"), QColor(0xd6, 0xf0, 0xfb), [](QPainter& p) {
        const double superficie = 24, fundo = 78;
        preenche(p, aguaDaCena(superficie, 4),
                 degrade(superficie, fundo, QColor(0x7c, 0xd3, 0xee), QColor(0x24, 0x82, 0xb8)),
                 CONTORNO);
        sol(p, QPointF(112, 13), 6);
        fundoDeAreia(p, QRectF(0, 0, LARGURA_BOTAO, CENA.bottom()), fundo);
        alga(p, QPointF(30, fundo + 4), 46, 8);
        alga(p, QPointF(44, fundo + 2), 32, -6);
        micro(p, QPointF(84, 44), 5);
        micro(p, QPointF(112, 40), 4, cor::roxo);
        bolha(p, QPointF(66, 50), 3);
        bolha(p, QPointF(70, 38), 2.2);
        peixe(p, TipoPeixe::Listrado, QPointF(92, 64), 30, true);
    });
}

// The three fish of the lake swimming together.
QImage botaoPeixe() {
    return botao(QStringLiteral("Peixes"), QColor(0x5c, 0xbd, 0xe4), [](QPainter& p) {
        p.fillRect(CENA, degrade(CENA.top(), CENA.bottom(), QColor(0x8a, 0xd8, 0xf0),
                                 QColor(0x2c, 0x8c, 0xc4)));
        alga(p, QPointF(116, CENA.bottom() + 4), 40, -6);
        peixe(p, TipoPeixe::Gordo, QPointF(42, 32), 62);
        peixe(p, TipoPeixe::Azul, QPointF(90, 62), 58, true);
        peixe(p, TipoPeixe::Listrado, QPointF(36, 78), 44);
        bolha(p, QPointF(86, 18), 3.5);
        bolha(p, QPointF(96, 30), 2.5);
        bolha(p, QPointF(90, 40), 2);
    });
}

// A sad, dirty lake under the smoke of a factory, with rubbish on it.
QImage botaoPoluicao() {
    return botao(QString::fromUtf8("Poluição"), QColor(0xc4, 0xcc, 0xcf), [](QPainter& p) {
        const double superficie = 46;
        nuvem(p, QRectF(30, -6, 60, 26), QColor(0x6e, 0x74, 0x78));
        nuvem(p, QRectF(72, -2, 52, 22), QColor(0x8c, 0x92, 0x96));
        // Factory on the far shore.
        preenche(p, retangulo(QRectF(22, 10, 10, 32), 0), QColor(0xb0, 0x4a, 0x3a), CONTORNO_FINO);
        const QPainterPath fabrica = poligono({{4, 44}, {4, 28}, {16, 34}, {16, 28}, {28, 34},
                                               {28, 28}, {46, 34}, {46, 44}});
        preenche(p, fabrica, QColor(0x9a, 0xa3, 0xa8), CONTORNO_FINO);
        for (double x : {9.0, 21.0, 34.0})
            preenche(p, retangulo(QRectF(x, 37, 5, 4), 0), cor::amarelo, 1.0);
        preenche(p, aguaDaCena(superficie, 3),
                 degrade(superficie, CENA.bottom(), QColor(0x8b, 0x9a, 0x5a),
                         QColor(0x5a, 0x55, 0x34)),
                 CONTORNO);
        // The lake's sad face.
        const QPointF rosto(64, 74);
        p.setPen(Qt::NoPen);
        p.setBrush(cor::contorno);
        p.drawEllipse(rosto + QPointF(-14, -6), 3.5, 4.5);
        p.drawEllipse(rosto + QPointF(14, -6), 3.5, 4.5);
        p.setBrush(cor::aguaClara);
        p.drawEllipse(rosto + QPointF(-16, 4), 2.2, 3.2);
        p.setBrush(Qt::NoBrush);
        p.setPen(caneta(3));
        p.drawArc(QRectF(rosto.x() - 12, rosto.y() + 6, 24, 16), 20 * 16, 140 * 16);
        // Rubbish floating and sinking.
        p.save();
        p.translate(106, superficie + 1);
        p.rotate(-30);
        preenche(p, retangulo(QRectF(-9, -4, 18, 8), 2), cor::verdeClaro, CONTORNO_FINO);
        preenche(p, retangulo(QRectF(9, -2, 5, 4), 1), cor::verde, 1.2);
        p.restore();
        p.save();
        p.translate(104, 78);
        p.rotate(20);
        preenche(p, retangulo(QRectF(-5, -7, 10, 14), 2), cor::vermelho, CONTORNO_FINO);
        p.restore();
    });
}

// The F2 key and the mouse clicking a tool.
QImage botaoComoJoga() {
    return botao(QStringLiteral("Como Jogar"), cor::fundoClaro, [](QPainter& p) {
        tecla(p, QRectF(12, 14, 58, 50), QStringLiteral("F2"), 24);
        preenche(p, retangulo(QRectF(72, 56, 48, 32), 6), cor::verde, CONTORNO);
        sol(p, QPointF(96, 72), 7);
        maozinha(p, QPointF(92, 70), 1.35);
        p.setPen(caneta(2, cor::laranja));
        for (int i = 0; i < 3; ++i) {
            const double a = (200 + i * 45) * std::numbers::pi / 180;
            p.drawLine(QPointF(92 + 10 * std::cos(a), 70 + 10 * std::sin(a)),
                       QPointF(92 + 17 * std::cos(a), 70 + 17 * std::sin(a)));
        }
    });
}

// An open book with "A-Z" on its pages.
QImage botaoDicionario() {
    return botao(QString::fromUtf8("Dicionário"), cor::aguaClara, [](QPainter& p) {
        const QPainterPath capa = poligono({{10, 26}, {65, 34}, {120, 26}, {120, 86}, {65, 94},
                                            {10, 86}});
        preenche(p, capa, cor::vermelho, CONTORNO);
        for (double lado : {-1.0, 1.0}) {
            QPainterPath pagina;
            pagina.moveTo(65, 30);
            pagina.cubicTo(65 + lado * 20, 18, 65 + lado * 40, 18, 65 + lado * 51, 22);
            pagina.lineTo(65 + lado * 51, 80);
            pagina.cubicTo(65 + lado * 40, 76, 65 + lado * 20, 76, 65, 88);
            pagina.closeSubpath();
            preenche(p, pagina, cor::branco, CONTORNO);
        }
        escreveLinha(p, QRectF(18, 26, 44, 32), QStringLiteral("A"), fonte(28), cor::azulEscuro);
        escreveLinha(p, QRectF(68, 26, 44, 32), QStringLiteral("Z"), fonte(28), cor::azulEscuro);
        p.setPen(caneta(2, cor::cinza));
        for (int i = 0; i < 3; ++i) {
            const double y = 62 + i * 6;
            p.drawLine(QPointF(24, y), QPointF(56, y));
            p.drawLine(QPointF(74, y), QPointF(106, y));
        }
        p.setPen(caneta(2.5));
        p.drawLine(QPointF(59, 42), QPointF(71, 42));
    });
}

// Magnifying glass over green cells, next to a waterweed.
QImage botaoMicro() {
    return botao(QStringLiteral("Micro e Plantas"), cor::aguaClara, [](QPainter& p) {
        fundoDeAreia(p, QRectF(0, 0, LARGURA_BOTAO, CENA.bottom()), 84);
        alga(p, QPointF(20, 88), 62, 8);
        alga(p, QPointF(110, 90), 40, -6);
        micro(p, QPointF(46, 24), 3.5);
        micro(p, QPointF(104, 20), 3.5);
        micro(p, QPointF(90, 78), 3);
        const QPointF lente(68, 44);
        const double raio = 26;
        p.setPen(caneta(8, cor::contorno));
        p.drawLine(lente + QPointF(18, 18), lente + QPointF(38, 38));
        p.setPen(caneta(5, cor::marrom));
        p.drawLine(lente + QPointF(20, 20), lente + QPointF(37, 37));
        preenche(p, elipse(lente, raio, raio), cor::branco, 0);
        micro(p, lente + QPointF(-9, -7), 9);
        micro(p, lente + QPointF(10, 8), 7.5, cor::roxo);
        micro(p, lente + QPointF(11, -12), 5);
        p.setBrush(Qt::NoBrush);
        p.setPen(caneta(5, cor::cinza));
        p.drawEllipse(lente, raio, raio);
        p.setPen(caneta(CONTORNO));
        p.drawEllipse(lente, raio + 2.5, raio + 2.5);
        p.drawEllipse(lente, raio - 2.5, raio - 2.5);
    });
}

// A motor boat and a sewage pipe pouring into the lake.
QImage botaoPoluidor() {
    return botao(QStringLiteral("Poluidores"), cor::fundoClaro, [](QPainter& p) {
        const double superficie = 50;
        nuvem(p, QRectF(70, 6, 40, 18));
        agua(p, QRectF(0, 0, LARGURA_BOTAO, CENA.bottom()), superficie, cor::aguaClara, 18, 3);
        QPainterPath margem;
        margem.moveTo(-4, 44);
        margem.lineTo(38, 44);
        margem.cubicTo(42, 60, 40, 90, 44, 110);
        margem.lineTo(-4, 110);
        margem.closeSubpath();
        preenche(p, margem, cor::verdeClaro, CONTORNO);
        // House on the bank.
        preenche(p, retangulo(QRectF(6, 26, 24, 18), 0), cor::branco, CONTORNO_FINO);
        const QPainterPath telhado = poligono({{2, 27}, {18, 14}, {34, 27}});
        preenche(p, telhado, cor::vermelho, CONTORNO_FINO);
        preenche(p, retangulo(QRectF(10, 33, 6, 11), 0), cor::marrom, 1.2);
        preenche(p, retangulo(QRectF(20, 31, 7, 6), 0), cor::aguaClara, 1.2);
        // Sewage pipe and the brown outflow.
        QPainterPath esgoto;
        esgoto.moveTo(54, 64);
        esgoto.cubicTo(62, 66, 64, 76, 62, 84);
        esgoto.cubicTo(70, 92, 88, 90, 94, 82);
        esgoto.cubicTo(88, 74, 74, 74, 66, 68);
        esgoto.cubicTo(62, 64, 58, 62, 54, 68);
        esgoto.closeSubpath();
        preenche(p, esgoto, cor::marrom, CONTORNO_FINO);
        preenche(p, retangulo(QRectF(28, 62, 24, 9), 0), cor::cinza, CONTORNO_FINO);
        preenche(p, retangulo(QRectF(50, 59, 6, 15), 0), cor::cinza, CONTORNO_FINO);
        // Motor boat on the right.
        QPainterPath casco;
        casco.moveTo(72, 42);
        casco.lineTo(126, 42);
        casco.cubicTo(122, 50, 114, 54, 102, 54);
        casco.lineTo(76, 54);
        casco.closeSubpath();
        preenche(p, casco, cor::branco, CONTORNO);
        p.setPen(caneta(3, cor::vermelho));
        p.drawLine(QPointF(76, 48), QPointF(120, 48));
        const QPainterPath vidro = poligono({{88, 42}, {96, 33}, {106, 33}, {106, 42}});
        preenche(p, vidro, cor::aguaClara, CONTORNO_FINO);
        preenche(p, retangulo(QRectF(66, 36, 8, 20), 2), cor::contorno, 0);
        p.setBrush(Qt::NoBrush);
        p.setPen(caneta(2, cor::vermelho));
        for (int i = 0; i < 2; ++i) {
            const double r = 5 + i * 5;
            p.drawArc(QRectF(64 - r, 40 - r, 2 * r, 2 * r), 110 * 16, 110 * 16);
        }
    });
}

// The four characters' faces.
QImage botaoTodos() {
    return botao(QStringLiteral("Personagens"), cor::areia, [](QPainter& p) {
        constexpr double R = 22;
        rosto(p, Personagem::Mae, QPointF(36, 27), R);
        rosto(p, Personagem::Pescador, QPointF(95, 27), R);
        rosto(p, Personagem::Prefeito, QPointF(36, 74), R);
        rosto(p, Personagem::Turista, QPointF(95, 74), R);
    });
}

}  // namespace ajuda
