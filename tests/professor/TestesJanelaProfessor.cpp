// The teacher's window over a live session: choosing a pupil, writing from
// the keyboard, the letters for a projector.
#include "tests/professor/Turma.h"
#include "professor/JanelaProfessor.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QUrl>
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
        auto& perguntas = janela->mPerguntas();
        perguntas.fecharComAlunos = [this](int conectados) {
            perguntasFechar.push_back(conectados);
            return fecha;
        };
        perguntas.abreNoNavegador = [this](const QUrl& arquivo) {
            abertos.push_back(arquivo);
            return true;
        };
        perguntas.erro = [this](const QString& texto) { erros << texto; };
        janela->show();
    }
    // The names in the table's rows, as shown.
    QStringList nomes() {
        auto* tabela = peca<QTableView>("alunos");
        QStringList nomes;
        for (int linha = 0; linha < tabela->model()->rowCount(); ++linha)
            nomes << tabela->model()->index(linha, ModeloTurma::NOME).data().toString();
        return nomes;
    }
    std::unique_ptr<JanelaProfessor> janela;
    std::vector<int> perguntasFechar;
    bool fecha = false;
    std::vector<QUrl> abertos;
    QStringList erros;
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

TEST_F(JanelaProfessorTeste, VermelhoPrimeiroEsconderQuemSaiuEContagem) {
    Jogo& ana = conecta();
    Jogo& bia = conecta();
    Jogo& caio = conecta();
    ana.mEscreve(nomeado(termoAluno("Ana")) + ecometro(80));
    bia.mEscreve(nomeado(termoAluno("Bia")) + ecometro(20));
    caio.mEscreve(nomeado(termoAluno("Caio")) + ecometro(50));
    ASSERT_TRUE(QTest::qWaitFor([&] { return aluno(caio)->ecometro == 50 && aluno(ana)->ecometro == 80; }, ESPERA_MS));
    EXPECT_EQ(nomes(), (QStringList{"Bia", "Caio", "Ana"})) << "red first";
    EXPECT_EQ(peca<QLabel>("contagem")->text(), "1 verde · 1 amarelo · 1 vermelho · 0 terminaram");

    // Sorted by name on request; the chosen pupil stays chosen.
    janela->mEscolhe(aluno(caio)->id);
    peca<QTableView>("alunos")->sortByColumn(ModeloTurma::NOME, Qt::AscendingOrder);
    EXPECT_EQ(nomes(), (QStringList{"Ana", "Bia", "Caio"}));
    EXPECT_EQ(janela->mAlunoEscolhido(), aluno(caio)->id);

    bia.socket.disconnectFromHost();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !aluno(bia)->mConectado(); }, ESPERA_MS));
    peca<QCheckBox>("esconder")->setChecked(true);
    EXPECT_EQ(nomes(), (QStringList{"Ana", "Caio"}));
    EXPECT_EQ(peca<QLabel>("contagem")->text(), "1 verde · 1 amarelo · 0 vermelho · 0 terminaram");
    peca<QCheckBox>("esconder")->setChecked(false);
    EXPECT_EQ(nomes().size(), 3);
}

TEST_F(JanelaProfessorTeste, FecharComAlunosPerguntaAntes) {
    EXPECT_TRUE(janela->close()) << "nobody connected: no question";
    EXPECT_TRUE(perguntasFechar.empty());
    janela->show();
    conecta();
    conecta();
    fecha = false;
    EXPECT_FALSE(janela->close());
    EXPECT_EQ(perguntasFechar, std::vector<int>{2});
    EXPECT_TRUE(janela->isVisible());
    fecha = true;
    EXPECT_TRUE(janela->close());
}

TEST_F(JanelaProfessorTeste, RelatorioDaAulaAbreNoNavegador) {
    Jogo& ana = conecta();
    ana.mEscreve(nomeado(termoAluno("Ana <3")) + nomeado(termoInicioPartida("fase1.txt", 1)) + ecometro(80) +
                 acao("e1", 3) + acao("e1", 9) + nomeado(termoDiz("terminei & ganhei")) +
                 nomeado(termoFimPartida(75, ECOMETRO_VERDE)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return aluno(ana)->partida == Aluno::TERMINOU; }, ESPERA_MS));
    const QString caminho = janela->mRelatorio();
    ASSERT_FALSE(caminho.isEmpty()) << erros.join('|').toStdString();
    ASSERT_EQ(abertos.size(), 1u);
    EXPECT_EQ(abertos[0], QUrl::fromLocalFile(caminho));
    QFile arquivo(caminho);
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(arquivo.readAll());
    for (const char* esperado : {"<td>Ana &lt;3</td>", "<td>fase1.txt</td>", "<td>terminou</td>",
                                 "<td class=\"verde\">75 % verde</td>", "2 × Abrir sol (Mãe Natureza)",
                                 "<li>terminei &amp; ganhei</li>", "0 verde · 0 amarelo · 0 vermelho · 1 terminou",
                                 "@media print"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(esperado))) << esperado;
    // A second report in the same minute keeps the first.
    EXPECT_NE(janela->mRelatorio(), caminho);
}
