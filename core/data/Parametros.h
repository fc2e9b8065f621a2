// The special parameters of a match: 36 program-wide arrays of floats that
// the reader of dp/valores.txt fills at every match start. They hold no
// built-in defaults: every value is 0 until it is first read.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The four characters a pupil can play.
enum Personagem : uint32_t { MAE_NATUREZA = 0, PESCADOR = 1, PREFEITO = 2, TURISTA = 3 };
inline constexpr std::size_t NUM_PERSONAGENS = 4;
inline constexpr std::size_t NUM_FERRAMENTAS = 4;  // tools per character

inline constexpr std::size_t NUM_INTERVENTORES = 9;
inline constexpr std::size_t NUM_TAXAS = 18;       // damage rates, one per rate index
inline constexpr std::size_t NUM_ALTERACOES = 7;   // types 0..4, lake, water

using Taxas = std::array<float, NUM_TAXAS>;
using UsosIniciais = std::array<float, NUM_FERRAMENTAS>;
using Alteracao = std::array<float, NUM_ALTERACOES>;

// The values of the match being run, read at its start. Each thread has its
// own, so that matches on worker threads (many seeds at once) never share
// them.

// CONFIG_TAXAS_*, by interventor number (dredger, pesticide, trawl net,
// litter, motor boat, predatory fishing, residential sewage, industrial
// sewage, petrol leak).
extern thread_local std::array<Taxas, NUM_INTERVENTORES> gTaxas;

// NUM_FERRAMENTAS_*, by character: uses of each tool in one match.
extern thread_local std::array<UsosIniciais, NUM_PERSONAGENS> gNumFerramentas;

// NUM_INI_*: the initial population.
extern thread_local std::array<float, 1> gNumIniGordo, gNumIniListrado, gNumIniAzul, gNumIniAlga, gNumIniMicro;

// CRIAR_LAGO, CRIAR_AGUA: any value but 0 creates the lake or water body.
extern thread_local std::array<float, 1> gCriarLago, gCriarAgua;

// ALTERA_FERR_t_*, by character and tool: energy changes, in units of 25.
extern thread_local std::array<std::array<Alteracao, NUM_FERRAMENTAS>, NUM_PERSONAGENS> gAlteraFerramenta;

// A parameter as a whole number: truncated toward zero, saturated at the
// 32-bit range, 0 for a value that is not a number.
int32_t parametroInteiro(float valor);
