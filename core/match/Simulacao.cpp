#include "core/match/Simulacao.h"

#include "core/data/Fase.h"

#include <cstdio>

namespace {

constexpr MargensLago MARGENS_LAGO{0.68f, 0.15f, 0.08f, 0.08f};

// "%.2f" in the "C" locale.
std::string decimal(double valor) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.2f", valor);
    return texto;
}

}  // namespace

Simulacao::Simulacao(OpcoesSimulacao novasOpcoes) : opcoes(std::move(novasOpcoes)) {
    instalaPlataforma(&plataforma);
    partida->mDefineOuvinte(this);
}

Simulacao::~Simulacao() {
    partida->agentes.mLimpa();
    cena->mLiberaCena();
    instalaPlataforma(nullptr);
}

bool Simulacao::mInicia() {
    if (!cena->mIniciaCena(0, 0, opcoes.largura, opcoes.altura, MARGENS_LAGO)) return false;
    if (opcoes.modelosLidos ? !montaCenaPadrao(*cena, *opcoes.modelosLidos) : !carregaCenaPadrao(*cena, opcoes.modelos))
        return false;
    if (opcoes.textoFase) interpretaFase(*opcoes.textoFase, partida->tabelaFase);
    else if (opcoes.fase.empty()) partida->tabelaFase.fill(EventoFase{});
    else if (!partida->mLeFase(opcoes.fase)) return false;
    if (!partida->mInicia(opcoes.semente, opcoes.periodo, opcoes.valores)) return false;
    // The clock restarts: the first phase event comes after its time.
    periodoFaseMs = partida->mPeriodoPrimeiroEvento();
    proximaFase = periodoFaseMs;
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
    const uint64_t agora = uint64_t{passo} * partida->mPeriodoPasso();

    // At equal times the phase event runs before the step.
    while (partida->estado == EM_JOGO && proximaFase && *proximaFase <= agora)
        mDisparaFase(*proximaFase);
    if (partida->estado != EM_JOGO) return false;

    plataforma.agoraMs = static_cast<uint32_t>(agora);
    for (const UsoFerramenta& uso : opcoes.usos)
        if (uso.passo == passo) partida->mUsaFerramenta(uso.personagem, uso.ferramenta);
    partida->mPasso();
    // The frame of the running match: everything moves once, drops age.
    cena->mDesenha(true);
    passosFeitos = passo;
    return true;
}

void Simulacao::mDisparaFase(uint64_t agora) {
    plataforma.agoraMs = static_cast<uint32_t>(agora);
    const ProximoEvento proximo = partida->mEventoFase();
    switch (proximo.acao) {
    case ProximoEvento::REARMA:
        periodoFaseMs = proximo.periodoMs;
        proximaFase = agora + periodoFaseMs;
        break;
    case ProximoEvento::MANTEM:
        proximaFase = agora + periodoFaseMs;
        break;
    case ProximoEvento::PARA:
        proximaFase.reset();
        break;
    }
}

void Simulacao::mAconteceu(const EventoPartida& evento) {
    const std::string quem = std::to_string(evento.a) + " " + std::to_string(evento.b);
    switch (evento.tipo) {
    case EventoPartida::INTERVENTOR: mAnota("interventor " + std::to_string(evento.a)); break;
    case EventoPartida::FIM: mAnota("fim"); break;
    case EventoPartida::FERRAMENTA: mAnota("ferramenta " + quem); break;
    case EventoPartida::RECUSADA: mAnota("recusada " + quem); break;
    case EventoPartida::COR: break;
    }
}

void Simulacao::mAnota(const std::string& evento) {
    if (!eventos.empty()) eventos += ';';
    eventos += evento;
}

const char* Simulacao::mCabecalho() {
    return "passo,n_gordo,n_azul,n_listrado,n_alga,n_micro,e_gordo,e_azul,e_listrado,e_alga,"
           "e_micro,e_lago,e_agua,seres,ecometro,cor,eventos";
}

void Simulacao::mEscreveLinha(std::ostream& saida, uint32_t passo) {
    const LeituraLago leitura = leLago(partida->agentes, passo);
    saida << passo;
    for (const int32_t n : leitura.quantos) saida << ',' << n;
    for (const double e : leitura.energia) saida << ',' << decimal(e);
    saida << ',' << (leitura.lago ? decimal(*leitura.lago) : "") << ','
          << (leitura.agua ? decimal(*leitura.agua) : "") << ',' << leitura.seres << ','
          << decimal(leitura.mPercentual()) << ',' << nomeCorEcometro(leitura.cor) << ',' << eventos
          << '\n';
    eventos.clear();
}

ResumoPartida Simulacao::mRodaResumo() {
    while (passosFeitos < opcoes.passos && mPasso()) {
    }
    // A match the steps ran out on ends as "Terminar" would end it.
    partida->mTermina();
    return resumoDaPartida(partida->registro);
}
