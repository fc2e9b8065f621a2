// The editor's window driven as a teacher would: opening, editing from the
// keyboard, the title, the close prompt (answered by a script instead of a
// modal box), the warnings list, and the balance check with its cancel.
#include "editor/GraficoEquilibrio.h"
#include "editor/JanelaEditor.h"

#include <QApplication>
#include <QChart>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <functional>

#include <gtest/gtest.h>

namespace {

constexpr const char* FASE = "15 6\n40 7\n240 1\n\nFase de teste.\n";

class JanelaEditorTeste : public testing::Test {
protected:
    void SetUp() override {
        caminho = pasta.filePath("fase.txt");
        escreve(caminho, FASE);
        auto& perguntas = janela.mPerguntas();
        perguntas.salvarAlteracoes = [this](const QString& nome) {
            perguntasFeitas.push_back(nome);
            if (respostas.empty()) return PerguntasEditor::CANCELAR;  // a question not expected
            const PerguntasEditor::Resposta resposta = respostas.front();
            respostas.pop_front();
            return resposta;
        };
        perguntas.arquivoParaAbrir = [this](const QString&) { return arquivoEscolhido; };
        perguntas.arquivoParaSalvar = [this](const QString&) { return arquivoEscolhido; };
        perguntas.confirmar = [this](const QString& texto) {
            confirmacoes.push_back(texto);
            return confirma;
        };
        perguntas.erro = [this](const QString& texto) { erros.push_back(texto); };
        janela.mDefineDados(QELP_DIR_DP "/valores.txt", QELP_DIR_DP "/");
    }
    static void escreve(const QString& nome, const QByteArray& bytes) {
        QFile arquivo(nome);
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(bytes);
    }
    static QByteArray le(const QString& nome) {
        QFile arquivo(nome);
        return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
    }
    template <typename T>
    T* peca(const char* nome) {
        T* achada = janela.findChild<T*>(nome);
        EXPECT_NE(achada, nullptr) << nome;
        return achada;
    }
    QStringList avisos() {
        QStringList textos;
        auto* lista = peca<QListWidget>("avisos");
        for (int i = 0; i < lista->count(); ++i) textos << lista->item(i)->text();
        return textos;
    }
    void mostraAtiva() {
        janela.show();
        QApplication::setActiveWindow(&janela);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
    }

