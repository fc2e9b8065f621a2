// Shapes, text and lake scenery shared by all the help pictures.
#include "tools/ajuda/Ajuda.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPalette>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace ajuda {

namespace {
constexpr int RAIOS_SOL = 10;
constexpr double FOLGA_TEXTO = 0.5;  // rounding allowed before text "does not fit"
constexpr double RAIO_MARCADOR = 3.5;
constexpr double RECUO_LISTA = 14;  // text of a list item starts this far right

// Where a text came from, for the complaints: its first words.
QString inicio(const QString& texto) {
    QString s = texto;
    s.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return s.left(40);
}

// Complains when text drawn in a rectangle would stick out of the picture.
void confereDentro(const QPainter& p, const QRectF& r, const QString& texto) {
    const QRectF naImagem = p.transform().mapRect(r);
    const QRectF imagem(0, 0, p.device()->width(), p.device()->height());
    if (!imagem.adjusted(-FOLGA_TEXTO, -FOLGA_TEXTO, FOLGA_TEXTO, FOLGA_TEXTO).contains(naImagem))
        avisos() << QStringLiteral("texto fora da figura: %1").arg(inicio(texto));
}
}  // namespace

const std::vector<QColor>& paleta16() {
    static const std::vector<QColor> p{
        cor::contorno, cor::branco,  cor::fundoClaro, cor::aguaClara, cor::agua,    cor::azulEscuro,
        cor::areia,    cor::marrom,  cor::verdeClaro, cor::verde,     cor::amarelo, cor::laranja,
        cor::vermelho, cor::pele,    cor::cinza,      cor::roxo};
    return p;
}

QStringList& avisos() {
    static QStringList lista;
    return lista;
}

std::vector<Moldura>& molduras() {
    static std::vector<Moldura> lista;
    return lista;
}

QImage novaImagem(int largura, int altura, const QColor& fundo,
                  const std::function<void(QPainter&)>& desenho) {
    QImage img(largura, altura, QImage::Format_RGB32);
    img.fill(fundo);
    {
        QPainter p(&img);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        desenho(p);
    }
    return img;
}

// ---------------------------------------------------------------- shapes

QFont fonte(int pixels, bool negrito) {
    QFont f = comum::fonteDejaVu(pixels, negrito);
    f.setKerning(true);
    return f;
}

void cartao(QPainter& p, const QRectF& r, const QColor& fundo, double raio, double contorno) {
    molduras().push_back({p.transform().map(retangulo(r, raio)), fundo, contorno});
    p.save();
    preenche(p, retangulo(r, raio), fundo, contorno);
    p.restore();
}

