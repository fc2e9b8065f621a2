// Control panel: its wooden background, the eco-meter with its bars, the
// portrait frame, the two big buttons and the tool tile body.
#include "tools/figuras/Figuras.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QStringList>

#include <cmath>
#include <numbers>

namespace figuras {

namespace {
constexpr int PAINEL_LARGURA = 1280;
constexpr int PAINEL_ALTURA = 240;
constexpr double BORDA_TOPO = 8;  // darker strip along the top of the panel
constexpr int VEIOS = 70;         // wood grain lines
constexpr std::uint32_t SEMENTE_VEIOS = 9173u;
constexpr double LABIO = 3;   // raised edge visible under a button face
constexpr double AFUNDA = 2;  // how far a pushed-in face and its content move

// Recessed trays that group each character's portrait and tools, and the
// two big buttons (panel coordinates).
constexpr QRectF BANDEJA_PRIMEIRO{195, 15, 434, 222};
constexpr QRectF BANDEJA_SEGUNDO{681, 15, 434, 222};
constexpr QRectF BANDEJA_BOTOES{1144, 20, 124, 218};

// Where the pictures sit on the panel (top-left corners).
constexpr QPointF POS_ECOMETRO{12.8, 4.8};
constexpr QPointF POS_MENTAL{1152, 28.8};
constexpr QPointF POS_AJUDA{1152, 134.4};
constexpr QPointF POS_MOLDURA{345.6, 9.6};

constexpr int ECOMETRO_LARGURA = 138, ECOMETRO_ALTURA = 213;
// Tube of the eco-meter in its own picture: the bars cover exactly this.
constexpr QRectF TUBO{24, 24, 82, 185.3};
constexpr int BARRA_LARGURA = 82, BARRA_ALTURA = 185;
constexpr int BOTAO_LARGURA = 108, BOTAO_ALTURA = 102;
constexpr int MOLDURA_LARGURA = 134, MOLDURA_ALTURA = 161;
constexpr int FERRAMENTA_LARGURA = 106, FERRAMENTA_ALTURA = 58;
// Tile body inside a tool picture; 5 px free at the sides because
// neighbouring tiles overlap by a few pixels on the panel.
constexpr QRectF CORPO_FERRAMENTA{5, 2, 96, 54};
constexpr double RAIO_FERRAMENTA = 11;
constexpr double MARGEM_FERRAMENTA = 4.5;
constexpr QRectF CORPO_BOTAO{4, 3, 100, 95};
constexpr double RAIO_BOTAO = 16;

const QColor COR_MENTAL(0x22, 0xa0, 0x9a);
const QColor COR_AJUDA(0xf2, 0xa2, 0x1e);
const QColor COR_APARELHO(0x2f, 0x8f, 0x94);

// A recessed rounded tray carved into the wood.
void desenhaBandeja(QPainter& p, const QRectF& r) {
    const QPainterPath bandeja = retangulo(r, 16);
    p.save();
    p.setPen(QPen(QColor(255, 250, 235, 150), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bandeja.translated(0.5, 1.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 70, 20, 26));
    p.drawPath(bandeja);
    p.setClipPath(bandeja);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 50, 10, 60), 7));
    p.drawPath(bandeja.translated(2, 3));
    p.restore();
    p.setPen(QPen(QColor(110, 65, 25, 110), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bandeja);
}

// Cog wheel with rounded teeth.
void desenhaEngrenagem(QPainter& p, QPointF centro, double raio, int dentes, const QColor& c) {
    QPolygonF roda;
    for (int i = 0; i < dentes * 4; ++i) {
        const double a = i * std::numbers::pi / (dentes * 2);
        const double r = (i % 4 < 2) ? raio : raio * 0.74;
        roda << centro + QPointF(std::cos(a) * r, std::sin(a) * r);
    }
    QPainterPath furo = elipse(centro, raio * 0.3, raio * 0.3);
    preenche(p, poligono(roda).subtracted(furo), c, 1.6);
}

// Smiling, neutral or sad little face used beside the eco-meter tube.
void desenhaCarinha(QPainter& p, QPointF centro, double raio, const QColor& c, int humor) {
    QRadialGradient g(centro + QPointF(-raio * 0.3, -raio * 0.3), raio * 1.3);
    g.setColorAt(0, clareia(c, 0.5));
    g.setColorAt(1, c);
    preenche(p, elipse(centro, raio, raio), g, 1.8);
    p.setPen(Qt::NoPen);
    p.setBrush(cor::contorno);
    p.drawEllipse(centro + QPointF(-raio * 0.35, -raio * 0.2), raio * 0.13, raio * 0.18);
    p.drawEllipse(centro + QPointF(raio * 0.35, -raio * 0.2), raio * 0.13, raio * 0.18);
    p.setBrush(Qt::NoBrush);
    p.setPen(caneta(1.8));
    const QRectF boca(centro.x() - raio * 0.45, centro.y() + raio * 0.05, raio * 0.9, raio * 0.55);
    if (humor > 0)
        p.drawArc(boca, 200 * 16, 140 * 16);
    else if (humor < 0)
        p.drawArc(boca.translated(0, raio * 0.3), 20 * 16, 140 * 16);
    else
        p.drawLine(QPointF(boca.left() + 1, centro.y() + raio * 0.38),
                   QPointF(boca.right() - 1, centro.y() + raio * 0.38));
}

// Picture of one of the two big buttons, with a pictogram and its label.
QImage geraBotaoGrande(QPointF posicao, const QColor& base, bool apertado,
                       const std::function<void(QPainter&)>& icone, const QStringList& rotulo) {
    return geraImagem(BOTAO_LARGURA, BOTAO_ALTURA, [&](QPainter& p) {
        desenhaFundoSob(p, posicao, QSizeF(BOTAO_LARGURA, BOTAO_ALTURA));
        desenhaBotaoPainel(p, CORPO_BOTAO, base, RAIO_BOTAO, apertado, 0, [&](QPainter& q) {
            icone(q);
            const QFont f = fonte(rotulo.size() > 1 ? 15 : 18);
            const double alturaLinha = rotulo.size() > 1 ? 16 : 22;
            const double topo = rotulo.size() > 1 ? 61 : 66;
            for (int i = 0; i < rotulo.size(); ++i)
                escreveContornado(q,
                                  QRectF(CORPO_BOTAO.left(), topo + i * alturaLinha,
                                         CORPO_BOTAO.width(), alturaLinha),
                                  rotulo[i], f, cor::branco, cor::contorno, 2.6);
        });
    });
}
}  // namespace

