// Match control as the pupil drives it: F2 and its dialogs, F3, "Terminar",
// "Configurar" and "Sobre", with the dialogs answered from a script.
#include "app/Menu.h"
#include "core/panel/Painel.h"
#include "tests/app/FixtureApl.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr const char* TEXTO_TERMINAR_ANTERIOR =
    "Para iniciar uma nova partida é necessário primeiro terminar a anterior.";

class Controle : public FixtureApl {
protected:
    void SetUp() override {
        diretorio.mEscreve("dp/apl.cnf", "130\n70\nlicao.fase\n");
        diretorio.mEscreve("licao.fase", "10 3\n300 1\n");
        ASSERT_TRUE(iniciaSemTutor());
        caixasDoInicio = plataforma.caixas.size();
    }

    void tecla(uint32_t codigo) { apl->mTrataMensagem({TipoMensagem::TECLA, codigo}); }
    void comando(int id) { apl->mTrataMensagem({TipoMensagem::COMANDO, static_cast<uint32_t>(id)}); }

    // F2 with both dialogs answered.
    void novaPartida(uint32_t personagem, const std::string& fase, uint32_t colega) {
        dialogos->inicios.push_back(DialogosRoteiro::Inicio{personagem, fase});
        dialogos->colegas.push_back(colega);
        tecla(TECLA_F2);
    }

    std::vector<std::string> caixasNovas() const {
        const std::vector<std::string> todas = plataforma.mTextos();
        return {todas.begin() + static_cast<std::ptrdiff_t>(caixasDoInicio), todas.end()};
    }

    QAction* itemDoMenu(const QString& texto) {
        QWidget* janela = janelaComTitulo("QELP - Tarvelo 1.0");
        for (QAction* menu : janela->findChild<QMenuBar*>()->actions())
            for (QAction* item : menu->menu()->actions())
                if (item->text() == texto) return item;
        return nullptr;
    }

    int tocado(std::size_t vezesAtras = 0) const {
        const std::vector<int>& tocados = plataforma.saidaSom->tocados;
        return tocados.size() > vezesAtras ? tocados[tocados.size() - 1 - vezesAtras] : -1;
    }

    std::size_t caixasDoInicio = 0;
};

// --- F2

TEST_F(Controle, F2ComOsDialogosComecaAPartida) {
    plataforma.relogioMs = 424242;
    novaPartida(PREFEITO, "licao.fase", TURISTA);
    ASSERT_EQ(dialogos->mostradoInicio.size(), 1u);
    EXPECT_EQ(dialogos->mostradoInicio[0].personagem, MAE_NATUREZA) << "the first match of a run";
    EXPECT_EQ(dialogos->mostradoInicio[0].fase, "licao.fase");
    EXPECT_EQ(dialogos->mostradoColega, std::vector<uint32_t>{PREFEITO});

    EXPECT_EQ(apl->partida.estado, EM_JOGO);
    EXPECT_EQ(apl->partida.personagem, PREFEITO);
    EXPECT_EQ(apl->partida.personagemColega, TURISTA);
    EXPECT_EQ(tocado(), SOM_INICIO_PARTIDA);
    EXPECT_EQ(apl->janela.mPeriodoTemporizador(TIMER_FASE), 10000);
    EXPECT_EQ(apl->painel.figuras.visivel[ITEM_ABERTURA], 0);
    EXPECT_EQ(apl->painel.figuras.visivel[ITEM_FUNDO_PAINEL], 1);
    EXPECT_TRUE(caixasNovas().empty());

    // The match's seed is the millisecond clock: the same clock, the same lake.
    std::vector<float> energias;
    for (const CAgente& agente : apl->partida.agentes.agentes)
        if (agente.corpo) energias.push_back(agente.corpo->energia);
    apl->mTerminaPartida();
    plataforma.relogioMs = 424242;
    novaPartida(PREFEITO, "licao.fase", TURISTA);
    std::vector<float> deNovo;
    for (const CAgente& agente : apl->partida.agentes.agentes)
        if (agente.corpo) deNovo.push_back(agente.corpo->energia);
    EXPECT_EQ(deNovo, energias);
}

