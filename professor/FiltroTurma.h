// The class as the table shows it: sorted by any column (by what the column
// means: the eco-meter red first, then yellow, then green), and without the
// pupils who left when the teacher asks so.
#pragma once

#include <QSortFilterProxyModel>

class ModeloTurma;

class FiltroTurma : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit FiltroTurma(ModeloTurma& turma, QObject* pai = nullptr);

    void mEscondeQuemSaiu(bool esconde);
    bool mEscondendo() const { return escondeQuemSaiu; }

protected:
    bool filterAcceptsRow(int linha, const QModelIndex& pai) const override;

private:
    const ModeloTurma& turma;
    bool escondeQuemSaiu = false;
};
