#include "app/Menu.h"

std::vector<MenuJanela> menuPrincipal() {
    constexpr bool PRONTO = true;
    constexpr bool AINDA_NAO = false;
    const ItemMenu separador{"", 0, true};
    return {
        {"&Jogo",
         {
             {"&Iniciar...\tF2", CMD_INICIAR, AINDA_NAO},
             {"&Terminar", CMD_TERMINAR, AINDA_NAO},
             {"&Pausa\tF3", CMD_PAUSA, AINDA_NAO},
             separador,
             {"&Configurar...", CMD_CONFIGURAR, AINDA_NAO},
             {"&Editar Fases...", CMD_EDITAR_FASES, PRONTO},
             {"Editar Parâmetros &Especiais...", CMD_EDITAR_PARAMETROS, PRONTO},
             separador,
             {"&Sair", CMD_SAIR, PRONTO},
         }},
        {"&Ajuda",
         {
             {"&Ajuda...\tF1", CMD_AJUDA, PRONTO},
             {"&Sobre...", CMD_SOBRE, AINDA_NAO},
         }},
    };
}
