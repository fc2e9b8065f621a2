// The polluting boats: dredger, trawler with its net, motor boat and the
// predatory fishing boat.
//
// Boats face +x and float with their origin ALTURA_ORIGEM_BARCO above the
// water: the waterline is y = −4, the hull partly under it and the cabin
// above. Hulls are lofted through cross-sections with hard edges; their sides
// are split at given heights so that they carry coloured bands.
#include "tools/modelos/Modelos.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace modelos {

namespace {
constexpr double LINHA_DAGUA = -ALTURA_ORIGEM_BARCO;
// Sections sampled along a hull.
constexpr int SECOES_CASCO = 12;
// Thickness of windows and how far they stand out of their wall.
constexpr double ESPESSURA_JANELA = 0.16;
constexpr double RELEVO_JANELA = 0.08;
// Points around the trawl net's bag.
constexpr int PONTOS_BOLSA = 12;

// Cross-section of a hull at x: half beam and height of the deck, height
// of the keel, and height and half beam of the chine (where the side meets
// the bottom).
struct Secao {
    double x, boca, conves, quilha, quina, bocaQuina;
};

struct Casco {
    std::vector<Secao> secoes;      // stern to bow, linear in between
    std::optional<Ponto2> proa;     // bow point (x, y); a flat bow when absent
    std::vector<double> niveis;     // heights splitting the side, top to bottom
    std::vector<int> faixas;        // material of each side band (niveis + 1)
    int fundo = 0, conves = 0;
};

// The hull's section at x, linear between the given ones.
Secao secaoEm(const std::vector<Secao>& s, double x) {
    for (std::size_t i = 0; i + 1 < s.size(); ++i)
        if (x <= s[i + 1].x || i + 2 == s.size()) {
            const double t = std::clamp((x - s[i].x) / (s[i + 1].x - s[i].x), 0.0, 1.0);
            auto l = [t](double a, double b) { return a + (b - a) * t; };
            return {x, l(s[i].boca, s[i + 1].boca), l(s[i].conves, s[i + 1].conves),
                    l(s[i].quilha, s[i + 1].quilha), l(s[i].quina, s[i + 1].quina),
                    l(s[i].bocaQuina, s[i + 1].bocaQuina)};
        }
    return s.front();
}

// Lofts a hull. Ring order: deck +z, side levels +z, chine +z, keel,
// chine −z, side levels −z, deck −z.
void acrescentaCasco(Malha& malha, const Casco& casco) {
    const int niveis = static_cast<int>(casco.niveis.size());
    const double x0 = casco.secoes.front().x, x1 = casco.secoes.back().x;
    Tubo tubo;
    tubo.lado = Lado::Quebrado;
    for (int i = 0; i < SECOES_CASCO; ++i) {
        const Secao s = secaoEm(casco.secoes, x0 + (x1 - x0) * i / (SECOES_CASCO - 1));
        auto boca = [&](double y) {
            return s.bocaQuina + (s.boca - s.bocaQuina) * (y - s.quina) / (s.conves - s.quina);
        };
        std::vector<Vetor> lado;  // deck to chine on the +z side
        lado.push_back({s.x, s.conves, s.boca});
        for (double y : casco.niveis) lado.push_back({s.x, y, boca(y)});
        lado.push_back({s.x, s.quina, s.bocaQuina});
        std::vector<Vetor> anel = lado;
        anel.push_back({s.x, s.quilha, 0});
        for (auto it = lado.rbegin(); it != lado.rend(); ++it) anel.push_back({it->x, it->y, -it->z});
        tubo.aneis.push_back(anel);
    }
    if (casco.proa) tubo.poloFim = Vetor{casco.proa->x, casco.proa->y, 0};
    const int pontos = 2 * niveis + 5;
    acrescentaTubo(malha, tubo, [&](int, int j) {
        if (j == pontos - 1) return casco.conves;
        if (j <= niveis) return casco.faixas[j];
        if (j <= niveis + 2) return casco.fundo;
        return casco.faixas[2 * niveis + 3 - j];
    });
}

// A cabin box with a roof slab that overhangs by `beiral`.
void acrescentaCabine(Malha& malha, Vetor minimo, Vetor maximo, double beiral, double teto,
                      int parede, int materialTeto) {
    acrescentaCaixaEntre(malha, minimo, maximo, parede);
    acrescentaCaixaEntre(malha, {minimo.x - beiral, maximo.y, minimo.z - beiral},
                         {maximo.x + beiral, maximo.y + teto, maximo.z + beiral}, materialTeto);
}

// A window on both side walls (z = ±zParede), x0..x1 by y0..y1.
void acrescentaJanelasLaterais(Malha& malha, double x0, double x1, double y0, double y1,
                               double zParede, int material) {
    const double zf = zParede + RELEVO_JANELA, zd = zf - ESPESSURA_JANELA;
    acrescentaCaixaEntre(malha, {x0, y0, -zf}, {x1, y1, -zd}, material);
    acrescentaCaixaEntre(malha, {x0, y0, zd}, {x1, y1, zf}, material);
}

// A window on the front wall (x = xParede), z0..z1 by y0..y1.
void acrescentaJanelaFrente(Malha& malha, double xParede, double z0, double z1, double y0,
                            double y1, int material) {
    acrescentaCaixaEntre(malha, {xParede - ESPESSURA_JANELA + RELEVO_JANELA, y0, z0},
                         {xParede + RELEVO_JANELA, y1, z1}, material);
}

// A shiny window material that glows a little.
Material vidro(const std::string& nome, std::uint32_t rgb, double brilho = 0.4) {
    Material m = material(nome, rgb, brilho);
    m.potencia = 40;
    m.especular = {0.8, 0.8, 0.8};
    return m;
}

// A grid of thin bars between a top and a bottom edge: `colunas` bars
// across and `linhas` bars along, the edges included.
void acrescentaRede(Malha& malha, Ponto2 topoA, Ponto2 topoB, Ponto2 baseA, Ponto2 baseB,
                    int colunas, int linhas, double espessura, double z, int material) {
    auto ponto = [&](double u, double v) {
        const double xt = topoA.x + (topoB.x - topoA.x) * u, yt = topoA.y + (topoB.y - topoA.y) * u;
        const double xb = baseA.x + (baseB.x - baseA.x) * u, yb = baseA.y + (baseB.y - baseA.y) * u;
        return Vetor{xt + (xb - xt) * v, yt + (yb - yt) * v, z};
    };
    for (int i = 0; i < colunas; ++i) {
        const double u = static_cast<double>(i) / (colunas - 1);
        acrescentaBarra(malha, ponto(u, 0), ponto(u, 1), espessura, material);
    }
    for (int k = 0; k < linhas; ++k) {
        const double v = static_cast<double>(k) / (linhas - 1);
        acrescentaBarra(malha, ponto(0, v), ponto(1, v), espessura, material);
    }
}
}  // namespace

