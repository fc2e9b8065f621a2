// libFuzzer target: the reader of phase files on arbitrary text must neither
// crash nor leave the table unsorted.
#include "core/data/Fase.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
    TabelaFase tabela;
    interpretaFase({reinterpret_cast<const char*>(dados), tamanho}, tabela);
    const bool ordenada = std::is_sorted(tabela.begin(), tabela.end(),
                                         [](const EventoFase& a, const EventoFase& b) { return a.tempo < b.tempo; });
    if (!ordenada) std::abort();
    return 0;
}
