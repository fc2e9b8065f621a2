// The state of the phase's events during a match: which entry of the phase
// table runs next, and which of the 20 polluter agents the next
// interventor goes to. Both restart at 0 with every match.
#pragma once

#include <cstdint>

extern uint32_t gIndiceEvento;
extern uint32_t gContaInterventor;
