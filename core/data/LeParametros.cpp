#include "core/data/LeParametros.h"

#include "core/data/LeituraTexto.h"
#include "core/data/Parametros.h"
#include "core/platform/Plataforma.h"

#include <cctype>
#include <cmath>
#include <limits>

namespace {

// The number a token begins with, as strtod reads it, as a float: beyond
// the float range it is ±infinity (half a unit past the largest float is
// already beyond), as the conversion of a double rounds.
float valorDoToken(std::string_view token) {
    const double valor = numeroComoStrtod(token.substr(0, MAX_TOKEN));
    constexpr double ALEM_DO_FLOAT = 3.4028235677973366e38;  // FLT_MAX + half its last unit
    if (std::fabs(valor) >= ALEM_DO_FLOAT)
        return valor > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
    return static_cast<float>(valor);
}

// Tokens separated by white space.
class Tokens {
public:
    explicit Tokens(std::string_view texto) : resto(texto) {}
    bool mProximo(std::string_view& token) {
        while (!resto.empty() && std::isspace(static_cast<unsigned char>(resto.front())))
            resto.remove_prefix(1);
        if (resto.empty()) return false;
        std::size_t fim = 0;
        while (fim < resto.size() && !std::isspace(static_cast<unsigned char>(resto[fim]))) ++fim;
        token = resto.substr(0, fim);
        resto.remove_prefix(fim);
        return true;
    }

private:
    std::string_view resto;
};

}  // namespace

const std::array<ChaveParametro, NUM_CHAVES>& chavesParametros() {
    static const auto CHAVES = std::to_array<ChaveParametro>({
        {"CONFIG_TAXAS_DRAGA_LEITO", NUM_TAXAS, gTaxas[0].data()},
        {"CONFIG_TAXAS_AGROTOXICO", NUM_TAXAS, gTaxas[1].data()},
        {"CONFIG_TAXAS_REDE", NUM_TAXAS, gTaxas[2].data()},
        {"CONFIG_TAXAS_LIXO", NUM_TAXAS, gTaxas[3].data()},
        {"CONFIG_TAXAS_LANCHA", NUM_TAXAS, gTaxas[4].data()},
        {"CONFIG_TAXAS_PESCA_PREDATORIA", NUM_TAXAS, gTaxas[5].data()},
        {"CONFIG_TAXAS_ESGOTO_RESIDENCIAL", NUM_TAXAS, gTaxas[6].data()},
        {"CONFIG_TAXAS_ESGOTO_INDUSTRIAL", NUM_TAXAS, gTaxas[7].data()},
        {"CONFIG_TAXAS_GASOLINA", NUM_TAXAS, gTaxas[8].data()},
        {"NUM_FERRAMENTAS_MAE_NATUREZA", NUM_FERRAMENTAS, gNumFerramentas[MAE_NATUREZA].data()},
        {"NUM_FERRAMENTAS_PREFEITO", NUM_FERRAMENTAS, gNumFerramentas[PREFEITO].data()},
        {"NUM_FERRAMENTAS_TURISTA", NUM_FERRAMENTAS, gNumFerramentas[TURISTA].data()},
        {"NUM_FERRAMENTAS_PESCADOR", NUM_FERRAMENTAS, gNumFerramentas[PESCADOR].data()},
        {"NUM_INI_GORDO", 1, gNumIniGordo.data()},
        {"NUM_INI_LISTRADO", 1, gNumIniListrado.data()},
        {"NUM_INI_AZUL", 1, gNumIniAzul.data()},
        {"NUM_INI_ALGA", 1, gNumIniAlga.data()},
        {"NUM_INI_MICRO", 1, gNumIniMicro.data()},
        {"CRIAR_LAGO", 1, gCriarLago.data()},
        {"CRIAR_AGUA", 1, gCriarAgua.data()},
        {"ALTERA_FERR_0_MAE_NATUREZA", NUM_ALTERACOES, gAlteraFerramenta[MAE_NATUREZA][0].data()},
        {"ALTERA_FERR_0_PREFEITO", NUM_ALTERACOES, gAlteraFerramenta[PREFEITO][0].data()},
        {"ALTERA_FERR_0_PESCADOR", NUM_ALTERACOES, gAlteraFerramenta[PESCADOR][0].data()},
        {"ALTERA_FERR_0_TURISTA", NUM_ALTERACOES, gAlteraFerramenta[TURISTA][0].data()},
        {"ALTERA_FERR_1_MAE_NATUREZA", NUM_ALTERACOES, gAlteraFerramenta[MAE_NATUREZA][1].data()},
        {"ALTERA_FERR_1_PREFEITO", NUM_ALTERACOES, gAlteraFerramenta[PREFEITO][1].data()},
        {"ALTERA_FERR_1_PESCADOR", NUM_ALTERACOES, gAlteraFerramenta[PESCADOR][1].data()},
        {"ALTERA_FERR_1_TURISTA", NUM_ALTERACOES, gAlteraFerramenta[TURISTA][1].data()},
        {"ALTERA_FERR_2_MAE_NATUREZA", NUM_ALTERACOES, gAlteraFerramenta[MAE_NATUREZA][2].data()},
        {"ALTERA_FERR_2_PREFEITO", NUM_ALTERACOES, gAlteraFerramenta[PREFEITO][2].data()},
        {"ALTERA_FERR_2_PESCADOR", NUM_ALTERACOES, gAlteraFerramenta[PESCADOR][2].data()},
        {"ALTERA_FERR_2_TURISTA", NUM_ALTERACOES, gAlteraFerramenta[TURISTA][2].data()},
        {"ALTERA_FERR_3_MAE_NATUREZA", NUM_ALTERACOES, gAlteraFerramenta[MAE_NATUREZA][3].data()},
        {"ALTERA_FERR_3_PREFEITO", NUM_ALTERACOES, gAlteraFerramenta[PREFEITO][3].data()},
        {"ALTERA_FERR_3_PESCADOR", NUM_ALTERACOES, gAlteraFerramenta[PESCADOR][3].data()},
        {"ALTERA_FERR_3_TURISTA", NUM_ALTERACOES, gAlteraFerramenta[TURISTA][3].data()},
    });
    static_assert(std::tuple_size_v<decltype(CHAVES)> == NUM_CHAVES, "one row for every key");
    return CHAVES;
}

