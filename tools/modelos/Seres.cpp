// The lake's beings: the three fish, the waterweed and the micro-organism.
//
// A fish body is lofted through cross-sections (stations) given from the
// tail to the nose and smoothed between them; fins are thick outlines in the
// x–y plane, so that the side the pupils see shows their full shape. Fish
// face +x and are centred on the origin.
#include "tools/modelos/Modelos.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace modelos {

namespace {
constexpr double PI = std::numbers::pi;

// Points around a fish body and stations along it.
constexpr int PONTOS_ANEL_PEIXE = 16;
constexpr int ESTACOES_PEIXE = 15;
// Stations closer than this are merged.
constexpr double DISTANCIA_MINIMA_ESTACOES = 0.12;
// Slices and rings of the eye spheres.
constexpr int FATIAS_OLHO = 8, ANEIS_OLHO = 4;
constexpr int FATIAS_PUPILA = 6, ANEIS_PUPILA = 4;
constexpr int FATIAS_BRILHO = 4, ANEIS_BRILHO = 2;
constexpr double ESPESSURA_NADADEIRA = 0.45;

// Cross-section of a fish body at x: the centre line, how far the body goes
// above and below it, and its half width (z).
struct Estacao {
    double x, meio, cima, baixo, largura;
};

struct CorpoPeixe {
    std::vector<Estacao> controles;  // tail to nose
    Ponto2 cauda, nariz;             // the body's two end points
    std::vector<double> cortes;      // x where a station must fall (colour edges)
};

// Catmull-Rom through the control stations, u from 0 to their count − 1.
Estacao estacaoEm(const std::vector<Estacao>& c, double u) {
    const int n = static_cast<int>(c.size());
    const int k = std::clamp(static_cast<int>(u), 0, n - 2);
    const double t = u - k;
    const Estacao& p0 = c[std::max(k - 1, 0)];
    const Estacao& p1 = c[k];
    const Estacao& p2 = c[k + 1];
    const Estacao& p3 = c[std::min(k + 2, n - 1)];
    auto cr = [t](double a, double b, double d, double e) {
        return 0.5 * (2 * b + (-a + d) * t + (2 * a - 5 * b + 4 * d - e) * t * t +
                      (-a + 3 * b - 3 * d + e) * t * t * t);
    };
    return {cr(p0.x, p1.x, p2.x, p3.x), cr(p0.meio, p1.meio, p2.meio, p3.meio),
            cr(p0.cima, p1.cima, p2.cima, p3.cima), cr(p0.baixo, p1.baixo, p2.baixo, p3.baixo),
            cr(p0.largura, p1.largura, p2.largura, p3.largura)};
}

// The smoothed station at a given x (x grows along the controls).
Estacao estacaoEmX(const std::vector<Estacao>& c, double x) {
    double a = 0, b = static_cast<double>(c.size() - 1);
    for (int i = 0; i < 60; ++i) {
        const double m = (a + b) / 2;
        (estacaoEm(c, m).x < x ? a : b) = m;
    }
    return estacaoEm(c, (a + b) / 2);
}

// Point of a station's ring at angle θ (0 is the +z side, π/2 the top).
Vetor pontoAnel(const Estacao& e, double teta) {
    const double s = std::sin(teta);
    return {e.x, e.meio + (s > 0 ? e.cima : e.baixo) * s, e.largura * std::cos(teta)};
}

// Lofts a fish body. materialDe(x, seno) gives the colour of the patch
// around x at height sin θ (1 on the back, −1 on the belly).
void acrescentaCorpo(Malha& malha, const CorpoPeixe& corpo,
                     const std::function<int(double x, double seno)>& materialDe) {
    const double x0 = corpo.controles.front().x, x1 = corpo.controles.back().x;
    // More stations towards the ends, where the body curves most.
    std::vector<double> xs = corpo.cortes;
    for (int i = 0; i < ESTACOES_PEIXE; ++i)
        xs.push_back(x0 + (x1 - x0) * 0.5 * (1 - std::cos(PI * i / (ESTACOES_PEIXE - 1))));
    std::sort(xs.begin(), xs.end());
    std::vector<double> estacoesX;
    for (double x : xs)
        if (estacoesX.empty() || x - estacoesX.back() > DISTANCIA_MINIMA_ESTACOES)
            estacoesX.push_back(x);

    Tubo tubo;
    for (double x : estacoesX) {
        const Estacao e = estacaoEmX(corpo.controles, x);
        std::vector<Vetor> anel;
        for (int j = 0; j < PONTOS_ANEL_PEIXE; ++j)
            anel.push_back(pontoAnel(e, 2 * PI * j / PONTOS_ANEL_PEIXE));
        tubo.aneis.push_back(anel);
    }
    tubo.poloInicio = Vetor{corpo.cauda.x, corpo.cauda.y, 0};
    tubo.poloFim = Vetor{corpo.nariz.x, corpo.nariz.y, 0};
    const int ultimo = static_cast<int>(estacoesX.size()) - 1;
    acrescentaTubo(malha, tubo, [&](int anel, int ponto) {
        const double xa = anel < 0 ? corpo.cauda.x : estacoesX[anel];
        const double xb = anel >= ultimo ? corpo.nariz.x : estacoesX[anel + 1];
        const double seno = std::sin(2 * PI * (ponto + 0.5) / PONTOS_ANEL_PEIXE);
        return materialDe((xa + xb) / 2, seno);
    });
}

// Half width of the body surface at (x, y).
double superficieZ(const CorpoPeixe& corpo, double x, double y) {
    const Estacao e = estacaoEmX(corpo.controles, x);
    const double dy = y - e.meio;
    const double h = dy > 0 ? e.cima : e.baixo;
    return e.largura * std::sqrt(std::max(0.0, 1 - (dy / h) * (dy / h)));
}

// A big round eye on each side at (x, y): white, a black pupil looking
// forward and a small shine.
void acrescentaOlhos(Malha& malha, const CorpoPeixe& corpo, double x, double y, double raio) {
    const int branco = malha.material(material("olho_branco", 0xffffff, 0.35));
    const int pupila = malha.material(material("pupila", 0x1a1d26, 0.1));
    const int brilho = malha.material(material("brilho", 0xffffff, 0.6));
    const double z = superficieZ(corpo, x, y) - 0.3 * raio;
    for (double lado : {-1.0, 1.0}) {
        const Vetor centro{x, y, lado * z};
        acrescentaElipsoide(malha, translacao(centro), {raio, raio, raio * 0.75}, FATIAS_OLHO,
                            ANEIS_OLHO, branco);
        const Vetor p = centro + Vetor{0.22 * raio, 0.02 * raio, lado * 0.42 * raio};
        const double rp = 0.56 * raio;
        acrescentaElipsoide(malha, translacao(p), {rp, rp, rp * 0.8}, FATIAS_PUPILA, ANEIS_PUPILA,
                            pupila);
        const Vetor b = p + Vetor{0.12 * raio, 0.22 * raio, lado * 0.36 * raio};
        acrescentaElipsoide(malha, translacao(b), Vetor{1, 1, 0.7} * (0.2 * raio), FATIAS_BRILHO,
                            ANEIS_BRILHO, brilho);
    }
}

// A fin in the body's middle plane (dorsal, anal, tail).
void acrescentaNadadeira(Malha& malha, const Contorno& contorno, int vezesArredondar,
                         double espessura, int material) {
    acrescentaPlaca(malha, identidade(), arredonda(contorno, vezesArredondar), espessura, material);
}

// A pair of side fins whose root is at (x, y) on the body surface, turned
// out from the body by `abertura` radians; the outline is drawn with its
// root at (0, 0), pointing back.
void acrescentaNadadeirasLaterais(Malha& malha, const CorpoPeixe& corpo, const Contorno& contorno,
                                  double x, double y, double abertura, int material) {
    const double z = superficieZ(corpo, x, y) * 0.85;
    const Contorno c = arredonda(contorno, 2);
    for (double lado : {-1.0, 1.0}) {
        const Transformacao t = translacao({x, y, lado * z})
                                    .apos(escala({1, 1, -lado}))
                                    .apos(rotacaoY(-abertura));
        acrescentaPlaca(malha, t, c, ESPESSURA_NADADEIRA * 0.8, material);
    }
}

// Colours of a fish's body: back, sides and belly.
struct CoresCorpo {
    int dorso, lado, ventre;
    double limiteDorso, limiteVentre;  // sin θ above / below which they start
    int escolhe(double seno) const {
        return seno > limiteDorso ? dorso : seno < limiteVentre ? ventre : lado;
    }
};
}  // namespace

