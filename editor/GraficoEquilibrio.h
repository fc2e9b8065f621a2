// The balance check's chart: the eco-meter in percent over the match's
// time in seconds, for the matches left alone (dashed median) and with care
// (solid median), each with the band from the 10th to the 90th percentile
// of the readings, where the middle 80 % of the matches are. Behind them
// the eco-meter's colour zones; a dotted line at every phase event that
// comes, labelled above the plot with what enters the lake.
#pragma once

#include "core/data/ArquivoFase.h"
#include "editor/Equilibrio.h"
#include "view/GraficoEcometro.h"

#include <vector>

class GraficoEquilibrio : public GraficoEcometro {
    Q_OBJECT
public:
    explicit GraficoEquilibrio(QWidget* dono = nullptr);

    // Shows the result of a check of the phase pares.
    void mMostra(const ResultadoEquilibrio& resultado, const std::vector<ParFase>& pares);
    // Back to the empty chart.
    void mLimpa();

protected:
    // The empty chart says how to fill it.
    void drawForeground(QPainter* pintor, const QRectF& area) override;
};

// The events of a phase that come in a match of passos steps (nothing and
// times past the end left out), in the order the game runs them.
std::vector<GraficoEcometro::Marca> marcasDaFase(const std::vector<ParFase>& pares, uint32_t passos);
