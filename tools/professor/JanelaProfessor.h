// The teacher's window: the pupils of the class, one row each; the timeline
// of the pupil chosen; a line to write to that pupil or to all. Everything
// works from the keyboard, and the letters grow for a projector.
#pragma once

#include "tools/professor/ModeloLinhaTempo.h"
#include "tools/professor/SalaDeAula.h"

#include <QMainWindow>

class QAction;
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

protected:
    void changeEvent(QEvent* evento) override;

private:
    void mCriaMenus();
    QWidget* mCriaCentro();
    void mAtualizaEstado();
    void mAjustaLinhas();
    void mAbrePastaTurmas();
    QString mComoConectar() const;

    SalaDeAula& sala;
    ModeloLinhaTempo linhaTempo;
    QTableView* tabelaAlunos = nullptr;
    QTableView* tabelaLinhaTempo = nullptr;
    QGroupBox* caixaLinhaTempo = nullptr;
    QLabel* resumo = nullptr;
    QLineEdit* mensagem = nullptr;
    QPushButton* botaoAluno = nullptr;
    QPushButton* botaoTodos = nullptr;
    QAction* acaoLetrasGrandes = nullptr;
    double fatorLetras = 1.0;
    double tamanhoBase = 0;  // the usual letter size, in points
    bool linhaTempoNoFim = true;
};
