// A match run without a window, exactly as the game runs it: the game's
// match object, driven by a simulated clock on which the phase timer and
// the step timer fire as the game's timers would. Used by simula, the phase
// editor's balance check and the benchmarks.
#pragma once

#include "core/match/CPartida.h"
#include "core/match/Cuidado.h"
#include "core/match/Ecometro.h"
#include "core/match/ResumoPartida.h"
#include "core/platform/PlataformaConsole.h"
#include "core/scene/CCena3D.h"
#include "core/scene/CenaPadrao.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

struct OpcoesSimulacao {
    std::string valores = "dp/valores.txt";
    std::string fase;  // none: every entry is the filler
    std::optional<std::string> textoFase;  // the phase's text itself, instead of fase
    std::string modelos = "dp/";
    uint32_t semente = 1;
    uint32_t passos = 1000;
    uint32_t cada = 1;  // a row every cada steps
    int largura = 560, altura = 315;  // the 3D view, pixels
    uint32_t periodo = 130;           // ms
    std::vector<UsoFerramenta> usos;  // tools used just before their step
    // The models already read (many matches at once share them); none: read from modelos.
    std::shared_ptr<const ModelosPadrao> modelosLidos;
};

// The ms clock the behaviours read: the simulated time.
class PlataformaSimulada : public PlataformaConsole {
public:
    uint32_t mRelogioMs() const override { return agoraMs; }
    uint32_t agoraMs = 0;
};

class Simulacao : private OuvintePartida {
public:
    explicit Simulacao(OpcoesSimulacao opcoes);
    ~Simulacao() override;
    Simulacao(const Simulacao&) = delete;
    Simulacao& operator=(const Simulacao&) = delete;

    // Loads the models, reads the phase and starts the match, as a match
    // start does. False when the match could not start (the reason is on
    // standard error).
    bool mInicia();

    // Runs the match, writing the CSV rows; answers the steps run.
    uint32_t mRoda(std::ostream& saida);

    // Runs the match without rows, ends it as "Terminar" would if it still
    // runs, and answers its debrief.
    ResumoPartida mRodaResumo();

    // The phase events due before the next step, in time order, then that
    // step with the tools used before it. False once the match has ended
    // (the end-of-match event), without a step.
    bool mPasso();

    // The CSV header and one row.
    static const char* mCabecalho();
    void mEscreveLinha(std::ostream& saida, uint32_t passo);

    const CTabelaAgentes& mAgentes() const { return partida->agentes; }
    const RegistroPartida& mRegistro() const { return partida->registro; }
    Ecometro mEcometro() const { return leEcometro(partida->agentes); }
    const OpcoesSimulacao& mOpcoes() const { return opcoes; }

private:
    // The phase timer fires at agora ms.
    void mDisparaFase(uint64_t agora);
    // The events column.
    void mAconteceu(const EventoPartida& evento) override;
    void mAnota(const std::string& evento);

    OpcoesSimulacao opcoes;
    PlataformaSimulada plataforma;
    std::unique_ptr<CCena3D> cena = std::make_unique<CCena3D>();
    std::unique_ptr<CPartida> partida = std::make_unique<CPartida>(*cena);
    uint32_t passosFeitos = 0;
    std::optional<uint64_t> proximaFase;  // ms of the phase timer's next firing
    uint32_t periodoFaseMs = 0;           // the phase timer's period now
    std::string eventos;  // since the last row, separated by ';'
};
