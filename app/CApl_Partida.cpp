// The life of a match: pausing and ending it.
#include "app/CApl.h"

#include "app/Menu.h"

namespace {
constexpr int MODELO_FIM_PARTIDA = 8;  // the "Fim de Partida" sign
}

bool CApl::mTerminaPartida() {
    if (estado == TERMINADA) return true;
    if (estado == PAUSADA) mPausa();
    idFimPartida = cena.mCriaInstancia(GRUPO_LUZES, MODELO_FIM_PARTIDA, {}, {}, {}, 0);
    estado = TERMINADA;
    sons.mTocaSom(SOM_FIM_PARTIDA);
    return true;
}

bool CApl::mPausa() {
    if (estado == EM_JOGO) estado = PAUSADA;
    else if (estado == PAUSADA) estado = EM_JOGO;
    janela.mMarcaComando(CMD_PAUSA, estado == PAUSADA);
    return true;
}
