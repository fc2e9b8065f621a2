// The phase being edited: its pairs and its comment, the file they came
// from, and whether saving would change that file. Shown as a table of two
// columns (time in seconds, the event by name); the core's warnings are
// recomputed after every change and mark the rows they are about. Every
// edit of the pairs goes on an undo stack, emptied when another phase comes.
#pragma once

#include "core/data/ArquivoFase.h"

#include <QAbstractTableModel>
#include <QString>
#include <QUndoStack>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class ModeloFase : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Coluna { COLUNA_TEMPO, COLUNA_EVENTO, NUM_COLUNAS };
    static constexpr int32_t TEMPO_MAXIMO = 999999;      // s; the last time that ever comes
    static constexpr qint64 TAMANHO_MAXIMO = 1 << 20;    // bytes; larger is not a phase file

    explicit ModeloFase(QObject* dono = nullptr);

    // An empty phase without a file.
    void mNovo();
    // Reads the file. When it cannot be read the phase stays as it was and
    // erro holds a message for the teacher.
    bool mAbre(const QString& caminho, QString& erro);
    // Writes the phase there (the whole file or nothing) and takes it as the
    // phase's file.
    bool mSalva(const QString& caminho, QString& erro);

    const ArquivoFase& mArquivo() const { return arquivo; }
    const std::vector<ParFase>& mPares() const { return arquivo.pares; }
    std::string mTexto() const { return escreveArquivoFase(arquivo); }  // as it would be saved
    const QString& mCaminho() const { return caminho; }
    QString mNomeArquivo() const;  // "fase1.txt", "sem título" before the first save
    bool mModificado() const;
    // False while the file opened did not look like a phase (pareceArquivoFase):
    // saving over it replaces a file that is something else.
    bool mPareceFase() const { return pareceFase; }
    const std::vector<AvisoFase>& mAvisos() const { return avisos; }
    // The warnings about this row (those about the whole phase excluded).
    std::vector<const AvisoFase*> mAvisosDaLinha(int linha) const;

    // Editing, each edit undoable. Each answers whether the phase changed.
    bool mInsere(int linha, ParFase par);  // before linha; rowCount() appends
    // A new event (a polluter drawn at random) after the row escolhida (−1:
    // at the end, but before a closing end of the match), at a time between
    // its neighbours so that the order stays as it was. Answers its row.
    int mInsereNovo(int escolhida);
    bool mRemove(int linha);
    bool mMove(int linha, int destino);
    bool mDefineTempo(int linha, int32_t tempo);
    bool mDefineEvento(int linha, int32_t evento);
    // The order the game plays them in: by time, equal times as listed.
    bool mOrdena();
    void mDefineComentario(const std::string& comentario);

    // The edits of the pairs, to undo and redo them.
    QUndoStack& mPilha() { return pilha; }

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor, int papel) override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;

Q_SIGNALS:
    // The pairs, the comment, the file or the modified state changed.
    void alterado();
    // An edit was done, undone or redone: the row it is about (−1: none).
    void editou(int linha);

private:
    void mAlterou();  // recomputes the warnings and tells the views
    // Does an edit and puts it on the stack; each part answers the row it
    // leaves chosen.
    void mEdita(const QString& texto, std::function<int()> faz, std::function<int()> desfaz);
    // The edits themselves, as they are done and undone.
    void mInsereAqui(int linha, ParFase par);
    void mRemoveAqui(int linha);
    void mMoveAqui(int linha, int destino);
    void mTrocaPar(int linha, ParFase par);
    bool mDefinePar(int linha, ParFase par, const QString& texto);  // linha valid
    void mTrocaPares(std::vector<ParFase> pares);

    bool mLinhaValida(int linha) const { return linha >= 0 && linha < rowCount(); }

    ArquivoFase arquivo;
    std::string salvo;  // the text of the file as last read or written
    QString caminho;    // empty: never saved
    bool pareceFase = true;
    std::vector<AvisoFase> avisos;
    QUndoStack pilha;
};