void setaCaminho(QPainter& p, const QPainterPath& caminho, const QColor& c, double largura) {
    const auto [ponta, frente, lado] = comum::pontaDe(caminho);
    const double cabeca = largura * 1.5 + 2;
    // The shaft stops inside the head so the tip keeps its point.
    const double comprimento = caminho.length();
    const double parada =
        comprimento > 0 ? std::max(0.0, 1 - cabeca * 1.2 / comprimento) : 1.0;
    QPainterPath haste;
    constexpr int PASSOS = 40;
    haste.moveTo(caminho.pointAtPercent(0));
    for (int i = 1; i <= PASSOS; ++i) haste.lineTo(caminho.pointAtPercent(parada * i / PASSOS));
    QPolygonF triangulo;
    triangulo << ponta << ponta - frente * cabeca * 2 + lado * cabeca
              << ponta - frente * cabeca * 2 - lado * cabeca;
    QPainterPath cabecaSeta;
    cabecaSeta.addPolygon(triangulo);
    cabecaSeta.closeSubpath();
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(cor::contorno, largura + 2 * CONTORNO_FINO, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.drawPath(haste);
    preenche(p, cabecaSeta, c, CONTORNO_FINO);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, largura, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(haste);
    p.restore();
}

void seta(QPainter& p, QPointF de, QPointF para, const QColor& c, double largura) {
    QPainterPath caminho(de);
    caminho.lineTo(para);
    setaCaminho(p, caminho, c, largura);
}

void numero(QPainter& p, QPointF centro, double raio, int n, const QColor& fundo) {
    p.save();
    preenche(p, elipse(centro, raio, raio), fundo, CONTORNO);
    const QFont f = fonte(static_cast<int>(std::lround(raio * 1.25)));
    p.setFont(f);
    p.setPen(cor::branco);
    p.drawText(QRectF(centro.x() - raio, centro.y() - raio, 2 * raio, 2 * raio), Qt::AlignCenter,
               QString::number(n));
    p.restore();
}

// ---------------------------------------------------------------- text

void escreveLinha(QPainter& p, const QRectF& r, const QString& texto, const QFont& f,
                  const QColor& c, Qt::Alignment alinhamento) {
    const QFontMetricsF m(f);
    const QRectF usado = m.boundingRect(r, static_cast<int>(alinhamento) | Qt::TextSingleLine,
                                        texto);
    confereDentro(p, usado, texto);
    if (m.horizontalAdvance(texto) > r.width() + FOLGA_TEXTO)
        avisos() << QStringLiteral("linha larga demais (%1 > %2): %3")
                        .arg(m.horizontalAdvance(texto))
                        .arg(r.width())
                        .arg(texto);
    p.save();
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, static_cast<int>(alinhamento) | Qt::TextSingleLine, texto);
    p.restore();
}

QFont fonteQueCabe(const QString& texto, double largura, int maior, int menor) {
    constexpr double PASSO_APERTO = 0.25, MAIOR_APERTO = 0.5;
    for (int pixels = maior; pixels > menor; --pixels)
        for (double aperto = 0; aperto <= MAIOR_APERTO; aperto += PASSO_APERTO) {
            QFont f = fonte(pixels);
            f.setLetterSpacing(QFont::AbsoluteSpacing, -aperto);
            if (QFontMetricsF(f).horizontalAdvance(texto) <= largura) return f;
        }
    return fonte(menor);
}

namespace {
// Lays out rich text in a box's width and draws it at the box's corner.
// Returns the height used; complains when it does not fit.
double desenhaDocumento(QPainter& p, QTextDocument& doc, const QRectF& caixa,
                        const QString& html, const QColor& c) {
    doc.setDocumentMargin(0);
    doc.setTextWidth(caixa.width());
    const double altura = doc.size().height();
    if (altura > caixa.height() + FOLGA_TEXTO)
        avisos() << QStringLiteral("texto alto demais (%1 > %2): %3")
                        .arg(altura)
                        .arg(caixa.height())
                        .arg(inicio(html));
    if (doc.idealWidth() > caixa.width() + FOLGA_TEXTO)
        avisos() << QStringLiteral("palavra larga demais (%1 > %2): %3")
                        .arg(doc.idealWidth())
                        .arg(caixa.width())
                        .arg(inicio(html));
    confereDentro(p, QRectF(caixa.topLeft(), QSizeF(doc.idealWidth(), altura)), html);
    p.save();
    p.translate(caixa.topLeft());
    QAbstractTextDocumentLayout::PaintContext contexto;
    contexto.palette.setColor(QPalette::Text, c);
    doc.documentLayout()->draw(&p, contexto);
    p.restore();
    return altura;
}

// Document with the body font and the alignment, not yet filled.
void prepara(QTextDocument& doc, int pixels, Qt::Alignment alinhamento) {
    doc.setDefaultFont(fonte(pixels, false));
    QTextOption opcao;
    opcao.setAlignment(alinhamento);
    opcao.setWrapMode(QTextOption::WordWrap);
    doc.setDefaultTextOption(opcao);
}
}  // namespace

double escreveTexto(QPainter& p, const QRectF& caixa, const QString& html, int pixels,
                    const QColor& c, Qt::Alignment alinhamento) {
    QTextDocument doc;
    prepara(doc, pixels, alinhamento);
    doc.setHtml(html);
    return desenhaDocumento(p, doc, caixa, html, c);
}

