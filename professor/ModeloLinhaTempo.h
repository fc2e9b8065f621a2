// One pupil's timeline for the console: every entry with its time, oldest
// first. Follows the pupil's entries as they come and go (the timeline is
// bounded), keeping what the view knows consistent with its own row count.
#pragma once

#include "professor/ModeloTurma.h"

#include <QAbstractTableModel>

class ModeloLinhaTempo : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Coluna { HORA, ACONTECIMENTO, COLUNAS };

    explicit ModeloLinhaTempo(const ModeloTurma& turma, QObject* pai = nullptr);

    // Shows the timeline of pupil id (0: none).
    void mMostra(int id);
    int mMostrado() const { return id; }

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;

private:
    void mAcompanha(int idMudado);
    const Acontecimento* mEntrada(int linha) const;

    const ModeloTurma& turma;
    int id = 0;
    // The entries shown, as positions counted from the pupil's first entry
    // ever: [inicio, fim).
    int64_t inicio = 0;
    int64_t fim = 0;
};
