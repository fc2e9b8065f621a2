// The care a careful pupil gives the lake: the standard script of tool uses
// that the phase editor's balance check and simula's --cuidado run against
// a phase, so that "com cuidado" means the same everywhere.
//
// The pupil plays the default pair, Mãe Natureza and Pescador, and uses
// their eight tools in turn (Mãe Natureza's 0 to 3, then Pescador's 0 to
// 3), three rounds, 24 uses spread evenly over the match: use i (0..23)
// comes before step (i + 1) × passos / 25. A tool whose uses have run out
// is refused, as a click on it would be.
#pragma once

#include <cstdint>
#include <vector>

struct UsoFerramenta {
    uint32_t passo;  // used just before this step
    uint32_t personagem, ferramenta;
};

inline constexpr uint32_t USOS_CUIDADO = 24;

// The script for a match of passos steps.
std::vector<UsoFerramenta> roteiroCuidado(uint32_t passos);