double alturaTexto(const QString& html, int pixels, double largura) {
    QTextDocument doc;
    prepara(doc, pixels, Qt::AlignLeft);
    doc.setHtml(html);
    doc.setDocumentMargin(0);
    doc.setTextWidth(largura);
    return doc.size().height();
}

double escreveAoLado(QPainter& p, const QRectF& caixa, QSizeF espaco, const QString& html,
                     int pixels, const QColor& c) {
    // An empty picture floating at the left keeps the space free.
    QTextDocument doc;
    prepara(doc, pixels, Qt::AlignLeft);
    QImage vazio(qCeil(espaco.width()), qCeil(espaco.height()), QImage::Format_ARGB32);
    vazio.fill(Qt::transparent);
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("espaco")), vazio);
    doc.setHtml(QStringLiteral("<img src=\"espaco\" width=\"%1\" height=\"%2\" "
                               "style=\"float: left\">%3")
                    .arg(vazio.width())
                    .arg(vazio.height())
                    .arg(html));
    return desenhaDocumento(p, doc, caixa, html, c);
}

void titulo(QPainter& p, const QRectF& r, const QString& texto, const QFont& f,
            Qt::Alignment alinhamento, const QColor& c) {
    escreveLinha(p, r, texto, f, c, alinhamento | Qt::AlignVCenter);
}

void tituloTopico(QPainter& p, const QRectF& r, const QString& texto, const QFont& f,
                  const QColor& destaque) {
    titulo(p, r, texto, f);
    const double largura = std::min(QFontMetricsF(f).horizontalAdvance(texto), r.width());
    preenche(p, retangulo(QRectF(r.left(), r.bottom() + 1, largura * 0.5, 5), 2.5), destaque, 0);
}

void etiqueta(QPainter& p, QPointF centro, const QString& texto, int pixels, const QColor& fundo,
              const QColor& c) {
    const QFont f = fonte(pixels, true);
    const QFontMetricsF m(f);
    const double largura = m.horizontalAdvance(texto) + pixels;
    const double altura = m.height() + 3;
    const QRectF r(centro.x() - largura / 2, centro.y() - altura / 2, largura, altura);
    p.save();
    preenche(p, retangulo(r, altura / 2), fundo, CONTORNO_FINO);
    p.restore();
    escreveLinha(p, r, texto, f, c);
}

double lista(QPainter& p, const QRectF& caixa, const QStringList& itens, int pixels,
             const QColor& marcador, double intervalo) {
    const double linha = QFontMetricsF(fonte(pixels, false)).height();
    double y = caixa.top();
    for (const QString& item : itens) {
        p.save();
        preenche(p, elipse(QPointF(caixa.left() + RAIO_MARCADOR + 1, y + linha / 2 + 0.5),
                           RAIO_MARCADOR, RAIO_MARCADOR),
                 marcador, 1.2);
        p.restore();
        const QRectF texto(caixa.left() + RECUO_LISTA, y, caixa.width() - RECUO_LISTA,
                           caixa.bottom() - y);
        y += escreveTexto(p, texto, item, pixels) + intervalo;
    }
    return y - intervalo - caixa.top();
}

// ---------------------------------------------------------------- lake scenery

void agua(QPainter& p, const QRectF& area, double superficie, const QColor& c, double onda,
          double altura) {
    QPainterPath caminho;
    caminho.moveTo(area.left() - onda, superficie);
    comum::ondas(caminho, area.left() - onda, area.right() + onda, superficie, onda, altura);
    caminho.lineTo(area.right() + onda, area.bottom() + CONTORNO);
    caminho.lineTo(area.left() - onda, area.bottom() + CONTORNO);
    caminho.closeSubpath();
    p.save();
    p.setClipRect(area);
    preenche(p, caminho, c, CONTORNO);
    p.restore();
}

