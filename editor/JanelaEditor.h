// The phase editor's window: the events as a table and on a time line, the
// comment, the warnings of what the game would do oddly, and the balance
// check with its chart. The questions it asks go through PerguntasEditor,
// which the tests replace so that no modal box waits for an answer.
#pragma once

#include "editor/Equilibrio.h"
#include "editor/ExecucaoEquilibrio.h"
#include "editor/ModeloFase.h"

#include <QMainWindow>

#include <functional>
#include <string>

class GraficoEquilibrio;
class LinhaTempo;
class QAction;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;

struct PerguntasEditor {
    enum Resposta { SALVAR, DESCARTAR, CANCELAR };
    // The phase has unsaved changes: what to do with them.
    std::function<Resposta(const QString& nomeArquivo)> salvarAlteracoes;
    // A file to open or to save into; empty when the teacher gave up.
    std::function<QString(const QString& pasta)> arquivoParaAbrir;
    std::function<QString(const QString& sugestao)> arquivoParaSalvar;
    // Whether to go on with what the text describes.
    std::function<bool(const QString& texto)> confirmar;
    // Something went wrong; the text says what and what to do.
    std::function<void(const QString& texto)> erro;
};

class JanelaEditor : public QMainWindow {
    Q_OBJECT
public:
    explicit JanelaEditor(QWidget* dono = nullptr);
    ~JanelaEditor() override;

    // The commands; each false when it did not happen (given up or failed).
    bool mNovo();
    bool mAbre(const QString& caminho);  // asks about unsaved changes first
    bool mAbreEscolhendo();
    bool mSalva();
    bool mSalvaComo();
    void mInsereEvento();
    void mExcluiEvento();
    void mMoveEvento(int sentido);  // −1 up, +1 down
    void mOrdena();
    void mVerificaEquilibrio();
    void mCancelaEquilibrio();

    ModeloFase& mModelo() { return modelo; }
    ExecucaoEquilibrio& mExecucao() { return execucao; }
    PerguntasEditor& mPerguntas() { return perguntas; }
    // Where the balance check finds valores.txt and the models.
    void mDefineDados(std::string valores, std::string modelos);
    int mLinhaEscolhida() const;
    void mEscolhe(int linha);

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void mCriaAcoes();
    void mCriaMenus();
    QWidget* mCriaPainelEventos();
    QWidget* mCriaPainelEquilibrio();
    void mDefineOrdemTab();

    // The title, the warnings, the actions that depend on the choice.
    void mAtualiza();
    void mAtualizaAvisos();
    void mAtualizaComentario();
    // True when the phase may be replaced: saved, or the teacher said so.
    bool mPodeDescartar();
    bool mAbreArquivo(const QString& caminho);
    bool mSalvaEm(const QString& caminho);
    void mTerminouEquilibrio(const ResultadoEquilibrio& resultado);
    void mFimDaExecucao();
    void mMarcaVerificacaoAntiga();

    ModeloFase modelo;
    ExecucaoEquilibrio execucao;
    PerguntasEditor perguntas;
    PedidoEquilibrio pedido;       // the last check asked for
    std::string faseVerificada;    // the phase of the chart, to tell when it is out of date
    std::string faseEmVerificacao; // the phase of the check running
    bool temResultado = false;
    QString textoResultado;        // what the counts label shows of it

    QTableView* tabela = nullptr;
    LinhaTempo* linhaTempo = nullptr;
    QPlainTextEdit* comentario = nullptr;
    QListWidget* listaAvisos = nullptr;
    QSpinBox* sementes = nullptr;
    QPushButton* botaoVerificar = nullptr;
    QPushButton* botaoCancelar = nullptr;
    QProgressBar* barra = nullptr;
    GraficoEquilibrio* grafico = nullptr;
    QLabel* contagens = nullptr;
    QLabel* situacao = nullptr;

    QAction* acaoNovo = nullptr;
    QAction* acaoAbrir = nullptr;
    QAction* acaoSalvar = nullptr;
    QAction* acaoSalvarComo = nullptr;
    QAction* acaoSair = nullptr;
    QAction* acaoDesfazer = nullptr;
    QAction* acaoRefazer = nullptr;
    QAction* acaoInserir = nullptr;
    QAction* acaoExcluir = nullptr;
    QAction* acaoSubir = nullptr;
    QAction* acaoDescer = nullptr;
    QAction* acaoOrdenar = nullptr;
    QAction* acaoVerificar = nullptr;
    QAction* acaoCancelar = nullptr;
};

// The questions as dialogs over the window.
PerguntasEditor perguntasComDialogos(QWidget* dono);
