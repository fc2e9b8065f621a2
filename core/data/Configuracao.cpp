#include "core/data/Configuracao.h"

#include "core/data/LeituraTexto.h"
#include "core/platform/Plataforma.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

void leItens(LeituraTexto& leitura, Configuracao& cfg) {
    const auto periodo = leitura.mLeInteiro();
    if (!periodo) return;
    cfg.periodoPasso = std::min(static_cast<uint32_t>(*periodo), PERIODO_PASSO_MAXIMO);

    const auto tamanho = leitura.mLeInteiro();
    if (!tamanho) return;
    const bool cabe = *tamanho >= TAMANHO_JANELA_MINIMO && *tamanho <= TAMANHO_JANELA_MAXIMO;
    cfg.tamanhoJanela = cabe ? static_cast<uint32_t>(*tamanho) : TAMANHO_JANELA_PADRAO;

    if (auto fase = leitura.mLePalavra(MAX_NOME_ARQUIVO)) cfg.faseSugerida = std::move(*fase);
}

}  // namespace

void interpretaConfiguracao(std::string_view texto, Configuracao& cfg) {
    LeituraTexto leitura(texto);
    leItens(leitura, cfg);
}

std::string formataConfiguracao(uint32_t periodoPasso, uint32_t tamanhoJanela,
                                const std::string& faseSugerida) {
    std::ostringstream saida;
    saida << static_cast<int32_t>(periodoPasso) << '\n'
          << static_cast<int32_t>(tamanhoJanela) << '\n'
          << faseSugerida << '\n';
    return saida.str();
}

void LeConfiguracao(uint32_t& periodoPasso, uint32_t& tamanhoJanela, std::string& faseSugerida) {
    const auto entrada = abreArquivoTexto(ARQUIVO_CONFIGURACAO);
    if (!entrada) return;

    Configuracao cfg{periodoPasso, tamanhoJanela, faseSugerida};
    LeituraTexto leitura(*entrada);
    leItens(leitura, cfg);
    periodoPasso = cfg.periodoPasso;
    tamanhoJanela = cfg.tamanhoJanela;
    faseSugerida = cfg.faseSugerida;
}

bool GravaConfiguracao(uint32_t periodoPasso, uint32_t tamanhoJanela,
                       const std::string& faseSugerida) {
    std::ofstream arquivo(ARQUIVO_CONFIGURACAO, std::ios::trunc);
    if (arquivo) arquivo << formataConfiguracao(periodoPasso, tamanhoJanela, faseSugerida);
    if (!arquivo) {
        mostraAviso("Arquivo de configuração não encontrado");
        mostraAviso(ARQUIVO_CONFIGURACAO);
        return false;
    }
    return true;
}