void desenhaFundoPainel(QPainter& p) {
    const QRectF tudo(0, 0, PAINEL_LARGURA, PAINEL_ALTURA);
    p.fillRect(tudo, degradeVertical(tudo, QColor(0xf4, 0xdc, 0xaa), QColor(0xe6, 0xc0, 0x84)));

    // Long, gently waving wood grain.
    Sorteio s(SEMENTE_VEIOS);
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < VEIOS; ++i) {
        const double y = s.entre(BORDA_TOPO, PAINEL_ALTURA);
        const double amplitude = s.entre(0.5, 3.5);
        const double onda = s.entre(90, 260);
        const double fase = s.entre(0, 6.28);
        const double inicio = s.entre(-200, PAINEL_LARGURA - 100);
        const double comprimento = s.entre(150, 700);
        QPainterPath veio;
        for (double x = inicio; x <= inicio + comprimento; x += 12) {
            const QPointF ponto(x, y + amplitude * std::sin(x / onda + fase));
            if (x == inicio)
                veio.moveTo(ponto);
            else
                veio.lineTo(ponto);
        }
        p.setPen(QPen(QColor(0xa0, 0x64, 0x28, static_cast<int>(s.entre(14, 34))),
                      s.entre(0.8, 2.2), Qt::SolidLine, Qt::RoundCap));
        p.drawPath(veio);
    }
    p.restore();

    const QRectF borda(0, 0, PAINEL_LARGURA, BORDA_TOPO);
    p.fillRect(borda, degradeVertical(borda, cor::madeiraEscura, QColor(0xc4, 0x8a, 0x4a)));
    p.fillRect(QRectF(0, 0, PAINEL_LARGURA, 1.5), cor::contorno);
    p.fillRect(QRectF(0, BORDA_TOPO, PAINEL_LARGURA, 1.5), QColor(0x7a, 0x4a, 0x1c));
    p.fillRect(QRectF(0, BORDA_TOPO + 1.5, PAINEL_LARGURA, 1.5), QColor(255, 245, 220, 150));

    desenhaBandeja(p, BANDEJA_PRIMEIRO);
    desenhaBandeja(p, BANDEJA_SEGUNDO);
    desenhaBandeja(p, BANDEJA_BOTOES);
}

