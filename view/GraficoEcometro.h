// A chart of the eco-meter in percent over a match's time. Behind the plot
// the eco-meter's three colour zones, named; over it a dotted line at each
// marked moment (a phase event, a polluter's arrival), its name hung above
// the plot on up to three rows so that names do not overlap. The game's
// debrief and the phase editor's balance check draw on it.
#pragma once

#include <QChartView>
#include <QColor>
#include <QString>

#include <vector>

class QAbstractAxis;

class GraficoEcometro : public QChartView {
public:
    // A moment named above the plot.
    struct Marca {
        double segundos;
        QString texto;
        QColor cor;
    };

    explicit GraficoEcometro(QWidget* dono = nullptr);

    void mDefineMarcas(std::vector<Marca> novas);
    const std::vector<Marca>& mMarcas() const { return marcas; }

    // The axes, made anew once the series are in so that every series uses
    // them: time from 0 to segundos (in m:ss when emMinutos, else in whole
    // seconds) and the eco-meter from 0 to teto percent.
    void mEixos(double segundos, double teto, bool emMinutos);

    // Room above the plot for the marks' names, and none when there are none.
    void mReservaRotulos();

protected:
    void drawBackground(QPainter* pintor, const QRectF& area) override;
    void drawForeground(QPainter* pintor, const QRectF& area) override;

private:
    std::vector<Marca> marcas;
};

// The row (0 the nearest to the axis) of each label, given left to right by
// its centre and width in pixels: a label takes the first row where it
// keeps folga pixels from the one before it; the last row takes what fits
// nowhere.
std::vector<int> niveisDosRotulos(const std::vector<double>& centros, const std::vector<double>& larguras,
                                  int niveis, double folga = 6);
