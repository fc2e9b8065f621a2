// A tool's effect, seen: the application object starts the effect when the
// match reports a use, and every tick puts the effects still showing into
// the scene (the renderer draws them with the frame) and writes the
// eco-meter's change over the eco-meter. The label stays inside the
// eco-meter's picture, which is drawn anew every tick: once the effect is
// over, nothing of it is left.
#include "app/CApl.h"

#include "core/data/Parametros.h"
#include "core/panel/Painel.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// The label's place in the eco-meter's picture, fractions of it: centred
// over the bar's window, in its upper part; its size.
constexpr float CENTRO_X = 0.47f, CENTRO_Y = 0.30f;
constexpr float LARGURA = 0.64f, ALTURA = 0.16f;
constexpr float SUBIDA = 0.08f;        // how far it floats up over its time
constexpr float FIM_ENTRADA = 0.12f;   // it pops in over this share of its time
constexpr float INICIO_SAIDA = 0.65f;  // and fades out from this share on

// Colours: the top and bottom of the pill, its border; the text is white.
struct Cores {
    QColor topo, base, borda;
};
Cores coresDo(int sentido) {
    if (sentido > 0) return {QColor(0x5c, 0xd6, 0x6e), QColor(0x23, 0x9a, 0x3c), QColor(0x13, 0x5e, 0x24)};
    if (sentido < 0) return {QColor(0xf4, 0x6a, 0x5e), QColor(0xc6, 0x28, 0x28), QColor(0x7a, 0x12, 0x12)};
    return {QColor(0x9a, 0xb0, 0xbd), QColor(0x5f, 0x78, 0x88), QColor(0x33, 0x45, 0x50)};
}

// Grows from 60 % with a little overshoot, then stays.
float escalaDeEntrada(float t) {
    const float s = std::clamp(t, 0.0f, 1.0f) - 1.0f;
    constexpr float VOLTA = 1.7f;
    return 0.6f + 0.4f * (1.0f + s * s * ((VOLTA + 1.0f) * s + VOLTA));
}

// Draws the label into the client picture, inside the eco-meter's
// rectangle; answers the rectangle to show again.
QRect desenhaRotulo(QImage& imagem, const QRect& ecometro, const RotuloEfeito& rotulo) {
    const float p = rotulo.progresso;
    const float escala = escalaDeEntrada(p / FIM_ENTRADA);
    const float opacidade = p < INICIO_SAIDA ? 1.0f : std::max(0.0f, (1.0f - p) / (1.0f - INICIO_SAIDA));
    const QSizeF tamanho(ecometro.width() * LARGURA * escala, ecometro.height() * ALTURA * escala);
    const QPointF centro(ecometro.left() + ecometro.width() * CENTRO_X,
                         ecometro.top() + ecometro.height() * (CENTRO_Y - SUBIDA * p));
    const QRectF pilula(centro - QPointF(tamanho.width() / 2, tamanho.height() / 2), tamanho);
    const qreal raio = tamanho.height() / 2;
    const Cores cores = coresDo(rotulo.sentido);

    QPainter pintor(&imagem);
    pintor.setClipRect(ecometro);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setRenderHint(QPainter::TextAntialiasing);
    pintor.setOpacity(opacidade);
    // A soft shadow, the pill, a light line along its top, the text.
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(QColor(0, 0, 0, 70));
    pintor.drawRoundedRect(pilula.translated(0, tamanho.height() * 0.08), raio, raio);
    QLinearGradient fundo(pilula.topLeft(), pilula.bottomLeft());
    fundo.setColorAt(0, cores.topo);
    fundo.setColorAt(1, cores.base);
    pintor.setBrush(fundo);
    pintor.setPen(QPen(cores.borda, std::max(1.0, tamanho.height() * 0.06)));
    pintor.drawRoundedRect(pilula, raio, raio);
    pintor.setPen(QPen(QColor(255, 255, 255, 110), std::max(1.0, tamanho.height() * 0.05)));
    const qreal margem = raio * 0.6;
    pintor.drawLine(QPointF(pilula.left() + margem, pilula.top() + tamanho.height() * 0.16),
                    QPointF(pilula.right() - margem, pilula.top() + tamanho.height() * 0.16));
    // Bold, as tall as the pill allows, narrower when the text is long.
    const QString texto = QString::fromStdString(rotulo.texto);
    QFont fonte = pintor.font();
    fonte.setBold(true);
    fonte.setPixelSize(std::max(6, static_cast<int>(tamanho.height() * 0.72)));
    const qreal cabe = tamanho.width() - raio;
    if (const int largura = QFontMetrics(fonte).horizontalAdvance(texto); largura > cabe)
        fonte.setPixelSize(std::max(6, static_cast<int>(fonte.pixelSize() * cabe / largura)));
    pintor.setFont(fonte);
    pintor.setPen(QColor(0, 0, 0, 90));
    pintor.drawText(pilula.translated(0, 1), Qt::AlignCenter, texto);
    pintor.setPen(Qt::white);
    pintor.drawText(pilula, Qt::AlignCenter, texto);
    pintor.end();
    return ecometro;
}

}  // namespace

void CApl::mIniciaEfeito(const EventoPartida& evento) {
    if (evento.a >= NUM_PERSONAGENS || evento.b >= NUM_FERRAMENTAS) return;
    efeitos.mInicia(alvosDaFerramenta(partida.agentes, gAlteraFerramenta[evento.a][evento.b]),
                    evento.variacao, plataforma().mRelogioMs());
}

void CApl::mMostraEfeitos() {
    const uint32_t agora = plataforma().mRelogioMs();
    efeitos.mAplica(cena, partida.agentes, agora);
    const std::optional<RotuloEfeito> rotulo = efeitos.mRotulo(agora);
    QImage& imagem = janela.mImagem();
    if (!rotulo || imagem.isNull() || painel.figuras.mQuantos() <= ITEM_ECOMETRO) return;
    // The eco-meter's rectangle as the 2D layer draws it: truncated pixels.
    const Figura& item = painel.figuras[ITEM_ECOMETRO];
    const auto px = [](float fracao, int tamanho) { return static_cast<int>(fracao * static_cast<float>(tamanho)); };
    const QRect ecometro(QPoint(px(item.esquerda, imagem.width()), px(item.topo, imagem.height())),
                         QPoint(px(item.direita, imagem.width()) - 1, px(item.base, imagem.height()) - 1));
    if (ecometro.isEmpty()) return;
    janela.mMostraImagem(desenhaRotulo(imagem, ecometro, *rotulo));
}
