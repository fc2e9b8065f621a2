#include "core/match/PlanilhaPartida.h"

#include "core/data/ArquivoFase.h"
#include "core/match/EventosFase.h"
#include "core/match/Personagens.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char* MARCA_DE_ORDEM = "\xEF\xBB\xBF";
constexpr const char* CABECALHO =
    "passo;n_gordo;n_azul;n_listrado;n_alga;n_micro;e_gordo;e_azul;e_listrado;e_alga;e_micro;"
    "e_lago;e_agua;seres;ecometro;cor;eventos";

// Two decimals with a comma, in any locale.
std::string decimal(double valor) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.2f", valor);
    std::string resultado = texto;
    for (char& c : resultado)
        if (c == '.') c = ',';
    return resultado;
}

std::string marcaEmPalavras(const MarcaPartida& marca) {
    switch (marca.tipo) {
    case MarcaPartida::POLUIDOR:
        return nomeEventoFase(static_cast<int32_t>(marca.a + EVENTO_PRIMEIRO_INTERVENTOR));
    case MarcaPartida::FERRAMENTA:
        return std::string(ferramentaPersonagem(marca.a, marca.b).nome) + " (" + nomePersonagem(marca.a) + ")";
    case MarcaPartida::FIM:
        break;
    }
    return nomeEventoFase(static_cast<int32_t>(EVENTO_FIM));
}

}  // namespace

void escrevePlanilha(const RegistroPartida& registro, std::ostream& saida) {
    saida << MARCA_DE_ORDEM << CABECALHO << '\n';
    const auto& leituras = registro.mLeituras();
    const auto& marcas = registro.mMarcas();
    std::size_t proximaMarca = 0;
    for (std::size_t i = 0; i < leituras.size(); ++i) {
        const LeituraLago& l = leituras[i];
        saida << l.passo;
        for (const int32_t n : l.quantos) saida << ';' << n;
        for (const double e : l.energia) saida << ';' << decimal(e);
        saida << ';' << (l.lago ? decimal(*l.lago) : "") << ';' << (l.agua ? decimal(*l.agua) : "") << ';'
              << l.seres << ';' << decimal(l.mPercentual()) << ';' << nomeCorEcometro(l.cor) << ';';
        // A mark shows in the first reading after its step; the last reading
        // takes whatever is left (the end, and tools used just before it).
        const bool ultima = i + 1 == leituras.size();
        for (bool primeira = true; proximaMarca < marcas.size() &&
                                   (ultima || marcas[proximaMarca].passo < l.passo);
             ++proximaMarca, primeira = false)
            saida << (primeira ? "" : ", ") << marcaEmPalavras(marcas[proximaMarca]);
        saida << '\n';
    }
}
