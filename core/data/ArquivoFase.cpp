#include "core/data/ArquivoFase.h"

#include "core/data/Fase.h"
#include "core/data/LeituraTexto.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, NUM_CODIGOS_EVENTO> NOMES_EVENTOS = {
    "nada",      "fim da partida", "poluidor sorteado", "draga",
    "agrotóxico", "rede de arrastão", "lixo",             "lancha",
    "pesca predatória", "esgoto doméstico", "esgoto industrial", "vazamento de gasolina",
};

bool ehBranco(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool ehDigito(char c) { return c >= '0' && c <= '9'; }

// The comment without '\r' and without the white space around it.
std::string limpaComentario(std::string texto) {
    std::erase(texto, '\r');
    const auto inicio = std::find_if_not(texto.begin(), texto.end(), ehBranco);
    const auto fim = std::find_if_not(texto.rbegin(), texto.rend(), ehBranco).base();
    return inicio < fim ? std::string(inicio, fim) : std::string();
}

}  // namespace

ArquivoFase leArquivoFase(std::string_view texto) {
    ArquivoFase arquivo;
    LeituraTexto leitura(texto);
    while (const auto tempo = leitura.mLeInteiro()) {
        const auto evento = leitura.mLeInteiro();
        arquivo.pares.push_back({*tempo, evento.value_or(0)});
        if (!evento) break;
    }
    arquivo.comentario = limpaComentario(leitura.mResto());
    if (!arquivo.comentario.empty()) arquivo.comentario += '\n';
    return arquivo;
}

bool pareceArquivoFase(std::string_view texto) {
    const std::size_t inicio = texto.find_first_not_of(" \t\r\n");
    if (inicio == std::string_view::npos) return true;
    texto.remove_prefix(inicio);
    LeituraTexto primeiraLinha(texto.substr(0, texto.find('\n')));
    return primeiraLinha.mLeInteiro() && primeiraLinha.mLeInteiro();
}

std::string escreveArquivoFase(const ArquivoFase& arquivo) {
    std::string texto;
    for (const ParFase& par : arquivo.pares)
        texto += std::to_string(par.tempo) + ' ' + std::to_string(par.evento) + '\n';
    const std::string comentario = limpaComentario(arquivo.comentario);
    if (comentario.empty()) return texto;
    const char primeiro = comentario[0];
    const bool pareceNumero =
        ehDigito(primeiro) ||
        ((primeiro == '+' || primeiro == '-') && comentario.size() > 1 && ehDigito(comentario[1]));
    texto += '\n';
    if (pareceNumero) texto += "# ";
    return texto + comentario + '\n';
}

std::string nomeEventoFase(int32_t codigo) {
    if (codigo >= 0 && codigo < NUM_CODIGOS_EVENTO) return NOMES_EVENTOS[static_cast<std::size_t>(codigo)];
    return "evento " + std::to_string(codigo) + " (não existe)";
}

std::vector<AvisoFase> avisosFase(const std::vector<ParFase>& pares) {
    std::vector<AvisoFase> avisos;
    const std::size_t lidos = std::min(pares.size(), MAX_EVENTOS_FASE);
    if (pares.size() > MAX_EVENTOS_FASE)
        avisos.push_back({AvisoFase::MAIS_DE_CEM, static_cast<int>(MAX_EVENTOS_FASE),
                          "A fase tem " + std::to_string(pares.size()) +
                              " eventos: o jogo lê só os 100 primeiros e ignora o resto."});
    bool temFim = false;
    for (std::size_t i = 0; i < lidos; ++i) {
        const ParFase& par = pares[i];
        const int indice = static_cast<int>(i);
        const std::string quando = "O evento " + std::to_string(i + 1) + " (" + nomeEventoFase(par.evento) +
                                   ", " + std::to_string(par.tempo) + " s)";
        if (par.tempo < 0 || static_cast<uint32_t>(par.tempo) >= TEMPO_ENCHIMENTO)
            avisos.push_back({AvisoFase::TEMPO_NUNCA, indice,
                              quando + " nunca acontece: o tempo precisa estar entre 0 e 999999 s."});
        else if (par.evento == 1)
            temFim = true;
        if (par.evento < 0 || par.evento >= NUM_CODIGOS_EVENTO)
            avisos.push_back({AvisoFase::EVENTO_NAO_EXISTE, indice,
                              quando + " não existe: o jogo mostra \"Interventor com esse numero nao "
                                       "existe\" e não cria nada."});
        if (i > 0 && static_cast<uint32_t>(par.tempo) < static_cast<uint32_t>(pares[i - 1].tempo))
            avisos.push_back({AvisoFase::FORA_DE_ORDEM, indice,
                              quando + " vem antes do anterior: o jogo põe os eventos em ordem de "
                                       "tempo (os de mesmo tempo ficam na ordem da lista)."});
    }
    if (!temFim)
        avisos.push_back({AvisoFase::SEM_FIM, -1,
                          "A fase não tem \"fim da partida\": a partida só acaba quando o aluno a "
                          "encerrar."});
    return avisos;
}
