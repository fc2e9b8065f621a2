#include "core/panel/CPainel.h"

#include "core/match/Personagens.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr const char* TEXTO_ECOMETRO = "                      Total de seres vivos: ";
constexpr float ENERGIA_PEIXE_CHEIO = 25.0f;   // a fish of this energy is at 100 %
constexpr float ENERGIA_PLANTA_CHEIA = 46.0f;  // an alga or micro-organism

bool primeiraFila(int botao) { return botao >= ITEM_FERRAMENTA && botao < ITEM_FERRAMENTA_COLEGA; }

std::string formata(const char* formato, const std::string& texto, int numero) {
    char linha[512];
    std::snprintf(linha, sizeof linha, formato, texto.c_str(), numero);
    return linha;
}

}  // namespace

// --- the screens

void CPainel::mExibeAbertura() {
    figuras.visivel[ITEM_ABERTURA] = 1;
    for (std::size_t i = ITEM_ABERTURA + 1; i < NUM_ITENS_PAINEL; ++i) figuras.visivel[i] = 0;
}

void CPainel::mMostraPainel(bool comTutor) {
    auto& visivel = figuras.visivel;
    visivel.fill(0);
    for (int i = ITEM_FUNDO_PAINEL; i < ITEM_PRIMEIRO_PRESSIONADO; ++i) visivel[i] = 1;
    visivel[ITEM_MOLDURA] = 0;
    for (int barra = ITEM_BARRA_VERDE; barra <= ITEM_BARRA_VERMELHA; ++barra) visivel[barra] = 0;
    visivel[ITEM_MENTAL] = comTutor ? 1 : 0;
}

std::vector<int> CPainel::mRedesenho(bool comTutor) const {
    std::vector<int> entradas;
    for (int i = ITEM_FUNDO_PAINEL; i <= ITEM_ULTIMO_BOTAO; ++i) {
        if (i == ITEM_MOLDURA || (i == ITEM_MENTAL && !comTutor)) continue;
        if (i >= ITEM_BARRA_VERDE && i <= ITEM_BARRA_VERMELHA && !figuras.visivel[i]) continue;
        entradas.push_back(i);
    }
    if (botaoPressionado != -1) entradas.push_back(botaoPressionado + DESLOCAMENTO_PRESSIONADO);
    return entradas;
}

// --- characters

void CPainel::mDefinePersonagens(uint32_t c1, uint32_t c2) {
    const auto define = [this](uint32_t c, int retrato, int primeiraFerramenta) {
        figuras.mTrocaArquivo(retrato, retratoPersonagem(c));
        for (uint32_t k = 0; k < NUM_FERRAMENTAS; ++k) {
            const Ferramenta& ferramenta = ferramentaPersonagem(c, k);
            const int botao = primeiraFerramenta + static_cast<int>(k);
            figuras.mTrocaArquivo(botao, ferramenta.figura);
            figuras.mTrocaArquivo(botao + DESLOCAMENTO_PRESSIONADO, ferramenta.figuraApertada);
        }
    };
    define(c1, ITEM_RETRATO, ITEM_FERRAMENTA);
    define(c2, ITEM_RETRATO_COLEGA, ITEM_FERRAMENTA_COLEGA);
}

// --- clicks

Clique CPainel::mClique(float fx, float fy, bool emJogo, bool comTutor, uint32_t personagem,
                        uint32_t personagemColega) {
    int botao = ITEM_MENTAL;
    while (botao <= ITEM_ULTIMO_BOTAO && !figuras.mContem(botao, fx, fy)) ++botao;
    if (botao > ITEM_ULTIMO_BOTAO) return {};
    if ((!emJogo && primeiraFila(botao)) || (!comTutor && botao == ITEM_MENTAL))
        return {Clique::RECUSADO, botao};

    botaoPressionado = botao;
    figuras.visivel[static_cast<std::size_t>(botao)] = 0;
    figuras.visivel[static_cast<std::size_t>(botao + DESLOCAMENTO_PRESSIONADO)] = 1;
    if (botao == ITEM_MENTAL) return {Clique::MENTAL, botao};
    if (botao == ITEM_AJUDA) return {Clique::AJUDA, botao};
    if (primeiraFila(botao))
        return {Clique::FERRAMENTA, botao, personagem, static_cast<uint32_t>(botao - ITEM_FERRAMENTA)};
    return {Clique::FERRAMENTA, botao, personagemColega,
            static_cast<uint32_t>(botao - ITEM_FERRAMENTA_COLEGA)};
}

int CPainel::mSolta() {
    if (botaoPressionado == -1) return -1;
    const int botao = botaoPressionado;
    figuras.visivel[static_cast<std::size_t>(botao + DESLOCAMENTO_PRESSIONADO)] = 0;
    figuras.visivel[static_cast<std::size_t>(botao)] = 1;
    botaoPressionado = -1;
    return botao;
}

// --- tips