TEST_F(Controle, F2DuranteAPartidaOuAPausaSoAvisa) {
    novaPartida(MAE_NATUREZA, "licao.fase", PESCADOR);
    for (const bool pausada : {false, true}) {
        if (pausada) tecla(TECLA_F3);
        const std::size_t perguntas = dialogos->mostradoInicio.size();
        tecla(TECLA_F2);
        comando(CMD_INICIAR);
        EXPECT_EQ(dialogos->mostradoInicio.size(), perguntas) << "no dialog";
        EXPECT_EQ(apl->partida.estado, pausada ? PAUSADA : EM_JOGO);
    }
    EXPECT_EQ(caixasNovas(), std::vector<std::string>(4, TEXTO_TERMINAR_ANTERIOR));
    EXPECT_EQ(plataforma.caixas.back().titulo, "Aviso");
}

TEST_F(Controle, DialogoCanceladoNaoComecaNada) {
    dialogos->inicios.push_back(std::nullopt);
    tecla(TECLA_F2);
    EXPECT_TRUE(dialogos->mostradoColega.empty());
    EXPECT_EQ(apl->partida.estado, SEM_PARTIDA);

    // The colleague's dialog cancelled: the pupil's choice is kept, no match.
    dialogos->inicios.push_back(DialogosRoteiro::Inicio{TURISTA, "licao.fase"});
    dialogos->colegas.push_back(std::nullopt);
    tecla(TECLA_F2);
    EXPECT_EQ(apl->partida.estado, SEM_PARTIDA);
    EXPECT_EQ(apl->partida.personagem, TURISTA);
    EXPECT_EQ(apl->partida.agentes.ativa, 0);
    EXPECT_TRUE(caixasNovas().empty());
}

TEST_F(Controle, FaseFaltandoVoltaAAbertura) {
    novaPartida(MAE_NATUREZA, "licao.fase", PESCADOR);
    apl->mTerminaPartida();
    novaPartida(MAE_NATUREZA, "sumiu.fase", PESCADOR);
    EXPECT_EQ(caixasNovas(), (std::vector<std::string>{"Arquivo de fase não encontrado", "sumiu.fase"}));
    EXPECT_EQ(apl->partida.estado, SEM_PARTIDA);
    EXPECT_EQ(apl->painel.figuras.visivel[ITEM_ABERTURA], 1);
    EXPECT_EQ(apl->painel.figuras.visivel[ITEM_FUNDO_PAINEL], 0);
    // The old timers keep firing and do nothing.
    const uint32_t passos = apl->partida.passosPartida;
    apl->mExecEventosFase(ORIGEM_PASSO);
    apl->mExecEventosFase(ORIGEM_FASE);
    EXPECT_EQ(apl->partida.passosPartida, passos);
}

TEST_F(Controle, ErroNoValoresDeixaOLagoAnteriorParado) {
    novaPartida(MAE_NATUREZA, "licao.fase", PESCADOR);
    for (int i = 0; i < 5; ++i) apl->mPasso();
    apl->mTerminaPartida();
    const Vetor3 antes = apl->cena.mLePosicao(GRUPO_SERES, 0);
    diretorio.mEscreve("dp/valores.txt", "NUM_INI_GORDO 3 ;\n");
    novaPartida(MAE_NATUREZA, "licao.fase", PESCADOR);
    EXPECT_EQ(caixasNovas(), std::vector<std::string>{"CONFIG_TAXAS_DRAGA_LEITO"});
    EXPECT_EQ(apl->partida.estado, TERMINADA);
    apl->mPasso();
    EXPECT_EQ(apl->cena.mLePosicao(GRUPO_SERES, 0), antes) << "standing and still";
    EXPECT_GE(apl->partida.idFimPartida, 0) << "the end sign stays";
}