void desenhaFundoSob(QPainter& p, QPointF origem, QSizeF tamanho) {
    p.save();
    p.setClipRect(QRectF(QPointF(0, 0), tamanho));
    p.translate(-origem);
    desenhaFundoPainel(p);
    p.restore();
}

void desenhaBotaoPainel(QPainter& p, const QRectF& corpo, const QColor& base, double raio,
                        bool apertado, double margemInterna,
                        const std::function<void(QPainter&)>& conteudo) {
    QRectF face(corpo.left(), corpo.top(), corpo.width(), corpo.height() - LABIO);
    p.save();
    if (!apertado) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(80, 40, 0, 55));
        p.drawRoundedRect(corpo.translated(0, 1.5), raio, raio);
    }
    preenche(p, retangulo(face.translated(0, LABIO), raio), clareia(base, -0.4), CONTORNO_FINO);
    if (apertado) face.translate(0, AFUNDA);
    const QPainterPath caminhoFace = retangulo(face, raio);
    QLinearGradient g(face.topLeft(), face.bottomLeft());
    if (apertado) {
        g.setColorAt(0, clareia(base, -0.22));
        g.setColorAt(1, clareia(base, -0.05));
    } else {
        g.setColorAt(0, clareia(base, 0.35));
        g.setColorAt(0.5, base);
        g.setColorAt(1, clareia(base, -0.1));
    }
    preenche(p, caminhoFace, g, CONTORNO_FINO);

    p.save();
    p.setClipPath(caminhoFace);
    p.setBrush(Qt::NoBrush);
    if (apertado) {
        p.setPen(QPen(QColor(0, 0, 0, 80), 7));
        p.drawPath(caminhoFace.translated(2.5, 3));
    } else {
        p.setPen(QPen(QColor(255, 255, 255, 120), 2));
        p.drawPath(retangulo(face.adjusted(2.5, 2.5, -2.5, -2.5), raio - 2));
    }
    p.restore();

    if (margemInterna > 0) {
        const QRectF dentro =
            face.adjusted(margemInterna, margemInterna, -margemInterna, -margemInterna);
        const QColor claro = clareia(base, apertado ? 0.7 : 0.84);
        QPainterPath caminhoDentro = retangulo(dentro, raio - margemInterna / 2);
        p.setPen(QPen(clareia(base, -0.35), 1.3));
        p.setBrush(degradeVertical(dentro, clareia(claro, 0.4), claro));
        p.drawPath(caminhoDentro);
        if (apertado) {
            p.save();
            p.setClipPath(caminhoDentro);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(0, 0, 0, 45), 5));
            p.drawPath(caminhoDentro.translated(2, 2.5));
            p.restore();
        }
    }

    if (apertado) p.translate(AFUNDA, AFUNDA);
    conteudo(p);
    p.restore();
}

QImage geraFundoJanela() {
    return geraImagem(PAINEL_LARGURA, PAINEL_ALTURA, [](QPainter& p) { desenhaFundoPainel(p); });
}

