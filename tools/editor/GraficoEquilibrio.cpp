#include "tools/editor/GraficoEquilibrio.h"

#include "core/data/Fase.h"
#include "core/match/Ecometro.h"
#include "core/match/Relogio.h"
#include "tools/editor/Estilo.h"
#include "tools/editor/LinhaTempo.h"

#include <QAreaSeries>
#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

constexpr double SEGUNDOS_POR_PASSO = PERIODO_BASE_MS / 1000.0;
constexpr int NIVEIS_ROTULOS = 3;  // rows of event names above the plot
constexpr int MARCAS_EIXO = 10;    // at most this many times on the axis
constexpr double INTERVALOS_EIXO[] = {5, 10, 15, 20, 30, 60, 120, 300};  // s between them

// One kind of run: its name, colour and median line.
struct Tipo {
    const char* nome;
    QColor cor;
    Qt::PenStyle traco;
};
const Tipo SOZINHO{"sozinho", QColor(0xd3, 0x54, 0x00), Qt::DashLine};
const Tipo CUIDADO{"com cuidado", QColor(0x1f, 0x5f, 0xa8), Qt::SolidLine};

// The eco-meter's zones, from the bottom: red, yellow, green.
struct Zona {
    double de, ate;  // percent
    QColor cor;
    const char* nome;
};

}  // namespace

std::vector<GraficoEquilibrio::Marca> marcasDaFase(const std::vector<ParFase>& pares, uint32_t passos) {
    // The table exactly as the game reads and orders it.
    TabelaFase tabela;
    interpretaFase(escreveArquivoFase({pares, ""}), tabela);
    std::vector<GraficoEquilibrio::Marca> marcas;
    for (const EventoFase& evento : tabela) {
        const double segundos = evento.tempo;
        if (segundos > passos * SEGUNDOS_POR_PASSO) break;
        if (evento.evento == 0) continue;
        const auto codigo = static_cast<int32_t>(evento.evento);
        marcas.push_back({segundos, qt(nomeEventoFase(codigo)), estilo::corEvento(codigo)});
        if (evento.evento == 1) break;
    }
    return marcas;
}

GraficoEquilibrio::GraficoEquilibrio(QWidget* dono) : QChartView(dono) {
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(480, 300);
    setBackgroundBrush(Qt::white);
    mLimpa();
}

void GraficoEquilibrio::mLimpa() {
    marcas.clear();
    auto* grafico = new QChart;
    grafico->setBackgroundVisible(false);  // the zones are drawn behind it
    grafico->legend()->hide();
    setChart(grafico);  // deletes the old one
    mEixos(60, 100);
    viewport()->update();
}

void GraficoEquilibrio::mEixos(double segundos, double teto) {
    auto* x = new QValueAxis;
    x->setTitleText("tempo da partida (s)");
    x->setRange(0, segundos);
    x->setLabelFormat("%.0f");
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    double intervalo = INTERVALOS_EIXO[std::size(INTERVALOS_EIXO) - 1];
    for (const double candidato : INTERVALOS_EIXO)
        if (segundos / candidato <= MARCAS_EIXO) {
            intervalo = candidato;
            break;
        }
    x->setTickInterval(intervalo);
    auto* y = new QValueAxis;
    y->setTitleText("ecômetro (%)");
    y->setRange(0, teto);
    y->setTickCount(static_cast<int>(teto / 20) + 1);
    y->setLabelFormat("%.0f");
    chart()->addAxis(x, Qt::AlignBottom);
    chart()->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* serie : chart()->series()) {
        serie->attachAxis(x);
        serie->attachAxis(y);
    }
}

void GraficoEquilibrio::mMostra(const ResultadoEquilibrio& resultado, const std::vector<ParFase>& pares) {
    mLimpa();
    QChart* grafico = chart();
    // Room above the plot for the events' names.
    const int linha = QFontMetrics(font()).height();
    grafico->setMargins(QMargins(8, NIVEIS_ROTULOS * (linha + 2) + 4, 8, 4));
    grafico->legend()->show();
    grafico->legend()->setAlignment(Qt::AlignBottom);

    double teto = 100;
    double fim = resultado.passos * SEGUNDOS_POR_PASSO;
    const auto desenha = [&](const std::vector<ResumoSemente>& resumos, const Tipo& tipo) {
        const FaixaEcometro faixa = faixaEcometro(resumos);
        if (faixa.mediana.empty()) return;
        auto* mediana = new QLineSeries;
        auto* baixo = new QLineSeries;
        auto* alto = new QLineSeries;
        for (std::size_t i = 0; i < faixa.mediana.size(); ++i) {
            const double segundos = static_cast<double>(i * resultado.cadaSerie) * SEGUNDOS_POR_PASSO;
            mediana->append(segundos, faixa.mediana[i]);
            baixo->append(segundos, faixa.percentilBaixo[i]);
            alto->append(segundos, faixa.percentilAlto[i]);
            teto = std::max(teto, static_cast<double>(faixa.percentilAlto[i]));
        }
        const QString meio = QString("%1 % das partidas").arg(PERCENTIL_ALTO - PERCENTIL_BAIXO);
        auto* banda = new QAreaSeries(alto, baixo);  // takes both
        banda->setName(QString("%1: %2").arg(tipo.nome, meio));
        QColor fundo = tipo.cor;
        fundo.setAlpha(55);
        banda->setBrush(fundo);
        QColor borda = tipo.cor;
        borda.setAlpha(110);
        banda->setPen(QPen(borda, 1, tipo.traco));
        grafico->addSeries(banda);
        // One legend entry a kind, for its line and its band: four would not fit.
        for (QLegendMarker* marcador : grafico->legend()->markers(banda))
            marcador->setVisible(false);

        mediana->setName(QString("%1: mediana e %2").arg(tipo.nome, meio));
        QPen linha(tipo.cor, 3, tipo.traco);
        linha.setCapStyle(Qt::FlatCap);
        mediana->setPen(linha);
        grafico->addSeries(mediana);
    };
    desenha(resultado.sozinho, SOZINHO);
    desenha(resultado.cuidado, CUIDADO);

    marcas = marcasDaFase(pares, resultado.passos);
    if (fim <= 0) fim = 60;
    // The axes are built once the series are in, so that they attach to all.
    for (QAbstractAxis* eixo : grafico->axes()) {
        grafico->removeAxis(eixo);
        delete eixo;
    }
    mEixos(fim, std::ceil(teto / 20) * 20);
    viewport()->update();
}

