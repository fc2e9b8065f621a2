#include "app/Menu.h"

std::vector<MenuJanela> menuPrincipal() {
    const ItemMenu separador{"", 0};
    return {
        {"&Jogo",
         {
             {"&Iniciar...\tF2", CMD_INICIAR},
             {"&Terminar", CMD_TERMINAR},
             {"&Pausa\tF3", CMD_PAUSA},
             separador,
             {"&Configurar...", CMD_CONFIGURAR},
             {"&Editar Fases...", CMD_EDITAR_FASES},
             {"Editar Parâmetros &Especiais...", CMD_EDITAR_PARAMETROS},
             separador,
             {"&Sair", CMD_SAIR},
             separador,
             {"&Resumo da Partida...", CMD_RESUMO},
         }},
        {"&Ajuda",
         {
             {"&Ajuda...\tF1", CMD_AJUDA},
             {"&Sobre...", CMD_SOBRE},
         }},
    };
}
