// The teacher's window: the class's counts by colour; the pupils, one row
// each, sorted by any column (red first at the start), those who left
// hidden on request; the timeline of the pupil chosen; a line to write to
// that pupil or to all; the lesson's report. Closing with pupils connected
// asks first. Everything works from the keyboard, and the letters grow for
// a projector. The questions and the browser go through PerguntasProfessor,
// which the tests replace.
#pragma once

#include "professor/FiltroTurma.h"
#include "professor/ModeloLinhaTempo.h"
#include "professor/SalaDeAula.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QCheckBox;
class QUrl;

struct PerguntasProfessor {
    // Whether to close while conectados pupils are connected.
    std::function<bool(int conectados)> fecharComAlunos;
    // Opens a file in the browser; false when it could not.
    std::function<bool(const QUrl& arquivo)> abreNoNavegador;
    std::function<void(const QString& texto)> erro;
};
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

class JanelaProfessor : public QMainWindow {
    Q_OBJECT
public:
    static constexpr double FATOR_GRANDE = 1.6;  // "Letras grandes"
    static constexpr double FATOR_MINIMO = 0.8;
    static constexpr double FATOR_MAXIMO = 3.0;

    explicit JanelaProfessor(SalaDeAula& sala, QWidget* pai = nullptr);

    // The pupil whose timeline is shown (0: none).
    int mAlunoEscolhido() const { return linhaTempo.mMostrado(); }
    void mEscolhe(int id);
    // The letters' size against the usual one.
    double mFatorLetras() const { return fatorLetras; }
    void mDefineFatorLetras(double fator);

    // What the buttons do; each answers whether someone got the message.
    bool mEnviaAoAluno();
    bool mEnviaATodos();
    // Writes the lesson's report and opens it; answers its path ("" when it failed).
    QString mRelatorio();

    PerguntasProfessor& mPerguntas() { return perguntas; }
    FiltroTurma& mFiltro() { return filtro; }

protected:
    void changeEvent(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void mCriaMenus();
    QWidget* mCriaCentro();
    void mAtualizaEstado();
    void mAjustaLinhas();
    void mAbrePastaTurmas();
    QString mComoConectar() const;

    SalaDeAula& sala;
    FiltroTurma filtro;
    ModeloLinhaTempo linhaTempo;
    PerguntasProfessor perguntas;
    QTableView* tabelaAlunos = nullptr;
    QTableView* tabelaLinhaTempo = nullptr;
    QGroupBox* caixaLinhaTempo = nullptr;
    QLabel* resumo = nullptr;
    QLabel* contagem = nullptr;
    QCheckBox* esconder = nullptr;
    QLineEdit* mensagem = nullptr;
    QPushButton* botaoAluno = nullptr;
    QPushButton* botaoTodos = nullptr;
    QAction* acaoLetrasGrandes = nullptr;
    double fatorLetras = 1.0;
    double tamanhoBase = 0;  // the usual letter size, in points
    bool linhaTempoNoFim = true;
};
