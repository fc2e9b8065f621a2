// The templates every agent is built from: the free agent, the lake, the
// water and the five living species.
#pragma once

#include "core/lake/CGabarito.h"

extern const CGabarito GABARITO_LIVRE;
extern const CGabarito GABARITO_LAGO;
extern const CGabarito GABARITO_AGUA;

// The template of a living species, by body type 0..4.
const CGabarito& gabaritoEspecie(int32_t tipo);

inline constexpr int NUM_TIPOS_INTERVENTOR = 9;

// The template of interventor n (0..8): its polluting kind in slots 3 and 6.
const CGabarito& gabaritoInterventor(int n);