// ---------------------------------------------------------------- Peixe Gordo

// Round, fat, orange-gold fish: darker back, pale belly, big rounded fins,
// a fan tail and a big friendly eye.
Malha geraPeixeGordo() {
    Malha m("gordo");
    const CoresCorpo cores{m.material(material("gordo_dorso", 0xe8641c)),
                           m.material(material("gordo_lado", 0xffa62b)),
                           m.material(material("gordo_ventre", 0xffe394, 0.25)), 0.62, -0.45};
    const int nadadeira = m.material(material("gordo_nadadeira", 0xf57f20, 0.25));
    const int boca = m.material(material("gordo_boca", 0xb03a1e));

    CorpoPeixe corpo;
    corpo.controles = {{-5.2, 0.2, 1.0, 1.0, 0.6},  {-4.2, 0.2, 1.5, 1.5, 1.0},
                       {-2.6, 0.1, 3.1, 3.1, 2.3},  {-0.6, 0.0, 4.5, 4.6, 3.4},
                       {1.6, 0.0, 4.9, 4.9, 3.8},   {3.8, 0.0, 4.6, 4.4, 3.6},
                       {5.6, -0.1, 3.6, 3.3, 2.9},  {6.9, -0.2, 2.3, 2.0, 2.0},
                       {7.5, -0.3, 1.1, 0.9, 1.05}};
    corpo.cauda = {-5.4, 0.2};
    corpo.nariz = {7.7, -0.3};
    acrescentaCorpo(m, corpo, [&](double, double seno) { return cores.escolhe(seno); });

    // Fan tail with a gentle notch, big rounded dorsal, anal fin.
    acrescentaNadadeira(m,
                        {{-4.4, 1.1}, {-7.6, 4.0}, {-9.4, 4.9}, {-9.8, 3.6}, {-9.0, 1.4},
                         {-8.4, 0.0}, {-9.0, -1.4}, {-9.8, -3.6}, {-9.4, -4.9}, {-7.6, -4.0},
                         {-4.4, -1.1}},
                        1, ESPESSURA_NADADEIRA, nadadeira);
    acrescentaNadadeira(m,
                        {{-3.4, 2.4}, {-2.8, 5.0}, {-1.0, 6.4}, {1.4, 6.3}, {3.0, 4.6},
                         {2.6, 3.4}},
                        2, ESPESSURA_NADADEIRA, nadadeira);
    acrescentaNadadeira(m, {{-3.2, -2.2}, {-3.9, -4.6}, {-2.4, -6.0}, {-0.8, -4.8}, {0.2, -3.4}},
                        2, ESPESSURA_NADADEIRA, nadadeira);
    acrescentaNadadeirasLaterais(m, corpo,
                                 {{0.3, 0.4}, {-1.6, 0.8}, {-3.2, -0.6}, {-2.6, -2.0},
                                  {-0.4, -0.6}},
                                 2.8, -1.4, 0.35, nadadeira);
    acrescentaOlhos(m, corpo, 5.0, 1.3, 1.55);
    // Round lips at the nose.
    acrescentaElipsoide(m, translacao({7.45, -1.0, 0}), {0.55, 0.4, 0.95}, 8, 5, boca);
    m.ajustaCaixa({18, 12, 8}, true);
    return m;
}

