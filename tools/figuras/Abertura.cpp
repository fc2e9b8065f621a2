// Opening screen: a cross-section of the lake with its life, the title and
// the hint of which keys start a match.
#include "tools/figuras/Figuras.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace figuras {

namespace {
constexpr int LARGURA = 1280;
constexpr int ALTURA = 960;
constexpr double NIVEL_AGUA = 300;     // y of the water surface
constexpr double FUNDO_MEDIO = 835;    // mean y of the lake bottom
constexpr double C = CONTORNO_GROSSO;  // outline of the scene parts
constexpr std::uint32_t SEMENTE_PEDRAS = 20240611u;
constexpr std::uint32_t SEMENTE_VIDA = 7771u;
constexpr int PEDRAS = 34;
constexpr int MICROORGANISMOS = 16;

// Height of the lake bottom at a given x.
double alturaFundo(double x) {
    return FUNDO_MEDIO + 22 * std::sin(x / 140.0) + 12 * std::sin(x / 57.0 + 1.0);
}

// Sky gradient, sun, clouds and the far shore with hills and trees.
void desenhaCeu(QPainter& p) {
    p.fillRect(QRectF(0, 0, LARGURA, NIVEL_AGUA),
               degradeVertical(QRectF(0, 0, 1, NIVEL_AGUA), cor::ceuTopo, cor::ceuBase));
    desenhaSol(p, QPointF(140, 112), 56, C, true);
    desenhaNuvem(p, QRectF(930, 40, 240, 92), C);
    desenhaNuvem(p, QRectF(1110, 150, 140, 56), C);
    desenhaNuvem(p, QRectF(270, 150, 150, 58), C);

    // Hills: higher at the sides, low in the middle under the subtitle.
    QPainterPath morros;
    morros.moveTo(0, NIVEL_AGUA + 10);
    morros.lineTo(0, 232);
    morros.cubicTo(120, 200, 260, 220, 360, 268);
    morros.cubicTo(480, 292, 800, 292, 920, 266);
    morros.cubicTo(1040, 214, 1180, 206, 1280, 236);
    morros.lineTo(1280, NIVEL_AGUA + 10);
    morros.closeSubpath();
    preenche(p, morros, degradeVertical(QRectF(0, 200, 1, 100), cor::verdeClaro, cor::verde), C);

    // Round trees on the hills.
    const QPointF arvores[] = {{60, 222},   {150, 214},  {250, 232},
                               {1030, 226}, {1110, 212}, {1200, 220}};
    const double tamanhos[] = {30, 38, 26, 30, 40, 32};
    for (int i = 0; i < 6; ++i) {
        const QPointF b = arvores[i];
        const double t = tamanhos[i];
        QPainterPath tronco;
        tronco.addRect(QRectF(b.x() - t * 0.14, b.y() - t * 0.6, t * 0.28, t * 0.75));
        preenche(p, tronco, cor::madeiraEscura, C * 0.8);
        preenche(p, elipse(b + QPointF(0, -t * 1.05), t * 0.72, t * 0.8),
                 degradeVertical(QRectF(0, b.y() - t * 1.9, 1, t * 1.6), cor::verdeClaro,
                                 cor::verdeEscuro),
                 C * 0.8);
    }
}

// Body of water from the surface down, darker with depth, with sun rays.
void desenhaAgua(QPainter& p) {
    QLinearGradient g(QPointF(0, NIVEL_AGUA), QPointF(0, ALTURA));
    g.setColorAt(0, cor::aguaClara);
    g.setColorAt(0.3, cor::aguaMedia);
    g.setColorAt(0.7, cor::aguaFunda);
    g.setColorAt(1, cor::aguaAbismo);
    p.fillRect(QRectF(0, NIVEL_AGUA, LARGURA, ALTURA - NIVEL_AGUA), g);

    // Soft light beams slanting down from the surface.
    p.save();
    p.setPen(Qt::NoPen);
    const double inicios[] = {180, 420, 700, 980};
    for (double x : inicios) {
        QPolygonF raio;
        raio << QPointF(x, NIVEL_AGUA) << QPointF(x + 70, NIVEL_AGUA)
             << QPointF(x + 230, ALTURA - 200) << QPointF(x + 90, ALTURA - 200);
        QLinearGradient gr(QPointF(0, NIVEL_AGUA), QPointF(0, ALTURA - 200));
        gr.setColorAt(0, QColor(255, 255, 255, 55));
        gr.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(gr);
        p.drawPolygon(raio);
    }
    p.restore();

    // Wavy surface line with a light band under it.
    QPainterPath onda;
    onda.moveTo(0, NIVEL_AGUA);
    comum::ondas(onda, 0, LARGURA + 40, NIVEL_AGUA, 40, 8);  // a wave past the right edge
    QPainterPath faixa = onda;
    faixa.lineTo(LARGURA, NIVEL_AGUA + 18);
    faixa.lineTo(0, NIVEL_AGUA + 18);
    faixa.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawPath(faixa);
    p.setBrush(Qt::NoBrush);
    p.setPen(caneta(C));
    p.drawPath(onda);
    p.setPen(QPen(QColor(255, 255, 255, 200), 2));
    p.translate(0, 4);
    p.drawPath(onda);
    p.translate(0, -4);
}

// Sandy and muddy bottom with pebbles.
void desenhaFundoLago(QPainter& p) {
    QPainterPath fundo;
    fundo.moveTo(0, ALTURA + 5);
    for (int x = 0; x <= LARGURA; x += 8) fundo.lineTo(x, alturaFundo(x));
    fundo.lineTo(LARGURA, ALTURA + 5);
    fundo.closeSubpath();
    QLinearGradient g(QPointF(0, FUNDO_MEDIO - 30), QPointF(0, ALTURA));
    g.setColorAt(0, cor::areia);
    g.setColorAt(0.45, cor::areiaEscura);
    g.setColorAt(1, cor::lama);
    preenche(p, fundo, g, C);

    Sorteio s(SEMENTE_PEDRAS);
    for (int i = 0; i < PEDRAS; ++i) {
        const double x = s.entre(10, LARGURA - 10);
        const double y = alturaFundo(x) + s.entre(8, ALTURA - alturaFundo(x) - 6);
        const double r = s.entre(6, 15);
        const int tom = static_cast<int>(s.entre(0, 3));
        const QColor cores[] = {cor::pedra, QColor(0xb5, 0x8e, 0x6a), QColor(0x7e, 0x8c, 0x86)};
        QRadialGradient gp(QPointF(x - r * 0.3, y - r * 0.4), r * 1.4);
        gp.setColorAt(0, clareia(cores[tom], 0.45));
        gp.setColorAt(1, cores[tom]);
        preenche(p, elipse(QPointF(x, y), r * 1.3, r * 0.8), gp, 2);
    }
}

// Ribbon-shaped weed swaying from the bottom.
void desenhaFita(QPainter& p, QPointF pe, double altura, double balanco, const QColor& c) {
    QPainterPath fita;
    const double largura = 13;
    fita.moveTo(pe.x() - largura / 2, pe.y());
    fita.cubicTo(pe.x() - largura + balanco, pe.y() - altura * 0.4, pe.x() - balanco * 1.2,
                 pe.y() - altura * 0.75, pe.x() + balanco * 0.4, pe.y() - altura);
    fita.cubicTo(pe.x() - balanco * 1.2 + largura, pe.y() - altura * 0.75,
                 pe.x() + largura + balanco, pe.y() - altura * 0.4, pe.x() + largura / 2, pe.y());
    fita.closeSubpath();
    QLinearGradient g(QPointF(pe.x() - largura, 0), QPointF(pe.x() + largura, 0));
    g.setColorAt(0, clareia(c, 0.35));
    g.setColorAt(1, c);
    preenche(p, fita, g, C * 0.8);
}

// Waterweeds rooted on the bottom, in the background and the foreground.
void desenhaAlgas(QPainter& p) {
    struct Alga {
        double x, altura, balanco;
        bool fita;
        QColor cor;
    };
    const QColor verdeAgua(0x3f, 0xa3, 0x5a), verdeOliva(0x6d, 0xa8, 0x3a);
    const Alga algas[] = {
        {40, 300, 30, true, verdeAgua},     {95, 230, 25, false, cor::verde},
        {160, 180, -20, true, verdeOliva},  {300, 140, 16, false, verdeAgua},
        {560, 120, 18, true, verdeOliva},   {780, 130, -14, true, cor::verde},
        {960, 260, -26, false, cor::verde}, {1040, 200, 22, true, verdeAgua},
        {1180, 320, -30, true, verdeOliva}, {1240, 220, 18, false, cor::verde},
    };
    for (const Alga& a : algas) {
        const QPointF pe(a.x, alturaFundo(a.x) + 10);
        if (a.fita)
            desenhaFita(p, pe, a.altura, a.balanco, a.cor);
        else
            desenhaAlga(p, pe, a.altura, a.balanco, a.cor, C * 0.8);
    }
}

// Floating water hyacinths with roots hanging in the water.
void desenhaAguapesSuperficie(QPainter& p) {
    const double xs[] = {1010, 1090, 1160};
    const double escalas[] = {1.6, 1.3, 1.5};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(0x5a, 0x46, 0x30, 170), 2, Qt::SolidLine, Qt::RoundCap));
        for (int r = -2; r <= 2; ++r) {
            QPainterPath raiz;
            raiz.moveTo(xs[i] + r * 6, NIVEL_AGUA + 4);
            raiz.cubicTo(xs[i] + r * 9, NIVEL_AGUA + 20, xs[i] + r * 4, NIVEL_AGUA + 34,
                         xs[i] + r * 8, NIVEL_AGUA + 48 + (r % 2) * 8);
            p.drawPath(raiz);
        }
        desenhaAguape(p, QPointF(xs[i], NIVEL_AGUA + 6), escalas[i], C);
    }
}

