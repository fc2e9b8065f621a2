// The phase at a glance: a horizontal time axis in seconds with one marker
// per event and its name above it, labels stacked so that they do not
// overlap. The chosen row's marker is ringed; a click on a marker chooses
// its row.
#pragma once

#include "view/GraficoEcometro.h"

#include <QWidget>

#include <vector>

class ModeloFase;

class LinhaTempo : public QWidget {
    Q_OBJECT
public:
    explicit LinhaTempo(const ModeloFase& modelo, QWidget* dono = nullptr);

    void mEscolhe(int linha);
    // The row whose marker is nearest to x (pixels), −1 when none is near.
    int mLinhaEm(double x) const;
    // The axis's end, seconds.
    double mFim() const;
    QSize sizeHint() const override;

Q_SIGNALS:
    void escolhida(int linha);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;

private:
    double mX(double segundos) const;  // pixel of a time
    int mEsquerda() const;
    int mDireita() const;

    const ModeloFase& modelo;
    int escolhidaAgora = -1;
};