// ---------------------------------------------------------------- Peixe Azul

// Slim, streamlined blue fish: dark blue back, a light stripe along its
// side, pale belly, pointed fins and a deeply forked tail.
Malha geraPeixeAzul() {
    Malha m("azul");
    const CoresCorpo cores{m.material(material("azul_dorso", 0x1b4fb4)),
                           m.material(material("azul_lado", 0x3d8ff0)),
                           m.material(material("azul_ventre", 0xd2ecff, 0.25)), 0.7, -0.3};
    const int listra = m.material(material("azul_listra", 0xcfefff, 0.3));
    const int nadadeira = m.material(material("azul_nadadeira", 0x2a63c8));

    CorpoPeixe corpo;
    corpo.controles = {{-5.4, 0.0, 0.55, 0.55, 0.45}, {-4.0, 0.0, 1.05, 1.05, 0.9},
                       {-1.5, 0.0, 2.0, 2.0, 1.85},   {1.5, 0.05, 2.4, 2.3, 2.2},
                       {4.0, 0.0, 2.1, 2.0, 1.95},    {6.2, -0.1, 1.3, 1.2, 1.3},
                       {7.4, -0.2, 0.5, 0.45, 0.55}};
    corpo.cauda = {-5.6, 0.0};
    corpo.nariz = {7.8, -0.25};
    acrescentaCorpo(m, corpo, [&](double x, double seno) {
        if (seno > 0 && seno < 0.3 && x > -4.5 && x < 6.0) return listra;
        return cores.escolhe(seno);
    });

    acrescentaNadadeira(m,
                        {{-4.7, 0.5}, {-7.0, 2.4}, {-8.9, 3.6}, {-8.1, 1.6}, {-7.1, 0.0},
                         {-8.1, -1.6}, {-8.9, -3.6}, {-7.0, -2.4}, {-4.7, -0.5}},
                        1, ESPESSURA_NADADEIRA * 0.8, nadadeira);
    acrescentaNadadeira(m, {{-2.0, 1.5}, {0.0, 3.5}, {1.0, 3.5}, {1.8, 1.8}}, 1,
                        ESPESSURA_NADADEIRA * 0.8, nadadeira);
    acrescentaNadadeira(m, {{-2.4, -1.2}, {-3.6, -3.1}, {-2.4, -3.0}, {-0.8, -1.5}}, 1,
                        ESPESSURA_NADADEIRA * 0.8, nadadeira);
    acrescentaNadadeirasLaterais(m, corpo, {{0.2, 0.3}, {-2.0, 0.2}, {-2.8, -1.0}, {-0.6, -0.4}},
                                 3.2, -0.7, 0.3, nadadeira);
    acrescentaOlhos(m, corpo, 5.4, 0.45, 0.95);
    m.ajustaCaixa({16, 7, 5}, true);
    return m;
}

