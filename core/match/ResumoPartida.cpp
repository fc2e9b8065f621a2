#include "core/match/ResumoPartida.h"

#include "core/match/Personagens.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::array<CorEcometro, 3> CORES = {ECOMETRO_VERDE, ECOMETRO_AMARELO, ECOMETRO_VERMELHO};
constexpr std::array<const char*, NUM_ESPECIES> ESPECIES = {
    "os peixes gordos", "os peixes azuis", "os peixes listrados", "as algas", "os microorganismos"};
constexpr std::array<const char*, NUM_INTERVENTORES> POLUIDORES = {
    "a draga", "o agrotóxico", "a rede de arrastão", "o lixo", "a lancha", "a pesca predatória",
    "o esgoto doméstico", "o esgoto industrial", "o vazamento de gasolina"};
constexpr const char* FUNDO = "o fundo do lago";
constexpr const char* AGUA = "a água";

constexpr double QUEDA_QUE_CONTA = 1.0;    // eco-meter points: less is no harm worth telling
constexpr double ENERGIA_QUE_CONTA = 5.0;  // a kind with less has nothing to lose worth telling
constexpr double PERDA_QUE_CONTA = 0.1;    // the least share of its energy worth telling

uint64_t msDoPasso(const RegistroPartida& registro, uint32_t passo) {
    return uint64_t{passo} * registro.mPeriodoMs();
}

uint64_t segundosArredondados(uint64_t ms) { return (ms + 500) / 1000; }

std::string plural(uint64_t n, const char* um, const char* varios) {
    return std::to_string(n) + ' ' + (n == 1 ? um : varios);
}

// "a", "a e b", "a, b e c".
std::string lista(const std::vector<std::string>& itens) {
    std::string texto;
    for (std::size_t i = 0; i < itens.size(); ++i) {
        if (i > 0) texto += i + 1 == itens.size() ? " e " : ", ";
        texto += itens[i];
    }
    return texto;
}

// How much of its energy a kind lost, in words a child reads: "metade da energia".
const char* parteDaEnergia(double perda) {
    if (perda >= 0.9) return "quase toda a energia";
    if (perda >= 0.6) return "mais da metade da energia";
    if (perda >= 0.4) return "metade da energia";
    if (perda >= 0.25) return "um terço da energia";
    return "um pouco da energia";
}

std::string fraseDuracoes(const ResumoPartida& resumo) {
    std::vector<std::string> partes;
    for (std::size_t i = 0; i < CORES.size(); ++i)
        if (segundosArredondados(resumo.msNaCor[i]) > 0)
            partes.push_back(duracaoEmPalavras(resumo.msNaCor[i]) + " no " + nomeCorEcometro(CORES[i]));
    if (partes.empty()) return "A partida acabou antes de completar um segundo.";
    return "O lago passou " + lista(partes) + ".";
}

// What a polluter did: the lake before it came and a while after.
struct Dano {
    const MarcaPartida* marca = nullptr;
    const LeituraLago* antes = nullptr;
    const LeituraLago* depois = nullptr;
    bool janelaInteira = false;  // the while after lasted the whole window
    double queda() const { return antes->mPercentual() - depois->mPercentual(); }
};

// The sentence of the harm the polluter did; empty when it did little.
std::string fraseDano(const Dano& dano) {
    const std::string quando = dano.janelaInteira
                                   ? "Nos " + std::to_string(JANELA_DANO_MS / 1000) + " segundos seguintes, "
                                   : std::string("Até o fim da partida, ");
    for (std::size_t e = 0; e < NUM_ESPECIES; ++e)
        if (dano.antes->quantos[e] > 0 && dano.depois->quantos[e] == 0)
            return quando + ESPECIES[e] + " desapareceram do lago.";
    double maiorPerda = 0;
    std::size_t quem = 0;
    for (std::size_t e = 0; e < NUM_ESPECIES; ++e) {
        const double antes = dano.antes->energia[e];
        if (antes < ENERGIA_QUE_CONTA) continue;
        const double perda = (antes - dano.depois->energia[e]) / antes;
        if (perda > maiorPerda) maiorPerda = perda, quem = e;
    }
    if (maiorPerda >= PERDA_QUE_CONTA)
        return quando + ESPECIES[quem] + " perderam " + parteDaEnergia(maiorPerda) + ".";
    const auto pontos = std::lround(dano.queda());
    if (pontos >= 1) return quando + "o ecômetro caiu " + plural(static_cast<uint64_t>(pontos), "ponto", "pontos") + ".";
    return {};
}

