// The teacher's window over a live session: choosing a pupil, writing from
// the keyboard, the letters for a projector.
#include "tests/professor/Turma.h"
#include "tools/professor/JanelaProfessor.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

class JanelaProfessorTeste : public TurmaTeste {
protected:
    template <typename T>
    T* peca(const char* nome) {
        auto* achada = janela->findChild<T*>(nome);
        EXPECT_NE(achada, nullptr) << nome;
        return achada;
    }
    void SetUp() override {
        TurmaTeste::SetUp();
        janela = std::make_unique<JanelaProfessor>(sala);
        janela->show();
    }
    std::unique_ptr<JanelaProfessor> janela;
};

}  // namespace

TEST_F(JanelaProfessorTeste, EnterEnviaAoAlunoEscolhido) {
    Jogo& ana = conecta();
    Jogo& bia = conecta();
    auto* mensagem = peca<QLineEdit>("mensagem");
    auto* botaoAluno = peca<QPushButton>("enviarAluno");
    auto* botaoTodos = peca<QPushButton>("enviarTodos");

    // Nobody chosen: Enter sends nothing, and the buttons say so.
    janela->mEscolhe(0);
    EXPECT_EQ(janela->mAlunoEscolhido(), 0);
    mensagem->setFocus();
    QTest::keyClicks(mensagem, "Muito bem!");
    EXPECT_FALSE(botaoAluno->isEnabled());
    EXPECT_TRUE(botaoTodos->isEnabled());
    QTest::keyClick(mensagem, Qt::Key_Return);
    EXPECT_EQ(mensagem->text(), "Muito bem!");

    janela->mEscolhe(aluno(bia)->id);
    EXPECT_EQ(janela->mAlunoEscolhido(), aluno(bia)->id);
    EXPECT_TRUE(botaoAluno->isEnabled());
    QTest::keyClick(mensagem, Qt::Key_Return);
    EXPECT_TRUE(mensagem->text().isEmpty());
    EXPECT_FALSE(botaoAluno->isEnabled());

    mensagem->setText("Atenção, turma");
    QTest::keyClick(mensagem, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(mensagem->text().isEmpty());
    const QByteArray todos = QString("Atenção, turma\r\n").toUtf8();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ana.mRecebido() == todos && bia.mRecebido().endsWith(todos); }, ESPERA_MS));
    EXPECT_EQ(bia.mRecebido(), "Muito bem!\r\n" + todos);
}

TEST_F(JanelaProfessorTeste, LinhaDoTempoDoEscolhidoAcompanhaOsTermos) {
    Jogo& ana = conecta();
    Jogo& bia = conecta();
    janela->mEscolhe(aluno(ana)->id);
    auto* tabela = peca<QTableView>("linhaTempo");
    bia.mEscreve(ecometro(10));
    ana.mEscreve(ecometro(90) + "olá" + acao("e4", 3));
    ASSERT_TRUE(QTest::qWaitFor([&] { return tabela->model()->rowCount() == 4; }, ESPERA_MS));
    const auto texto = [&](int linha) { return tabela->model()->index(linha, ModeloLinhaTempo::ACONTECIMENTO).data().toString(); };
    EXPECT_EQ(texto(1), "ecômetro 90 % (verde)");
    EXPECT_EQ(texto(2), "texto: olá");
    EXPECT_EQ(texto(3), "Acelerar degradação (Mãe Natureza), passo 3");
    // The pupil leaving: the button to write to them goes grey.
    ana.socket.disconnectFromHost();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tabela->model()->rowCount() == 5; }, ESPERA_MS));
    peca<QLineEdit>("mensagem")->setText("volte");
    EXPECT_FALSE(peca<QPushButton>("enviarAluno")->isEnabled());
    EXPECT_FALSE(janela->mEnviaAoAluno());
    EXPECT_TRUE(peca<QPushButton>("enviarTodos")->isEnabled());  // Bia is still here
}

TEST_F(JanelaProfessorTeste, LetrasGrandesAumentamAJanelaInteira) {
    auto* alunos = peca<QTableView>("alunos");
    const qreal normal = alunos->font().pointSizeF();
    const int linhaNormal = alunos->verticalHeader()->defaultSectionSize();
    janela->mDefineFatorLetras(JanelaProfessor::FATOR_GRANDE);
    EXPECT_NEAR(alunos->font().pointSizeF(), normal * JanelaProfessor::FATOR_GRANDE, 0.01);
    EXPECT_NEAR(peca<QLineEdit>("mensagem")->font().pointSizeF(), normal * JanelaProfessor::FATOR_GRANDE, 0.01);
    EXPECT_GT(alunos->verticalHeader()->defaultSectionSize(), linhaNormal);
    janela->mDefineFatorLetras(100);
    EXPECT_EQ(janela->mFatorLetras(), JanelaProfessor::FATOR_MAXIMO);
    janela->mDefineFatorLetras(1.0);
    EXPECT_NEAR(alunos->font().pointSizeF(), normal, 0.01);
}
