// The control panel's operations of the application object.
#include "app/CApl.h"

#include "view/Painel.h"

void CApl::mCarregaFerramentas(uint32_t c, std::array<int32_t, NUM_FERRAMENTAS>& usos) const {
    const UsosIniciais& iniciais = gNumFerramentas.at(c);
    for (std::size_t k = 0; k < NUM_FERRAMENTAS; ++k) usos[k] = parametroInteiro(iniciais[k]);
}

void CApl::mExibeAbertura() {
    estado = SEM_PARTIDA;
    janela.visivel[ITEM_ABERTURA] = 1;
    for (std::size_t i = ITEM_ABERTURA + 1; i < NUM_ITENS_PAINEL; ++i) janela.visivel[i] = 0;
    janela.mAtualizaJanela();
}