TEST_F(Controle, FaseDigitadaVoltaNaProximaPartidaMasNaoNoProximoInicio) {
    diretorio.mEscreve("outra.fase", "10 2\n");
    novaPartida(PESCADOR, "outra.fase", PREFEITO);
    apl->mTerminaPartida();
    tecla(TECLA_F2);  // cancelled
    ASSERT_EQ(dialogos->mostradoInicio.size(), 2u);
    EXPECT_EQ(dialogos->mostradoInicio[1].fase, "outra.fase");
    EXPECT_EQ(dialogos->mostradoInicio[1].personagem, PESCADOR);

    // The next run suggests the file's phase again.
    novaExecucao();
    ASSERT_TRUE(iniciaSemTutor());
    tecla(TECLA_F2);
    ASSERT_EQ(dialogos->mostradoInicio.size(), 1u);
    EXPECT_EQ(dialogos->mostradoInicio[0].fase, "licao.fase");
}

// --- F3 and "Terminar"

TEST_F(Controle, F3ForaDaPartidaNaoFazNada) {
    tecla(TECLA_F3);
    EXPECT_EQ(apl->partida.estado, SEM_PARTIDA);
    EXPECT_FALSE(itemDoMenu("&Pausa\tF3")->isChecked());
    EXPECT_FALSE(itemDoMenu("&Pausa\tF3")->isCheckable()) << "no empty check box";
    novaPartida(MAE_NATUREZA, "licao.fase", PESCADOR);
    apl->mTerminaPartida();
    comando(CMD_PAUSA);
    EXPECT_EQ(apl->partida.estado, TERMINADA);
    EXPECT_FALSE(itemDoMenu("&Pausa\tF3")->isChecked());
}

TEST_F(Controle, F3PausaEVoltaComAMarcaNoMenu) {
    novaPartida(MAE_NATUREZA, "licao.fase", PESCADOR);
    tecla(TECLA_F3);
    EXPECT_EQ(apl->partida.estado, PAUSADA);
    EXPECT_TRUE(itemDoMenu("&Pausa\tF3")->isChecked());
    itemDoMenu("&Pausa\tF3")->trigger();
    EXPECT_EQ(apl->partida.estado, EM_JOGO);
    EXPECT_FALSE(itemDoMenu("&Pausa\tF3")->isChecked());
    EXPECT_FALSE(itemDoMenu("&Pausa\tF3")->isCheckable()) << "the check box shows only while paused";
}

// Before any match, and after one that ended and a phase that was not
// found brought the opening screen back: "Terminar" there changes nothing
// that shows or sounds, and the next match runs without a sign.
TEST_F(Controle, TerminarNaAberturaNaoMudaNada) {
    for (const bool depoisDeUmaPartida : {false, true}) {
        if (depoisDeUmaPartida) {
            novaPartida(MAE_NATUREZA, "licao.fase", PESCADOR);
            apl->mTerminaPartida();
            novaPartida(MAE_NATUREZA, "nao-existe.fase", PESCADOR);
        }
        ASSERT_EQ(apl->partida.estado, SEM_PARTIDA);
        const QImage antes = apl->janela.mImagem().copy();
        const std::size_t sons = plataforma.saidaSom->tocados.size();
        comando(CMD_TERMINAR);
        apl->mPasso();
        EXPECT_EQ(apl->partida.estado, SEM_PARTIDA) << depoisDeUmaPartida;
        EXPECT_EQ(plataforma.saidaSom->tocados.size(), sons) << depoisDeUmaPartida;
        EXPECT_TRUE(apl->janela.mImagem() == antes) << "the opening picture stays";
    }
    novaPartida(MAE_NATUREZA, "licao.fase", PESCADOR);
    EXPECT_EQ(apl->partida.estado, EM_JOGO);
    for (int i = 0; i < NUM_SLOTS_GRUPO; ++i)
        EXPECT_NE(apl->cena.mInstancia(GRUPO_LUZES, i).modelo, MODELO_FIM_PARTIDA) << "no sign left";
}

