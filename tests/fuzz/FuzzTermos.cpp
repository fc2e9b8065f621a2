// libFuzzer target: the teacher's console reads a pupil's bytes, cut
// anywhere, into terms: nothing may be lost or invented, and no more than a
// term's length may be kept waiting for the next bytes.
#include "core/match/LeitorTermos.h"

#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
    if (tamanho == 0) return 0;
    // The first byte says where the bytes are cut.
    const std::size_t passo = 1 + dados[0] % 64;
    const std::string_view bytes{reinterpret_cast<const char*>(dados) + 1, tamanho - 1};
    LeitorTermos leitor;
    std::string lido;
    for (std::size_t i = 0; i < bytes.size(); i += passo) {
        for (const TermoLido& termo : leitor.mLe(bytes.substr(i, passo))) lido += termo.texto;
        LeitorTermos copia = leitor;
        std::string guardado;
        for (const TermoLido& termo : copia.mFim()) guardado += termo.texto;
        if (guardado.size() > LeitorTermos::MAIOR_TERMO) std::abort();
    }
    for (const TermoLido& termo : leitor.mFim()) lido += termo.texto;
    if (lido != bytes) std::abort();
    return 0;
}
