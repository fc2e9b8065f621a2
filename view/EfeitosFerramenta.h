// The tools' effects being shown: for DURACAO_EFEITO_MS after a use, the
// beings, lake bottom and water it changed are highlighted in the lake
// (the scene's Realce, which the renderer draws) and the eco-meter's change
// is written over the eco-meter. Time is the platform's millisecond clock,
// whatever the match's state: an effect plays out while the match is
// paused or ended, and once it is over nothing of it is left.
#pragma once

#include "core/match/EfeitoFerramenta.h"
#include "core/scene/CCena3D.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

inline constexpr uint32_t DURACAO_EFEITO_MS = 1500;

// The label of the eco-meter's change at a moment.
struct RotuloEfeito {
    std::string texto;      // textoDaVariacao: "+12", "−3", "+0,4", "0"
    int sentido = 0;        // +1 up, −1 down, 0 a change that rounds to nothing
    float progresso = 0;    // 0 at the use .. 1 when it goes
};

// How strongly a being shows a tool's value for it: the larger the change,
// the brighter, from 0.6 for the smallest to 1 from 0.2 (5 energy) on.
float forcaDoValor(float valor);

class EfeitosFerramenta {
public:
    // A tool was used at agoraMs: whom it changed and the eco-meter's
    // change in percent points. Effects already showing go on.
    void mInicia(AlvosFerramenta alvos, float variacao, uint32_t agoraMs);

    // Forgets every effect (a new match).
    void mLimpa() { efeitos.clear(); }

    // The scene's highlights for a frame at agoraMs: every highlight off,
    // then those of the effects still showing, the latest over the older.
    // A being that died or whose slot was taken by another since the use is
    // left alone. Effects that are over are forgotten.
    void mAplica(CCena3D& cena, const CTabelaAgentes& agentes, uint32_t agoraMs);

    // The label of the latest effect still showing at agoraMs; none when
    // no effect shows or its change is not a number.
    std::optional<RotuloEfeito> mRotulo(uint32_t agoraMs) const;

    bool mAtivo() const { return !efeitos.empty(); }

private:
    struct Efeito {
        AlvosFerramenta alvos;
        float variacao = 0;
        uint32_t inicioMs = 0;
    };
    // The share of its time an effect has shown at agoraMs, or none when it
    // is over (or the clock is behind it).
    static std::optional<float> mProgresso(const Efeito& efeito, uint32_t agoraMs);

    std::vector<Efeito> efeitos;  // oldest first
};
