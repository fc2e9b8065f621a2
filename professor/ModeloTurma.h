// The pupils of the class, one row each, for the console's table: who (the
// name the pupil gave, else the computer's name or the address), the phase
// and how the match goes or ended, the colour the pupil's eco-meter shows,
// the tools used, the pupil's messages, since when and whether still
// connected. A pupil who gave a name and comes back from the same computer
// returns to the row that was theirs. Each pupil also keeps a bounded
// timeline of what happened, which ModeloLinhaTempo shows.
#pragma once

#include "core/match/Ecometro.h"
#include "professor/Acontecimento.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <vector>

struct Aluno {
    enum Partida { SEM_PARTIDA, JOGANDO, TERMINOU };
    static constexpr int MAXIMO_MENSAGENS = 100;  // the pupil's last messages kept

    int id = 0;
    QString endereco;   // "address:port", as the last connection came
    QString nome;       // the name shown: the pupil's, the computer's, or the address
    QString nomeAluno;  // the name the pupil gave; empty: none
    QDateTime desde;
    QDateTime ate;      // when the pupil left; invalid while connected
    std::optional<int64_t> ecometro;  // percent, the last reading
    std::optional<CorEcometro> cor;   // the colour the pupil's game shows
    QString fase;
    Partida partida = SEM_PARTIDA;
    std::optional<int64_t> resultado;  // the last match's final reading, percent
    std::optional<CorEcometro> corFinal;
    int usos = 0;                       // tools used
    QString ultimaAcao;                 // the last tool use, in words
    std::map<QString, int> ferramentas;  // each tool in words, and how many uses
    QStringList mensagens;               // what the pupil wrote, the last ones
    int totalMensagens = 0;
    // Seconds the eco-meter showed each colour (by CorEcometro), counted
    // from the moment the colour is known while the match runs.
    std::map<CorEcometro, int64_t> segundosNaCor;
    QDateTime desdeCor;  // invalid: not counting

    // The timeline: the last MAXIMO_LINHA_TEMPO entries, and how many older
    // ones were dropped from its front.
    std::deque<Acontecimento> linhaTempo;
    int64_t descartadas = 0;

    bool mConectado() const { return !ate.isValid(); }
    // The computer's address, without the port.
    QString mComputador() const { return endereco.left(endereco.lastIndexOf(':')); }
};

// The class at a glance: the pupils playing by colour, and those whose match ended.
struct ContagemTurma {
    int verde = 0, amarelo = 0, vermelho = 0, terminaram = 0;
};

class ModeloTurma : public QAbstractTableModel {
    Q_OBJECT
public:
    // What the teacher looks at most comes first.
    enum Coluna { NOME, FASE, ECOMETRO, PARTIDA, RESULTADO, USOS, ULTIMA_ACAO, MENSAGENS, SITUACAO, DESDE, ENDERECO, COLUNAS };
    static constexpr int PAPEL_ORDEM = Qt::UserRole;  // the key a column sorts by
    static constexpr int MAXIMO_LINHA_TEMPO = 5000;   // entries kept per pupil
    static constexpr int MAXIMO_ALUNOS = 300;         // rows; the oldest that left go first

    explicit ModeloTurma(QObject* pai = nullptr);
    ~ModeloTurma() override;

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;

    // A pupil connected (a new row). When the list is full, the pupil who
    // left first makes room.
    void mChegou(int id, const QString& endereco, const QDateTime& hora);
    // The computer's name became known; a name the pupil gave stays.
    void mNomeia(int id, const QString& nome);
    // Things that happened, in order; a SAIDA greys the row. An ALUNO names
    // the row, and takes the pupil back to the row of the same name from
    // the same computer, when one is there and not connected.
    void mRegistra(int id, const std::vector<Acontecimento>& acontecimentos);

    const Aluno* mAluno(int id) const;
    const Aluno* mAlunoDaLinha(int linha) const;
    int mLinha(int id) const;  // -1 when there is none
    int mConectados() const;
    // Over the connected pupils: the colours of those playing, and those
    // whose match ended; in words, "12 verde · 8 amarelo · 3 vermelho · 2 terminaram".
    ContagemTurma mContagem() const;
    static QString textoContagem(const ContagemTurma& contagem);

    // The colour band of a reading in percent, in words and as a colour.
    static QString nomeCor(CorEcometro cor);
    static CorEcometro corDoPercentual(int64_t percentual);

Q_SIGNALS:
    // The timeline of pupil id got entries at its end (and may have lost
    // some from its front).
    void linhaTempoMudou(int id);
    // The row of pupil id is about to go (the list was full, or the pupil
    // went back to an older row).
    void alunoRemovido(int id);
    // The pupil of row antigo came back as id novo.
    void alunoRenumerado(int antigo, int novo);

private:
    void mMudouLinha(int linha);
    QString mSituacao(const Aluno& aluno) const;
    QVariant mTexto(const Aluno& aluno, int coluna) const;
    QVariant mOrdem(const Aluno& aluno, int coluna) const;
    void mRemoveLinha(int linha);
    // The row of id taken back by an older row of the same pupil; answers
    // the row that now has id.
    int mJuntaAoAnterior(int linha, const QString& nomeAluno);
    static void aplica(Aluno& aluno, const Acontecimento& acontecimento);

    std::vector<std::unique_ptr<Aluno>> alunos;
};
