// The templates every agent is built from: the free agent, the lake, the
// water and the five living species.
#pragma once

#include "lake/CGabarito.h"

extern const CGabarito GABARITO_LIVRE;
extern const CGabarito GABARITO_LAGO;
extern const CGabarito GABARITO_AGUA;

// The template of a living species, by body type 0..4.
const CGabarito& gabaritoEspecie(int32_t tipo);
