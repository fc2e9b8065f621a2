// The application object of the game: one static instance that lives for the
// whole run and owns the window, the 2D layer, the scene, the sounds, the
// agent table, the phase table and the match state. Its operations are
// defined in the folder of the subsystem that owns them, one file per concern.
#pragma once

#include "core/platform/Plataforma.h"
#include "core/lake/CTabelaAgentes.h"
#include "core/match/Passo.h"
#include "core/data/Fase.h"
#include "core/data/Parametros.h"
#include "core/sound/CSom.h"
#include "core/scene/CCena3D.h"
#include "view/CJanela.h"
#include "view/CTela2D.h"

#include <array>
#include <cstdint>
#include <string>

enum EstadoPartida : uint32_t { SEM_PARTIDA = 0, EM_JOGO = 1, PAUSADA = 2, TERMINADA = 3 };

// Who calls mExecEventosFase.
enum OrigemEvento { ORIGEM_INICIO = 0, ORIGEM_PASSO = 1, ORIGEM_FASE = 2 };

// The main window's two timers.
inline constexpr int TIMER_PASSO = 1;
inline constexpr int TIMER_FASE = 2;

inline constexpr const char* TITULO_JANELA = "QELP - Tarvelo 1.0";

class CApl : public OuvinteJanela {
public:
    // Builds the sub-objects only: the 2D layer empty, the scene not created,
    // the agent table inactive. Every other member is 0 until mInicializa.
    CApl() = default;
    CApl(const CApl&) = delete;
    CApl& operator=(const CApl&) = delete;

    // Start-up, in order. True when the program may run; false when it must
    // end (the reason has been shown already, or there is none to show).
    bool mInicializa();

    // The end of the program: the agent table, then the scene. The window,
    // if still there, goes with them, while the window system still runs.
    void mEncerra();

    // Every message of the main window comes here first.
    void mTrataMensagem(const Mensagem& mensagem) override;

    // --- the life of a match (app/CApl_Partida.cpp)
    // Ends the match: the end sign in the lake, the lake still. True.
    bool mTerminaPartida();
    // Pauses a running match or resumes a paused one; the menu's check
    // mark follows. True.
    bool mPausa();

    // --- the simulation clock (app/CApl_Relogio.cpp)
    // ORIGEM_INICIO restarts both timers; ORIGEM_PASSO runs a step;
    // ORIGEM_FASE the next phase event.
    void mExecEventosFase(uint32_t origem);
    // One simulation step: the lake advances while the match runs; the
    // eco-meter and a frame are drawn whenever a match exists.
    void mPasso();
    // One swing of the light above the lake.
    void mBalanca();

    // --- special parameters
    // The 36 keys of dp/valores.txt; false at the first that fails.
    bool mLeParametros();

    // --- 3D scene (view/CApl_Cena.cpp)
    // The lights, then the 17 models; stops at the first that fails.
    bool mCarregaCena();

    // --- control panel (view/CApl_Painel.cpp)
    // usos[k] = character c's k-th NUM_FERRAMENTAS_* value, truncated.
    void mCarregaFerramentas(uint32_t c, std::array<int32_t, NUM_FERRAMENTAS>& usos) const;
    // The opening screen: no match, only picture 0 shown, window refreshed.
    void mExibeAbertura();
    // The match screen's shown flags; draws nothing.
    void mMostraPainel();
    // The eco-meter: the bar's colour and height from the lake's energy.
    void mAtualizaEcometro();

    std::string faseSugerida;  // at most 299 characters
    std::string faseAtual;     // at most 299 characters
    uint32_t periodoPasso = 0;  // ms
    uint32_t passosPartida = 0;
    TabelaFase tabelaFase{};
    uint32_t estado = SEM_PARTIDA;
    uint32_t personagem = 0;
    uint32_t personagemColega = 0;
    std::array<int32_t, NUM_FERRAMENTAS> usosFerramentas{};
    std::array<int32_t, NUM_FERRAMENTAS> usosFerramentasColega{};
    CJanela janela;
    uint32_t tamanhoJanela = 0;  // % of the screen
    int32_t botaoPressionado = 0;
    int32_t idFimPartida = 0;
    CTela2D tela;
    CCena3D cena;
    CSom sons;
    CTabelaAgentes agentes;
    ProcessoExterno procAjuda, procEditor, procBloco;

private:
    void mExecutaComando(int id);
    void mEventoFase();
    Balanco balanco;  // the swaying light, kept across matches
    void mIniciaUmaVez(const std::vector<std::string>& argumentos, ProcessoExterno& processo);
};