    QTemporaryDir pasta;
    QString caminho;
    JanelaEditor janela;
    std::deque<PerguntasEditor::Resposta> respostas;
    QStringList perguntasFeitas;
    QStringList erros;
    QStringList confirmacoes;
    bool confirma = false;
    QString arquivoEscolhido;
};

TEST_F(JanelaEditorTeste, TituloMostraOArquivoEAsAlteracoes) {
    EXPECT_EQ(janela.windowTitle(), "QELP - Editor de Fases - sem título[*]");
    ASSERT_TRUE(janela.mAbre(caminho));
    EXPECT_EQ(janela.windowTitle(), "QELP - Editor de Fases - fase.txt[*]");
    EXPECT_FALSE(janela.isWindowModified());
    EXPECT_EQ(peca<QPlainTextEdit>("comentario")->toPlainText(), "Fase de teste.");

    peca<QPlainTextEdit>("comentario")->setPlainText("Fase mudada.");
    EXPECT_TRUE(janela.isWindowModified());
    ASSERT_TRUE(janela.mSalva());
    EXPECT_FALSE(janela.isWindowModified());
    EXPECT_EQ(le(caminho), QByteArray("15 6\n40 7\n240 1\n\nFase mudada.\n"));
}

TEST_F(JanelaEditorTeste, FecharPerguntaSoQuandoHaAlteracoes) {
    ASSERT_TRUE(janela.mAbre(caminho));
    EXPECT_TRUE(janela.close());
    EXPECT_TRUE(perguntasFeitas.isEmpty());
}

TEST_F(JanelaEditorTeste, FecharComAlteracoesSegueAResposta) {
    ASSERT_TRUE(janela.mAbre(caminho));
    janela.mModelo().mDefineTempo(0, 20);

    respostas = {PerguntasEditor::CANCELAR};
    EXPECT_FALSE(janela.close());
    EXPECT_EQ(perguntasFeitas, QStringList{"fase.txt"});
    EXPECT_EQ(le(caminho), QByteArray(FASE));
    EXPECT_TRUE(janela.mModelo().mModificado());

    respostas = {PerguntasEditor::DESCARTAR};
    EXPECT_TRUE(janela.close());
    EXPECT_EQ(le(caminho), QByteArray(FASE));
}

TEST_F(JanelaEditorTeste, FecharESalvarGravaAntes) {
    ASSERT_TRUE(janela.mAbre(caminho));
    janela.mModelo().mDefineTempo(0, 20);
    respostas = {PerguntasEditor::SALVAR};
    EXPECT_TRUE(janela.close());
    EXPECT_EQ(le(caminho), QByteArray("20 6\n40 7\n240 1\n\nFase de teste.\n"));
}

TEST_F(JanelaEditorTeste, FaseNovaSalvaPedeOArquivoEDesistirNaoFecha) {
    janela.mModelo().mInsere(0, {10, 1});
    respostas = {PerguntasEditor::SALVAR};
    arquivoEscolhido.clear();  // the teacher closes the file dialog
    EXPECT_FALSE(janela.close());
    EXPECT_TRUE(janela.mModelo().mModificado());

    arquivoEscolhido = pasta.filePath("nova.txt");
    respostas = {PerguntasEditor::SALVAR};
    EXPECT_TRUE(janela.close());
    EXPECT_EQ(le(arquivoEscolhido), QByteArray("10 1\n"));
}

TEST_F(JanelaEditorTeste, AbrirOutraFasePerguntaAntesEArquivoRuimAvisa) {
    ASSERT_TRUE(janela.mAbre(caminho));
    janela.mModelo().mDefineTempo(0, 20);
    const QString ruim = pasta.filePath("figura.bmp");
    escreve(ruim, QByteArray("BM\0\0\0", 5));
    respostas = {PerguntasEditor::DESCARTAR};
    EXPECT_FALSE(janela.mAbre(ruim));
    ASSERT_EQ(erros.size(), 1);
    EXPECT_TRUE(erros[0].contains("figura.bmp"));
    EXPECT_EQ(janela.windowTitle(), "QELP - Editor de Fases - fase.txt[*]");

    respostas = {PerguntasEditor::CANCELAR};
    arquivoEscolhido = caminho;
    EXPECT_FALSE(janela.mAbreEscolhendo());
    EXPECT_EQ(janela.mModelo().mPares()[0].tempo, 20) << "kept, as the teacher asked";
}

TEST_F(JanelaEditorTeste, DescartarEAbrirOutraPerguntaUmaVezSo) {
    ASSERT_TRUE(janela.mAbre(caminho));
    janela.mModelo().mDefineTempo(0, 20);
    arquivoEscolhido = pasta.filePath("outra.txt");
    escreve(arquivoEscolhido, "30 1\n");
    respostas = {PerguntasEditor::DESCARTAR};
    EXPECT_TRUE(janela.mAbreEscolhendo());
    EXPECT_EQ(perguntasFeitas, QStringList{"fase.txt"});
    EXPECT_EQ(janela.mModelo().mPares(), (std::vector<ParFase>{{30, 1}}));
}

TEST_F(JanelaEditorTeste, ArquivoQueNaoEFaseAvisaENaoESalvoPorCimaSemPerguntar) {
    const QByteArray valores = "=====\n QELP - valores especiais\n=====\nazul 10 ;\n";
    escreve(caminho, valores);
    ASSERT_TRUE(janela.mAbre(caminho));
    ASSERT_EQ(erros.size(), 1);
    EXPECT_TRUE(erros[0].contains("\"fase.txt\" não parece um arquivo de fase")) << erros[0].toStdString();

    janela.mInsereEvento();
    confirma = false;
    EXPECT_FALSE(janela.mSalva());
    EXPECT_EQ(confirmacoes.size(), 1);
    EXPECT_EQ(le(caminho), valores);
    respostas = {PerguntasEditor::SALVAR};
    EXPECT_FALSE(janela.close()) << "saving was refused, so the window stays";
    EXPECT_EQ(le(caminho), valores);

    // Saved elsewhere, or over it once confirmed.
    arquivoEscolhido = pasta.filePath("nova.txt");
    EXPECT_TRUE(janela.mSalvaComo());
    EXPECT_EQ(confirmacoes.size(), 2) << "no question for a new file";
    EXPECT_TRUE(le(arquivoEscolhido).startsWith("10 2\n"));
    ASSERT_TRUE(janela.mAbre(caminho));
    janela.mInsereEvento();
    confirma = true;
    EXPECT_TRUE(janela.mSalva());
    EXPECT_TRUE(le(caminho).startsWith("10 2\n"));
    EXPECT_EQ(confirmacoes.size(), 3);

    // A phase that is a phase is saved without a question.
    ASSERT_TRUE(janela.mAbre(caminho));
    janela.mModelo().mDefineTempo(0, 11);
    EXPECT_TRUE(janela.mSalva());
    EXPECT_EQ(confirmacoes.size(), 3);
}

TEST_F(JanelaEditorTeste, DesfazerERefazerCadaEdicao) {
    ASSERT_TRUE(janela.mAbre(caminho));
    mostraAtiva();
    auto* tabela = peca<QTableView>("tabela");
    tabela->setFocus();
    using Pares = std::vector<ParFase>;
    ModeloFase& modelo = janela.mModelo();
    const struct {
        std::function<void()> edita;
        Pares depois;
        const char* desfazer;  // the menu entry's text afterwards
    } edicoes[] = {
        {[&] { janela.mEscolhe(0); janela.mInsereEvento(); }, {{15, 6}, {27, 2}, {40, 7}, {240, 1}},
         "&Desfazer inserção de evento"},
        {[&] { modelo.mDefineTempo(1, 300); }, {{15, 6}, {300, 2}, {40, 7}, {240, 1}}, "&Desfazer mudança de tempo"},
        {[&] { modelo.mDefineEvento(1, 9); }, {{15, 6}, {300, 9}, {40, 7}, {240, 1}}, "&Desfazer mudança de evento"},
        {[&] { janela.mEscolhe(0); janela.mMoveEvento(+1); }, {{300, 9}, {15, 6}, {40, 7}, {240, 1}},
         "&Desfazer mudança de posição"},
        {[&] { janela.mOrdena(); }, {{15, 6}, {40, 7}, {240, 1}, {300, 9}}, "&Desfazer ordenação"},
        {[&] { janela.mEscolhe(1); janela.mExcluiEvento(); }, {{15, 6}, {240, 1}, {300, 9}},
         "&Desfazer exclusão de evento"},
    };
    QAction* desfazer = nullptr;
    for (QAction* acao : janela.findChildren<QAction*>())
        if (acao->shortcut() == QKeySequence(QKeySequence::Undo)) desfazer = acao;
    ASSERT_NE(desfazer, nullptr);
    EXPECT_FALSE(desfazer->isEnabled()) << "nothing to undo in a phase just opened";

    std::vector<Pares> estados{modelo.mPares()};
    for (const auto& edicao : edicoes) {
        edicao.edita();
        QApplication::processEvents();
        ASSERT_EQ(modelo.mPares(), edicao.depois);
        EXPECT_EQ(desfazer->text(), edicao.desfazer);
        estados.push_back(edicao.depois);
    }
    tabela->setFocus();
    for (std::size_t i = estados.size() - 1; i > 0; --i) {
        QTest::keyClick(tabela, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(modelo.mPares(), estados[i - 1]) << "undo " << i;
    }
    EXPECT_FALSE(janela.isWindowModified()) << "all undone: the file as it is";
    for (std::size_t i = 1; i < estados.size(); ++i) {
        QTest::keyClick(tabela, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(modelo.mPares(), estados[i]) << "redo " << i;
    }
    EXPECT_EQ(janela.mLinhaEscolhida(), 1) << "the row the redone deletion left chosen";

    respostas = {PerguntasEditor::DESCARTAR};
    ASSERT_TRUE(janela.mAbre(caminho));
    EXPECT_FALSE(desfazer->isEnabled()) << "another phase, nothing to undo";
}

TEST_F(JanelaEditorTeste, DigitarOCodigoEscolheOEvento) {
    ASSERT_TRUE(janela.mAbre(caminho));
    mostraAtiva();
    auto* tabela = peca<QTableView>("tabela");
    const int intervalo = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(3600 * 1000);  // the digits of one code, however slow the machine
    const struct {
        std::vector<Qt::Key> teclas;
        int32_t evento;
    } casos[] = {
        {{Qt::Key_1}, 1}, {{Qt::Key_1, Qt::Key_0}, 10}, {{Qt::Key_7}, 7}, {{Qt::Key_1, Qt::Key_5}, 5},
    };
    for (const auto& caso : casos) {
        tabela->setFocus();
        tabela->setCurrentIndex(janela.mModelo().index(0, ModeloFase::COLUNA_EVENTO));
        for (const Qt::Key tecla : caso.teclas) QTest::keyClick(QApplication::focusWidget(), tecla);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();  // the delegate commits on its next turn
        EXPECT_EQ(janela.mModelo().mPares()[0].evento, caso.evento) << caso.teclas.size() << " teclas";
    }
    QApplication::setKeyboardInputInterval(intervalo);
}

TEST_F(JanelaEditorTeste, ListaDeAvisosAcompanhaAFase) {
    escreve(caminho, "15 6\n40 17\n");
    ASSERT_TRUE(janela.mAbre(caminho));
    const QStringList antes = avisos();
    ASSERT_EQ(antes.size(), 2);
    EXPECT_TRUE(antes.filter("não existe").size() == 1) << antes.join('|').toStdString();
    EXPECT_TRUE(antes.filter("fim da partida").size() == 1) << antes.join('|').toStdString();

    janela.mModelo().mDefineEvento(1, 1);
    EXPECT_EQ(avisos(), QStringList{"Nenhum aviso: o jogo usará a fase como ela está."});
}

TEST_F(JanelaEditorTeste, TecladoInsereMoveEExcluiEventos) {
    ASSERT_TRUE(janela.mAbre(caminho));
    mostraAtiva();
    auto* tabela = peca<QTableView>("tabela");
    tabela->setFocus();
    janela.mEscolhe(0);

    QTest::keyClick(tabela, Qt::Key_Insert);
    ASSERT_EQ(janela.mModelo().rowCount(), 4);
    EXPECT_EQ(janela.mModelo().mPares()[1], (ParFase{27, 2}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);  // leaves the time as proposed

    janela.mEscolhe(1);
    QTest::keyClick(tabela, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(janela.mLinhaEscolhida(), 2);
    EXPECT_EQ(janela.mModelo().mPares()[2], (ParFase{27, 2}));

    QTest::keyClick(tabela, Qt::Key_Delete);
    EXPECT_EQ(janela.mModelo().mPares(), (std::vector<ParFase>{{15, 6}, {40, 7}, {240, 1}}));
    EXPECT_FALSE(janela.isWindowModified()) << "back to the file";

    // Delete while typing the comment deletes text, not an event.
    auto* comentario = peca<QPlainTextEdit>("comentario");
    comentario->setFocus();
    comentario->moveCursor(QTextCursor::Start);
    QTest::keyClick(comentario, Qt::Key_Delete);
    EXPECT_EQ(janela.mModelo().rowCount(), 3);
    EXPECT_EQ(comentario->toPlainText(), "ase de teste.");
}

TEST_F(JanelaEditorTeste, VerificarEquilibrioMostraOGraficoEAsCores) {
    escreve(caminho, "2 9\n5 1\n");
    ASSERT_TRUE(janela.mAbre(caminho));
    peca<QSpinBox>("sementes")->setValue(2);
    QSignalSpy terminou(&janela.mExecucao(), &ExecucaoEquilibrio::terminou);

    peca<QPushButton>("verificar")->click();
    EXPECT_TRUE(janela.mExecucao().mRodando());
    EXPECT_FALSE(peca<QPushButton>("verificar")->isEnabled()) << "one check at a time";
    EXPECT_TRUE(peca<QPushButton>("cancelar")->isEnabled());
    EXPECT_FALSE(janela.mExecucao().mInicia({}));
    janela.mExecucao().mAguarda();

    ASSERT_EQ(terminou.count(), 1);
    EXPECT_FALSE(janela.mExecucao().mRodando());
    EXPECT_TRUE(peca<QPushButton>("verificar")->isEnabled());
    EXPECT_FALSE(peca<QPushButton>("cancelar")->isEnabled());
    EXPECT_FALSE(peca<QProgressBar>("progresso")->isVisible());
    const QString contagens = peca<QLabel>("contagens")->property("contagens").toString();
    EXPECT_TRUE(QRegularExpression("^sozinho: .+; com cuidado: .+$").match(contagens).hasMatch())
        << contagens.toStdString();
    EXPECT_TRUE(peca<QLabel>("contagens")->text().contains("2 partidas"));
    const QString veredito = peca<QLabel>("contagens")->property("veredito").toString();
    EXPECT_TRUE(QRegularExpression("^Esta fase é (fácil|equilibrada|difícil|impossível de vencer): .+ de 2 partidas")
                    .match(veredito).hasMatch())
        << veredito.toStdString();
    EXPECT_TRUE(peca<QLabel>("contagens")->text().contains(veredito.toHtmlEscaped())) << "shown with the counts";
    auto* grafico = peca<GraficoEquilibrio>("grafico");
    EXPECT_EQ(grafico->chart()->series().size(), 4) << "a band and a median for each kind";
    ASSERT_EQ(grafico->mMarcas().size(), 2u);
    EXPECT_EQ(grafico->mMarcas()[0].texto, "esgoto doméstico");
    EXPECT_TRUE(grafico->isEnabled());

    janela.mModelo().mDefineTempo(0, 3);
    EXPECT_FALSE(grafico->isEnabled()) << "the chart is of the phase before the change";
    EXPECT_TRUE(peca<QLabel>("contagens")->text().contains("A fase mudou"));

    // A check cancelled midway leaves the last result as it was.
    peca<QSpinBox>("sementes")->setValue(1000);
    peca<QPushButton>("verificar")->click();
    peca<QPushButton>("cancelar")->click();
    janela.mExecucao().mAguarda();
    EXPECT_EQ(grafico->chart()->series().size(), 4);
    EXPECT_TRUE(peca<QLabel>("contagens")->text().contains("A fase mudou"));
    janela.mModelo().mDefineTempo(0, 2);
    EXPECT_TRUE(grafico->isEnabled()) << "back to the phase of the chart";
    EXPECT_FALSE(peca<QLabel>("contagens")->text().contains("A fase mudou"));
}

TEST_F(JanelaEditorTeste, CancelarParaAVerificacaoSemResultado) {
    ASSERT_TRUE(janela.mAbre(caminho));
    peca<QSpinBox>("sementes")->setValue(1000);
    QSignalSpy cancelada(&janela.mExecucao(), &ExecucaoEquilibrio::cancelada);
    QSignalSpy terminou(&janela.mExecucao(), &ExecucaoEquilibrio::terminou);

    peca<QPushButton>("verificar")->click();
    peca<QPushButton>("cancelar")->click();
    janela.mExecucao().mAguarda();

    EXPECT_EQ(cancelada.count(), 1);
    EXPECT_EQ(terminou.count(), 0);
    EXPECT_LT(janela.mExecucao().mFeitas(), 2000u);
    EXPECT_TRUE(peca<QPushButton>("verificar")->isEnabled());
    EXPECT_TRUE(peca<GraficoEquilibrio>("grafico")->chart()->series().isEmpty());
    EXPECT_TRUE(peca<QLabel>("contagens")->text().isEmpty());
}

TEST_F(JanelaEditorTeste, VerificarSemOsDadosExplicaOProblema) {
    escreve(caminho, "5 1\n");
    ASSERT_TRUE(janela.mAbre(caminho));
    janela.mDefineDados("nao/existe/valores.txt", "nao/existe/");
    peca<QSpinBox>("sementes")->setValue(1);
    peca<QPushButton>("verificar")->click();
    janela.mExecucao().mAguarda();
    ASSERT_EQ(erros.size(), 1);
    EXPECT_TRUE(erros[0].contains("nao/existe/valores.txt")) << erros[0].toStdString();
    EXPECT_TRUE(peca<GraficoEquilibrio>("grafico")->chart()->series().isEmpty());
}

}  // namespace
