#include "phase/EventosFase.h"

uint32_t gIndiceEvento = 0;
uint32_t gContaInterventor = 0;
