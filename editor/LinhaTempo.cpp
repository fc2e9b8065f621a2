#include "editor/LinhaTempo.h"

#include "editor/Estilo.h"
#include "editor/ModeloFase.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int MARGEM = 24;        // pixels at each end of the axis
constexpr int RAIO = 6;           // a marker's radius
constexpr int NIVEIS = 4;         // label rows above the axis
constexpr int PERTO = 10;         // pixels a click may miss a marker by
constexpr double FIM_MINIMO = 60; // s; the shortest axis
constexpr std::array<double, 8> PASSOS_EIXO = {5, 10, 15, 30, 60, 120, 300, 600};  // s between ticks

// Whether the game ever reaches this time.
bool vem(int32_t tempo) { return tempo >= 0 && tempo <= ModeloFase::TEMPO_MAXIMO; }

}  // namespace

LinhaTempo::LinhaTempo(const ModeloFase& m, QWidget* dono) : QWidget(dono), modelo(m) {
    setMinimumHeight(140);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setToolTip("Cada marca é um evento da fase; clique numa marca para escolher o evento na tabela.");
    connect(&modelo, &ModeloFase::alterado, this, qOverload<>(&QWidget::update));
}

QSize LinhaTempo::sizeHint() const { return {600, 150}; }

void LinhaTempo::mEscolhe(int linha) {
    escolhidaAgora = linha;
    update();
}

double LinhaTempo::mFim() const {
    double fim = FIM_MINIMO;
    for (const ParFase& par : modelo.mPares())
        if (vem(par.tempo)) fim = std::max(fim, static_cast<double>(par.tempo));
    // A little room after the last event, rounded to ten seconds.
    return std::ceil(fim * 1.05 / 10) * 10;
}

int LinhaTempo::mEsquerda() const { return MARGEM; }
int LinhaTempo::mDireita() const { return std::max(MARGEM + 1, width() - MARGEM); }

double LinhaTempo::mX(double segundos) const {
    return mEsquerda() + segundos / mFim() * (mDireita() - mEsquerda());
}

int LinhaTempo::mLinhaEm(double x) const {
    int melhor = -1;
    double distancia = PERTO + 1;
    const auto& pares = modelo.mPares();
    for (std::size_t i = 0; i < pares.size(); ++i) {
        if (!vem(pares[i].tempo)) continue;
        const double d = std::abs(mX(pares[i].tempo) - x);
        if (d < distancia) {
            distancia = d;
            melhor = static_cast<int>(i);
        }
    }
    return melhor;
}

void LinhaTempo::mousePressEvent(QMouseEvent* evento) {
    const int linha = mLinhaEm(evento->position().x());
    if (linha >= 0) {
        mEscolhe(linha);
        Q_EMIT escolhida(linha);
    }
}

void LinhaTempo::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.fillRect(rect(), palette().color(QPalette::Base));
    const QFontMetrics medidas(font());
    const int linhaTexto = medidas.height();
    const int eixoY = height() - linhaTexto - 10;

    // The axis with a tick and its time every few seconds.
    const double fim = mFim();
    const double pixelsPorSegundo = (mDireita() - mEsquerda()) / fim;
    const double passo = *std::find_if(PASSOS_EIXO.begin(), PASSOS_EIXO.end() - 1, [&](double p) {
        return p * pixelsPorSegundo >= medidas.horizontalAdvance("0000 s") + 8;
    });
    pintor.setPen(QPen(palette().color(QPalette::Text), 1.5));
    pintor.drawLine(QPointF(mEsquerda(), eixoY), QPointF(mDireita(), eixoY));
    pintor.setPen(palette().color(QPalette::Text));
    for (double t = 0; t <= fim + 0.001; t += passo) {
        const double x = mX(t);
        pintor.drawLine(QPointF(x, eixoY), QPointF(x, eixoY + 4));
        const QString texto = QString("%1 s").arg(t, 0, 'f', 0);
        const int largura = medidas.horizontalAdvance(texto);
        pintor.drawText(QPointF(x - largura / 2.0, eixoY + 6 + medidas.ascent()), texto);
    }

    // The markers in time order, each label on the lowest row where it fits.
    const auto& pares = modelo.mPares();
    std::vector<int> ordem;
    for (std::size_t i = 0; i < pares.size(); ++i)
        if (vem(pares[i].tempo)) ordem.push_back(static_cast<int>(i));
    std::stable_sort(ordem.begin(), ordem.end(), [&](int a, int b) {
        return pares[static_cast<std::size_t>(a)].tempo < pares[static_cast<std::size_t>(b)].tempo;
    });
    std::vector<double> centros, larguras;
    for (const int linha : ordem) {
        const ParFase& par = pares[static_cast<std::size_t>(linha)];
        const double largura = medidas.horizontalAdvance(qt(nomeEventoFase(par.evento)));
        // A label near an end stays inside the widget.
        centros.push_back(std::clamp(mX(par.tempo), largura / 2 + 2, std::max(largura / 2 + 2, width() - largura / 2 - 2)));
        larguras.push_back(largura);
    }
    const std::vector<int> niveis = niveisDosRotulos(centros, larguras, NIVEIS);
    for (std::size_t k = 0; k < ordem.size(); ++k) {
        const int linha = ordem[k];
        const ParFase& par = pares[static_cast<std::size_t>(linha)];
        const double x = mX(par.tempo);
        const QString nome = qt(nomeEventoFase(par.evento));
        const double largura = larguras[k];
        const double centro = centros[k];
        const int nivel = niveis[k];
        const double base = eixoY - RAIO - 8 - nivel * (linhaTexto + 2);
        const bool comAviso = !modelo.mAvisosDaLinha(linha).empty();
        const QColor cor = estilo::corEvento(par.evento);

        // A thin stem from the label to the marker.
        pintor.setPen(QPen(cor.lighter(150), 1));
        pintor.drawLine(QPointF(x, base + 2), QPointF(x, eixoY - RAIO));
        // The label, on a patch so that stems behind it do not cross it.
        const QRectF caixa(centro - largura / 2 - 2, base - medidas.ascent() - 1, largura + 4, linhaTexto + 1);
        pintor.fillRect(caixa, comAviso ? estilo::AVISO_FUNDO : palette().color(QPalette::Base));
        pintor.setPen(cor.darker(130));
        pintor.drawText(QPointF(centro - largura / 2, base), nome);

        // The marker: a flag for the end, a disc for the others.
        if (linha == escolhidaAgora) {
            pintor.setPen(QPen(estilo::DESTAQUE_BORDA, 2));
            pintor.setBrush(estilo::DESTAQUE);
            pintor.drawEllipse(QPointF(x, eixoY), RAIO + 5, RAIO + 5);
        }
        pintor.setPen(QPen(comAviso ? estilo::DESTAQUE_BORDA : cor.darker(140), comAviso ? 2.5 : 1));
        pintor.setBrush(cor);
        if (par.evento == 1) {
            const QRectF quadrado(x - RAIO, eixoY - RAIO, 2 * RAIO, 2 * RAIO);
            pintor.drawRect(quadrado);
        } else {
            pintor.drawEllipse(QPointF(x, eixoY), RAIO, RAIO);
        }
    }
    pintor.setBrush(Qt::NoBrush);
    if (hasFocus()) {
        pintor.setPen(QPen(estilo::AZUL, 1, Qt::DotLine));
        pintor.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