TEST_F(Controle, TerminarNaPausaTiraAMarcaEPermiteOutraPartida) {
    novaPartida(MAE_NATUREZA, "licao.fase", PESCADOR);
    tecla(TECLA_F3);
    itemDoMenu("&Terminar")->trigger();
    EXPECT_EQ(apl->partida.estado, TERMINADA);
    EXPECT_FALSE(itemDoMenu("&Pausa\tF3")->isChecked());
    novaPartida(TURISTA, "licao.fase", MAE_NATUREZA);
    EXPECT_EQ(apl->partida.estado, EM_JOGO);
    EXPECT_EQ(apl->partida.passosPartida, 0u);
}

// --- "Configurar"

TEST_F(Controle, ConfigurarGrandeGravaNoventaMasAJanelaFica) {
    dialogos->configuracoes.push_back({"outra.fase", 90});
    comando(CMD_CONFIGURAR);
    ASSERT_EQ(dialogos->mostradoConfiguracao.size(), 1u);
    EXPECT_EQ(dialogos->mostradoConfiguracao[0].fase, "licao.fase");
    EXPECT_EQ(dialogos->mostradoConfiguracao[0].tamanho, 70u);
    EXPECT_EQ(diretorio.mLe("dp/apl.cnf"), "130\n90\noutra.fase\n");
    EXPECT_EQ(apl->tamanhoJanela, 70u) << "the new size is for the next run";
    EXPECT_EQ(apl->faseSugerida, "outra.fase");
    EXPECT_EQ(apl->faseAtual, "licao.fase") << "suggested from the next run on";
}

TEST_F(Controle, ConfigurarComEscGravaOQueJaEra) {
    diretorio.mEscreve("dp/apl.cnf", "100\n50\n");
    novaExecucao();
    ASSERT_TRUE(iniciaSemTutor());
    dialogos->configuracoes.push_back({"ignorada.fase", 90, false});
    comando(CMD_CONFIGURAR);
    EXPECT_EQ(dialogos->mostradoConfiguracao[0].tamanho, 50u) << "neither button marked";
    EXPECT_EQ(diretorio.mLe("dp/apl.cnf"), "100\n50\n\n");
}

TEST_F(Controle, AplCnfQueNaoPodeSerEscritoAvisaEOJogoSegue) {
    std::filesystem::remove(diretorio.mCaminho() / "dp" / "apl.cnf");
    std::filesystem::create_directory(diretorio.mCaminho() / "dp" / "apl.cnf");
    dialogos->configuracoes.push_back({"outra.fase", 90});
    comando(CMD_CONFIGURAR);
    EXPECT_EQ(caixasNovas(),
              (std::vector<std::string>{"Arquivo de configuração não encontrado", "./dp/apl.cnf"}));
    EXPECT_TRUE(apl->janela.mExiste());
    novaPartida(MAE_NATUREZA, "licao.fase", PESCADOR);
    EXPECT_EQ(apl->partida.estado, EM_JOGO);
}

// --- "Sobre"

TEST_F(Controle, SobreTocaOSomAntesDoDialogo) {
    int somAoAbrir = -1;
    dialogos->aoMostrarSobre = [&] { somAoAbrir = tocado(); };
    comando(CMD_SOBRE);
    EXPECT_EQ(dialogos->sobres, 1);
    EXPECT_EQ(somAoAbrir, SOM_SOBRE);
}

// --- the menu

TEST_F(Controle, TodasAsEntradasDoMenuHabilitadas) {
    QWidget* janela = janelaComTitulo("QELP - Tarvelo 1.0");
    ASSERT_NE(janela, nullptr);
    int entradas = 0;
    for (QAction* menu : janela->findChild<QMenuBar*>()->actions())
        for (QAction* item : menu->menu()->actions()) {
            if (item->text() == "&Resumo da Partida...") continue;  // offered once a match has ended
            EXPECT_TRUE(item->isEnabled()) << item->text().toStdString();
            entradas += !item->isSeparator();
        }
    EXPECT_EQ(entradas, 9);
}

}  // namespace
