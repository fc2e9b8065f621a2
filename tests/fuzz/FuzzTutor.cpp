// libFuzzer target: the tutor's bytes, cut into reads of at most 1000 bytes
// where the first byte says, must always come out as valid UTF-8 text,
// whatever they are and wherever the reads end.
#include "core/data/TextoTutor.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
    if (tamanho == 0) return 0;
    const std::size_t corte = 1 + dados[0] % 16;  // reads of 1 to 16 bytes, or of 1000
    const std::size_t leitura = dados[0] >= 240 ? 1000 : corte;
    const std::string_view bytes(reinterpret_cast<const char*>(dados) + 1, tamanho - 1);
    DecodificadorTutor decodificador;
    for (std::size_t i = 0; i < bytes.size(); i += leitura) {
        const std::string texto = decodificador.mDecodifica(bytes.substr(i, leitura));
        std::size_t incompleto = 0;
        if (!utf8ValidoAteOFim(texto, incompleto) || incompleto != 0) std::abort();
    }
    return 0;
}