// ---------------------------------------------------------------- Draga

// A yellow dredger: a barge-like hull, a white wheelhouse at the stern with a
// funnel and two spud poles, and a digger arm whose bucket, full of mud,
// reaches deep under the hull.
Malha geraDraga() {
    Malha m("draga");
    const int amarelo = m.material(material("draga_amarelo", 0xf6c21c));
    const int preto = m.material(material("draga_faixa", 0x2e2f33, 0.15));
    const int vermelho = m.material(material("draga_fundo", 0xb8432f));
    const int conves = m.material(material("draga_conves", 0x8d969c));
    const int branco = m.material(material("draga_cabine", 0xf2f2ea));
    const int teto = m.material(material("draga_teto", 0x50575e));
    const int janela = m.material(vidro("draga_janela", 0x2d6fb5));
    const int cinza = m.material(material("draga_aco", 0x5d646c));
    const int cacamba = m.material(material("draga_cacamba", 0x4d5359));
    const int lama = m.material(material("draga_lama", 0x7a5a36));

    Casco casco;
    casco.secoes = {{-16, 5.6, -1.0, -6.6, -6.0, 5.2},
                    {-10, 6.0, -1.0, -7.0, -6.4, 5.6},
                    {9, 6.0, -1.0, -7.0, -6.4, 5.6},
                    {13, 5.4, -0.8, -5.6, -5.2, 4.8},
                    {15.5, 4.6, -0.6, -4.6, -4.3, 4.0}};
    casco.niveis = {-3.2, LINHA_DAGUA};
    casco.faixas = {amarelo, preto, vermelho};
    casco.fundo = vermelho;
    casco.conves = conves;
    acrescentaCasco(m, casco);

    // Wheelhouse, bridge and funnel.
    acrescentaCabine(m, {-14.5, -1.2, -4.2}, {-7.0, 3.5, 4.2}, 0.3, 0.4, branco, teto);
    acrescentaCabine(m, {-13.0, 3.9, -3.2}, {-8.5, 6.2, 3.2}, 0.35, 0.4, branco, teto);
    acrescentaJanelasLaterais(m, -12.4, -9.1, 4.6, 5.8, 3.2, janela);
    acrescentaJanelaFrente(m, -8.5, -2.6, 2.6, 4.6, 5.8, janela);
    for (double x : {-13.4, -11.2, -9.0})
        acrescentaJanelasLaterais(m, x, x + 1.2, 0.8, 2.2, 4.2, janela);
    acrescentaCilindro(m, {-13.8, 3.9, 0}, {-13.8, 7.6, 0}, 0.75, 10, amarelo);
    acrescentaCilindro(m, {-13.8, 7.6, 0}, {-13.8, 8.4, 0}, 0.8, 10, preto);

    // Spud poles at the stern corners.
    for (double z : {-4.0, 4.0}) acrescentaCilindro(m, {-15.3, -10, z}, {-15.3, 6.5, z}, 0.45, 8, cinza);

    // Digger: turret with its cab, boom, stick, rams and bucket.
    acrescentaCaixaEntre(m, {0, -1.2, -2.6}, {5.2, 1.8, 2.6}, amarelo);
    acrescentaCabine(m, {0.4, 1.8, -2.6}, {2.8, 4.4, -0.4}, 0.15, 0.3, amarelo, teto);
    acrescentaJanelaFrente(m, 2.8, -2.3, -0.7, 2.6, 4.1, janela);
    acrescentaJanelasLaterais(m, 0.8, 2.4, 2.6, 4.1, 2.6, janela);
    const Vetor pe{3.8, 1.6, 0}, cotovelo{11.5, 8.0, 0}, ponta{16.2, -10.6, 0};
    acrescentaBarra(m, pe, cotovelo, 1.3, amarelo);
    acrescentaBarra(m, cotovelo, ponta, 1.0, amarelo);
    acrescentaCilindro(m, cotovelo + Vetor{0, 0, -0.9}, cotovelo + Vetor{0, 0, 0.9}, 0.8, 10, cinza);
    for (double z : {-0.85, 0.85})
        acrescentaBarra(m, {2.6, 1.0, z}, {8.2, 6.2, z}, 0.4, cinza);
    acrescentaPlaca(m, identidade(),
                    {{14.6, -10.2}, {18.6, -10.4}, {19.4, -12.6}, {18.0, -14.6}, {15.2, -14.6},
                     {14.2, -12.4}},
                    2.8, cacamba);
    for (double z : {-0.9, 0.0, 0.9})
        acrescentaCone(m, {18.0, -14.2, z}, {18.9, -15.5, z}, 0.32, 6, cacamba);
    acrescentaElipsoide(m, translacao({16.7, -10.2, 0}), {2.0, 0.6, 1.2}, 10, 5, lama);
    m.ajustaCaixa({36, 0, 12}, false);
    return m;
}