std::optional<Dica> CPainel::mDica(float fx, float fy, const EstadoDica& estado) const {
    Dica dica{" ", 0, 0, true, false};
    int ultima = -1;
    for (int i = 0; i < static_cast<int>(NUM_ITENS_PAINEL); ++i) {
        if (!figuras.mContem(i, fx, fy)) continue;
        ultima = i;
        if (i == ITEM_MENTAL) return std::nullopt;  // the button has no tip
        if (i == ITEM_RETRATO) {
            dica.texto = nomePersonagem(estado.personagem);
        } else if (i == ITEM_RETRATO_COLEGA) {
            dica.texto = nomePersonagem(estado.personagemColega);
        } else if (i == ITEM_ECOMETRO) {
            const LeituraEcometro& leitura = estado.leitura;
            const float energia = leitura.soma < 0.0f ? 0.0f : leitura.soma;
            const int32_t percentual =
                leitura.escala != 0.0f ? percentualEcometro(energia / leitura.escala) : 0;
            char linha[512];
            std::snprintf(linha, sizeof linha, "%s%d     energia do ecômetro: %3d", TEXTO_ECOMETRO,
                          leitura.quantos, percentual);
            dica.texto = linha;
            dica.alinhaDireita = false;
        } else if (i == ITEM_AJUDA) {
            dica.texto = "Ajuda";
        } else if (primeiraFila(i)) {
            dica.texto = ferramentaPersonagem(estado.personagem, static_cast<uint32_t>(i - ITEM_FERRAMENTA)).nome;
            dica.alinhaDireita = false;
            dica.alinhaBase = true;
        } else if (i >= ITEM_FERRAMENTA_COLEGA && i <= ITEM_ULTIMO_BOTAO) {
            dica.texto = ferramentaPersonagem(estado.personagemColega,
                                              static_cast<uint32_t>(i - ITEM_FERRAMENTA_COLEGA))
                             .nome;
        }
    }
    if (ultima == -1) return std::nullopt;

    // A point on a tool always ends on its pressed image, which lies exactly
    // over it: the tip ends with the tool's uses left.
    const int primeiraApertada = ITEM_FERRAMENTA + DESLOCAMENTO_PRESSIONADO;
    const int primeiraApertadaColega = ITEM_FERRAMENTA_COLEGA + DESLOCAMENTO_PRESSIONADO;
    if (ultima >= primeiraApertada && ultima < primeiraApertadaColega)
        dica.texto = formata("%s :  %d", dica.texto,
                             estado.usos[static_cast<std::size_t>(ultima - primeiraApertada)]);
    else if (ultima >= primeiraApertadaColega && ultima < static_cast<int>(NUM_ITENS_PAINEL))
        dica.texto = formata("%s :  %d", dica.texto,
                             estado.usosColega[static_cast<std::size_t>(ultima - primeiraApertadaColega)]);
    dica.x = figuras[ultima].esquerda;
    dica.y = figuras[ultima].topo;
    return dica;
}

// --- eco-meter

int CPainel::mMostraBarra(const Ecometro& ecometro) {
    const int barra = ecometro.cor;
    figuras.mDefineTopo(barra, static_cast<float>((1.0 - ecometro.razao) * ALTURA_BARRA +
                                                  TOPO_BARRA_CHEIA));
    for (int i = ITEM_BARRA_VERDE; i <= ITEM_BARRA_VERMELHA; ++i) figuras.visivel[i] = 0;
    figuras.visivel[static_cast<std::size_t>(barra)] = 1;
    return barra;
}

// --- texts

float fracaoDoPonteiro(uint32_t pixel, uint32_t tamanhoJanela, int tamanhoTela, int tamanhoCliente) {
    float tamanho = static_cast<float>(tamanhoJanela) / 100.0f * static_cast<float>(tamanhoTela);
    if (tamanhoCliente > 0 && static_cast<float>(tamanhoCliente) + 1.0f <= tamanho)
        tamanho = static_cast<float>(tamanhoCliente);
    if (!(tamanho > 0.0f)) return -1.0f;
    return static_cast<float>(pixel) / tamanho;
}

std::optional<std::string> textoDoObjeto(int32_t tipo, float energia) {
    static constexpr const char* NOMES[] = {
        " Peixe Gordo", " Peixe Azul", " Peixe Listrado", " Alga", " Microorganismo", " Draga",
        " Agrotóxico", " Rede de Arrastão", nullptr, " Lixo", " Lancha", " Pesca Predatória",
        " Vazamento de Gasolina"};
    if (tipo < 0 || tipo >= static_cast<int32_t>(std::size(NOMES)) || !NOMES[tipo]) return std::nullopt;
    if (tipo > TIPO_MICRO) return std::string(NOMES[tipo]);

    const float cheia = tipo <= TIPO_LISTRADO ? ENERGIA_PEIXE_CHEIO : ENERGIA_PLANTA_CHEIA;
    float percentual = energia / cheia * 100.0f;
    if (percentual > 100.0f) percentual = 100.0f;
    if (!(percentual >= 0.0f)) percentual = 0.0f;  // below 0, or no number at all
    char linha[128];
    std::snprintf(linha, sizeof linha, "%s, energia % 2.2f", NOMES[tipo], static_cast<double>(percentual));
    return std::string(linha);
}

std::string textoEscrito(const std::string& texto) {
    if (texto.size() <= 1) return {};
    return texto + " ";
}