QImage geraMoldura() {
    return geraImagem(MOLDURA_LARGURA, MOLDURA_ALTURA, [](QPainter& p) {
        desenhaFundoSob(p, POS_MOLDURA, QSizeF(MOLDURA_LARGURA, MOLDURA_ALTURA));
        const QRectF fora(1.5, 1.5, MOLDURA_LARGURA - 3, MOLDURA_ALTURA - 3);
        // The portrait covers the opening and the bottom edge.
        const QRectF abertura(13, 19, 108, 129);
        QPainterPath moldura = retangulo(fora, 12);
        moldura = moldura.subtracted(retangulo(abertura, 4));
        QLinearGradient ouro(fora.topLeft(), fora.bottomRight());
        ouro.setColorAt(0, QColor(0xff, 0xe6, 0x8a));
        ouro.setColorAt(0.35, QColor(0xe8, 0xb0, 0x3a));
        ouro.setColorAt(0.65, QColor(0xf8, 0xd2, 0x62));
        ouro.setColorAt(1, QColor(0xb8, 0x7a, 0x1c));
        preenche(p, moldura, ouro, CONTORNO_FINO);
        p.setPen(QPen(QColor(0x9a, 0x62, 0x12), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(fora.adjusted(5, 5, -5, -5), 8, 8);
        p.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
        p.drawRoundedRect(abertura.adjusted(-4, -4, 4, 4), 6, 6);
        // Small jewel on the top edge and a soft backing in the opening.
        preenche(p, elipse(QPointF(MOLDURA_LARGURA / 2.0, 9.5), 6, 5), QColor(0x3c, 0xb3, 0x4a),
                 1.5);
        p.fillRect(abertura,
                   degradeVertical(abertura, QColor(0xfd, 0xf6, 0xe3), QColor(0xf0, 0xdf, 0xba)));
        p.setPen(caneta(CONTORNO_FINO));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(abertura, 4, 4);
    });
}

QImage geraEcometro() {
    return geraImagem(ECOMETRO_LARGURA, ECOMETRO_ALTURA, [](QPainter& p) {
        desenhaFundoSob(p, POS_ECOMETRO, QSizeF(ECOMETRO_LARGURA, ECOMETRO_ALTURA));
        const QRectF caixa(1.5, 1.5, ECOMETRO_LARGURA - 3, ECOMETRO_ALTURA - 3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(80, 40, 0, 60));
        p.drawRoundedRect(caixa.translated(0, 1.5), 16, 16);
        QLinearGradient g(caixa.topLeft(), caixa.topRight());
        g.setColorAt(0, clareia(COR_APARELHO, 0.25));
        g.setColorAt(0.5, COR_APARELHO);
        g.setColorAt(1, clareia(COR_APARELHO, -0.2));
        preenche(p, retangulo(caixa, 16), g, CONTORNO_FINO);
        p.setPen(QPen(QColor(255, 255, 255, 110), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(caixa.adjusted(3, 3, -3, -3), 13, 13);

        escreveContornado(p, QRectF(0, 3, ECOMETRO_LARGURA, 19), QStringLiteral("ECÔMETRO"),
                          fonte(14), cor::branco, cor::contorno, 2.4);

        // Glass rim around the tube, then the empty dark interior.
        preenche(p, retangulo(TUBO.adjusted(-3, -3, 3, 3), 5), QColor(0xcf, 0xe6, 0xea),
                 CONTORNO_FINO);
        QLinearGradient vidro(TUBO.topLeft(), TUBO.topRight());
        vidro.setColorAt(0, QColor(0x1a, 0x26, 0x33));
        vidro.setColorAt(0.25, QColor(0x3a, 0x4c, 0x5e));
        vidro.setColorAt(0.4, QColor(0x2a, 0x3a, 0x4a));
        vidro.setColorAt(1, QColor(0x18, 0x22, 0x2e));
        p.fillRect(TUBO, vidro);
        const double terco = TUBO.height() / 3;
        p.setPen(QPen(QColor(255, 255, 255, 45), 1.5, Qt::DashLine));
        for (int i = 1; i <= 2; ++i)
            p.drawLine(QPointF(TUBO.left() + 4, TUBO.top() + i * terco),
                       QPointF(TUBO.right() - 4, TUBO.top() + i * terco));

        // Left: coloured scale with ticks at the thirds. Right: faces.
        const QColor faixas[] = {QColor(0x43, 0xc3, 0x5a), QColor(0xf5, 0xc0, 0x1f),
                                 QColor(0xe5, 0x48, 0x4d)};
        for (int i = 0; i < 3; ++i) {
            const QRectF faixa(9, TUBO.top() + i * terco + (i == 0 ? 0 : 1), 8,
                               terco - (i == 0 || i == 2 ? 1 : 2));
            preenche(p, retangulo(faixa, 3), faixas[i], 1.5);
            desenhaCarinha(p, QPointF(122, TUBO.top() + (i + 0.5) * terco), 10.5, faixas[i], 1 - i);
        }
        p.setPen(caneta(2));
        for (int i = 1; i <= 2; ++i)
            p.drawLine(QPointF(6, TUBO.top() + i * terco), QPointF(20, TUBO.top() + i * terco));
    });
}

namespace {
// Rounded-tube shading across a bar: dark at the edges, a bright highlight
// on the left. Only a left-to-right gradient: the picture is stretched
// vertically.
QLinearGradient sombraTubo(const QColor& base) {
    QLinearGradient g(QPointF(0, 0), QPointF(BARRA_LARGURA, 0));
    g.setColorAt(0, clareia(base, -0.45));
    g.setColorAt(0.06, clareia(base, -0.12));
    g.setColorAt(0.2, clareia(base, 0.45));
    g.setColorAt(0.27, clareia(base, 0.75));
    g.setColorAt(0.34, clareia(base, 0.4));
    g.setColorAt(0.55, base);
    g.setColorAt(0.88, clareia(base, -0.18));
    g.setColorAt(0.96, clareia(base, -0.35));
    g.setColorAt(1, clareia(base, -0.55));
    return g;
}

// The same rounding laid over a patterned bar as translucent light and
// shade, with a softer highlight so it does not hide the pattern.
QLinearGradient brilhoTubo() {
    QLinearGradient g(QPointF(0, 0), QPointF(BARRA_LARGURA, 0));
    g.setColorAt(0, QColor(0, 0, 0, 120));
    g.setColorAt(0.06, QColor(0, 0, 0, 30));
    g.setColorAt(0.2, QColor(255, 255, 255, 40));
    g.setColorAt(0.27, QColor(255, 255, 255, 80));
    g.setColorAt(0.34, QColor(255, 255, 255, 40));
    g.setColorAt(0.55, QColor(255, 255, 255, 0));
    g.setColorAt(0.88, QColor(0, 0, 0, 40));
    g.setColorAt(0.96, QColor(0, 0, 0, 80));
    g.setColorAt(1, QColor(0, 0, 0, 130));
    return g;
}

// Whole-height column of the bar from x0 to x1.
QRectF coluna(double x0, double x1) { return QRectF(x0, 0, x1 - x0, BARRA_ALTURA); }
}  // namespace

QImage geraBarra(const QColor& base, PadraoBarra padrao) {
    // Every pattern is made of whole columns, so it looks the same however
    // short the game squashes the bar.
    return geraImagem(BARRA_LARGURA, BARRA_ALTURA, [&](QPainter& p) {
        const QRectF tudo = coluna(0, BARRA_LARGURA);
        switch (padrao) {
            case PadraoBarra::Liso:
                p.fillRect(tudo, sombraTubo(base));
                return;
            case PadraoBarra::ListrasLargas: {
                // Three bold dark bands between four wider ones of the bar's
                // colour, each edged with the outline colour. The bands go
                // over the shading so the highlight does not wash them out.
                constexpr int ESCURAS = 3;
                constexpr double LARGURA_ESCURA = 9.5;
                const double clara = (BARRA_LARGURA - ESCURAS * LARGURA_ESCURA) / (ESCURAS + 1);
                p.fillRect(tudo, base);
                p.fillRect(tudo, brilhoTubo());
                for (int i = 0; i < ESCURAS; ++i) {
                    const double x = clara + i * (clara + LARGURA_ESCURA);
                    const QRectF faixa = coluna(x, x + LARGURA_ESCURA);
                    p.fillRect(faixa, QColor(0x7a, 0x46, 0x0e));
                    p.fillRect(coluna(faixa.left() - 0.75, faixa.left() + 0.75), cor::contorno);
                    p.fillRect(coluna(faixa.right() - 0.75, faixa.right() + 0.75),
                               cor::contorno);
                }
                return;
            }
            case PadraoBarra::ListrasFinas: {
                // Many thin light lines, close together, on a deeper shade.
                constexpr int LINHAS = 7;
                constexpr double LARGURA_LINHA = 3.5;
                const double passo = static_cast<double>(BARRA_LARGURA) / (LINHAS + 1);
                p.fillRect(tudo, clareia(base, -0.18));
                for (int i = 1; i <= LINHAS; ++i)
                    p.fillRect(coluna(i * passo - LARGURA_LINHA / 2, i * passo + LARGURA_LINHA / 2),
                               clareia(base, 0.85));
                p.fillRect(tudo, brilhoTubo());
                return;
            }
        }
    });
}

QImage geraBotaoMental(bool apertado) {
    auto icone = [](QPainter& p) {
        // Head in profile with cogs turning inside, and a thought bubble.
        QPainterPath cabeca;
        cabeca.moveTo(42, 58);
        cabeca.lineTo(42, 49);
        cabeca.cubicTo(31, 43, 31, 20, 46, 13);
        cabeca.cubicTo(60, 7, 75, 15, 75, 28);
        cabeca.lineTo(80, 37);
        cabeca.lineTo(75, 39);
        cabeca.cubicTo(76, 43, 75, 45, 73, 46);
        cabeca.cubicTo(71, 50, 66, 50, 62, 49);
        cabeca.lineTo(62, 58);
        cabeca.closeSubpath();
        preenche(p, cabeca,
                 degradeVertical(QRectF(0, 8, 1, 50), QColor(0xff, 0xf8, 0xe8),
                                 QColor(0xf6, 0xd9, 0xb0)),
                 CONTORNO_FINO);
        desenhaEngrenagem(p, QPointF(51, 30), 10, 8, QColor(0xf5, 0x8a, 0x1f));
        desenhaEngrenagem(p, QPointF(64.5, 21.5), 6.5, 6, QColor(0x5b, 0x8d, 0xef));
        preenche(p, elipse(QPointF(27, 20), 3, 3), cor::branco, 1.5);
        preenche(p, elipse(QPointF(20, 11), 5, 4.5), cor::branco, 1.5);
    };
    return geraBotaoGrande(POS_MENTAL, COR_MENTAL, apertado, icone,
                           {QStringLiteral("Estados"), QStringLiteral("Mentais")});
}

QImage geraBotaoAjuda(bool apertado) {
    auto icone = [](QPainter& p) {
        const QPointF centro(54, 35);
        QRadialGradient g(centro + QPointF(-8, -8), 32);
        g.setColorAt(0, cor::branco);
        g.setColorAt(1, QColor(0xff, 0xf0, 0xcc));
        preenche(p, elipse(centro, 25, 25), g, CONTORNO_FINO + 0.5);
        escreve(p, QRectF(centro.x() - 25, centro.y() - 23, 50, 48), QStringLiteral("?"), fonte(40),
                QColor(0x2a, 0x6f, 0xc9));
    };
    return geraBotaoGrande(POS_AJUDA, COR_AJUDA, apertado, icone, {QStringLiteral("Ajuda")});
}

QImage geraFerramenta(QPointF posicaoPainel, const QColor& base,
                      const std::function<void(QPainter&)>& icone, bool apertado) {
    return geraImagem(FERRAMENTA_LARGURA, FERRAMENTA_ALTURA, [&](QPainter& p) {
        desenhaFundoSob(p, posicaoPainel, QSizeF(FERRAMENTA_LARGURA, FERRAMENTA_ALTURA));
        desenhaBotaoPainel(p, CORPO_FERRAMENTA, base, RAIO_FERRAMENTA, apertado, MARGEM_FERRAMENTA,
                           icone);
    });
}

}  // namespace figuras
