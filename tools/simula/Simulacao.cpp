#include "tools/simula/Simulacao.h"

#include "core/lake/Aleatorio.h"
#include "core/match/Relogio.h"
#include "core/match/EventosFase.h"
#include "core/data/LeParametros.h"
#include "core/scene/CenaPadrao.h"

#include <cinttypes>
#include <cstdio>

namespace {

constexpr MargensLago MARGENS_LAGO{0.68f, 0.15f, 0.08f, 0.08f};
constexpr const char* NOMES_COR[] = {"verde", "amarelo", "vermelho"};

// "%.2f" in the "C" locale, or nothing for an absent value.
std::string decimal(double valor) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.2f", valor);
    return texto;
}

}  // namespace

Simulacao::Simulacao(OpcoesSimulacao novasOpcoes) : opcoes(std::move(novasOpcoes)) {
    instalaPlataforma(&plataforma);
}

Simulacao::~Simulacao() {
    agentes->mLimpa();
    cena->mLiberaCena();
    instalaPlataforma(nullptr);
}

bool Simulacao::mInicia() {
    if (!cena->mIniciaCena(0, 0, opcoes.largura, opcoes.altura, MARGENS_LAGO) ||
        !carregaCenaPadrao(*cena, opcoes.modelos))
        return false;

    // As a match start does: seed, phase, parameters, lake, tool counters.
    semeiaAleatorio(opcoes.semente);
    if (opcoes.fase.empty()) tabelaFase.fill(EventoFase{});
    else if (!mLeFase(opcoes.fase, tabelaFase)) return false;
    if (!leParametros(opcoes.valores)) return false;
    if (!agentes->mConstroiLago(*cena, populacaoDosParametros())) return false;
    for (std::size_t c = 0; c < NUM_PERSONAGENS; ++c)
        for (std::size_t k = 0; k < NUM_FERRAMENTAS; ++k)
            usos[c][k] = parametroInteiro(gNumFerramentas[c][k]);

    // The clock restarts: the first phase event comes after its time.
    gIndiceEvento = 0;
    gContaInterventor = 0;
    proximaFase = periodoPassoEfetivo(periodoFase(opcoes.periodo, tabelaFase[0].tempo));
    return true;
}

uint32_t Simulacao::mRoda(std::ostream& saida) {
    saida << mCabecalho() << '\n';
    mEscreveLinha(saida, 0);
    while (passosFeitos < opcoes.passos && mPasso())
        if (passosFeitos % opcoes.cada == 0) mEscreveLinha(saida, passosFeitos);
    // The end of the match, between two rows, gets a row of its own.
    if (!eventos.empty()) mEscreveLinha(saida, passosFeitos);
    return passosFeitos;
}

bool Simulacao::mPasso() {
    const uint32_t passo = passosFeitos + 1;
    const uint64_t agora = uint64_t{passo} * periodoPassoEfetivo(opcoes.periodo);

    // At equal times the phase event runs before the step.
    while (!terminada && proximaFase && *proximaFase <= agora) mEventoFase(*proximaFase);
    if (terminada) return false;

    plataforma.agoraMs = static_cast<uint32_t>(agora);
    mUsaFerramentas(passo);
    passoDoLago(*agentes, *cena);
    balanca(balanco, *cena);
    // The frame of the running match: everything moves once, drops age.
    cena->mDesenha(true);
    passosFeitos = passo;
    return true;
}

void Simulacao::mEventoFase(uint64_t agora) {
    plataforma.agoraMs = static_cast<uint32_t>(agora);
    const EventoSorteado evento = sorteiaEventoFase(tabelaFase);
    if (evento.evento == EVENTO_FIM) {
        mAnota("fim");
        terminada = true;
        return;
    }
    if (evento.evento >= EVENTO_SORTEADO) {
        mAnota("interventor " + std::to_string(evento.interventor));
        criaInterventor(evento.interventor, *agentes, *cena);
    }
    const auto periodo = agendaProximoEvento(tabelaFase, opcoes.periodo);
    proximaFase = periodo ? std::optional<uint64_t>(agora + *periodo) : std::nullopt;
}

void Simulacao::mAnota(const std::string& evento) {
    if (!eventos.empty()) eventos += ';';
    eventos += evento;
}

void Simulacao::mUsaFerramentas(uint32_t passo) {
    for (const OpcoesSimulacao::Uso& uso : opcoes.usos) {
        if (uso.passo != passo) continue;
        int32_t& restantes = usos[uso.personagem][uso.ferramenta];
        const std::string quem = std::to_string(uso.personagem) + " " + std::to_string(uso.ferramenta);
        if (restantes == 0) {
            mAnota("recusada " + quem);
            continue;
        }
        --restantes;
        aplicaFerramenta(*agentes, gAlteraFerramenta[uso.personagem][uso.ferramenta]);
        mAnota("ferramenta " + quem);
    }
}

const char* Simulacao::mCabecalho() {
    return "passo,n_gordo,n_azul,n_listrado,n_alga,n_micro,e_gordo,e_azul,e_listrado,e_alga,"
           "e_micro,e_lago,e_agua,seres,ecometro,cor,eventos";
}

void Simulacao::mEscreveLinha(std::ostream& saida, uint32_t passo) {
    std::array<int, 5> quantos{};
    std::array<double, 5> energia{};
    std::string lago, agua;
    for (const CAgente& agente : agentes->agentes) {
        const CObjetoFisico* corpo = agente.corpo.get();
        if (!corpo || corpo->marca != MARCA_CORPO) continue;
        if (corpo->tipo >= TIPO_GORDO && corpo->tipo <= TIPO_MICRO) {
            quantos[static_cast<std::size_t>(corpo->tipo)] += 1;
            energia[static_cast<std::size_t>(corpo->tipo)] += corpo->energia;
        } else if (corpo->tipo == TIPO_LAGO) {
            lago = decimal(corpo->energia);
        } else if (corpo->tipo == TIPO_AGUA) {
            agua = decimal(corpo->energia);
        }
    }
    LeituraEcometro leitura;
    agentes->mLeEcometro(leitura);
    const float razao = leitura.escala != 0.0f ? leitura.soma / leitura.escala : 0.0f;

    saida << passo;
    for (const int n : quantos) saida << ',' << n;
    for (const double e : energia) saida << ',' << decimal(e);
    saida << ',' << lago << ',' << agua << ',' << leitura.quantos << ','
          << decimal(static_cast<double>(razao) * 100.0) << ','
          << NOMES_COR[corEcometro(razao) - ECOMETRO_VERDE] << ',' << eventos << '\n';
    eventos.clear();
}