// ---------------------------------------------------------------- Peixe Listrado

// Deep-bodied yellow fish with four dark vertical stripes, a spiny orange
// dorsal fin and a rounded tail.
Malha geraPeixeListrado() {
    Malha m("listrado");
    const CoresCorpo cores{m.material(material("listrado_dorso", 0xf5b81e)),
                           m.material(material("listrado_lado", 0xffd83a)),
                           m.material(material("listrado_ventre", 0xfff2a6, 0.25)), 0.7, -0.45};
    const int listra = m.material(material("listrado_listra", 0x262b3d, 0.12));
    const int nadadeira = m.material(material("listrado_nadadeira", 0xf59a1a));

    CorpoPeixe corpo;
    corpo.controles = {{-4.0, 0.0, 0.8, 0.8, 0.4},  {-3.0, 0.0, 1.6, 1.6, 0.8},
                       {-1.2, 0.1, 3.1, 3.0, 1.5},  {1.0, 0.1, 3.5, 3.3, 1.75},
                       {3.2, 0.0, 3.0, 2.7, 1.55},  {4.8, -0.1, 1.7, 1.5, 1.0},
                       {5.6, -0.2, 0.6, 0.5, 0.45}};
    corpo.cauda = {-4.2, 0.0};
    corpo.nariz = {5.9, -0.2};
    // Stripes: [start, end) in x.
    constexpr double LISTRAS[4][2] = {{-3.2, -2.5}, {-1.3, -0.4}, {0.7, 1.6}, {2.7, 3.4}};
    for (const auto& l : LISTRAS) {
        corpo.cortes.push_back(l[0]);
        corpo.cortes.push_back(l[1]);
    }
    acrescentaCorpo(m, corpo, [&](double x, double seno) {
        for (const auto& l : LISTRAS)
            if (x > l[0] && x < l[1]) return listra;
        return cores.escolhe(seno);
    });

    // Spiny dorsal fin: five spikes.
    Contorno espinhos{{-2.8, 2.0}};
    for (int i = 0; i < 5; ++i) {
        const double x = -2.4 + i * 1.15;
        espinhos.push_back({x, 4.5 - 0.08 * i});
        espinhos.push_back({x + 0.5, 3.2});
    }
    espinhos.push_back({3.2, 2.2});
    acrescentaNadadeira(m, espinhos, 0, ESPESSURA_NADADEIRA, nadadeira);
    acrescentaNadadeira(m,
                        {{-3.5, 0.6}, {-5.6, 2.6}, {-7.2, 2.8}, {-7.6, 1.2}, {-7.6, -1.2},
                         {-7.2, -2.8}, {-5.6, -2.6}, {-3.5, -0.6}},
                        1, ESPESSURA_NADADEIRA, nadadeira);
    acrescentaNadadeira(m, {{-2.2, -2.0}, {-2.9, -4.1}, {-1.3, -3.7}, {0.2, -2.6}}, 1,
                        ESPESSURA_NADADEIRA, nadadeira);
    acrescentaNadadeirasLaterais(m, corpo, {{0.2, 0.3}, {-1.5, 0.5}, {-2.2, -0.8}, {-0.4, -0.5}},
                                 3.3, -1.0, 0.3, nadadeira);
    acrescentaOlhos(m, corpo, 4.25, 0.75, 0.85);
    m.ajustaCaixa({13, 8, 4}, true);
    return m;
}

