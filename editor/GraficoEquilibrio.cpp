#include "editor/GraficoEquilibrio.h"

#include "core/data/Fase.h"
#include "core/match/Relogio.h"
#include "editor/Estilo.h"

#include <QAreaSeries>
#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double SEGUNDOS_POR_PASSO = PERIODO_BASE_MS / 1000.0;
// One kind of run: its name, colour and median line.
struct Tipo {
    const char* nome;
    QColor cor;
    Qt::PenStyle traco;
};
const Tipo SOZINHO{"sozinho", QColor(0xd3, 0x54, 0x00), Qt::DashLine};
const Tipo CUIDADO{"com cuidado", QColor(0x1f, 0x5f, 0xa8), Qt::SolidLine};

}  // namespace

std::vector<GraficoEcometro::Marca> marcasDaFase(const std::vector<ParFase>& pares, uint32_t passos) {
    // The table exactly as the game reads and orders it.
    TabelaFase tabela;
    interpretaFase(escreveArquivoFase({pares, ""}), tabela);
    std::vector<GraficoEcometro::Marca> marcas;
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

GraficoEquilibrio::GraficoEquilibrio(QWidget* dono) : GraficoEcometro(dono) {
    setMinimumSize(480, 300);
    mLimpa();
}

void GraficoEquilibrio::mLimpa() {
    auto* grafico = new QChart;
    grafico->setBackgroundVisible(false);  // the zones are drawn behind it
    grafico->legend()->hide();
    setChart(grafico);  // deletes the old one
    mDefineMarcas({});
    mEixos(60, 100, false);
}

void GraficoEquilibrio::mMostra(const ResultadoEquilibrio& resultado, const std::vector<ParFase>& pares) {
    mLimpa();
    QChart* grafico = chart();
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

    mDefineMarcas(marcasDaFase(pares, resultado.passos));
    if (fim <= 0) fim = 60;
    mEixos(fim, std::ceil(teto / 20) * 20, false);
}

void GraficoEquilibrio::drawForeground(QPainter* pintor, const QRectF& area) {
    GraficoEcometro::drawForeground(pintor, area);
    if (!chart()->series().isEmpty()) return;
    pintor->save();
    pintor->setPen(palette().color(QPalette::Text));
    pintor->drawText(chart()->mapRectToScene(chart()->plotArea()), Qt::AlignCenter | Qt::TextWordWrap,
                     "Aperte F5 (ou \"Verificar equilíbrio\") para ver como o ecômetro\n"
                     "se comporta nesta fase, sem cuidado e com cuidado.");
    pintor->restore();
}
