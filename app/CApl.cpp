#include "app/CApl.h"

#include "app/DialogosQt.h"
#include "app/Menu.h"
#include "core/data/Configuracao.h"
#include "core/panel/Painel.h"
#include "tutor/Tutor.h"
#include "view/RenderizadorGL.h"

#include <array>

namespace {

constexpr const char* TEXTO_PERGUNTA_TUTOR =
    "Jogar com tutor?\n\n"
    "Para jogar com a assistência de um tutor remoto escolha SIM.\n"
    "Para jogar sem tutor escolha NÃO.";
constexpr const char* TEXTO_SEM_REDE = "Conexão com a rede não foi estabelecida, terminando programa.";
constexpr const char* TEXTO_SEM_CENA = "Problemas ao iniciar OpenGL";

// The device the scene is first created with, before the first refresh
// rebuilds its view at the window's real size.
constexpr int LARGURA_VISTA_INICIAL = 600;
constexpr int ALTURA_VISTA_INICIAL = 450;
constexpr MargensLago MARGENS_LAGO{0.68f, 0.15f, 0.08f, 0.08f};
constexpr float MARGEM_BASE_VISTA = 0.25f;  // the panel's share of the client height
constexpr const char* ARQUIVO_FUNDO_CENA = "dp/FUNDOCEN.bmp";

// The sound effects, by slot.
constexpr auto ARQUIVOS_SONS = std::to_array<const char*>({
    "./dp/abertura.wav", "./dp/iniciapa.wav", "./dp/fimpa.wav",  "./dp/recebe.wav",
    "./dp/presssuc.wav", "./dp/presserr.wav", "./dp/sobre.wav", "./dp/interv.wav",
});
static_assert(ARQUIVOS_SONS.size() == NUM_SONS_JOGO, "one file for every sound");

}  // namespace

bool CApl::mInicializa() {
    if (!dialogos) dialogos = std::make_unique<DialogosQt>(janela);

    // 1. Defaults.
    periodoPasso = PERIODO_PASSO_PADRAO;
    partida.passosPartida = 0;
    tamanhoJanela = TAMANHO_JANELA_PADRAO;
    partida.personagem = MAE_NATUREZA;
    partida.personagemColega = PESCADOR;
    faseSugerida.clear();
    faseAtual.clear();
    painel.botaoPressionado = -1;
    partida.idFimPartida = -1;

    // 2. Tool counters (0 until a match reads them).
    partida.mCarregaFerramentas();

    // 3. With or without a tutor.
    switch (plataforma().mMensagem(TEXTO_PERGUNTA_TUTOR, "QELP", Icone::PERGUNTA,
                                   Botoes::SIM_NAO_CANCELAR, Resposta::NAO)) {
    case Resposta::CANCELAR:
        return false;
    case Resposta::SIM:
        ConectaTutor(*dialogos, limiteConexaoMs);
        if (!gComTutor) {
            mostraAviso(TEXTO_SEM_REDE);
            return false;
        }
        break;
    default:
        break;
    }

    // 4. Settings.
    LeConfiguracao(periodoPasso, tamanhoJanela, faseSugerida);
    faseAtual = faseSugerida;
    if (gComTutor) tamanhoJanela = TAMANHO_JANELA_PADRAO;

    // 5. The main window; no debrief until a match has ended.
    if (!janela.mCriaJanela(menuPrincipal(), TITULO_JANELA, *this)) return false;
    mOfereceResumo(false);

    // 6. The 2D layer.
    if (!tela.mIniciaTela(janela)) return false;
    janela.mDefineTela(&tela);

    // 7. The panel's pictures.
    for (const ItemPainel& item : ITENS_PAINEL)
        if (!tela.mRegistraBitmap(item.arquivo, item.esquerda, item.topo, item.direita, item.base))
            return false;

    // 8. Nothing shown yet.
    painel.figuras.visivel.fill(0);

    // 9. The 3D scene, drawn with OpenGL.
    cena.mDefineDispositivo(std::make_unique<RenderizadorGL>(&janela));
    if (!cena.mIniciaCena(0, 0, LARGURA_VISTA_INICIAL, ALTURA_VISTA_INICIAL, MARGENS_LAGO)) {
        mostraAviso(TEXTO_SEM_CENA);
        return false;
    }

    // 10. Instances are drawn one over the other, in slot order.
    for (int quadro = 0; quadro < NUM_QUADROS_TOPO; ++quadro)
        if (!cena.mZBuffer(quadro, false)) return false;

    // 11. The lake's background picture.
    if (!cena.mCarregaFundo(ARQUIVO_FUNDO_CENA)) return false;

    // 12. The window draws the 3D view above the panel.
    janela.mDefineVista3D(0, 0, 0, MARGEM_BASE_VISTA, &cena);

    // 13. The sounds; a problem has been reported and the game goes on.
    sons.mDefineSaida(plataforma().mCriaSaidaSom());
    sons.mIniciaSom();
    for (std::size_t slot = 0; slot < ARQUIVOS_SONS.size(); ++slot)
        sons.mCarregaSom(static_cast<int>(slot), ARQUIVOS_SONS[slot]);

    // 14. Size and place the window.
    const TamanhoTela telaPrimaria = plataforma().mTamanhoTela();
    const int tamanho = static_cast<int>(tamanhoJanela);
    if (gComTutor) {
        janela.mPosicionaJanela(POSICAO_TOPO, 0, 0, tamanho, tamanho, telaPrimaria);
        janela.mPostaComando(CMD_CONVERSA);
        janela.mDefineTemporizador(TIMER_TUTOR, PERIODO_TUTOR_MS);
    } else {
        janela.mPosicionaJanela(POSICAO_CENTRO, 0, 0, tamanho, tamanho, telaPrimaria);
    }

    // 15. Show it.
    janela.mMostraJanela();

    // 16. The opening screen.
    mExibeAbertura();

    // 17. The opening jingle.
    sons.mTocaSom(SOM_ABERTURA);

    // 18. Lights and models.
    if (!mCarregaCena()) return false;

    // 19. The suggested phase; a missing file has been reported and the game runs on.
    partida.mLeFase(faseSugerida);

    // 20.
    return true;
}

void CApl::mEncerra() {
    partida.agentes.mLimpa();
    cena.mLiberaCena();
    janela.mDestroiJanela();
}
