// libFuzzer target: the reader of apl.cnf on arbitrary text must neither
// crash nor keep more than 299 characters of the phase name, and what it
// reads must be written back the same.
#include "core/data/Configuracao.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
    Configuracao cfg;
    interpretaConfiguracao({reinterpret_cast<const char*>(dados), tamanho}, cfg);
    if (cfg.faseSugerida.size() > MAX_NOME_ARQUIVO) std::abort();
    Configuracao relida;
    interpretaConfiguracao(formataConfiguracao(cfg.periodoPasso, cfg.tamanhoJanela, cfg.faseSugerida), relida);
    if (relida.periodoPasso != cfg.periodoPasso || relida.tamanhoJanela != cfg.tamanhoJanela ||
        relida.faseSugerida != cfg.faseSugerida)
        std::abort();
    return 0;
}