// Small name tag under a fish.
void desenhaEtiqueta(QPainter& p, QPointF centro, const QString& nome) {
    const QFont f = fonte(22);
    const double largura = QFontMetricsF(f).horizontalAdvance(nome) + 24;
    const QRectF r(centro.x() - largura / 2, centro.y() - 17, largura, 34);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawRoundedRect(r, 17, 17);
    escreve(p, r, nome, f, cor::contorno);
}

// Fish, micro-organisms and bubbles.
void desenhaVida(QPainter& p) {
    desenhaPeixe(p, TipoPeixe::Azul, QPointF(1015, 420), 110, true, C);
    desenhaPeixe(p, TipoPeixe::Azul, QPointF(1120, 455), 95, true, C);
    desenhaPeixe(p, TipoPeixe::Listrado, QPointF(200, 705), 105, false, C);
    desenhaPeixe(p, TipoPeixe::Gordo, QPointF(1150, 690), 115, true, C);

    desenhaPeixe(p, TipoPeixe::Gordo, QPointF(330, 500), 230, false, C);
    desenhaPeixe(p, TipoPeixe::Azul, QPointF(810, 455), 220, true, C);
    desenhaPeixe(p, TipoPeixe::Listrado, QPointF(700, 650), 190, false, C);

    Sorteio s(SEMENTE_VIDA);
    const QColor verdeMicro(0x8b, 0xd4, 0x4f), roxoMicro(0xb8, 0x8c, 0xe6);
    for (int i = 0; i < MICROORGANISMOS; ++i) {
        QPointF centro(s.entre(40, LARGURA - 40), s.entre(NIVEL_AGUA + 50, FUNDO_MEDIO - 40));
        // Keep clear of the big fish and their name tags.
        const QRectF livres[] = {{190, 410, 280, 210}, {680, 390, 270, 150}, {560, 570, 270, 200}};
        bool ocupado = false;
        for (const QRectF& r : livres) ocupado = ocupado || r.contains(centro);
        if (ocupado) centro.setY(centro.y() < 600 ? centro.y() - 90 : centro.y() + 110);
        desenhaMicroorganismo(p, centro, s.entre(7, 12), i % 2 == 0 ? verdeMicro : roxoMicro);
    }

    // Bubble trails: from the big fat fish, the striped one and the bottom.
    struct Trilha {
        QPointF inicio;
        int bolhas;
    };
    const Trilha trilhas[] = {{{440, 482}, 5}, {{800, 630}, 3}, {{470, 800}, 4}, {{1090, 790}, 5}};
    for (const Trilha& t : trilhas)
        for (int i = 0; i < t.bolhas; ++i)
            desenhaBolha(p, t.inicio + QPointF(8 * std::sin(i * 1.7), -i * 34), 5 + i * 1.6);

    desenhaEtiqueta(p, QPointF(320, 598), QStringLiteral("Peixe Gordo"));
    desenhaEtiqueta(p, QPointF(820, 520), QStringLiteral("Peixe Azul"));
    desenhaEtiqueta(p, QPointF(695, 735), QStringLiteral("Peixe Listrado"));
}

