// Drawing helpers shared by all the pictures.
#include "tools/figuras/Figuras.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace figuras {

namespace {
constexpr std::uint32_t LCG_MULTIPLICADOR = 1664525u;
constexpr std::uint32_t LCG_INCREMENTO = 1013904223u;
constexpr double LCG_ESCALA = 16777216.0;  // 2^24: the top 24 bits are used

constexpr int PETALAS_FLOR = 5;
constexpr int RAIOS_SOL = 12;
}  // namespace

double Sorteio::proximo() {
    estado_ = estado_ * LCG_MULTIPLICADOR + LCG_INCREMENTO;
    return static_cast<double>(estado_ >> 8) / LCG_ESCALA;
}

QFont fonte(int pixels, bool negrito) {
    QFont f = comum::fonteDejaVu(pixels, negrito);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QLinearGradient degradeVertical(const QRectF& r, const QColor& topo, const QColor& base) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, topo);
    g.setColorAt(1, base);
    return g;
}

QLinearGradient degradeHorizontal(const QRectF& r, const QColor& esquerda, const QColor& direita) {
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, esquerda);
    g.setColorAt(1, direita);
    return g;
}

// Path of a text line whose baseline is centred vertically in the rectangle.
static QPainterPath caminhoTexto(const QRectF& r, const QString& texto, const QFont& f) {
    const QFontMetricsF m(f);
    const double largura = m.horizontalAdvance(texto);
    const double x = r.center().x() - largura / 2;
    const double y = r.center().y() + (m.ascent() - m.descent()) / 2;
    QPainterPath c;
    c.addText(QPointF(x, y), f, texto);
    return c;
}

void escreveContornado(QPainter& p, const QRectF& r, const QString& texto, const QFont& f,
                       const QColor& preenchimento, const QColor& borda, double larguraBorda) {
    const QPainterPath c = caminhoTexto(r, texto, f);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(caneta(2 * larguraBorda, borda));
    p.drawPath(c);
    p.setPen(Qt::NoPen);
    p.setBrush(preenchimento);
    p.drawPath(c);
    p.restore();
}

void escreve(QPainter& p, const QRectF& r, const QString& texto, const QFont& f, const QColor& c) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(caminhoTexto(r, texto, f));
    p.restore();
}

void desenhaProibido(QPainter& p, QPointF centro, double raio) {
    const double espessura = raio * 0.22;
    const double aro = std::max(1.5, raio * 0.08);
    const double d = (raio - espessura / 2) * std::numbers::sqrt2 / 2;
    const QPointF a(centro.x() - d, centro.y() - d), b(centro.x() + d, centro.y() + d);
    const double r = raio - espessura / 2;
    p.save();
    p.setBrush(Qt::NoBrush);
    QPen traco(cor::branco, espessura + 2 * aro);
    traco.setCapStyle(Qt::FlatCap);
    p.setPen(traco);
    p.drawEllipse(centro, r, r);
    p.drawLine(a, b);
    traco.setColor(cor::vermelho);
    traco.setWidthF(espessura);
    p.setPen(traco);
    p.drawEllipse(centro, r, r);
    p.drawLine(a, b);
    p.restore();
}

void desenhaPlacaProibido(QPainter& p) {
    const QPointF centro(76, 27.5);
    const double raio = 17;
    preenche(p, elipse(centro, raio + 1.5, raio + 1.5), cor::branco, 1.5);
    desenhaProibido(p, centro, raio);
}

void desenhaCertinho(QPainter& p, QPointF centro, double raio) {
    p.save();
    preenche(p, elipse(centro, raio, raio), QColor(0x3c, 0xb3, 0x4a), std::max(1.5, raio * 0.14));
    QPainterPath marca;
    marca.moveTo(centro + QPointF(-raio * 0.5, 0));
    marca.lineTo(centro + QPointF(-raio * 0.12, raio * 0.4));
    marca.lineTo(centro + QPointF(raio * 0.52, -raio * 0.42));
    p.setBrush(Qt::NoBrush);
    p.setPen(caneta(raio * 0.3, cor::branco));
    p.drawPath(marca);
    p.restore();
}

void desenhaFlor(QPainter& p, QPointF centro, double raio, const QColor& petala) {
    p.save();
    p.translate(centro);
    const double contorno = std::max(1.0, raio * 0.12);
    for (int i = 0; i < PETALAS_FLOR; ++i) {
        p.save();
        p.rotate(i * 360.0 / PETALAS_FLOR);
        preenche(p, elipse(QPointF(0, -raio * 0.55), raio * 0.4, raio * 0.5), petala, contorno);
        p.restore();
    }
    preenche(p, elipse(QPointF(0, 0), raio * 0.32, raio * 0.32), cor::amarelo, contorno);
    p.restore();
}

void desenhaFolha(QPainter& p, QPointF base, double angulo, double tamanho, const QColor& c) {
    p.save();
    p.translate(base);
    p.rotate(angulo);
    preenche(p, folhaPontuda(tamanho, 0.45, 0.4),
             degradeVertical(QRectF(0, -tamanho, 1, tamanho), clareia(c, 0.35), c), 1.4);
    p.setPen(QPen(clareia(c, -0.35), 1));
    p.drawLine(QPointF(0, -tamanho * 0.15), QPointF(0, -tamanho * 0.75));
    p.restore();
}