// ---------------------------------------------------------------- Rede de Arrastão

// A small blue trawler towing a big net behind and below it: the net is a
// funnel of light rope with floats on top, weights below and a full bag at
// its end, with two fish caught in it.
Malha geraRedeArrastao() {
    Malha m("rede");
    const int azul = m.material(material("rede_casco", 0x2f6fc0));
    const int branco = m.material(material("rede_branco", 0xf4f4ef));
    const int vermelho = m.material(material("rede_fundo", 0xc0392b));
    const int conves = m.material(material("rede_conves", 0xb99a6b));
    const int teto = m.material(material("rede_teto", 0xd64533));
    const int janela = m.material(vidro("rede_janela", 0x2d6fb5));
    const int laranja = m.material(material("rede_portico", 0xf28c28));
    const int cabo = m.material(material("rede_cabo", 0x3a3d42, 0.2));
    const int corda = m.material(material("rede_corda", 0xf0dfae, 0.35));
    const int saco = m.material(material("rede_saco", 0x9c8450, 0.3));
    const int boia = m.material(material("rede_boia", 0xff7a1a, 0.3));
    const int peso = m.material(material("rede_peso", 0x44484f, 0.2));
    const int peixe = m.material(material("rede_peixe", 0xc9d6df, 0.35));

    Casco casco;
    casco.secoes = {{-8, 4.4, -0.8, -6.0, -5.4, 4.0},
                    {-2, 5.0, -0.8, -6.6, -5.8, 4.3},
                    {5, 4.8, -0.5, -6.4, -5.6, 4.1},
                    {9.5, 3.2, 0.0, -5.2, -4.6, 2.6},
                    {11.6, 1.1, 0.4, -4.4, -4.1, 0.7}};
    casco.proa = Ponto2{12.3, 0.3};
    casco.niveis = {-2.4, -3.2};
    casco.faixas = {azul, branco, vermelho};
    casco.fundo = vermelho;
    casco.conves = conves;
    acrescentaCasco(m, casco);

    acrescentaCabine(m, {1.5, -0.8, -3.0}, {7.0, 3.4, 3.0}, 0.3, 0.45, branco, teto);
    acrescentaJanelaFrente(m, 7.0, -2.4, 2.4, 1.4, 2.7, janela);
    for (double x : {2.2, 4.5}) acrescentaJanelasLaterais(m, x, x + 1.6, 1.3, 2.7, 3.0, janela);
    acrescentaCilindro(m, {4.2, 3.8, 0}, {4.2, 7.0, 0}, 0.28, 8, branco);
    acrescentaBarra(m, {4.2, 6.0, -1.8}, {4.2, 6.0, 1.8}, 0.25, branco);
    acrescentaElipsoide(m, translacao({4.2, 7.2, 0}), {0.35, 0.35, 0.35}, 6, 4, boia);

    // Gantry at the stern and the winch.
    for (double z : {-3.0, 3.0}) acrescentaBarra(m, {-7.2, -0.8, z}, {-7.2, 4.2, z}, 0.5, laranja);
    acrescentaBarra(m, {-7.2, 4.2, -3.25}, {-7.2, 4.2, 3.25}, 0.5, laranja);
    acrescentaCilindro(m, {-4.6, 0.1, -2.0}, {-4.6, 0.1, 2.0}, 0.9, 10, cabo);

    // The net: mouth at x = −4, bag towards −x.
    const Ponto2 bocaTopo{-4.0, -8.0}, bocaBase{-4.0, -20.8};
    const Ponto2 fimTopo{-14.6, -12.6}, fimBase{-14.6, -17.0};
    acrescentaBarra(m, {-7.2, 4.2, 0}, {bocaTopo.x, bocaTopo.y, 0}, 0.22, cabo);
    acrescentaBarra(m, {-7.2, 4.2, 0.3}, {bocaBase.x, bocaBase.y, 0.3}, 0.22, cabo);
    constexpr int COLUNAS = 6, LINHAS = 6;
    acrescentaRede(m, bocaTopo, fimTopo, bocaBase, fimBase, COLUNAS, LINHAS, 0.3, 0, corda);
    // The bag at the end of the net, knotted like the net itself.
    Tubo bolsa;
    const double perfilBolsa[][2] = {{0.0, 2.2}, {0.8, 2.5}, {1.6, 2.6}, {2.4, 2.3}, {3.1, 1.6}};
    const double meioBolsa = (fimTopo.y + fimBase.y) / 2;
    for (const auto& pb : perfilBolsa) {
        std::vector<Vetor> anel;
        for (int j = 0; j < PONTOS_BOLSA; ++j) {
            const double a = 2 * std::numbers::pi * j / PONTOS_BOLSA;
            anel.push_back({fimTopo.x - pb[0], meioBolsa + pb[1] * std::sin(a), 0.8 * pb[1] * std::cos(a)});
        }
        bolsa.aneis.push_back(anel);
    }
    bolsa.poloFim = Vetor{fimTopo.x - 3.6, meioBolsa, 0};
    acrescentaTubo(m, bolsa, [&](int anel, int ponto) { return (anel + ponto) % 2 == 0 ? corda : saco; });
    for (int i = 0; i < COLUNAS; ++i) {
        const double u = static_cast<double>(i) / (COLUNAS - 1);
        const double x = bocaTopo.x + (fimTopo.x - bocaTopo.x) * u;
        acrescentaElipsoide(m, translacao({x, bocaTopo.y + (fimTopo.y - bocaTopo.y) * u + 0.3, 0}),
                            {0.55, 0.55, 0.55}, 6, 4, boia);
        acrescentaCaixaEntre(m, {x - 0.4, bocaBase.y + (fimBase.y - bocaBase.y) * u - 0.5, -0.4},
                             {x + 0.4, bocaBase.y + (fimBase.y - bocaBase.y) * u + 0.1, 0.4}, peso);
    }
    // Two caught fish.
    const Contorno formaPeixe{{1.2, 0}, {0.6, 0.5}, {-0.4, 0.45}, {-0.9, 0.1},
                              {-1.4, 0.5}, {-1.4, -0.5}, {-0.9, -0.1}, {-0.4, -0.45}, {0.6, -0.5}};
    acrescentaPlaca(m, translacao({-7.6, -12.4, -0.2}).apos(rotacaoZ(0.5)), formaPeixe, 0.5, peixe);
    acrescentaPlaca(m, translacao({-10.6, -16.0, -0.2}).apos(rotacaoZ(-0.4)), formaPeixe, 0.5,
                    peixe);
    m.ajustaCaixa({30, 0, 10}, false);
    return m;
}

