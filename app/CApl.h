// The application object of the game: one static instance that lives for the
// whole run and owns the window, the 2D layer, the scene, the sounds and the
// match. It drives the match (core/match/CPartida.h) from its timers and
// commands, and turns what happens in it into sounds and pictures. Its
// operations are defined in the folder of the subsystem that owns them, one
// file per concern.
#pragma once

#include "app/Dialogos.h"
#include "core/data/TextoTutor.h"
#include "core/match/CPartida.h"
#include "core/panel/CPainel.h"
#include "core/platform/Plataforma.h"
#include "core/scene/CCena3D.h"
#include "core/sound/CSom.h"
#include "tutor/Tutor.h"
#include "view/CJanela.h"
#include "view/CTela2D.h"
#include "view/EfeitosFerramenta.h"
#include "view/JanelaResumo.h"

#include <QPointer>

#include <cstdint>
#include <memory>
#include <string>

// Who calls mExecEventosFase.
enum OrigemEvento { ORIGEM_INICIO = 0, ORIGEM_PASSO = 1, ORIGEM_FASE = 2 };

// The main window's timers: the match's two, and the tutor link's.
inline constexpr int TIMER_PASSO = 1;
inline constexpr int TIMER_FASE = 2;
inline constexpr int TIMER_TUTOR = 3;
inline constexpr uint32_t PERIODO_TUTOR_MS = 500;

inline constexpr const char* TITULO_JANELA = "QELP - Tarvelo 1.0";

class CApl : public OuvinteJanela, public OuvintePartida {
public:
    // Builds the sub-objects only: the 2D layer empty, the scene not created,
    // the agent table inactive. Every other member is 0 until mInicializa.
    CApl();
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

    // The dialogs to show; start-up makes the Qt ones unless some were given.
    void mDefineDialogos(std::unique_ptr<Dialogos> novos) { dialogos = std::move(novos); }

    // --- the tutor (tutor/CApl_Tutor.cpp)
    // The tutor's text waiting on the link, at most 1000 bytes, to the
    // Conversa window; dropped when that window is closed.
    void mLeTutor();
    // The link looked after between polls (TIMER_TUTOR).
    void mCuidaDoTutor();
    // What the pupil writes in the Conversa window, to the tutor and to the
    // transcript.
    void mEscreveAoTutor(const std::string& texto);
    // With a name, the tutor told of a match's start (its phase as the
    // pupil chose it, its seed) and end (the eco-meter's reading and colour).
    void mContaInicioAoTutor(uint32_t semente);
    void mContaFimAoTutor();

    // --- the life of a match (app/CApl_Partida.cpp)
    // The pupil asks for a match (F2): unless one runs or is paused, the
    // start dialogs, the match's seed from the millisecond clock, the phase
    // file (missing: back to the opening screen), then mIniciaPartida. True
    // when a match started.
    bool mNovaPartida();
    // Starts a match with the given seed: the parameters and the lake, the
    // panel, the clock, the start jingle. False when the parameters or the
    // lake fail (the reason has been shown); nothing changes then.
    bool mIniciaPartida(uint32_t semente);
    // Ends the match: the end sign in the lake, the lake still. True.
    bool mTerminaPartida();
    // Pauses a running match or resumes a paused one; the menu's check
    // mark follows. True.
    bool mPausa();
    // What happens in the match, heard and seen.
    void mAconteceu(const EventoPartida& evento) override;

    // --- the simulation clock (app/CApl_Relogio.cpp)
    // ORIGEM_INICIO restarts both timers; ORIGEM_PASSO runs a step;
    // ORIGEM_FASE the next phase event.
    void mExecEventosFase(uint32_t origem);
    // One simulation step: the lake advances while the match runs; the
    // eco-meter, the tools' effects and a frame are drawn whenever a match
    // exists.
    void mPasso();

    // --- the debrief (view/CApl_Resumo.cpp)
    // The debrief of the match that ended last, in its window beside the
    // game; nothing while no ended match is on record.
    void mAbreResumo();
    // The debrief's window, while it is open.
    JanelaResumo* mJanelaResumo() const { return janelaResumo; }

