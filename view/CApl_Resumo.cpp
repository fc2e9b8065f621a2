// The debrief of a match: its window opens when the match ends and can be
// opened again from the menu until the next match starts.
#include "app/CApl.h"

#include "app/Menu.h"

void CApl::mAbreResumo() {
    if (!partida.registro.mTerminado() || !janela.mWidget()) return;
    if (!janelaResumo) janelaResumo = new JanelaResumo(janela.mWidget());
    janelaResumo->mMostra(partida.registro, faseAtual);
}

void CApl::mOfereceResumo(bool oferece) {
    janela.mHabilitaComando(CMD_RESUMO, oferece);
    if (!oferece && janelaResumo) janelaResumo->close();
}
