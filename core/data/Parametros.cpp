#include "core/data/Parametros.h"

#include <cmath>
#include <limits>

thread_local std::array<Taxas, NUM_INTERVENTORES> gTaxas{};
thread_local std::array<UsosIniciais, NUM_PERSONAGENS> gNumFerramentas{};
thread_local std::array<float, 1> gNumIniGordo{}, gNumIniListrado{}, gNumIniAzul{}, gNumIniAlga{}, gNumIniMicro{};
thread_local std::array<float, 1> gCriarLago{}, gCriarAgua{};
thread_local std::array<std::array<Alteracao, NUM_FERRAMENTAS>, NUM_PERSONAGENS> gAlteraFerramenta{};

int32_t parametroInteiro(float valor) {
    if (std::isnan(valor)) return 0;
    // The floats next to the ends of the range are -2^31 and 2^31 - 128 and
    // 2^31: every float strictly between the first and the last truncates
    // into the range, and the conversion truncates toward zero.
    constexpr float MENOR = -2147483648.0f, ALEM = 2147483648.0f;
    if (valor <= MENOR) return std::numeric_limits<int32_t>::min();
    if (valor >= ALEM) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(valor);
}