    // --- 3D scene (view/CApl_Cena.cpp)
    // The lights, then the 17 models; stops at the first that fails.
    bool mCarregaCena();

    // --- control panel (view/CApl_Painel.cpp)
    // The opening screen: no match, only picture 0 shown, window refreshed.
    void mExibeAbertura();
    // The match screen's shown flags; draws nothing.
    void mMostraPainel();
    // Paints the panel over whatever was written on it.
    void mRedesenhaPainel();
    // The two characters' portraits and tools on the panel.
    void mDefinePersonagens(uint32_t c1, uint32_t c2);
    // A left press at a client point: the lake object there is named, or
    // the panel button there is pressed and acts, or the failure sound.
    void mCliquePainel(uint32_t px, uint32_t py);
    // The left button is released: the held button shows again, or the
    // panel is repainted.
    void mSoltaBotao();
    // Names the lake object under a client point; false when there is none.
    bool mMostraObjeto(uint32_t px, uint32_t py);
    // The tip of the panel element under a client point.
    void mMostraDica(uint32_t px, uint32_t py);
    // One line of text on the client area (CPainel's anchors and alignments).
    void mEscreveTexto(const std::string& texto, float fx, float fy, bool alinhaDireita,
                       bool alinhaBase);
    // The eco-meter: the bar's colour and height from the lake's energy.
    // The match hears of a change of colour.
    void mAtualizaEcometro();

    // --- a tool's effect, seen (view/CApl_Efeitos.cpp)
    // A tool was used (FERRAMENTA): the beings, lake bottom and water it
    // changed are highlighted in the lake, and the eco-meter's change is
    // written over the eco-meter, for DURACAO_EFEITO_MS.
    void mIniciaEfeito(const EventoPartida& evento);
    // Every tick, before the frame: the scene's highlights from the effects
    // still showing, and their label over the eco-meter just drawn; nothing
    // once they are over.
    void mMostraEfeitos();
    EfeitosFerramenta efeitos;  // the effects showing

    std::string faseSugerida;  // at most 299 characters
    std::string faseAtual;     // at most 299 characters
    uint32_t periodoPasso = 0;  // ms
    CJanela janela;
    uint32_t tamanhoJanela = 0;  // % of the screen
    // The panel's state: its pictures, their shown flags, the held button.
    CPainel painel;
    CTela2D tela{painel.figuras};
    CCena3D cena;
    CSom sons;
    // The match: its state, characters, tools, phase table and the lake's
    // agent table.
    CPartida partida{cena};
    ProcessoExterno procAjuda, procEditor, procBloco;
    std::unique_ptr<Dialogos> dialogos;
    int limiteConexaoMs = LIMITE_CONEXAO_MS;  // how long start-up waits for the tutor

private:
    void mExecutaComando(int id);
    // Command 40006: the Conversa window, once a run.
    void mAbreConversa();
    // "&Configurar...": the dialog, then apl.cnf written, whatever the
    // dialog's answer; the window keeps its size until the next run.
    void mConfigura();
    // "Editar Parâmetros Especiais...": valores.txt in the desktop's text
    // editor, once at a time; without one, where the file is.
    void mEditaParametros();
    void mEventoFase();
    // The check mark of "&Pausa" follows the match's state.
    void mMarcaPausa();
    // A client pixel as a fraction of the window's layout size.
    float mFracaoX(uint32_t px) const;
    float mFracaoY(uint32_t py) const;

    // The debrief, offered from the end of a match until the next one starts.
    void mOfereceResumo(bool oferece);
    QPointer<JanelaResumo> janelaResumo;
    bool resumoPendente = false;  // the match running now has not shown its debrief

    bool conversaJaAberta = false;  // the Conversa window was opened in this run
    DecodificadorTutor textoTutor;  // the tutor's bytes as text, across reads
    void mIniciaUmaVez(const std::vector<std::string>& argumentos, ProcessoExterno& processo);
};
