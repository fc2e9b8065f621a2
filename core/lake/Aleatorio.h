// The game's one pseudo-random generator, seeded at every match start:
// state = state × 214013 + 2531011 (mod 2^32); a value is bits 16..30 of the
// new state, 0 to 32767.
#pragma once

#include <cstdint>

void semeiaAleatorio(uint32_t semente);
uint32_t aleatorio();