void desenhaSeta(QPainter& p, const QPainterPath& caminho, const QColor& c, double largura) {
    const auto [ponta, frente, lado] = comum::pontaDe(caminho);
    const double cabeca = largura * 1.6;
    // The shaft stops short of the tip so the head keeps its point.
    QPainterPath haste = caminho;
    QPolygonF triangulo;
    triangulo << ponta + frente * cabeca * 0.6 << ponta - frente * cabeca + lado * cabeca
              << ponta - frente * cabeca - lado * cabeca;
    QPainterPath cabecaSeta;
    cabecaSeta.addPolygon(triangulo);
    cabecaSeta.closeSubpath();
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(cor::contorno, largura + 3, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(haste);
    preenche(p, cabecaSeta, c, 1.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, largura, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(haste);
    p.restore();
}

void desenhaFaixaAgua(QPainter& p, const QRectF& area, double topo) {
    constexpr double ONDA = 12;  // length of one wave
    QPainterPath agua;
    agua.moveTo(area.left(), topo);
    comum::ondas(agua, area.left(), area.right(), topo, ONDA, 3);
    agua.lineTo(area.right() + ONDA, area.bottom() + 2);
    agua.lineTo(area.left(), area.bottom() + 2);
    agua.closeSubpath();
    p.save();
    p.setClipPath(retangulo(area, 7));
    preenche(p, agua,
             degradeVertical(QRectF(0, topo, 1, area.bottom() - topo), QColor(0x5b, 0xb8, 0xe6),
                             QColor(0x2a, 0x7f, 0xc0)),
             1.6);
    p.restore();
}

void desenhaNuvem(QPainter& p, const QRectF& r, double contorno) {
    const double h = r.height();
    QPainterPath nuvem;
    nuvem.addRoundedRect(QRectF(r.left(), r.bottom() - h * 0.45, r.width(), h * 0.45), h * 0.22,
                         h * 0.22);
    const QPointF bolinhas[] = {{0.22, 0.62}, {0.45, 0.42}, {0.7, 0.52}, {0.86, 0.7}};
    const double raios[] = {0.3, 0.42, 0.34, 0.26};
    for (int i = 0; i < 4; ++i) {
        QPainterPath b;
        b.addEllipse(QPointF(r.left() + bolinhas[i].x() * r.width(), r.top() + bolinhas[i].y() * h),
                     raios[i] * h * 1.1, raios[i] * h);
        nuvem = nuvem.united(b);
    }
    preenche(p, nuvem, degradeVertical(r, cor::nuvem, cor::nuvemSombra), contorno);
}

void desenhaSol(QPainter& p, QPointF centro, double raio, double contorno, bool comRosto) {
    p.save();
    p.translate(centro);
    preenche(p, comum::raiosDeSol(raio, RAIOS_SOL, 0.55, 1.65, 1.45), QColor(0xff, 0xb3, 0x1a),
             contorno);
    QRadialGradient g(QPointF(-raio * 0.3, -raio * 0.3), raio * 1.4);
    g.setColorAt(0, QColor(0xff, 0xf3, 0xa6));
    g.setColorAt(0.6, cor::sol);
    g.setColorAt(1, QColor(0xff, 0xb8, 0x1c));
    preenche(p, elipse(QPointF(0, 0), raio, raio), g, contorno);
    if (comRosto) {
        p.setPen(Qt::NoPen);
        p.setBrush(cor::contorno);
        p.drawEllipse(QPointF(-raio * 0.32, -raio * 0.15), raio * 0.09, raio * 0.13);
        p.drawEllipse(QPointF(raio * 0.32, -raio * 0.15), raio * 0.09, raio * 0.13);
        p.setBrush(QColor(0xff, 0x8a, 0x5c, 150));
        p.drawEllipse(QPointF(-raio * 0.55, raio * 0.2), raio * 0.14, raio * 0.09);
        p.drawEllipse(QPointF(raio * 0.55, raio * 0.2), raio * 0.14, raio * 0.09);
        p.setBrush(Qt::NoBrush);
        p.setPen(caneta(contorno));
        p.drawArc(QRectF(-raio * 0.35, -raio * 0.2, raio * 0.7, raio * 0.6), 200 * 16, 140 * 16);
    }
    p.restore();
}

QColor clareia(const QColor& c, double fator) {
    const double alvo = fator >= 0 ? 255.0 : 0.0;
    const double t = std::abs(fator);
    auto mistura = [&](int v) { return static_cast<int>(std::lround(v + (alvo - v) * t)); };
    return QColor(mistura(c.red()), mistura(c.green()), mistura(c.blue()), c.alpha());
}

QImage geraImagem(int largura, int altura, const std::function<void(QPainter&)>& desenho) {
    QImage img(largura, altura, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                         QPainter::SmoothPixmapTransform);
        desenho(p);
    }
    return img.convertToFormat(QImage::Format_RGB32);
}

}  // namespace figuras
