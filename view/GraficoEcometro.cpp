#include "view/GraficoEcometro.h"

#include "core/match/Ecometro.h"

#include <QCategoryAxis>
#include <QChart>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

constexpr int NIVEIS_ROTULOS = 3;  // rows of names above the plot
constexpr int MARCAS_EIXO = 10;    // at most this many times on the axis
constexpr double INTERVALOS_EIXO[] = {5, 10, 15, 20, 30, 60, 120, 300, 600, 1200};  // s between them

// The eco-meter's zones, from the bottom: red, yellow, green.
struct Zona {
    double de, ate;  // percent
    QColor cor;
    CorEcometro nome;
};

// The seconds between two times on an axis of segundos.
double intervaloDoEixo(double segundos) {
    for (const double candidato : INTERVALOS_EIXO)
        if (segundos / candidato <= MARCAS_EIXO) return candidato;
    return std::ceil(segundos / MARCAS_EIXO / 60) * 60;
}

QString minutosESegundos(double segundos) {
    const auto s = static_cast<long long>(std::llround(segundos));
    return QString("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QChar('0'));
}

const QValueAxis* eixoValores(const QChart* grafico, Qt::Orientation orientacao) {
    const auto eixos = grafico->axes(orientacao);
    return eixos.isEmpty() ? nullptr : qobject_cast<const QValueAxis*>(eixos.front());
}

}  // namespace

std::vector<int> niveisDosRotulos(const std::vector<double>& centros, const std::vector<double>& larguras,
                                  int niveis, double folga) {
    std::vector<double> livreDesde(static_cast<std::size_t>(std::max(niveis, 1)), -1e300);
    std::vector<int> escolhidos;
    for (std::size_t i = 0; i < centros.size(); ++i) {
        const double esquerda = centros[i] - larguras[i] / 2;
        std::size_t nivel = 0;
        while (nivel + 1 < livreDesde.size() && livreDesde[nivel] > esquerda) ++nivel;
        livreDesde[nivel] = centros[i] + larguras[i] / 2 + folga;
        escolhidos.push_back(static_cast<int>(nivel));
    }
    return escolhidos;
}

GraficoEcometro::GraficoEcometro(QWidget* dono) : QChartView(dono) {
    setRenderHint(QPainter::Antialiasing);
    setBackgroundBrush(Qt::white);
}

void GraficoEcometro::mDefineMarcas(std::vector<Marca> novas) {
    marcas = std::move(novas);
    mReservaRotulos();
    viewport()->update();
}

void GraficoEcometro::mReservaRotulos() {
    const int linha = QFontMetrics(font()).height();
    const int topo = marcas.empty() ? 8 : NIVEIS_ROTULOS * (linha + 2) + 4;
    chart()->setMargins(QMargins(8, topo, 8, 4));
}

void GraficoEcometro::mEixos(double segundos, double teto, bool emMinutos) {
    QChart* grafico = chart();
    for (QAbstractAxis* eixo : grafico->axes()) {
        grafico->removeAxis(eixo);
        delete eixo;
    }
    segundos = std::max(segundos, 1.0);
    const double intervalo = intervaloDoEixo(segundos);
    QValueAxis* x = nullptr;
    if (emMinutos) {
        // The times written as m:ss at their places (a category axis is a
        // value axis too: the zones and marks are placed by it alike).
        auto* tempos = new QCategoryAxis;
        tempos->setStartValue(0);
        tempos->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        for (double t = 0; t <= segundos + 1e-9; t += intervalo) tempos->append(minutosESegundos(t), t);
        tempos->setTitleText("tempo da partida (min:s)");
        x = tempos;
    } else {
        x = new QValueAxis;
        x->setLabelFormat("%.0f");
        x->setTickType(QValueAxis::TicksDynamic);
        x->setTickAnchor(0);
        x->setTickInterval(intervalo);
        x->setTitleText("tempo da partida (s)");
    }
    x->setRange(0, segundos);
    auto* y = new QValueAxis;
    y->setTitleText("ecômetro (%)");
    y->setRange(0, teto);
    y->setTickCount(static_cast<int>(teto / 20) + 1);
    y->setLabelFormat("%.0f");
    grafico->addAxis(x, Qt::AlignBottom);
    grafico->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* serie : grafico->series()) {
        serie->attachAxis(x);
        serie->attachAxis(y);
    }
}

void GraficoEcometro::drawBackground(QPainter* pintor, const QRectF& area) {
    QChartView::drawBackground(pintor, area);
    const QValueAxis* y = eixoValores(chart(), Qt::Vertical);
    if (!y) return;
    const QRectF plano = chart()->mapRectToScene(chart()->plotArea());
    const auto altura = [&](double percentual) {
        return plano.bottom() - (percentual - y->min()) / (y->max() - y->min()) * plano.height();
    };
    const Zona zonas[] = {
        {0, LIMIAR_VERMELHO * 100.0, QColor(220, 60, 50, 34), ECOMETRO_VERMELHO},
        {LIMIAR_VERMELHO * 100.0, LIMIAR_AMARELO * 100.0, QColor(245, 200, 0, 48), ECOMETRO_AMARELO},
        {LIMIAR_AMARELO * 100.0, y->max(), QColor(60, 170, 80, 30), ECOMETRO_VERDE},
    };
    pintor->save();
    QFont fonte = pintor->font();
    fonte.setItalic(true);
    pintor->setFont(fonte);
    for (const Zona& zona : zonas) {
        const QRectF faixa(QPointF(plano.left(), altura(zona.ate)), QPointF(plano.right(), altura(zona.de)));
        pintor->fillRect(faixa, zona.cor);
        pintor->setPen(zona.cor.darker(220));
        pintor->drawText(faixa.adjusted(0, 2, -6, 0), Qt::AlignRight | Qt::AlignTop, nomeCorEcometro(zona.nome));
    }
    pintor->restore();
}

void GraficoEcometro::drawForeground(QPainter* pintor, const QRectF& area) {
    QChartView::drawForeground(pintor, area);
    const QValueAxis* x = eixoValores(chart(), Qt::Horizontal);
    if (!x || marcas.empty()) return;
    const QRectF plano = chart()->mapRectToScene(chart()->plotArea());
    pintor->save();
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
