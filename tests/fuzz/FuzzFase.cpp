// libFuzzer target: the reader of phase files on arbitrary text must neither
// crash nor leave the table unsorted; and a phase the editor reads and
// writes again must be read by the game exactly as the original, and read
// back by the editor as it was.
#include "core/data/ArquivoFase.h"
#include "core/data/Fase.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
    const std::string_view texto{reinterpret_cast<const char*>(dados), tamanho};
    TabelaFase tabela;
    interpretaFase(texto, tabela);
    const bool ordenada = std::is_sorted(tabela.begin(), tabela.end(),
                                         [](const EventoFase& a, const EventoFase& b) { return a.tempo < b.tempo; });
    if (!ordenada) std::abort();

    const ArquivoFase arquivo = leArquivoFase(texto);
    const std::string escrito = escreveArquivoFase(arquivo);
    TabelaFase reescrita;
    interpretaFase(escrito, reescrita);
    if (reescrita != tabela) std::abort();
    if (leArquivoFase(escrito).pares != arquivo.pares) std::abort();
    avisosFase(arquivo.pares);
    return 0;
}