void GraficoEquilibrio::drawBackground(QPainter* pintor, const QRectF& area) {
    QChartView::drawBackground(pintor, area);
    const auto eixos = chart()->axes(Qt::Vertical);
    if (eixos.isEmpty()) return;
    const auto* y = static_cast<const QValueAxis*>(eixos.front());
    const QRectF plano = chart()->mapRectToScene(chart()->plotArea());
    const auto altura = [&](double percentual) {
        return plano.bottom() - (percentual - y->min()) / (y->max() - y->min()) * plano.height();
    };
    const Zona zonas[] = {
        {0, LIMIAR_VERMELHO * 100.0, QColor(220, 60, 50, 34), nomeCorEcometro(ECOMETRO_VERMELHO)},
        {LIMIAR_VERMELHO * 100.0, LIMIAR_AMARELO * 100.0, QColor(245, 200, 0, 48), nomeCorEcometro(ECOMETRO_AMARELO)},
        {LIMIAR_AMARELO * 100.0, y->max(), QColor(60, 170, 80, 30), nomeCorEcometro(ECOMETRO_VERDE)},
    };
    pintor->save();
    QFont fonte = pintor->font();
    fonte.setItalic(true);
    pintor->setFont(fonte);
    for (const Zona& zona : zonas) {
        const QRectF faixa(QPointF(plano.left(), altura(zona.ate)), QPointF(plano.right(), altura(zona.de)));
        pintor->fillRect(faixa, zona.cor);
        pintor->setPen(zona.cor.darker(220));
        pintor->drawText(faixa.adjusted(0, 2, -6, 0), Qt::AlignRight | Qt::AlignTop, zona.nome);
    }
    pintor->restore();
}

void GraficoEquilibrio::drawForeground(QPainter* pintor, const QRectF& area) {
    QChartView::drawForeground(pintor, area);
    const QRectF plano = chart()->mapRectToScene(chart()->plotArea());
    pintor->save();
    if (chart()->series().isEmpty()) {
        pintor->setPen(palette().color(QPalette::Text));
        pintor->drawText(plano, Qt::AlignCenter | Qt::TextWordWrap,
                         "Aperte F5 (ou \"Verificar equilíbrio\") para ver como o ecômetro\n"
                         "se comporta nesta fase, sem cuidado e com cuidado.");
        pintor->restore();
        return;
    }
    const auto eixos = chart()->axes(Qt::Horizontal);
    const auto* x = static_cast<const QValueAxis*>(eixos.front());
    const QFontMetrics medidas(pintor->font());
    const QRectF vista = mapToScene(viewport()->rect()).boundingRect();
    std::vector<double> xs, centros, larguras;
    for (const Marca& marca : marcas) {
        const double px = plano.left() + (marca.segundos - x->min()) / (x->max() - x->min()) * plano.width();
        const double largura = medidas.horizontalAdvance(marca.texto);
        xs.push_back(px);
        larguras.push_back(largura);
        centros.push_back(std::clamp(px, vista.left() + largura / 2 + 2,
                                     std::max(vista.left() + largura / 2 + 2, vista.right() - largura / 2 - 2)));
    }
    const std::vector<int> niveis = niveisDosRotulos(centros, larguras, NIVEIS_ROTULOS);
    for (std::size_t i = 0; i < marcas.size(); ++i) {
        // The names hang above the plot, the nearest row just over it.
        const double base = plano.top() - 4 - medidas.descent() - niveis[i] * (medidas.height() + 2);
        const QColor cor = marcas[i].cor;
        pintor->setPen(QPen(QColor(cor.red(), cor.green(), cor.blue(), 140), 1, Qt::DotLine));
        pintor->drawLine(QPointF(xs[i], base + medidas.descent()), QPointF(xs[i], plano.bottom()));
        pintor->setPen(cor.darker(130));
        pintor->drawText(QPointF(centros[i] - larguras[i] / 2, base), marcas[i].texto);
    }
    pintor->restore();
}