// ---------------------------------------------------------------- Alga

namespace {
constexpr int LADOS_CAULE = 6;
constexpr int SEGMENTOS_CAULE = 10;

struct Caule {
    double baseX, baseZ, altura, onda, inclinacao, frequencia, fase;
    int folhas;
};

// Centre of a stem at s (0 at the root, 1 at the tip).
Vetor pontoCaule(const Caule& c, double s) {
    return {c.baseX + c.onda * std::sin(c.frequencia * PI * s + c.fase) * s + c.inclinacao * s * s,
            0.5 + c.altura * s, c.baseZ + 0.5 * std::sin(2 * s + c.fase)};
}

// A stem as a tube along its curve, thinning towards the tip.
void acrescentaCaule(Malha& malha, const Caule& c, int material) {
    Tubo tubo;
    for (int i = 0; i <= SEGMENTOS_CAULE; ++i) {
        const double s = static_cast<double>(i) / SEGMENTOS_CAULE;
        const Vetor p = pontoCaule(c, s);
        const Vetor tangente =
            normaliza(pontoCaule(c, std::min(1.0, s + 0.01)) - pontoCaule(c, std::max(0.0, s - 0.01)));
        const Vetor n1 = normaliza(vetorial(tangente, {0, 0, 1}));
        const Vetor n2 = vetorial(tangente, n1);
        const double r = 0.4 - 0.24 * s;
        std::vector<Vetor> anel;
        for (int j = 0; j < LADOS_CAULE; ++j) {
            const double a = 2 * PI * j / LADOS_CAULE;
            anel.push_back(p + (n1 * std::cos(a) + n2 * std::sin(a)) * r);
        }
        tubo.aneis.push_back(anel);
    }
    tubo.poloFim = pontoCaule(c, 1.0) + Vetor{0, 0.5, 0};
    acrescentaTubo(malha, tubo, material);
}
}  // namespace

