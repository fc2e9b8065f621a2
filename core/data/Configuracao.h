// The settings file dp/apl.cnf: the step period, the main window's size and
// the suggested phase file, one per line ("%d\n%d\n%s\n").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr const char* ARQUIVO_CONFIGURACAO = "./dp/apl.cnf";
inline constexpr uint32_t PERIODO_PASSO_PADRAO = 130;  // ms
inline constexpr uint32_t TAMANHO_JANELA_PADRAO = 70;  // % of the screen
inline constexpr uint32_t TAMANHO_JANELA_PEQUENA = 70;  // the settings dialog's two sizes
inline constexpr uint32_t TAMANHO_JANELA_GRANDE = 90;
inline constexpr std::size_t MAX_NOME_ARQUIVO = 299;   // characters of a file name
// What the file may ask for: a window from 30 % to 100 % of the screen
// (anything else is read as 70 %), a step of at most 10 s (a longer one is
// read as 10 s: the lake would hardly ever be drawn).
inline constexpr int32_t TAMANHO_JANELA_MINIMO = 30;
inline constexpr int32_t TAMANHO_JANELA_MAXIMO = 100;
inline constexpr uint32_t PERIODO_PASSO_MAXIMO = 10000;  // ms

struct Configuracao {
    uint32_t periodoPasso = PERIODO_PASSO_PADRAO;
    uint32_t tamanhoJanela = TAMANHO_JANELA_PADRAO;
    std::string faseSugerida;
};

// Reads the three items of a settings text over cfg, as "%d %d %s" would:
// two decimal integers and one word (its first 299 characters, its bytes as
// they are). An item that cannot be read leaves its field and those after
// it unchanged. Integers beyond the 32-bit range are clamped to it; a
// negative period wraps, as any integer is taken, and then meets the
// longest period; a size outside 30..100 is the default 70.
void interpretaConfiguracao(std::string_view texto, Configuracao& cfg);

// The text written to the file.
std::string formataConfiguracao(uint32_t periodoPasso, uint32_t tamanhoJanela,
                                const std::string& faseSugerida);

// Reads dp/apl.cnf over the given fields. A file that cannot be opened is no
// error: nothing is said and the fields keep their values.
void LeConfiguracao(uint32_t& periodoPasso, uint32_t& tamanhoJanela, std::string& faseSugerida);

// Writes dp/apl.cnf. When it cannot be opened, shows "Arquivo de configuração
// não encontrado" and then the path, and answers false.
bool GravaConfiguracao(uint32_t periodoPasso, uint32_t tamanhoJanela,
                       const std::string& faseSugerida);