// ---------------------------------------------------------------- Lancha

// A sleek white speedboat with a red stripe and red bottom, a light wood
// deck, a tinted windscreen, red seats and an outboard motor at the stern.
Malha geraLancha() {
    Malha m("lancha");
    const int branco = m.material(material("lancha_branco", 0xf7f7f4));
    const int vermelho = m.material(material("lancha_vermelho", 0xdc2f2f));
    const int fundo = m.material(material("lancha_fundo", 0xa82424));
    const int conves = m.material(material("lancha_conves", 0xe2c58f));
    const int vidroPara = m.material(vidro("lancha_vidro", 0x7cc4f0));
    const int banco = m.material(material("lancha_banco", 0xd32f2f));
    const int motor = m.material(material("lancha_motor", 0x474d56, 0.2));
    const int metal = m.material(material("lancha_metal", 0x9aa0a6));

    Casco casco;
    casco.secoes = {{-11, 4.8, -1.2, -5.6, -4.6, 4.2},
                    {-4, 5.0, -1.1, -5.8, -4.7, 4.4},
                    {3, 4.8, -0.9, -5.6, -4.5, 4.1},
                    {8, 3.6, -0.6, -4.8, -4.0, 3.0},
                    {11, 2.0, -0.3, -3.6, -3.3, 1.6},
                    {12.4, 0.7, -0.1, -3.3, -3.15, 0.5}};
    casco.proa = Ponto2{13.2, -0.3};
    casco.niveis = {-2.2, -3.0};
    casco.faixas = {branco, vermelho, branco};
    casco.fundo = fundo;
    casco.conves = conves;
    acrescentaCasco(m, casco);

    // Windscreen leaning back, console and seats.
    acrescentaCaixa(m, translacao({3.0, 0.1, 0}).apos(rotacaoZ(0.65)), {0.12, 1.35, 3.7}, vidroPara);
    acrescentaCaixaEntre(m, {0.6, -1.0, -2.8}, {2.2, 0.2, -0.6}, branco);
    for (double z : {-2.1, 2.1}) {
        acrescentaCaixaEntre(m, {-3.4, -1.0, z - 1.1}, {-1.4, 0.3, z + 1.1}, banco);
        acrescentaCaixaEntre(m, {-4.0, -1.0, z - 1.1}, {-3.4, 1.3, z + 1.1}, banco);
    }

    // Outboard motor.
    acrescentaElipsoide(m, translacao({-12.1, 0.4, 0}), {1.2, 1.55, 0.9}, 10, 6, motor);
    for (double lado : {-1.0, 1.0})
        acrescentaPlaca(m, translacao({-12.0, 0.5, lado * 0.82}).apos(rotacaoY(lado * 0.25)),
                        retanguloArredondado(1.7, 0.55, 0.2, 2), 0.1, vermelho);
    acrescentaCaixaEntre(m, {-11.4, -1.6, -0.6}, {-10.9, 0.0, 0.6}, metal);
    acrescentaCaixaEntre(m, {-12.5, -6.8, -0.35}, {-11.6, -0.8, 0.35}, metal);
    acrescentaElipsoide(m, translacao({-12.0, -6.8, 0}), {1.2, 0.5, 0.45}, 8, 5, metal);
    acrescentaCaixaEntre(m, {-12.4, -7.8, -0.15}, {-11.7, -6.8, 0.15}, metal);
    acrescentaCaixaEntre(m, {-13.4, -7.9, -0.5}, {-13.2, -5.7, 0.5}, motor);
    m.ajustaCaixa({26, 0, 10}, false);
    return m;
}