void frasesPoluidores(const RegistroPartida& registro, std::vector<std::string>& frases) {
    const uint32_t periodo = std::max<uint32_t>(registro.mPeriodoMs(), 1);
    const uint32_t janela = (JANELA_DANO_MS + periodo - 1) / periodo;  // steps
    std::vector<Dano> danos;
    for (const MarcaPartida& marca : registro.mMarcas()) {
        if (marca.tipo != MarcaPartida::POLUIDOR) continue;
        Dano dano{&marca, &registro.mLeituraEm(marca.passo), &registro.mLeituraEm(marca.passo + janela)};
        dano.janelaInteira = registro.mLeituras().back().passo >= marca.passo + janela;
        danos.push_back(dano);
    }
    if (danos.empty()) {
        frases.push_back("Nenhum poluidor chegou ao lago.");
        return;
    }
    const Dano& pior = *std::max_element(danos.begin(), danos.end(),
                                         [](const Dano& a, const Dano& b) { return a.queda() < b.queda(); });
    const std::string quem = nomePoluidor(pior.marca->a);
    const std::string quando = tempoPartida(msDoPasso(registro, pior.marca->passo));
    const std::string dano = fraseDano(pior);
    if (danos.size() == 1) {
        std::string frase = "Aos " + quando + " chegou " + quem;
        frase += dano.empty() ? ", mas o lago aguentou bem." : ".";
        frases.push_back(frase);
    } else if (dano.empty()) {
        frases.push_back("Chegaram " + std::to_string(danos.size()) +
                         " poluidores ao lago, mas nenhum deles fez muito mal.");
    } else {
        frases.push_back("Chegaram " + std::to_string(danos.size()) + " poluidores ao lago; o que mais fez mal foi " +
                         quem + ", que chegou aos " + quando + ".");
    }
    if (!dano.empty()) frases.push_back(dano);
}

// "as algas e a água ganharam energia, mas os peixes gordos perderam energia"
std::string efeitoEmPalavras(const Alteracao& efeito) {
    std::vector<std::string> ganharam, perderam;
    for (std::size_t i = 0; i < NUM_ALTERACOES; ++i) {
        const char* nome = i < NUM_ESPECIES ? ESPECIES[i] : i == NUM_ESPECIES ? FUNDO : AGUA;
        if (efeito[i] > 0) ganharam.emplace_back(nome);
        if (efeito[i] < 0) perderam.emplace_back(nome);
    }
    // A lone lake bottom or water is one thing; everything else is many.
    const auto verbo = [](const std::vector<std::string>& quem, const char* um, const char* varios) {
        const bool singular = quem.size() == 1 && (quem[0] == FUNDO || quem[0] == AGUA);
        return lista(quem) + ' ' + (singular ? um : varios) + " energia";
    };
    std::string texto;
    if (!ganharam.empty()) texto = verbo(ganharam, "ganhou", "ganharam");
    if (!perderam.empty())
        texto += (texto.empty() ? "" : ", mas ") + verbo(perderam, "perdeu", "perderam");
    return texto;
}

std::string fraseFerramentas(const RegistroPartida& registro) {
    uint32_t total = 0, diferentes = 0, maisUsos = 0;
    uint32_t quem = 0, qual = 0;
    for (uint32_t c = 0; c < NUM_PERSONAGENS; ++c)
        for (uint32_t k = 0; k < NUM_FERRAMENTAS; ++k) {
            const uint32_t usos = registro.mUsos(c, k);
            total += usos;
            diferentes += usos > 0;
        }
    if (total == 0) return "Você não usou nenhuma ferramenta.";
    // The most used; between equals, the one used first.
    const MarcaPartida* primeiroUso = nullptr;
    for (const MarcaPartida& marca : registro.mMarcas()) {
        if (marca.tipo != MarcaPartida::FERRAMENTA) continue;
        const uint32_t usos = registro.mUsos(marca.a, marca.b);
        if (usos > maisUsos) maisUsos = usos, quem = marca.a, qual = marca.b, primeiroUso = &marca;
    }
    if (!primeiroUso) return "Você usou ferramentas " + plural(total, "vez", "vezes") + ".";
    const std::string nome = ferramentaPersonagem(quem, qual).nome;
    std::string frase;
    if (diferentes == 1)
        frase = "Você usou " + nome + ' ' + plural(maisUsos, "vez", "vezes");
    else if (maisUsos == 1)
        frase = "Você usou " + std::to_string(total) + " ferramentas, uma vez cada; a primeira foi " + nome;
    else
        frase = "Você usou ferramentas " + plural(total, "vez", "vezes") + "; a que mais usou foi " + nome + ", " +
                plural(maisUsos, "vez", "vezes");
    const std::string efeito = efeitoEmPalavras(primeiroUso->efeito);
    if (!efeito.empty()) frase += (maisUsos == 1 ? ": " : ": cada vez ") + efeito;
    return frase + ".";
}

