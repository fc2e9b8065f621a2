#include "professor/FiltroTurma.h"

#include "professor/ModeloTurma.h"

FiltroTurma::FiltroTurma(ModeloTurma& turma, QObject* pai) : QSortFilterProxyModel(pai), turma(turma) {
    setSourceModel(&turma);
    setSortRole(ModeloTurma::PAPEL_ORDEM);
    setSortLocaleAware(true);
    // A pupil who leaves or comes back moves in or out of the filter.
    setDynamicSortFilter(true);
}

void FiltroTurma::mEscondeQuemSaiu(bool esconde) {
    if (esconde == escondeQuemSaiu) return;
    escondeQuemSaiu = esconde;
    invalidateRowsFilter();
}

bool FiltroTurma::filterAcceptsRow(int linha, const QModelIndex&) const {
    if (!escondeQuemSaiu) return true;
    const Aluno* aluno = turma.mAlunoDaLinha(linha);
    return aluno && aluno->mConectado();
}
