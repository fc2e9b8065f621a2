// The game's dialogs driven as a pupil drives them, by keyboard and mouse.
#include "app/DlgColega.h"
#include "app/DlgConfigurar.h"
#include "app/DlgIniciarPartida.h"
#include "app/DlgSobre.h"
#include "core/match/Personagens.h"
#include "tests/comum/DiretorioTemporario.h"
#include "tests/comum/PlataformaRoteiro.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

namespace {

// Shows a dialog as the active window, without running its loop.
template <typename Dialogo>
void mostra(Dialogo& dialogo) {
    dialogo.show();
    QApplication::setActiveWindow(&dialogo);
}

// A key press to whatever has the focus in the dialog, shortcuts first.
void tecla(QWidget& dialogo, Qt::Key tecla, Qt::KeyboardModifiers modificadores = Qt::NoModifier) {
    QWidget* foco = dialogo.focusWidget() ? dialogo.focusWidget() : &dialogo;
    QTest::keyClick(foco, tecla, modificadores);
}

// A mnemonic, Alt + letter: Qt presses its button at once and clicks it
// when the button's short press animation ends.
void atalho(QWidget& dialogo, Qt::Key letra) {
    tecla(dialogo, letra, Qt::AltModifier);
    QAbstractButton* pressionado = nullptr;
    for (QAbstractButton* botao : dialogo.findChildren<QAbstractButton*>())
        if (botao->isDown()) pressionado = botao;
    ASSERT_NE(pressionado, nullptr) << "no button has that mnemonic";
    ASSERT_TRUE(QTest::qWaitFor([pressionado] { return !pressionado->isDown(); }));
}

QString texto(QWidget& dialogo, const char* id) { return dialogo.findChild<QLabel*>(id)->text(); }

// --- "Configurar"

class Configurar : public testing::Test {
protected:
    PlataformaRoteiro plataforma;
};

TEST_F(Configurar, MarcadoresSeguemOTamanho) {
    struct Caso {
        uint32_t tamanho;
        const char* pequena;
        const char* grande;
    };
    for (const Caso& caso : {Caso{70, ">>>", " "}, Caso{90, " ", ">>>"}, Caso{50, " ", " "}}) {
        DlgConfigurar dialogo(nullptr, "fase1.txt", caso.tamanho);
        EXPECT_EQ(texto(dialogo, "1006"), caso.pequena) << caso.tamanho;
        EXPECT_EQ(texto(dialogo, "1007"), caso.grande) << caso.tamanho;
    }
}

TEST_F(Configurar, GrandePeloTecladoEFecharComEnter) {
    DlgConfigurar dialogo(nullptr, "dp/fase1.txt", 70);
    mostra(dialogo);
    EXPECT_EQ(dialogo.windowTitle(), "Configurar");
    EXPECT_EQ(dialogo.findChild<QLineEdit*>("1001")->text(), "dp/fase1.txt");
    atalho(dialogo, Qt::Key_G);
    EXPECT_EQ(texto(dialogo, "1006"), " ");
    EXPECT_EQ(texto(dialogo, "1007"), ">>>");
    EXPECT_TRUE(dialogo.isVisible()) << "a size button does not close";
    atalho(dialogo, Qt::Key_P);
    atalho(dialogo, Qt::Key_G);
    tecla(dialogo, Qt::Key_Return);
    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    EXPECT_EQ(dialogo.mTamanho(), 90u);
    EXPECT_EQ(dialogo.mFase(), "dp/fase1.txt");
}

TEST_F(Configurar, NomeEditadoLimitadoA299) {
    DlgConfigurar dialogo(nullptr, "", 70);
    mostra(dialogo);
    QLineEdit* campo = dialogo.findChild<QLineEdit*>("1001");
    QTest::keyClicks(campo, QString(320, 'x'));
    QTest::mouseClick(dialogo.findChild<QPushButton*>("1"), Qt::LeftButton);
    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    EXPECT_EQ(dialogo.mFase(), std::string(299, 'x'));
}

// A name written by an older program in Windows-1252 shows readably, and
// comes back byte for byte unless the pupil changes it; UTF-8 stays UTF-8.
TEST_F(Configurar, NomeEmWindows1252MostradoLegivelEDevolvidoIgual) {
    const std::string cp1252 = "fase\xE7\xE3o.txt";
    DlgConfigurar dialogo(nullptr, cp1252, 70);
    QLineEdit* campo = dialogo.findChild<QLineEdit*>("1001");
    EXPECT_EQ(campo->text(), "faseção.txt");
    EXPECT_EQ(dialogo.mFase(), cp1252);
    campo->setText("outra.txt");
    EXPECT_EQ(dialogo.mFase(), "outra.txt");
    campo->setText("faseção.txt");
    EXPECT_EQ(dialogo.mFase(), cp1252) << "typed back as it was shown";
    DlgConfigurar utf8(nullptr, "lição.txt", 70);
    EXPECT_EQ(utf8.findChild<QLineEdit*>("1001")->text(), "lição.txt");
    EXPECT_EQ(utf8.mFase(), "lição.txt");
}

TEST_F(Configurar, EscFechaSemAceitar) {
    DlgConfigurar dialogo(nullptr, "a.txt", 90);
    mostra(dialogo);
    atalho(dialogo, Qt::Key_P);
    tecla(dialogo, Qt::Key_Escape);
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(dialogo.result(), QDialog::Rejected);
}

// --- "Iniciar Partida"

class IniciarPartida : public testing::Test {
protected:
    IniciarPartida() {
        // The portraits the buttons show, from the game's data.
        std::filesystem::copy(QELP_DIR_DP, diretorio.mCaminho() / "dp",
                              std::filesystem::copy_options::recursive);
    }
    PlataformaRoteiro plataforma;
    DiretorioTemporario diretorio;
};

TEST_F(IniciarPartida, AbreComOPersonagemEAFaseAtuais) {
    DlgIniciarPartida dialogo(nullptr, PREFEITO, "minha.fase");
    mostra(dialogo);
    EXPECT_EQ(dialogo.windowTitle(), "Iniciar Partida");
    EXPECT_EQ(texto(dialogo, "1004"), "Prefeito");
    EXPECT_EQ(dialogo.findChild<QLineEdit*>("1005")->text(), "minha.fase");
    const std::array<QString, 4> legendas = {"&Mãe Natureza", "Pe&scador", "&Prefeito", "&Turista"};
    for (int c = 0; c < 4; ++c) {
        QToolButton* botao = dialogo.findChild<QToolButton*>(QString::number(1000 + c));
        ASSERT_NE(botao, nullptr);
        EXPECT_EQ(botao->text(), legendas[static_cast<std::size_t>(c)]);
        EXPECT_FALSE(botao->icon().isNull()) << "the portrait";
    }
    EXPECT_TRUE(dialogo.findChild<QToolButton*>("1002")->isChecked());
    EXPECT_EQ(dialogo.findChild<QPushButton*>("1")->text(), "&Iniciar Partida");
    EXPECT_TRUE(dialogo.findChild<QPushButton*>("1")->isDefault());
    EXPECT_EQ(dialogo.findChild<QPushButton*>("2")->text(), "&Cancelar");
}

TEST_F(IniciarPartida, EscolhaENomeDigitadoSaoDevolvidos) {
    DlgIniciarPartida dialogo(nullptr, MAE_NATUREZA, "");
    mostra(dialogo);
    atalho(dialogo, Qt::Key_S);
    EXPECT_EQ(texto(dialogo, "1004"), "Pescador");
    EXPECT_TRUE(dialogo.isVisible()) << "a character button does not close";
    QTest::mouseClick(dialogo.findChild<QToolButton*>("1003"), Qt::LeftButton);
    EXPECT_EQ(texto(dialogo, "1004"), "Turista");
    EXPECT_EQ(dialogo.mPersonagem(), TURISTA);
    QTest::keyClicks(dialogo.findChild<QLineEdit*>("1005"), "dp/fase2.txt");
    EXPECT_EQ(dialogo.mFase(), "dp/fase2.txt") << "copied at every edit";
    tecla(dialogo, Qt::Key_Return);
    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    EXPECT_EQ(dialogo.mPersonagem(), TURISTA);
    EXPECT_EQ(dialogo.mFase(), "dp/fase2.txt");
}

TEST_F(IniciarPartida, NomeEmWindows1252EBotaoDeProcurar) {
    const std::string cp1252 = "fase\xE7\xE3o.txt";
    DlgIniciarPartida dialogo(nullptr, MAE_NATUREZA, cp1252);
    EXPECT_EQ(dialogo.findChild<QLineEdit*>("1005")->text(), "faseção.txt");
    EXPECT_EQ(dialogo.mFase(), cp1252) << "the file is found by its own bytes";
    QTest::keyClicks(dialogo.findChild<QLineEdit*>("1005"), "x");
    EXPECT_EQ(dialogo.mFase(), "faseção.txtx");
    QToolButton* procurar = dialogo.findChild<QToolButton*>("1006");
    ASSERT_NE(procurar, nullptr);
    EXPECT_EQ(procurar->text(), "...");

    const QString aqui = QDir::currentPath();
    EXPECT_EQ(nomeDaFaseEscolhida(aqui + "/dp/aula7.txt"), "dp/aula7.txt");
    EXPECT_EQ(nomeDaFaseEscolhida("/outro/lugar/aula7.txt"), "/outro/lugar/aula7.txt");
}

TEST_F(IniciarPartida, EnterNumBotaoDePersonagemIniciaAPartida) {
    DlgIniciarPartida dialogo(nullptr, PESCADOR, "x.fase");
    mostra(dialogo);
    ASSERT_EQ(dialogo.focusWidget(), dialogo.findChild<QToolButton*>("1001"));
    tecla(dialogo, Qt::Key_Return);
    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    EXPECT_EQ(dialogo.mPersonagem(), PESCADOR);
}

TEST_F(IniciarPartida, CancelarEEscNaoAceitam) {
    for (const bool porEsc : {true, false}) {
        DlgIniciarPartida dialogo(nullptr, MAE_NATUREZA, "a.fase");
        mostra(dialogo);
        if (porEsc) tecla(dialogo, Qt::Key_Escape);
        else atalho(dialogo, Qt::Key_C);
        EXPECT_FALSE(dialogo.isVisible());
        EXPECT_EQ(dialogo.result(), QDialog::Rejected);
    }
}

// --- the colleague's character

class Colega : public IniciarPartida {};

TEST_F(Colega, BotoesDosOutrosTresNaOrdemDaTabela) {
    const std::array<std::array<QString, 3>, 4> esperado = {{
        {"Pescador", "Prefeito", "Turista"},
        {"Mãe Natureza", "Prefeito", "Turista"},
        {"Pescador", "Mãe Natureza", "Turista"},
        {"Pescador", "Prefeito", "Mãe Natureza"},
    }};
    for (uint32_t c = 0; c < 4; ++c) {
        DlgColega dialogo(nullptr, c);
        EXPECT_EQ(dialogo.windowTitle(), "QELP");
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(dialogo.findChild<QToolButton*>(QString::number(1000 + i))->text(),
                      esperado[c][static_cast<std::size_t>(i)])
                << c << " " << i;
    }
}

TEST_F(Colega, BotaoFechaComSeuPersonagem) {
    DlgColega dialogo(nullptr, PREFEITO);
    mostra(dialogo);
    QTest::mouseClick(dialogo.findChild<QToolButton*>("1001"), Qt::LeftButton);
    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    EXPECT_EQ(dialogo.mColega(), MAE_NATUREZA);
}

TEST_F(Colega, EnterNaoFazNadaEEspacoEscolheEEscCancela) {
    DlgColega dialogo(nullptr, MAE_NATUREZA);
    mostra(dialogo);
    dialogo.findChild<QToolButton*>("1002")->setFocus();
    tecla(dialogo, Qt::Key_Return);
    tecla(dialogo, Qt::Key_Enter);
    EXPECT_TRUE(dialogo.isVisible());
    tecla(dialogo, Qt::Key_Space);
    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    EXPECT_EQ(dialogo.mColega(), TURISTA);

    DlgColega outro(nullptr, MAE_NATUREZA);
    mostra(outro);
    tecla(outro, Qt::Key_Escape);
    EXPECT_FALSE(outro.isVisible());
    EXPECT_EQ(outro.result(), QDialog::Rejected);
}

// --- "Sobre"

class Sobre : public testing::Test {
protected:
    PlataformaRoteiro plataforma;
};

TEST_F(Sobre, TemOsCreditosEFechaComEnterOuEsc) {
    for (const Qt::Key fecha : {Qt::Key_Return, Qt::Key_Escape}) {
        DlgSobre dialogo(nullptr);
        mostra(dialogo);
        EXPECT_EQ(dialogo.windowTitle(), "Sobre");
        bool temCreditos = false;
        for (const QGroupBox* grupo : dialogo.findChildren<QGroupBox*>())
            temCreditos |= grupo->title() == "Desenvolvimento";
        EXPECT_TRUE(temCreditos);
        tecla(dialogo, fecha);
        EXPECT_FALSE(dialogo.isVisible());
    }
}

TEST_F(Sobre, LicencaNoEditorDeTexto) {
    plataforma.programasNoPath = {{"gedit", "/usr/bin/gedit"}};
    DlgSobre dialogo(nullptr);
    mostra(dialogo);
    atalho(dialogo, Qt::Key_L);
    ASSERT_EQ(plataforma.iniciados.size(), 1u);
    EXPECT_EQ(plataforma.iniciados[0], (std::vector<std::string>{"/usr/bin/gedit", "dp/gnu-gpl.txt"}));
    EXPECT_TRUE(plataforma.caixas.empty());
    EXPECT_TRUE(dialogo.isVisible()) << "the box stays open";
}

TEST_F(Sobre, LicencaQueNaoAbreDizOndeLer) {
    for (const bool semEditor : {true, false}) {
        plataforma.caixas.clear();
        if (!semEditor) {
            plataforma.programasNoPath = {{"kate", "/usr/bin/kate"}};
            plataforma.iniciaComSucesso = false;
        }
        DlgSobre dialogo(nullptr);
        dialogo.mMostraLicenca();
        ASSERT_EQ(plataforma.caixas.size(), 1u);
        EXPECT_EQ(plataforma.caixas[0].titulo, "Aviso");
        EXPECT_EQ(plataforma.caixas[0].icone, Icone::INFORMACAO);
        EXPECT_EQ(plataforma.caixas[0].texto,
                  "Não é possível exibir a licensa, tente lê-la diretamente do arquivo "
                  "dp/gnu-gpl.txt.\nCaso isso não seja possível, tente obtê-la contactando:\n"
                  "   Free Software Foundation, Inc.,\n   675 Mass Ave, Cambridge, MA 02139, USA.");
    }
}

}  // namespace
