#include "core/data/LeParametros.h"

#include "core/data/LeituraTexto.h"
#include "core/data/Parametros.h"
#include "core/platform/Plataforma.h"

#include <algorithm>
#include <memory>
#include <span>
#include <unordered_map>
#include <vector>
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

// One pass over a parameters text that reads the entries of several keys
// at once, exactly as separate searches from the text's beginning would:
// each key's entry starts after the first token equal to it, also when that
// token lies among another key's values, and runs to a token beginning with
// ";", to the end, or past the key's capacity.
struct Entrada {
    bool achada = false;
    bool aberta = false;
    bool demais = false;
    std::vector<float> valores;
};

std::vector<Entrada> leEntradas(LeituraTexto& leitura, std::span<const ChaveParametro> chaves) {
    std::vector<Entrada> entradas(chaves.size());
    std::unordered_map<std::string_view, std::vector<std::size_t>> porNome;
    for (std::size_t k = 0; k < chaves.size(); ++k) porNome[chaves[k].nome].push_back(k);
    std::vector<std::size_t> abertas;       // entries reading values now
    std::size_t pendentes = chaves.size();  // keys not found yet, or still reading values
    while (pendentes > 0) {
        const std::optional<std::string> token = leitura.mLePalavra(MAX_TOKEN);
        if (!token) break;
        for (std::size_t a = 0; a < abertas.size();) {
            const std::size_t k = abertas[a];
            Entrada& entrada = entradas[k];
            if ((*token)[0] == ';') {
                entrada.aberta = false;
            } else if (entrada.valores.size() == chaves[k].capacidade) {
                entrada.demais = true;
                entrada.aberta = false;
            } else {
                entrada.valores.push_back(valorDoToken(*token));
            }
            if (entrada.aberta) {
                ++a;
            } else {
                abertas.erase(abertas.begin() + static_cast<std::ptrdiff_t>(a));
                --pendentes;
            }
        }
        if (const auto chave = porNome.find(*token); chave != porNome.end())
            for (const std::size_t k : chave->second)
                if (!entradas[k].achada) {
                    entradas[k].achada = entradas[k].aberta = true;
                    abertas.push_back(k);
                }
    }
    return entradas;
}

// Stores an entry's values and answers how the key was read.
ResultadoParametro guarda(const Entrada& entrada, float* destino) {
    if (!entrada.achada) return ResultadoParametro::CHAVE_FALTANDO;
    std::copy(entrada.valores.begin(), entrada.valores.end(), destino);
    return entrada.demais ? ResultadoParametro::DADOS_DEMAIS : ResultadoParametro::LIDO;
}

// The boxes of a key that failed; true when it was read.
bool avisa(ResultadoParametro resultado, const std::string& chave) {
    switch (resultado) {
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

// The file as a reading, or the box that says it is missing.
std::unique_ptr<std::istream> abreValores(const std::string& arquivo) {
    auto entrada = abreArquivoTexto(arquivo);
    if (!entrada) mostraAviso("Arquivo com parametros não encontrado");
    return entrada;
}

}  // namespace

std::array<ChaveParametro, NUM_CHAVES> chavesParametros() {
    const auto chaves = std::to_array<ChaveParametro>({
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
    static_assert(std::tuple_size_v<decltype(chaves)> == NUM_CHAVES, "one row for every key");
    return chaves;
}

std::vector<ResultadoParametro> interpretaParametros(std::string_view texto,
                                                     std::span<const ChaveParametro> chaves) {
    LeituraTexto leitura(texto);
    const std::vector<Entrada> entradas = leEntradas(leitura, chaves);
    std::vector<ResultadoParametro> resultados;
    for (std::size_t k = 0; k < chaves.size(); ++k)
        resultados.push_back(guarda(entradas[k], chaves[k].destino));
    return resultados;
}

ResultadoParametro interpretaParametro(std::string_view texto, std::string_view chave,
                                       std::size_t capacidade, float* destino) {
    const std::string nome(chave);
    const ChaveParametro uma{nome.c_str(), capacidade, destino};
    return interpretaParametros(texto, {&uma, 1}).front();
}

bool mLeParametro(const std::string& chave, std::size_t capacidade, float* destino,
                  const std::string& arquivo) {
    const auto entrada = abreValores(arquivo);
    if (!entrada) return false;
    LeituraTexto leitura(*entrada);
    const ChaveParametro uma{chave.c_str(), capacidade, destino};
    return avisa(guarda(leEntradas(leitura, {&uma, 1}).front(), destino), chave);
}

bool leParametros(const std::string& arquivo) {
    const auto entrada = abreValores(arquivo);
    if (!entrada) return false;
    LeituraTexto leitura(*entrada);
    const auto& chaves = chavesParametros();
    const std::vector<Entrada> entradas = leEntradas(leitura, chaves);
    // As key after key would: the keys before a failing one keep what they
    // read, and those after it are not touched.
    for (std::size_t k = 0; k < chaves.size(); ++k)
        if (!avisa(guarda(entradas[k], chaves[k].destino), chaves[k].nome)) return false;
    return true;
}