// ---------------------------------------------------------------- Pesca Predatória

// A dark fishing boat that looks menacing: charcoal hull, a cabin with
// frowning amber windows, a black flag, long booms with hooked lines and a
// big dark net hanging under the hull.
Malha geraPescaPredatoria() {
    Malha m("pescap");
    const int escuro = m.material(material("pescap_casco", 0x30343b, 0.2));
    const int vermelho = m.material(material("pescap_faixa", 0xb3261e));
    const int fundo = m.material(material("pescap_fundo", 0x4a1c18));
    const int conves = m.material(material("pescap_conves", 0x5e4b38));
    const int cabine = m.material(material("pescap_cabine", 0x474c55, 0.2));
    const int teto = m.material(material("pescap_teto", 0x1f2226, 0.2));
    const int janela = m.material(vidro("pescap_janela", 0xffb22e, 0.7));
    const int mastro = m.material(material("pescap_mastro", 0x26282d, 0.2));
    const int bandeira = m.material(material("pescap_bandeira", 0x1c1c1f, 0.25));
    const int linha = m.material(material("pescap_linha", 0xcfd3d6, 0.3));
    const int anzol = m.material(vidro("pescap_anzol", 0xe0e4e8, 0.4));
    const int rede = m.material(material("pescap_rede", 0x4f8a5e, 0.3));
    const int peso = m.material(material("pescap_peso", 0x2a2c30, 0.2));

    Casco casco;
    casco.secoes = {{-12.5, 5.2, -0.5, -6.2, -5.6, 4.8},
                    {-5, 6.0, -0.6, -7.0, -6.2, 5.4},
                    {5, 5.8, -0.4, -6.8, -6.0, 5.2},
                    {10, 4.0, 0.2, -5.6, -4.8, 3.2},
                    {12.6, 1.2, 0.8, -4.6, -4.4, 0.8}};
    casco.proa = Ponto2{13.4, 0.6};
    casco.niveis = {-3.4, -4.2};
    casco.faixas = {escuro, vermelho, fundo};
    casco.fundo = fundo;
    casco.conves = conves;
    acrescentaCasco(m, casco);

    // Cabin with frowning windows on each side and two in front.
    acrescentaCabine(m, {-7.0, -0.6, -3.6}, {0.0, 3.8, 3.6}, 0.35, 0.45, cabine, teto);
    const Contorno olhoEsquerdo{{-6.0, 1.2}, {-3.9, 1.2}, {-3.9, 2.2}, {-6.0, 3.0}};
    const Contorno olhoDireito{{-3.1, 1.2}, {-1.0, 1.2}, {-1.0, 3.0}, {-3.1, 2.2}};
    for (double lado : {-1.0, 1.0})
        for (const Contorno* c : {&olhoEsquerdo, &olhoDireito})
            acrescentaPlaca(m, translacao({0, 0, lado * (3.6 + RELEVO_JANELA - ESPESSURA_JANELA / 2)}),
                            *c, ESPESSURA_JANELA, janela);
    for (double z : {-2.9, 0.5}) acrescentaJanelaFrente(m, 0.0, z, z + 2.4, 1.6, 2.9, janela);

    // Mast with a black flag; booms fore and aft with hooked lines.
    acrescentaCilindro(m, {1.5, -0.6, 0}, {1.5, 6.4, 0}, 0.35, 8, mastro);
    acrescentaPlaca(m, identidade(), {{1.8, 6.3}, {5.0, 6.1}, {4.2, 5.4}, {5.0, 4.7}, {1.8, 4.7}},
                    0.2, bandeira);
    const Vetor topo{1.5, 4.6, 0};
    const Vetor pontas[] = {{-15.6, 1.6, 0}, {15.6, 2.2, 0}};
    for (const Vetor& p : pontas) {
        acrescentaBarra(m, topo, p, 0.45, mastro);
        const double sentido = p.x > 0 ? 1 : -1;
        const Vetor meio = interpola(topo, p, 0.62);
        for (const Vetor& de : {p, meio}) {
            const double fim = de.x == p.x ? -13.0 : -10.4;
            acrescentaBarra(m, de, {de.x, fim, 0}, 0.24, linha);
            // Hook: shank, bend and barb.
            acrescentaBarra(m, {de.x, fim, 0}, {de.x, fim - 0.9, 0}, 0.2, anzol);
            acrescentaBarra(m, {de.x, fim - 0.9, 0}, {de.x - sentido * 0.6, fim - 0.9, 0}, 0.2,
                            anzol);
            acrescentaCone(m, {de.x - sentido * 0.6, fim - 1.0, 0},
                           {de.x - sentido * 0.6, fim - 0.2, 0}, 0.18, 5, anzol);
        }
    }

    // Dark net hanging under the hull, its lower edge sagging.
    constexpr int COLUNAS = 9;
    constexpr double MEIA_LARGURA_REDE = 9.0, TOPO_REDE = -7.0;
    auto baseRede = [](double x) { return -13.8 + 0.0125 * x * x; };
    for (int i = 0; i < COLUNAS; ++i) {
        const double x = -MEIA_LARGURA_REDE + 2 * MEIA_LARGURA_REDE * i / (COLUNAS - 1);
        acrescentaBarra(m, {x, TOPO_REDE, 0}, {x, baseRede(x), 0}, 0.26, rede);
        acrescentaElipsoide(m, translacao({x, baseRede(x) - 0.3, 0}), {0.45, 0.45, 0.45}, 6, 4, peso);
    }
    // Top rope straight; the other ropes follow the sag, bar by bar.
    acrescentaBarra(m, {-MEIA_LARGURA_REDE, TOPO_REDE, 0}, {MEIA_LARGURA_REDE, TOPO_REDE, 0}, 0.26,
                    rede);
    for (double v : {0.34, 0.67, 1.0}) {
        auto ponto = [&](int i) {
            const double x = -MEIA_LARGURA_REDE + 2 * MEIA_LARGURA_REDE * i / (COLUNAS - 1);
            return Vetor{x, TOPO_REDE + (baseRede(x) - TOPO_REDE) * v, 0};
        };
        for (int i = 0; i + 1 < COLUNAS; ++i) acrescentaBarra(m, ponto(i), ponto(i + 1), 0.26, rede);
    }
    m.ajustaCaixa({32, 0, 12}, false);
    return m;
}

}  // namespace modelos
