// The polluters that are not boats: the crop-duster plane, the petrol slick,
// the litter, and the drops that polluters leave falling through the water.
#include "tools/modelos/Modelos.h"

#include <cmath>
#include <numbers>

namespace modelos {

namespace {
constexpr double PI = std::numbers::pi;
constexpr int PONTOS_FUSELAGEM = 12;
constexpr int LADOS_LATA = 10;

// Maps a flat outline drawn in (x, z) to the horizontal plane at height y,
// its thickness going up and down.
Transformacao horizontal(double y) {
    Transformacao t;
    t.m[1][1] = 0;
    t.m[1][2] = 1;
    t.m[2][1] = 1;
    t.m[2][2] = 0;
    t.deslocamento = {0, y, 0};
    return t;
}

// Fuselage cross-section: centre height and radii up and across.
struct Anel {
    double x, y, raioY, raioZ;
};
}  // namespace

// ---------------------------------------------------------------- Agrotóxico

// A small red-and-white crop-duster with low wings, a glass canopy, a
// propeller at the nose (+x) and a spray bar with nozzles under the wings.
Malha geraAgrotoxico() {
    Malha m("agrotox");
    const int branco = m.material(material("agrotox_branco", 0xf6f6f2));
    const int vermelho = m.material(material("agrotox_vermelho", 0xe3302c));
    Material vidro = material("agrotox_vidro", 0x8fd3f2, 0.35);
    vidro.potencia = 40;
    vidro.especular = {0.8, 0.8, 0.8};
    const int cabine = m.material(vidro);
    const int escuro = m.material(material("agrotox_escuro", 0x2b2d31, 0.15));
    const int metal = m.material(material("agrotox_metal", 0x9aa0a6));
    const int bico = m.material(material("agrotox_bico", 0xb8d62e, 0.3));

    const Anel aneis[] = {{-12.0, 1.6, 0.75, 0.65}, {-7.0, 1.1, 1.25, 1.1}, {-2.0, 0.7, 1.7, 1.45},
                          {3.0, 0.5, 1.75, 1.5},    {8.0, 0.4, 1.55, 1.4},  {10.6, 0.4, 1.2, 1.15},
                          {11.0, 0.4, 1.05, 1.0}};
    constexpr double INICIO_CAPO = 7.0;
    Tubo fuselagem;
    for (const Anel& a : aneis) {
        std::vector<Vetor> anel;
        for (int j = 0; j < PONTOS_FUSELAGEM; ++j) {
            const double t = 2 * PI * j / PONTOS_FUSELAGEM;
            anel.push_back({a.x, a.y + a.raioY * std::sin(t), a.raioZ * std::cos(t)});
        }
        fuselagem.aneis.push_back(anel);
    }
    fuselagem.poloInicio = Vetor{-15.2, 1.9, 0};
    // White with a red engine cowl and a red stripe along each side.
    acrescentaTubo(m, fuselagem, [&](int i, int j) {
        if (i >= 0 && aneis[i].x >= INICIO_CAPO) return vermelho;
        const double seno = std::sin(2 * PI * (j + 0.5) / PONTOS_FUSELAGEM);
        return seno < 0 && seno > -0.5 ? vermelho : branco;
    });
    acrescentaElipsoide(m, translacao({0.6, 1.9, 0}), {3.0, 1.45, 1.15}, 12, 7, cabine);

    // Spinner and a two-bladed propeller caught at a slant.
    acrescentaCone(m, {11.0, 0.4, 0}, {13.4, 0.4, 0}, 0.85, 10, metal);
    acrescentaCaixa(m, translacao({11.7, 0.4, 0}).apos(rotacaoX(0.35)), {0.12, 3.5, 0.32}, escuro);

    // Low wings, tailplane and fin.
    acrescentaPlaca(m, horizontal(-0.6),
                    {{-2.0, 9.3}, {-1.5, 10.0}, {2.4, 10.0}, {3.6, 9.2}, {3.6, -9.2}, {2.4, -10.0},
                     {-1.5, -10.0}, {-2.0, -9.3}},
                    0.55, vermelho);
    acrescentaPlaca(m, horizontal(1.9),
                    {{-15.4, -3.6}, {-15.0, -4.0}, {-13.0, -4.0}, {-12.0, -1.0}, {-12.0, 1.0},
                     {-13.0, 4.0}, {-15.0, 4.0}, {-15.4, 3.6}},
                    0.3, vermelho);
    acrescentaPlaca(m, identidade(), {{-15.5, 1.9}, {-15.2, 5.0}, {-13.8, 5.0}, {-11.6, 2.2}}, 0.35,
                    vermelho);

    // Landing gear.
    for (double lado : {-1.0, 1.0}) {
        acrescentaBarra(m, {2.4, -0.8, lado * 1.6}, {2.8, -4.0, lado * 2.8}, 0.3, metal);
        acrescentaCilindro(m, {2.8, -4.1, lado * 2.5}, {2.8, -4.1, lado * 3.1}, 0.9, 12, escuro);
    }
    acrescentaCilindro(m, {-13.6, 0.9, -0.2}, {-13.6, 0.9, 0.2}, 0.35, 8, escuro);

    // Spray bar with its nozzles.
    acrescentaCilindro(m, {-1.6, -1.25, -9.2}, {-1.6, -1.25, 9.2}, 0.16, 6, metal);
    for (double z : {2.6, 4.8, 7.0, 9.0})
        for (double lado : {-1.0, 1.0})
            acrescentaCone(m, {-1.6, -1.2, lado * z}, {-1.6, -1.95, lado * z}, 0.24, 6, bico);
    m.ajustaCaixa({30, 10, 20}, true);
    return m;
}

// ---------------------------------------------------------------- Gasolina

// A flat, dark petrol slick lying just under the origin, its rim and top
// streaked with purple, green, blue and pink sheen, and an overturned barrel
// spilling into it.
Malha geraGasolina() {
    Malha m("gasolina");
    const int oleo = m.material(material("gasolina_oleo", 0x2a2438, 0.22));
    const int roxo = m.material(material("gasolina_roxo", 0x8b4fd8, 0.3));
    const int verde = m.material(material("gasolina_verde", 0x38c99a, 0.3));
    const int azul = m.material(material("gasolina_azul", 0x3f86e8, 0.3));
    const int rosa = m.material(material("gasolina_rosa", 0xd04fb0, 0.3));
    const int barril = m.material(material("gasolina_barril", 0xe0541e));
    const int aro = m.material(material("gasolina_aro", 0x8a2e12));
    const int buraco = m.material(material("gasolina_buraco", 0x121016, 0.1));

    // Wobbly outline of the slick, lofted into a flat puddle: bottom edge,
    // rim, top edge.
    constexpr int PONTOS_MANCHA = 40;
    auto contorno = [](int i, double escalaBorda, double y) {
        const double a = 2 * PI * i / PONTOS_MANCHA;
        const double r = escalaBorda * (1 + 0.1 * std::sin(3 * a + 0.5) + 0.07 * std::sin(5 * a + 1.3) +
                                        0.04 * std::sin(8 * a + 2.0));
        return Vetor{14.5 * r * std::cos(a), y, 7.6 * r * std::sin(a)};
    };
    const double bordas[][2] = {{0.92, -0.6}, {1.0, -0.3}, {0.95, 0.0}};
    Tubo poca;
    poca.lado = Lado::Quebrado;
    for (const auto& b : bordas) {
        std::vector<Vetor> anel;
        for (int i = 0; i < PONTOS_MANCHA; ++i) anel.push_back(contorno(i, b[0], b[1]));
        poca.aneis.push_back(anel);
    }
    // The upper rim shows streaks of sheen between dark stretches.
    const int faixas[] = {roxo, oleo, verde, oleo, azul, oleo, rosa, oleo, verde, oleo, roxo, oleo,
                          azul, oleo};
    constexpr int PONTOS_FAIXA = 3;
    acrescentaTubo(m, poca, [&](int anel, int ponto) {
        if (anel != 1) return oleo;
        return faixas[(ponto / PONTOS_FAIXA) % std::size(faixas)];
    });

    // Sheen patches on top.
    struct Brilho {
        double x, z, rx, rz;
        int material;
    };
    const Brilho brilhos[] = {{-8.0, -3.0, 3.8, 2.2, roxo}, {-1.0, -3.6, 3.6, 2.0, verde},
                              {5.0, -3.0, 3.0, 2.0, azul},  {-4.5, 2.5, 4.2, 2.4, azul},
                              {9.0, 2.6, 2.8, 1.8, rosa},   {2.0, 1.0, 2.6, 1.8, roxo}};
    for (const Brilho& b : brilhos)
        acrescentaPlaca(m, horizontal(0.02), arredonda(contornoElipse(b.x, b.z, b.rx, b.rz, 10), 1),
                        0.12, b.material);

    // Overturned barrel: body, hoops and its open end.
    const Vetor eixo = normaliza({1, 0, 0.45});
    const Vetor centro{6.8, 0.85, -1.0};
    const double meio = 1.7, raio = 1.35;
    acrescentaCilindro(m, centro - eixo * meio, centro + eixo * meio, raio, 14, barril);
    for (double f : {-0.5, 0.5})
        acrescentaCilindro(m, centro + eixo * (f * meio - 0.14), centro + eixo * (f * meio + 0.14),
                           raio + 0.07, 14, aro);
    acrescentaCilindro(m, centro - eixo * (meio + 0.05), centro - eixo * (meio - 0.1), raio * 0.8, 14,
                       buraco);
    m.ajustaCaixa({30, 3, 16}, false);
    return m;
}

// ---------------------------------------------------------------- Lixo

// A heap of litter: a tied white plastic bag, a red can and a green bottle.
Malha geraLixo() {
    Malha m("lixo");
    const int saco = m.material(material("lixo_saco", 0xdfe5ea, 0.25));
    const int lata = m.material(material("lixo_lata", 0xd7262b));
    const int faixa = m.material(material("lixo_faixa", 0xfafafa, 0.3));
    const int metal = m.material(material("lixo_metal", 0xc0c6cc));
    const int garrafa = m.material(material("lixo_garrafa", 0x3fae5a, 0.25));
    const int tampa = m.material(material("lixo_tampa", 0x2f6fd0));

    // The bag: a big lump with smaller ones, the knot and its two ears.
    acrescentaElipsoide(m, translacao({-1.0, -0.6, 0.3}), {2.6, 2.9, 2.3}, 10, 6, saco);
    acrescentaElipsoide(m, translacao({-2.2, -1.8, 0.8}), {1.6, 1.5, 1.6}, 8, 5, saco);
    acrescentaElipsoide(m, translacao({-1.4, 0.9, -0.6}), {1.4, 1.4, 1.3}, 8, 5, saco);
    acrescentaElipsoide(m, translacao({-1.0, 2.5, 0.3}), {0.55, 0.45, 0.55}, 6, 4, saco);
    for (double lado : {-1.0, 1.0})
        acrescentaElipsoide(m, translacao({-1.0 + 0.6 * lado, 3.2, 0.3}).apos(rotacaoZ(-0.6 * lado)),
                            {0.35, 0.8, 0.3}, 6, 4, saco);

    // The can, lying in front.
    const Vetor a{0.9, -2.9, -1.4}, b{3.6, -1.7, -1.4};
    Tubo lataTubo;
    for (const Vetor& p : {a, b}) {
        const Transformacao t = alinhaEntre(a, b).apos(translacao({comprimento(p - a), 0, 0}));
        std::vector<Vetor> anel;
        for (int j = 0; j < LADOS_LATA; ++j) {
            const double ang = 2 * PI * j / LADOS_LATA;
            anel.push_back(t.aplica({0, std::cos(ang), std::sin(ang)}));
        }
        lataTubo.aneis.push_back(anel);
    }
    // Red side, metal ends.
    acrescentaTubo(m, lataTubo, [&](int anel, int) { return anel == 0 ? lata : metal; });
    acrescentaCilindro(m, interpola(a, b, 0.4), interpola(a, b, 0.6), 1.03, LADOS_LATA, faixa);

    // The bottle, leaning on the bag.
    const Transformacao t = translacao({1.6, -0.8, 1.3}).apos(rotacaoZ(-0.7));
    acrescentaRevolucao(m, t,
                        {{0, 0}, {0.85, 0.05}, {0.9, 0.4}, {0.9, 2.2}, {0.75, 2.7}, {0.38, 3.2},
                         {0.33, 3.85}, {0, 3.85}},
                        10, Lado::Suave, garrafa);
    acrescentaCilindro(m, t.aplica({0, 3.75, 0}), t.aplica({0, 4.3, 0}), 0.4, 8, tampa);
    m.ajustaCaixa({8, 8, 6}, true);
    return m;
}

// ---------------------------------------------------------------- drops

namespace {
constexpr int LADOS_GOTA = 8;
constexpr int PASSOS_GOTA = 6;
}  // namespace

// A drop: round below and pointed above, with a shine on each side.
Malha geraGota(TipoGota tipo) {
    struct Aparencia {
        const char* nome;
        std::uint32_t cor;
        double brilho;
        Vetor tamanho;
    };
    const Aparencia aparencia = [tipo]() -> Aparencia {
        switch (tipo) {
            case TipoGota::EsgotoResidencial:
                return {"esgre-d", 0x8b5a2b, 0.22, {2, 3, 2}};
            case TipoGota::EsgotoIndustrial:
                return {"esgin-d", 0x7d6b91, 0.22, {2, 3, 2}};
            case TipoGota::Gasolina:
                return {"gasol-d", 0x18181e, 0.12, {2, 3, 2}};
            case TipoGota::Agrotoxico:
                break;
        }
        return {"agrot-d", 0xb7d62b, 0.25, {1.5, 2.5, 1.5}};
    }();

    Malha m(aparencia.nome);
    Material corpo = material(std::string(aparencia.nome) + "_gota", aparencia.cor, aparencia.brilho);
    corpo.potencia = 40;
    corpo.especular = {0.9, 0.9, 0.9};
    const int gota = m.material(corpo);
    const int brilho = m.material(material(std::string(aparencia.nome) + "_brilho", 0xffffff, 0.6));

    // Teardrop: radius sin t · sin(t/2), height cos t, t from π (bottom) to 0 (tip).
    Contorno perfil;
    for (int i = 0; i <= PASSOS_GOTA; ++i) {
        const double t = PI * (PASSOS_GOTA - i) / PASSOS_GOTA;
        perfil.push_back({std::sin(t) * std::sin(t / 2), std::cos(t)});
    }
    acrescentaRevolucao(m, identidade(), perfil, LADOS_GOTA, Lado::Suave, gota);
    // The shine lies on the surface, in front of the left side of the belly.
    for (double lado : {-1.0, 1.0})
        acrescentaElipsoide(m, translacao({-0.28, -0.18, lado * 0.74}), {0.13, 0.22, 0.05}, 4, 2,
                            brilho);
    m.ajustaCaixa(aparencia.tamanho, true);
    return m;
}

}  // namespace modelos
