// libFuzzer target: a model file, as the game loads it, on arbitrary bytes:
// what is refused is refused, and every mesh accepted is sound (its corners
// are its vertices, its box holds them).
#include "core/scene/Malha.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
    Malha malha;
    if (!interpretaMalhaX({dados, tamanho}, malha)) {
        if (!malha.mVazia()) std::abort();
        return 0;
    }
    if (malha.normais.size() != malha.vertices.size()) std::abort();
    for (const Triangulo& t : malha.triangulos) {
        for (const uint32_t v : t.vertices)
            if (v >= malha.vertices.size()) std::abort();
        if (t.material >= malha.materiais.size()) std::abort();
    }
    for (const Vetor3& v : malha.vertices)
        if (!std::isfinite(v.x) || v.x < malha.caixa.minimo.x || v.x > malha.caixa.maximo.x) std::abort();
    return 0;
}