std::string fraseFim(const RegistroPartida& registro) {
    const LeituraLago& inicio = registro.mLeituras().front();
    const LeituraLago& fim = registro.mLeituras().back();
    const std::string cor = nomeCorEcometro(fim.cor);
    int32_t seres = 0;
    std::vector<std::string> sumiram;
    for (std::size_t e = 0; e < NUM_ESPECIES; ++e) {
        seres += fim.quantos[e];
        if (inicio.quantos[e] > 0 && fim.quantos[e] == 0) sumiram.emplace_back(ESPECIES[e]);
    }
    if (seres == 0) return "No fim não havia mais nenhum ser vivo no lago, e o ecômetro estava no " + cor + ".";
    std::string frase = "No fim o ecômetro estava no " + cor + ", e havia " +
                        plural(static_cast<uint64_t>(seres), "ser vivo", "seres vivos") + " no lago";
    if (!sumiram.empty()) frase += ", mas " + lista(sumiram) + " tinham desaparecido";
    return frase + ".";
}

const char* fraseConselho(CorEcometro cor) {
    switch (cor) {
    case ECOMETRO_VERDE: return "Parabéns: você cuidou bem do lago!";
    case ECOMETRO_AMARELO: return "O lago precisava de mais cuidado: use as ferramentas logo que um poluidor chegar.";
    case ECOMETRO_VERMELHO: break;
    }
    return "O lago ficou muito doente: tente de novo e use as ferramentas logo que um poluidor chegar!";
}

}  // namespace

ResumoPartida resumoDaPartida(const RegistroPartida& registro) {
    ResumoPartida resumo;
    if (!registro.mIniciado()) return resumo;
    const LeituraLago& fim = registro.mLeituras().back();
    for (std::size_t i = 0; i < CORES.size(); ++i)
        resumo.msNaCor[i] = msDoPasso(registro, registro.mPassosNaCor(CORES[i]));
    resumo.corFinal = fim.cor;
    resumo.ecometroFinal = fim.mPercentual();
    resumo.seresFinais = fim.quantos;
    resumo.msPartida = msDoPasso(registro, fim.passo);

    resumo.frases.push_back(fraseDuracoes(resumo));
    frasesPoluidores(registro, resumo.frases);
    resumo.frases.push_back(fraseFerramentas(registro));
    resumo.frases.push_back(fraseFim(registro));
    resumo.frases.push_back(fraseConselho(resumo.corFinal));
    return resumo;
}

std::string tempoPartida(uint64_t ms) {
    const uint64_t segundos = segundosArredondados(ms);
    const uint64_t resto = segundos % 60;
    return std::to_string(segundos / 60) + (resto < 10 ? ":0" : ":") + std::to_string(resto);
}

std::string duracaoEmPalavras(uint64_t ms) {
    const uint64_t segundos = segundosArredondados(ms);
    const uint64_t minutos = segundos / 60, resto = segundos % 60;
    if (minutos == 0) return plural(resto, "segundo", "segundos");
    const std::string texto = plural(minutos, "minuto", "minutos");
    return resto == 0 ? texto : texto + " e " + plural(resto, "segundo", "segundos");
}

std::string nomePoluidor(uint32_t n) { return n < POLUIDORES.size() ? POLUIDORES[n] : "um poluidor"; }

const char* nomeEspecie(std::size_t especie) { return especie < ESPECIES.size() ? ESPECIES[especie] : ""; }

std::string textoResumo(const ResumoPartida& resumo) {
    std::string texto;
    for (std::size_t i = 0; i < CORES.size(); ++i)
        texto += std::string(nomeCorEcometro(CORES[i])) + ": " + tempoPartida(resumo.msNaCor[i]) + '\n';
    texto += std::string("cor final: ") + nomeCorEcometro(resumo.corFinal) + '\n';
    for (const std::string& frase : resumo.frases) texto += frase + '\n';
    return texto;
}
