// The pupils of the class, one row each, for the console's table: who, since
// when, whether still connected, the last eco-meter reading with its band, how
// many tools were used and the last one in words. Each pupil also keeps a
// bounded timeline of what happened, which ModeloLinhaTempo shows.
#pragma once

#include "core/match/Ecometro.h"
#include "tools/professor/Acontecimento.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QString>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

struct Aluno {
    int id = 0;
    QString endereco;  // "address:port", as the connection came
    QString nome;      // the computer's name; the address until it is known
    QDateTime desde;
    QDateTime ate;     // when the pupil left; invalid while connected
    std::optional<int64_t> ecometro;  // percent
    int usos = 0;                     // tools used
    QString ultimaAcao;               // the last tool use, in words

    // The timeline: the last MAXIMO_LINHA_TEMPO entries, and how many older
    // ones were dropped from its front.
    std::deque<Acontecimento> linhaTempo;
    int64_t descartadas = 0;

    bool mConectado() const { return !ate.isValid(); }
};

class ModeloTurma : public QAbstractTableModel {
    Q_OBJECT
public:
    // What the teacher looks at most comes first.
    enum Coluna { NOME, ECOMETRO, USOS, ULTIMA_ACAO, SITUACAO, DESDE, ENDERECO, COLUNAS };
    static constexpr int MAXIMO_LINHA_TEMPO = 5000;  // entries kept per pupil
    static constexpr int MAXIMO_ALUNOS = 300;        // rows; the oldest that left go first

    explicit ModeloTurma(QObject* pai = nullptr);
    ~ModeloTurma() override;

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;

    // A pupil connected (a new row). When the list is full, the pupil who
    // left first makes room.
    void mChegou(int id, const QString& endereco, const QDateTime& hora);
    // The computer's name became known.
    void mNomeia(int id, const QString& nome);
    // Things that happened, in order; a SAIDA greys the row.
    void mRegistra(int id, const std::vector<Acontecimento>& acontecimentos);

    const Aluno* mAluno(int id) const;
    const Aluno* mAlunoDaLinha(int linha) const;
    int mLinha(int id) const;  // -1 when there is none
    int mConectados() const;

    // The colour band of a reading in percent, in words and as a colour.
    static QString nomeCor(CorEcometro cor);
    static CorEcometro corDoPercentual(int64_t percentual);

Q_SIGNALS:
    // The timeline of pupil id got entries at its end (and may have lost
    // some from its front).
    void linhaTempoMudou(int id);
    // The row of pupil id is about to go (the list was full).
    void alunoRemovido(int id);

private:
    void mMudouLinha(int linha);
    QString mSituacao(const Aluno& aluno) const;

    std::vector<std::unique_ptr<Aluno>> alunos;
};
