// libFuzzer target: the reader of valores.txt on arbitrary text, for every
// key, must neither crash nor write past a key's capacity.
#include "core/data/LeParametros.h"

#include <array>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
    const std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
    constexpr float GUARDA = 12345.0f;
    for (const ChaveParametro& chave : chavesParametros()) {
        std::array<float, 32> destino;
        destino.fill(GUARDA);
        interpretaParametro(texto, chave.nome, chave.capacidade, destino.data());
        for (std::size_t i = chave.capacidade; i < destino.size(); ++i)
            if (destino[i] != GUARDA) std::abort();
    }
    return 0;
}
