// The main window's menu bar and the commands it carries.
#pragma once

#include "view/CJanela.h"

#include <vector>

inline constexpr int CMD_CONFIGURAR = 40001;
inline constexpr int CMD_INICIAR = 40002;
inline constexpr int CMD_PAUSA = 40003;
inline constexpr int CMD_SAIR = 40004;
inline constexpr int CMD_CONVERSA = 40006;  // no menu entry: opens the Conversa window
inline constexpr int CMD_AJUDA = 40007;
inline constexpr int CMD_SOBRE = 40008;
inline constexpr int CMD_TERMINAR = 40010;
inline constexpr int CMD_EDITAR_FASES = 40014;
inline constexpr int CMD_EDITAR_PARAMETROS = 40015;
inline constexpr int CMD_RESUMO = 40016;  // the debrief of the match that ended last

// "&Jogo" and "&Ajuda", with every entry.
std::vector<MenuJanela> menuPrincipal();
