#include "core/lake/Gabaritos.h"

#include "core/lake/CComportamento.h"
#include "core/lake/CObjetoFisico.h"

#include <array>
#include <cassert>

namespace {

constexpr int32_t SEM_REPRODUCAO = 20000000;  // steps: never in practice
constexpr int32_t ENERGIA_NOVA = 25;          // the energy of a new being

constexpr ParComportamento par(int32_t tipo) { return {tipo, tipo}; }
constexpr ParComportamento NULO{COMP_NULO, 0};

constexpr CGabarito corpoSemVida(int32_t tipo, std::array<ParComportamento, NUM_SLOTS_AGENTE> pares) {
    CGabarito g;
    g.pares = pares;
    g.grupo = 0;
    g.tipo = tipo;
    g.classe = CLASSE_OUTRA;
    g.periodoReproducao = SEM_REPRODUCAO;
    g.custoReproducao = -5;
    g.energia = ENERGIA_NOVA;
    return g;
}

struct DadosEspecie {
    int32_t tipo, classe, giro, periodoReproducao, casaX, casaY, casaZ, custoReproducao;
};

// Slots 2..7 of a fish; slot 7 starts swimming (COMP_NADA) and hands over to
// a new direction (COMP_NOVA_DIRECAO) with parameter 3.
constexpr std::array<ParComportamento, NUM_SLOTS_AGENTE> PARES_PEIXE = {
    NULO, NULO, par(COMP_MORRE), par(COMP_NOVA_DIRECAO), par(COMP_COME),
    par(COMP_REPRODUZ), par(COMP_METABOLISMO), ParComportamento{COMP_NADA, COMP_NOVA_DIRECAO}, NULO};
constexpr std::array<ParComportamento, NUM_SLOTS_AGENTE> PARES_ALGA = {
    NULO, NULO, par(COMP_MORRE), NULO, NULO, par(COMP_REPRODUZ), par(COMP_METABOLISMO),
    par(COMP_ABSORVE), NULO};
// A micro-organism picks one direction at its first step, then feeds.
constexpr std::array<ParComportamento, NUM_SLOTS_AGENTE> PARES_MICRO = {
    NULO, NULO, par(COMP_MORRE), par(COMP_NOVA_DIRECAO), NULO, par(COMP_REPRODUZ),
    par(COMP_METABOLISMO), ParComportamento{COMP_NOVA_DIRECAO, COMP_ABSORVE}, NULO};

constexpr CGabarito especie(std::array<ParComportamento, NUM_SLOTS_AGENTE> pares, DadosEspecie d) {
    CGabarito g;
    g.pares = pares;
    g.grupo = 0;
    g.tipo = d.tipo;
    g.classe = d.classe;
    g.giro = d.giro;
    g.periodoReproducao = d.periodoReproducao;
    g.casaX = d.casaX;
    g.casaY = d.casaY;
    g.casaZ = d.casaZ;
    g.custoReproducao = d.custoReproducao;
    g.energia = ENERGIA_NOVA;
    return g;
}

constexpr std::array<CGabarito, 5> ESPECIES = {
    especie(PARES_PEIXE, {TIPO_GORDO, CLASSE_ANIMAL, 0, 680, 0, 5, 0, -18}),
    especie(PARES_PEIXE, {TIPO_AZUL, CLASSE_ANIMAL, 0, 265, 60, -42, 0, -3}),
    especie(PARES_PEIXE, {TIPO_LISTRADO, CLASSE_ANIMAL, 0, 245, -55, -45, 0, -4}),
    especie(PARES_ALGA, {TIPO_ALGA, CLASSE_PLANTA, 0, SEM_REPRODUCAO, 0, 0, 0, -15}),
    especie(PARES_MICRO, {TIPO_MICRO, CLASSE_ANIMAL, 10, SEM_REPRODUCAO, 0, 0, 0, -5}),
};

constexpr CGabarito poluidor(int32_t tipoComportamento, int32_t tipoCorpo) {
    CGabarito g;
    g.pares = {NULO, NULO, par(COMP_MORRE), par(tipoComportamento), NULO, NULO,
               par(tipoComportamento), NULO, NULO};
    g.grupo = 1;
    g.tipo = tipoCorpo;
    g.classe = CLASSE_OUTRA;
    g.periodoReproducao = SEM_REPRODUCAO;
    g.custoReproducao = 0;
    g.energia = ENERGIA_NOVA;
    return g;
}

// Dredger, pesticide, trawl net, litter, motor boat, predatory fishing,
// residential and industrial sewage (no model), petrol leak.
constexpr std::array<CGabarito, 9> INTERVENTORES = {
    poluidor(COMP_DRAGA, 5),
    poluidor(COMP_AGROTOXICO, 6),
    poluidor(COMP_REDE, 7),
    poluidor(COMP_LIXO, 9),
    poluidor(COMP_LANCHA, 10),
    poluidor(COMP_PESCA_PREDATORIA, 11),
    poluidor(COMP_ESGOTO_RESIDENCIAL, TIPO_SEM_MODELO),
    poluidor(COMP_ESGOTO_INDUSTRIAL, TIPO_SEM_MODELO),
    poluidor(COMP_GASOLINA, 12),
};

}  // namespace

const CGabarito GABARITO_LIVRE =
    corpoSemVida(TIPO_SEM_MODELO, {NULO, ParComportamento{COMP_NASCE, 1}, NULO, NULO, NULO, NULO,
                                   NULO, NULO, NULO});
const CGabarito GABARITO_LAGO =
    corpoSemVida(TIPO_LAGO, {NULO, NULO, par(COMP_MORRE), NULO, NULO, NULO, NULO, NULO,
                             par(COMP_FONTE)});
const CGabarito GABARITO_AGUA =
    corpoSemVida(TIPO_AGUA, {NULO, NULO, par(COMP_MORRE), NULO, NULO, NULO, NULO, NULO,
                             par(COMP_FONTE)});

const CGabarito& gabaritoEspecie(int32_t tipo) {
    assert(tipo >= TIPO_GORDO && tipo <= TIPO_MICRO && "only living species have a template here");
    return ESPECIES[static_cast<std::size_t>(tipo)];
}

const CGabarito& gabaritoInterventor(int n) {
    assert(n >= 0 && n < NUM_TIPOS_INTERVENTOR && "interventors are numbered 0 to 8");
    return INTERVENTORES[static_cast<std::size_t>(n)];
}
