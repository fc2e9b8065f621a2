#include "core/match/Passo.h"

#include "core/scene/CCena3D.h"

#include <array>

namespace {
constexpr int SLOT_LUZ_BALANCO = 3;   // group 2: the bright light from above
constexpr float ANGULO_BALANCO = 0.2f;  // radians per step
constexpr int LIMITE_BALANCO_BAIXO = -2;
constexpr int LIMITE_BALANCO_ALTO = 8;
constexpr float ENERGIA_POR_UNIDADE = 25.0f;
}  // namespace

void passoDoLago(CTabelaAgentes& agentes, CCena3D& cena) {
    agentes.mEnviaTodos(MSG_CICLO_1, 0, 0);
    agentes.mEnviaTodos(MSG_CICLO_2, 0, 0);
    agentes.mEnviaTodos(MSG_CICLO_3, 0, 0);
    cena.mVerificaBordas(GRUPO_POLUIDORES);
    cena.mVerificaBordas(GRUPO_SERES);
    cena.mVerificaColisoes(GRUPO_SERES, false);
}

PopulacaoInicial populacaoDosParametros() {
    PopulacaoInicial populacao;
    populacao.gordo = parametroInteiro(gNumIniGordo[0]);
    populacao.azul = parametroInteiro(gNumIniAzul[0]);
    populacao.listrado = parametroInteiro(gNumIniListrado[0]);
    populacao.alga = parametroInteiro(gNumIniAlga[0]);
    populacao.micro = parametroInteiro(gNumIniMicro[0]);
    populacao.criaLago = gCriarLago[0] != 0.0f;
    populacao.criaAgua = gCriarAgua[0] != 0.0f;
    return populacao;
}

void balanca(Balanco& balanco, CCena3D& cena) {
    balanco.deslocamento += balanco.sentido;
    if (balanco.deslocamento == LIMITE_BALANCO_BAIXO || balanco.deslocamento == LIMITE_BALANCO_ALTO)
        balanco.sentido = -balanco.sentido;
    cena.mGira(GRUPO_LUZES, SLOT_LUZ_BALANCO, {0, 0, 1},
               static_cast<float>(balanco.sentido) * ANGULO_BALANCO);
}

void aplicaFerramenta(CTabelaAgentes& agentes, const Alteracao& efeito) {
    for (std::size_t k = 0; k < NUM_ALTERACOES; ++k)
        agentes.mSomaEnergia(TIPOS_ALTERACAO[k], efeito[k] * ENERGIA_POR_UNIDADE);
}
