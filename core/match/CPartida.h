// One match of the game, without a screen: its state, its two characters
// and their tools, the phase it follows, the step, the phase events and the
// eco-meter. The lake (the agent table and its random generator) belongs to
// it; the scene it moves is shared with whoever draws it.
//
// The game drives it from its timers, menus and panel, simula from a
// simulated clock; both learn what happened from the same events
// (OuvintePartida), and play sounds, draw, write rows or tell the tutor.
// The object lives for the whole run: a new match restarts it, and what
// the game keeps across matches (the swaying light, the colour the
// eco-meter last showed) stays.
#pragma once

#include "core/data/Fase.h"
#include "core/data/LeParametros.h"
#include "core/data/Parametros.h"
#include "core/lake/CTabelaAgentes.h"
#include "core/match/Ecometro.h"
#include "core/match/Passo.h"
#include "core/match/RegistroPartida.h"
#include "core/match/Relogio.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class CCena3D;

enum EstadoPartida : uint32_t { SEM_PARTIDA = 0, EM_JOGO = 1, PAUSADA = 2, TERMINADA = 3 };

// What happened in a match.
struct EventoPartida {
    enum Tipo {
        INTERVENTOR,  // a phase event throws interventor a (above 8: one that does not exist)
        FIM,          // the match ended
        FERRAMENTA,   // character a used its tool b; variacao is what it did to the eco-meter
        RECUSADA,     // character a pressed its tool b, which has no use left
        COR,          // the eco-meter changed to band a; percentual is its reading
    };
    Tipo tipo;
    uint32_t a = 0;
    uint32_t b = 0;
    int32_t percentual = 0;
    float variacao = 0;  // the eco-meter's reading after minus before, in percent points
    bool operator==(const EventoPartida&) const = default;
};

class OuvintePartida {
public:
    virtual ~OuvintePartida() = default;
    virtual void mAconteceu(const EventoPartida& evento) = 0;
};

// What the phase timer does after a firing.
struct ProximoEvento {
    enum Acao {
        MANTEM,  // stays armed with its period (paused, ended, or the end event)
        REARMA,  // re-armed with periodoMs
        PARA,    // stopped: the table has no entry left
    };
    Acao acao = MANTEM;
    uint32_t periodoMs = 0;
};

inline constexpr int MODELO_FIM_PARTIDA = 8;  // the "Fim de Partida" sign

using UsosFerramentas = std::array<int32_t, NUM_FERRAMENTAS>;

class CPartida {
public:
    explicit CPartida(CCena3D& cena);
    CPartida(const CPartida&) = delete;
    CPartida& operator=(const CPartida&) = delete;

    void mDefineOuvinte(OuvintePartida* novo) { ouvinte = novo; }

    // Reads a phase file into the phase table. When it cannot be opened the
    // table holds only fillers, the two messages have been shown, and the
    // answer is false.
    bool mLeFase(const std::string& nome);

    // Starts a match: seeds the generator, reads the parameters file, builds
    // the lake, takes the end sign away, runs, restarts the phase counters,
    // refills every character's tools, counts steps from 0 and starts the
    // record anew. periodoPasso
    // is the step timer's period in ms, which phase times scale with. False,
    // with the state unchanged, when the parameters or the lake fail (the
    // reason has been shown).
    bool mInicia(uint32_t semente, uint32_t periodoPasso,
                 const std::string& arquivoValores = ARQUIVO_VALORES);

    // One tick of the step timer. Without a match nothing happens and the
    // answer is false. While the match runs the lake advances one step,
    // the steps are counted and the light sways; paused or ended it stands.
    bool mPasso();

    // One firing of the phase timer: unless the match runs nothing happens.
    // Otherwise the next entry of the phase table runs (a random number is
    // drawn for every entry, whatever its code): nothing, the end of the
    // match, or an interventor.
    ProximoEvento mEventoFase();

    // Character c (0..3) presses its tool k (0..3): with a use left, one is
    // spent and the tool's effect reaches the lake (FERRAMENTA); with none,
    // nothing changes (RECUSADA). A negative count never runs out.
    bool mUsaFerramenta(uint32_t c, uint32_t k);

    // A new match may start only when none runs or is paused.
    bool mPodeIniciar() const { return estado != EM_JOGO && estado != PAUSADA; }

    // Running ↔ paused; nothing in the other states.
    void mPausa();

    // Ends the running or paused match: the end sign appears in the lake
    // (one, whatever came before) and the lake stands still (FIM). An ended
    // match stays ended; on the opening screen nothing happens.
    void mTermina();

    // Back to the opening screen (a new match could not start).
    void mVoltaAbertura() { estado = SEM_PARTIDA; }

    // The eco-meter now, and a COR event when its band differs from the
    // band of the previous reading (the first reading of the run tells
    // nothing).
    Ecometro mAvaliaEcometro();

    // usos[c][k] = character c's k-th NUM_FERRAMENTAS_* value, truncated,
    // for every character.
    void mCarregaFerramentas();

    // The step timer's period and the phase timer's first period, in ms.
    uint32_t mPeriodoPasso() const;
    uint32_t mPeriodoPrimeiroEvento() const;

    const UsosFerramentas& mUsos(uint32_t c) const { return usos.at(c); }

    uint32_t estado = SEM_PARTIDA;
    uint32_t passosPartida = 0;  // running steps since the start
    TabelaFase tabelaFase{};
    uint32_t personagem = MAE_NATUREZA;    // the pupil's first character
    uint32_t personagemColega = PESCADOR;  // the second one
    int32_t idFimPartida = -1;             // the end sign's instance, −1 none
    uint32_t indiceEvento = 0;             // the phase entry that runs next
    uint32_t contaInterventor = 0;         // picks the next interventor's agent
    CTabelaAgentes agentes;
    // What happened in the match started last, kept after it ended until
    // the next one starts: what the debrief is made of.
    RegistroPartida registro;

private:
    void mAnuncia(const EventoPartida& evento);

    CCena3D& cena;
    OuvintePartida* ouvinte = nullptr;
    uint32_t periodoPasso = PERIODO_BASE_MS;
    std::array<UsosFerramentas, NUM_PERSONAGENS> usos{};
    Balanco balanco;  // the swaying light, kept across matches
    std::optional<CorEcometro> corAnterior;  // the band of the last reading, kept across matches
};
