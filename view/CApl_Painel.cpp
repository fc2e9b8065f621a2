// The control panel's operations of the application object.
#include "app/CApl.h"

#include "core/panel/Painel.h"
#include "tutor/Tutor.h"

void CApl::mExibeAbertura() {
    partida.mVoltaAbertura();
    janela.visivel[ITEM_ABERTURA] = 1;
    for (std::size_t i = ITEM_ABERTURA + 1; i < NUM_ITENS_PAINEL; ++i) janela.visivel[i] = 0;
    janela.mAtualizaJanela();
}

void CApl::mMostraPainel() {
    janela.visivel.fill(0);
    for (int i = ITEM_FUNDO_PAINEL; i < ITEM_PRIMEIRO_PRESSIONADO; ++i) janela.visivel[i] = 1;
    janela.visivel[ITEM_MOLDURA] = 0;
    for (int barra = ITEM_BARRA_VERDE; barra <= ITEM_BARRA_VERMELHA; ++barra) janela.visivel[barra] = 0;
    janela.visivel[ITEM_MENTAL] = gComTutor ? 1 : 0;
}

void CApl::mAtualizaEcometro() {
    const Ecometro ecometro = partida.mAvaliaEcometro();
    const int barra = ecometro.cor;
    tela.mDefineTopo(barra,
                     static_cast<float>((1.0 - ecometro.razao) * ALTURA_BARRA + TOPO_BARRA_CHEIA));
    for (int i = ITEM_BARRA_VERDE; i <= ITEM_BARRA_VERMELHA; ++i) janela.visivel[i] = 0;
    janela.visivel[barra] = 1;
    tela.mDesenhaBitmap(ITEM_ECOMETRO);
    tela.mDesenhaBitmap(barra);
}