ResultadoParametro interpretaParametro(std::string_view texto, std::string_view chave,
                                       std::size_t capacidade, float* destino) {
    Tokens tokens(texto);
    std::string_view token;
    bool achou = false;
    while (!achou && tokens.mProximo(token)) achou = token.substr(0, MAX_TOKEN) == chave;
    if (!achou) return ResultadoParametro::CHAVE_FALTANDO;

    std::size_t quantos = 0;
    while (tokens.mProximo(token) && token.front() != ';') {
        if (++quantos > capacidade) return ResultadoParametro::DADOS_DEMAIS;
        destino[quantos - 1] = valorDoToken(token);
    }
    return ResultadoParametro::LIDO;
}

bool mLeParametro(const std::string& chave, std::size_t capacidade, float* destino,
                  const std::string& arquivo) {
    const auto texto = leArquivoTexto(arquivo);
    if (!texto) {
        mostraAviso("Arquivo com parametros não encontrado");
        return false;
    }
    switch (interpretaParametro(*texto, chave, capacidade, destino)) {
    case ResultadoParametro::LIDO:
        return true;
    case ResultadoParametro::CHAVE_FALTANDO:
        mostraAviso(chave);
        return false;
    case ResultadoParametro::DADOS_DEMAIS:
        mostraAviso("BUG - muitos dados no campo");
        mostraAviso(chave);
        return false;
    }
    return false;
}

bool leParametros(const std::string& arquivo) {
    for (const ChaveParametro& chave : chavesParametros())
        if (!mLeParametro(chave.nome, chave.capacidade, chave.destino, arquivo)) return false;
    return true;
}