// Waterweed rooted at the origin: a holdfast and three wavy stems with
// leaves on alternate sides, growing up to y = 22.
Malha geraAlga() {
    Malha m("algave");
    const int raiz = m.material(material("alga_raiz", 0x6f7b2c));
    const int caule = m.material(material("alga_caule", 0x2f8f3a));
    const int folhaEscura = m.material(material("alga_folha", 0x4fb84a, 0.22));
    const int folhaClara = m.material(material("alga_folha_clara", 0x86d45a, 0.22));

    acrescentaElipsoide(m, translacao({0, 0.6, 0}), {1.6, 0.6, 1.2}, 10, 5, raiz);
    const Caule caules[] = {{0.0, 0.0, 20.6, 1.1, 0.4, 2.2, 0.0, 6},
                            {-0.6, 0.5, 14.5, 0.9, -2.0, 2.0, 1.5, 5},
                            {0.6, -0.6, 11.5, 0.8, 2.2, 1.8, 3.0, 4}};
    // A narrow leaf pointing along local +y.
    const Contorno folha{{0, 0},      {0.45, 0.5},  {0.62, 1.4}, {0.5, 2.4},   {0.25, 3.2},
                         {0, 3.6},    {-0.25, 3.2}, {-0.5, 2.4}, {-0.62, 1.4}, {-0.45, 0.5}};
    int numero = 0;
    for (const Caule& c : caules) {
        acrescentaCaule(m, c, caule);
        for (int i = 0; i < c.folhas; ++i, ++numero) {
            const double s = 0.18 + 0.74 * i / (c.folhas - 1);
            const double lado = (i + numero) % 2 == 0 ? 1.0 : -1.0;
            const double tamanho = 1.15 - 0.45 * s;
            const Transformacao t = translacao(pontoCaule(c, s))
                                        .apos(rotacaoY(0.5 * lado + 0.3 * s))
                                        .apos(rotacaoZ(-lado * (0.75 - 0.25 * s)))
                                        .apos(escala({tamanho, tamanho, 1}));
            acrescentaPlaca(m, t, folha, 0.22, numero % 3 == 0 ? folhaClara : folhaEscura);
        }
    }
    m.ajustaCaixa({8, 22, 4}, false);
    return m;
}

// ---------------------------------------------------------------- Microorganismo

namespace {
constexpr double RAIO_CELULA = 1.7;
constexpr double RAIO_CILIOS = 2.5;
constexpr double GROSSURA_CILIO = 0.09;
}  // namespace

// A small round green cell with purple spots and cilia all round, so that
// it looks alive from every side as it spins.
Malha geraMicroorganismo() {
    Malha m("micro");
    const int celula = m.material(material("micro_celula", 0x7fd957, 0.25));
    const int mancha = m.material(material("micro_mancha", 0x9b63d6, 0.22));
    const int cilio = m.material(material("micro_cilio", 0x3f8f3a, 0.25));

    acrescentaElipsoide(m, identidade(), {RAIO_CELULA, RAIO_CELULA, RAIO_CELULA}, 14, 9, celula);
    const Vetor eixos[] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    for (const Vetor& d : eixos)
        acrescentaElipsoide(m, alinhaEntre({}, d).apos(translacao({RAIO_CELULA * 0.9, 0, 0})),
                            {0.35, 0.55, 0.55}, 7, 4, mancha);

    // Cilia along the 12 vertices of an icosahedron and its 20 face centres.
    const double fi = (1 + std::sqrt(5.0)) / 2;
    std::vector<Vetor> direcoes;
    for (double a : {-1.0, 1.0})
        for (double b : {-fi, fi}) {
            direcoes.push_back({0, a, b});
            direcoes.push_back({a, b, 0});
            direcoes.push_back({b, 0, a});
        }
    for (double a : {-1.0, 1.0})
        for (double b : {-1.0, 1.0})
            for (double c : {-1.0, 1.0}) direcoes.push_back({a, b, c});
    for (double a : {-1.0, 1.0})
        for (double b : {-1.0, 1.0}) {
            direcoes.push_back({0, a / fi, b * fi});
            direcoes.push_back({a / fi, b * fi, 0});
            direcoes.push_back({b * fi, 0, a / fi});
        }
    for (const Vetor& d : direcoes) {
        const Vetor u = normaliza(d);
        acrescentaCone(m, u * (RAIO_CELULA * 0.95), u * RAIO_CILIOS, GROSSURA_CILIO, 4, cilio);
    }
    m.ajustaCaixa({5, 5, 5}, true);
    return m;
}

}  // namespace modelos
