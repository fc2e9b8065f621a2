#include "core/data/Parametros.h"

#include <cmath>
#include <limits>

std::array<Taxas, NUM_INTERVENTORES> gTaxas{};
std::array<UsosIniciais, NUM_PERSONAGENS> gNumFerramentas{};
std::array<float, 1> gNumIniGordo{}, gNumIniListrado{}, gNumIniAzul{}, gNumIniAlga{}, gNumIniMicro{};
std::array<float, 1> gCriarLago{}, gCriarAgua{};
std::array<std::array<Alteracao, NUM_FERRAMENTAS>, NUM_PERSONAGENS> gAlteraFerramenta{};

int32_t parametroInteiro(float valor) {
    if (std::isnan(valor)) return 0;
    constexpr double MENOR = std::numeric_limits<int32_t>::min();
    constexpr double MAIOR = std::numeric_limits<int32_t>::max();
    const double truncado = std::trunc(static_cast<double>(valor));
    if (truncado <= MENOR) return std::numeric_limits<int32_t>::min();
    if (truncado >= MAIOR) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(truncado);
}
