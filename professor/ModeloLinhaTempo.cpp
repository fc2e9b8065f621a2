#include "professor/ModeloLinhaTempo.h"

#include <QBrush>
#include <QColor>

#include <algorithm>

ModeloLinhaTempo::ModeloLinhaTempo(const ModeloTurma& turma, QObject* pai) : QAbstractTableModel(pai), turma(turma) {
    connect(&turma, &ModeloTurma::linhaTempoMudou, this, &ModeloLinhaTempo::mAcompanha);
    connect(&turma, &ModeloTurma::alunoRemovido, this, [this](int removido) {
        if (removido == id) mMostra(0);
    });
    connect(&turma, &ModeloTurma::alunoRenumerado, this, [this](int antigo, int novo) {
        if (antigo == id) mMostra(novo);
    });
}

void ModeloLinhaTempo::mMostra(int novo) {
    beginResetModel();
    id = novo;
    const Aluno* aluno = turma.mAluno(id);
    inicio = aluno ? aluno->descartadas : 0;
    fim = aluno ? aluno->descartadas + static_cast<int64_t>(aluno->linhaTempo.size()) : 0;
    endResetModel();
}

void ModeloLinhaTempo::mAcompanha(int idMudado) {
    const Aluno* aluno = turma.mAluno(idMudado);
    if (idMudado != id || aluno == nullptr) return;
    const int64_t novoInicio = aluno->descartadas;
    const int64_t novoFim = novoInicio + static_cast<int64_t>(aluno->linhaTempo.size());
    // Rows that left the front, then rows that came at the end. Entries that
    // came and left between two updates were never shown.
    const int64_t saem = std::min(novoInicio, fim) - inicio;
    if (saem > 0) {
        beginRemoveRows({}, 0, static_cast<int>(saem - 1));
        inicio += saem;
        endRemoveRows();
    }
    if (inicio == fim) inicio = fim = novoInicio;
    if (novoFim > fim) {
        const int primeira = static_cast<int>(fim - inicio);
        beginInsertRows({}, primeira, primeira + static_cast<int>(novoFim - fim) - 1);
        fim = novoFim;
        endInsertRows();
    }
}

const Acontecimento* ModeloLinhaTempo::mEntrada(int linha) const {
    const Aluno* aluno = turma.mAluno(id);
    if (aluno == nullptr || linha < 0) return nullptr;
    const int64_t posicao = inicio + linha - aluno->descartadas;
    if (posicao < 0 || posicao >= static_cast<int64_t>(aluno->linhaTempo.size())) return nullptr;
    return &aluno->linhaTempo[static_cast<std::size_t>(posicao)];
}

int ModeloLinhaTempo::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(fim - inicio);
}

int ModeloLinhaTempo::columnCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : COLUNAS; }

QVariant ModeloLinhaTempo::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole) return {};
    return secao == HORA ? QString("Hora") : QString("Acontecimento");
}

QVariant ModeloLinhaTempo::data(const QModelIndex& indice, int papel) const {
    const Acontecimento* entrada = mEntrada(indice.row());
    if (entrada == nullptr) return {};
    if (papel == Qt::DisplayRole)
        return indice.column() == HORA ? entrada->hora.toString("HH:mm:ss") : entrada->descricao;
    if (papel == Qt::ToolTipRole && indice.column() == ACONTECIMENTO)
        return entrada->texto.isEmpty() ? entrada->descricao : entrada->texto;
    const bool temCor = entrada->tipo == Acontecimento::ECOMETRO || entrada->tipo == Acontecimento::FIM;
    if (papel == Qt::BackgroundRole && temCor) {
        const CorEcometro cor =
            corDoNome(entrada->evento.toStdString()).value_or(ModeloTurma::corDoPercentual(entrada->valor));
        if (cor == ECOMETRO_VERDE) return QBrush(QColor(0xdc, 0xf2, 0xd6));
        if (cor == ECOMETRO_AMARELO) return QBrush(QColor(0xff, 0xf3, 0xb8));
        return QBrush(QColor(0xfb, 0xd5, 0xcf));
    }
    if (papel == Qt::ForegroundRole && temCor) return QBrush(Qt::black);
    if (papel == Qt::ForegroundRole && entrada->tipo == Acontecimento::DIZ) return QBrush(QColor(0x8a, 0x3f, 0x9e));
    if (papel == Qt::ForegroundRole && entrada->tipo == Acontecimento::MENSAGEM) return QBrush(QColor(0x1f, 0x5f, 0xa8));
    return {};
}