void fundoDeAreia(QPainter& p, const QRectF& area, double topo, const QColor& areia) {
    QPainterPath caminho;
    caminho.moveTo(area.left() - 4, topo);
    const double passo = area.width() / 4;
    for (int i = 0; i < 4; ++i) {
        const double x = area.left() + i * passo;
        caminho.cubicTo(x + passo * 0.3, topo - 5, x + passo * 0.7, topo + 5, x + passo, topo);
    }
    caminho.lineTo(area.right() + 4, area.bottom() + 4);
    caminho.lineTo(area.left() - 4, area.bottom() + 4);
    caminho.closeSubpath();
    p.save();
    p.setClipRect(area);
    preenche(p, caminho, areia, CONTORNO);
    // Pebbles at fixed places along the bottom.
    const double posicoes[] = {0.12, 0.33, 0.58, 0.86};
    const double tamanhos[] = {5, 3.5, 4.5, 3.5};
    for (int i = 0; i < 4; ++i) {
        const double x = area.left() + posicoes[i] * area.width();
        const double y = topo + (area.bottom() - topo) * 0.55;
        if (y + tamanhos[i] < area.bottom())
            preenche(p, elipse(QPointF(x, y), tamanhos[i] * 1.4, tamanhos[i]), cor::cinza,
                     CONTORNO_FINO);
    }
    p.restore();
}

void sol(QPainter& p, QPointF centro, double raio) {
    p.save();
    p.translate(centro);
    preenche(p, comum::raiosDeSol(raio, RAIOS_SOL, 0.5, 1.6, 1.6), cor::laranja, CONTORNO_FINO);
    preenche(p, elipse(QPointF(0, 0), raio, raio), cor::amarelo, CONTORNO_FINO);
    p.restore();
    carinha(p, centro, raio, true);
}

void nuvem(QPainter& p, const QRectF& r, const QColor& c) {
    const double h = r.height();
    QPainterPath forma;
    forma.addRoundedRect(QRectF(r.left(), r.bottom() - h * 0.5, r.width(), h * 0.5), h * 0.25,
                         h * 0.25);
    const QPointF bolinhas[] = {{0.25, 0.6}, {0.5, 0.42}, {0.75, 0.6}};
    const double raios[] = {0.32, 0.42, 0.3};
    for (int i = 0; i < 3; ++i)
        forma = forma.united(elipse(QPointF(r.left() + bolinhas[i].x() * r.width(),
                                            r.top() + bolinhas[i].y() * h),
                                    raios[i] * h * 1.15, raios[i] * h));
    p.save();
    preenche(p, forma, c, CONTORNO_FINO);
    p.restore();
}

void bolha(QPainter& p, QPointF centro, double raio) {
    p.save();
    p.setBrush(cor::aguaClara);
    p.setPen(QPen(cor::branco, std::max(1.2, raio * 0.3)));
    p.drawEllipse(centro, raio, raio);
    p.setPen(Qt::NoPen);
    p.setBrush(cor::branco);
    p.drawEllipse(centro + QPointF(-raio * 0.35, -raio * 0.35), raio * 0.3, raio * 0.3);
    p.restore();
}

void carinha(QPainter& p, QPointF centro, double raio, bool feliz) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(cor::contorno);
    const double olho = std::max(1.2, raio * 0.12);
    p.drawEllipse(centro + QPointF(-raio * 0.33, -raio * 0.18), olho, olho * 1.3);
    p.drawEllipse(centro + QPointF(raio * 0.33, -raio * 0.18), olho, olho * 1.3);
    p.setBrush(Qt::NoBrush);
    p.setPen(caneta(std::max(1.4, raio * 0.11)));
    const QRectF boca(centro.x() - raio * 0.38, centro.y() - raio * 0.05, raio * 0.76,
                      raio * 0.55);
    if (feliz)
        p.drawArc(boca, 200 * 16, 140 * 16);
    else
        p.drawArc(boca.translated(0, raio * 0.38), 20 * 16, 140 * 16);
    p.restore();
}

}  // namespace ajuda
