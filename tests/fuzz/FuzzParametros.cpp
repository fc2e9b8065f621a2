// libFuzzer target: the reader of valores.txt on arbitrary text, for all
// its keys in one pass, must neither crash nor write past a key's capacity,
// and must read each key as a read of that key alone does.
#include "core/data/LeParametros.h"

#include <array>
#include <cstdlib>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
    const std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
    constexpr float GUARDA = 12345.0f;
    constexpr std::size_t LUGARES = 32;  // more than any key's capacity
    std::vector<std::array<float, LUGARES>> destinos(NUM_CHAVES);
    std::vector<ChaveParametro> chaves;
    for (std::size_t k = 0; k < NUM_CHAVES; ++k) {
        destinos[k].fill(GUARDA);
        chaves.push_back({chavesParametros()[k].nome, chavesParametros()[k].capacidade, destinos[k].data()});
    }
    const std::vector<ResultadoParametro> resultados = interpretaParametros(texto, chaves);
    for (std::size_t k = 0; k < NUM_CHAVES; ++k)
        for (std::size_t i = chaves[k].capacidade; i < LUGARES; ++i)
            if (destinos[k][i] != GUARDA) std::abort();

    // One key read alone gives the same as in the pass over all of them.
    const std::size_t k = tamanho % NUM_CHAVES;
    std::array<float, LUGARES> sozinha;
    sozinha.fill(GUARDA);
    if (interpretaParametro(texto, chaves[k].nome, chaves[k].capacidade, sozinha.data()) != resultados[k])
        std::abort();
    for (std::size_t i = 0; i < LUGARES; ++i)
        if (sozinha[i] != destinos[k][i] && !(sozinha[i] != sozinha[i] && destinos[k][i] != destinos[k][i]))
            std::abort();
    return 0;
}
