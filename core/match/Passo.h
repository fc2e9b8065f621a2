// The pieces a match is made of: what one step does to the lake, the
// initial population from the parameters, the swaying light and a tool's
// effect.
#pragma once

#include "core/data/Parametros.h"
#include "core/lake/CTabelaAgentes.h"

#include <array>
#include <cstddef>
#include <cstdint>

class CCena3D;

// The model's part of a step: MSG_CICLO_1, then MSG_CICLO_2, then
// MSG_CICLO_3 to all agents (each pass ending early at an agent that
// answers 0), then the border checks of the polluters and of the living
// beings, then the touch check of the living beings.
void passoDoLago(CTabelaAgentes& agentes, CCena3D& cena);

// NUM_INI_*, CRIAR_LAGO and CRIAR_AGUA as read from valores.txt.
PopulacaoInicial populacaoDosParametros();

// The light that sways over the lake: 8 steps one way, then 10 back, and
// so on. Program-wide, kept across matches.
struct Balanco {
    int deslocamento = 0;
    int sentido = 1;
};
void balanca(Balanco& balanco, CCena3D& cena);

// The body type each of a tool's values is for: the five beings, the lake
// and the water.
inline constexpr std::array<int32_t, NUM_ALTERACOES> TIPOS_ALTERACAO = {
    TIPO_GORDO, TIPO_AZUL, TIPO_LISTRADO, TIPO_ALGA, TIPO_MICRO, TIPO_LAGO, TIPO_AGUA};
inline constexpr std::size_t ALTERACAO_LAGO = 5;  // the lake's value in a tool's values
inline constexpr std::size_t ALTERACAO_AGUA = 6;  // the water's

// Adds a tool's effect to the lake: value k × 25 to every body of type
// TIPOS_ALTERACAO[k].
void aplicaFerramenta(CTabelaAgentes& agentes, const Alteracao& efeito);
