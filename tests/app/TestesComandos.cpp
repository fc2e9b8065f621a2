#include "app/Menu.h"
#include "tests/app/FixtureApl.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <filesystem>
#include <string>
#include <vector>

namespace {

class Comandos : public FixtureApl {
protected:
    void SetUp() override { ASSERT_TRUE(iniciaSemTutor()); }

    void tecla(uint32_t codigo) { apl->mTrataMensagem({TipoMensagem::TECLA, codigo}); }
    void comando(int id) { apl->mTrataMensagem({TipoMensagem::COMANDO, static_cast<uint32_t>(id)}); }
    static void processaPostados() { QApplication::sendPostedEvents(); }
};

TEST_F(Comandos, F12TerminaOProgramaComZero) {
    tecla(TECLA_F12);
    EXPECT_EQ(rodaLaco(), 0);
    EXPECT_FALSE(apl->janela.mExiste());
}

TEST_F(Comandos, SairTerminaOProgramaComZero) {
    comando(CMD_SAIR);
    EXPECT_EQ(rodaLaco(), 0);
    EXPECT_FALSE(apl->janela.mExiste());
}

TEST_F(Comandos, CaixaDeFecharTerminaOProgramaComZero) {
    QWidget* janela = janelaComTitulo("QELP - Tarvelo 1.0");
    ASSERT_NE(janela, nullptr);
    QMetaObject::invokeMethod(janela, &QWidget::close, Qt::QueuedConnection);
    EXPECT_EQ(rodaLaco(), 0);
    EXPECT_FALSE(apl->janela.mExiste());
}

TEST_F(Comandos, SairNaoPerguntaNada) {
    const std::size_t caixasAntes = plataforma.caixas.size();
    comando(CMD_SAIR);
    EXPECT_EQ(rodaLaco(), 0);
    EXPECT_EQ(plataforma.caixas.size(), caixasAntes);
}

TEST_F(Comandos, OutrasTeclasNaoFazemNada) {
    const std::size_t caixas = plataforma.caixas.size();
    tecla(TECLA_OUTRA);
    processaPostados();
    EXPECT_TRUE(apl->janela.mExiste());
    EXPECT_TRUE(plataforma.iniciados.empty());
    EXPECT_EQ(plataforma.caixas.size(), caixas);
    EXPECT_TRUE(dialogos->mostradoInicio.empty());
}

TEST_F(Comandos, F1IniciaAAjudaUmaVezSo) {
    tecla(TECLA_F1);
    processaPostados();
    ASSERT_EQ(plataforma.iniciados.size(), 1u);
    EXPECT_EQ(plataforma.iniciados[0], std::vector<std::string>{"./ajuda"});

    // While it runs, neither F1 nor the menu starts another.
    tecla(TECLA_F1);
    comando(CMD_AJUDA);
    processaPostados();
    EXPECT_EQ(plataforma.iniciados.size(), 1u);

    // Once it has ended, the command starts it again.
    plataforma.mTerminaPrograma(apl->procAjuda);
    comando(CMD_AJUDA);
    EXPECT_EQ(plataforma.iniciados.size(), 2u);
}

TEST_F(Comandos, AjudaQueNaoIniciaNaoContaComoRodando) {
    plataforma.iniciaComSucesso = false;
    comando(CMD_AJUDA);
    comando(CMD_AJUDA);
    EXPECT_EQ(plataforma.iniciados.size(), 2u);
    EXPECT_EQ(plataforma.caixas.size(), 3u);  // nothing said beyond start-up's boxes
}

TEST_F(Comandos, EditarFasesIniciaOEditor) {
    comando(CMD_EDITAR_FASES);
    comando(CMD_EDITAR_FASES);
    ASSERT_EQ(plataforma.iniciados.size(), 1u);
    EXPECT_EQ(plataforma.iniciados[0], std::vector<std::string>{"./editor"});
}

TEST_F(Comandos, EditarParametrosAbreOPrimeiroEditorDeTextoNoPath) {
    plataforma.programasNoPath = {{"mousepad", "/usr/bin/mousepad"},
                                  {"gedit", "/usr/bin/gedit"}};
    comando(CMD_EDITAR_PARAMETROS);
    comando(CMD_EDITAR_PARAMETROS);
    ASSERT_EQ(plataforma.iniciados.size(), 1u);
    EXPECT_EQ(plataforma.iniciados[0],
              (std::vector<std::string>{"/usr/bin/gedit", "dp/valores.txt"}));

    plataforma.mTerminaPrograma(apl->procBloco);
    comando(CMD_EDITAR_PARAMETROS);
    EXPECT_EQ(plataforma.iniciados.size(), 2u);
}

TEST_F(Comandos, EditarParametrosSemEditorDizQuaisProcurouEOndeEstaOArquivo) {
    const std::size_t antes = plataforma.caixas.size();
    comando(CMD_EDITAR_PARAMETROS);
    EXPECT_TRUE(plataforma.iniciados.empty());
    EXPECT_TRUE(apl->janela.mExiste());
    ASSERT_EQ(plataforma.caixas.size(), antes + 1);
    const CaixaMostrada& caixa = plataforma.caixas.back();
    EXPECT_EQ(caixa.titulo, "Aviso");
    EXPECT_NE(caixa.texto.find("Nenhum editor de texto foi encontrado (procurei: gnome-text-editor, gedit, "),
              std::string::npos) << caixa.texto;
    const std::string arquivo = (std::filesystem::current_path() / "dp" / "valores.txt").string();
    EXPECT_NE(caixa.texto.find(arquivo), std::string::npos) << "where the file is, in full: " << caixa.texto;
}

TEST_F(Comandos, BarraDeMenuTemTodasAsEntradas) {
    QWidget* janela = janelaComTitulo("QELP - Tarvelo 1.0");
    ASSERT_NE(janela, nullptr);
    QMenuBar* barra = janela->findChild<QMenuBar*>();
    ASSERT_NE(barra, nullptr);

    // The debrief's entry comes after the others, offered once a match has ended.
    const std::vector<std::vector<QString>> esperado = {
        {"&Iniciar...\tF2", "&Terminar", "&Pausa\tF3", "", "&Configurar...", "&Editar Fases...",
         "Editar Parâmetros &Especiais...", "", "&Sair", "", "&Resumo da Partida..."},
        {"&Ajuda...\tF1", "&Sobre..."},
    };
    const QList<QAction*> menus = barra->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "&Jogo");
    EXPECT_EQ(menus[1]->text(), "&Ajuda");
    for (int m = 0; m < 2; ++m) {
        const QList<QAction*> itens = menus[m]->menu()->actions();
        ASSERT_EQ(itens.size(), static_cast<qsizetype>(esperado[m].size()));
        for (int i = 0; i < itens.size(); ++i) {
            EXPECT_EQ(itens[i]->text(), esperado[m][i]);
            EXPECT_EQ(itens[i]->isEnabled(), itens[i]->text() != "&Resumo da Partida...") << i;
        }
    }
}

TEST_F(Comandos, SairPeloMenuTerminaOPrograma) {
    QWidget* janela = janelaComTitulo("QELP - Tarvelo 1.0");
    ASSERT_NE(janela, nullptr);
    for (QAction* menu : janela->findChild<QMenuBar*>()->actions())
        for (QAction* item : menu->menu()->actions())
            if (item->text() == "&Sair") item->trigger();
    EXPECT_EQ(rodaLaco(), 0);
}

}  // namespace
