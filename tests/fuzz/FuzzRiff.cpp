// libFuzzer target: the wave reader on arbitrary bytes must neither crash
// nor read outside them, and what it returns must fit what it was given.
#include "core/sound/Riff.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
    const auto som = interpretaWave({dados, tamanho});
    if (som && som->dados.size() > tamanho) std::abort();
    if (som && som->formato.alinhamento > 0 && som->dados.size() % som->formato.alinhamento != 0)
        std::abort();
    return 0;
}