// Title, subtitle, hint plaque and credit line.
void desenhaTextos(QPainter& p) {
    const QRectF titulo(0, 22, LARGURA, 190);
    p.save();
    p.translate(6, 8);
    escreveContornado(p, titulo, QStringLiteral("QELP"), fonte(170), QColor(0, 40, 60, 90),
                      QColor(0, 40, 60, 90), 8);
    p.restore();
    escreveContornado(p, titulo, QStringLiteral("QELP"), fonte(170), cor::branco, cor::contorno, 7);
    escreveContornado(p, QRectF(0, 200, LARGURA, 60), QStringLiteral("A vida no lago"), fonte(50),
                      QColor(0xff, 0xe9, 0x8a), cor::contorno, 5);

    const QRectF placa(LARGURA / 2.0 - 470, 818, 940, 118);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 20, 30, 90));
    p.drawRoundedRect(placa.translated(0, 7), 28, 28);
    preenche(p, retangulo(placa, 28),
             degradeVertical(placa, cor::madeiraClara, cor::madeira), 4);
    p.setPen(QPen(QColor(255, 255, 255, 140), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(placa.adjusted(6, 6, -6, -6), 22, 22);
    escreve(p, QRectF(placa.left(), placa.top() + 12, placa.width(), 56),
            QStringLiteral("Pressione F2 para começar uma partida"), fonte(38), cor::contorno);
    escreve(p, QRectF(placa.left(), placa.top() + 68, placa.width(), 38),
            QStringLiteral("F1: Ajuda      F12: Sair"), fonte(27), QColor(0x6b, 0x42, 0x1c));

    escreve(p, QRectF(LARGURA - 190, ALTURA - 38, 180, 30), QStringLiteral("Tarvelo 1.0"),
            fonte(18, false), QColor(255, 255, 255, 200));
}
}  // namespace

QImage geraAbertura() {
    return geraImagem(LARGURA, ALTURA, [](QPainter& p) {
        desenhaCeu(p);
        desenhaAgua(p);
        desenhaAguapesSuperficie(p);
        desenhaFundoLago(p);
        desenhaAlgas(p);
        desenhaVida(p);
        desenhaTextos(p);
    });
}

}  // namespace figuras
