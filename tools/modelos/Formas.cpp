// The primitive shapes the models are built from (boxes, bars, lofted tubes,
// ellipsoids, cylinders, cones, solids of revolution, thick outlines) and the
// flat outlines they use.
#include "tools/modelos/Geometria.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace modelos {

namespace {
constexpr double PI = std::numbers::pi;
// A corner of an outline is convex when its turn is above this.
constexpr double GIRO_MINIMO = 1e-12;
// A profile radius below this closes the solid in a point.
constexpr double RAIO_PONTA = 1e-6;

// Unit vector along axis k (0 x, 1 y, 2 z).
Vetor eixo(int k) {
    return k == 0 ? Vetor{1, 0, 0} : k == 1 ? Vetor{0, 1, 0} : Vetor{0, 0, 1};
}

// Component k of a vector.
double componente(Vetor v, int k) { return k == 0 ? v.x : k == 1 ? v.y : v.z; }

// Circle of radius r in the local y–z plane at local x, mapped by t.
std::vector<Vetor> circulo(const Transformacao& t, double x, double r, int lados) {
    std::vector<Vetor> anel;
    for (int j = 0; j < lados; ++j) {
        const double a = 2 * PI * j / lados;
        anel.push_back(t.aplica({x, r * std::cos(a), r * std::sin(a)}));
    }
    return anel;
}

// Twice the signed area of an outline (positive when counter-clockwise).
double areaDupla(const Contorno& c) {
    double a = 0;
    for (std::size_t i = 0; i < c.size(); ++i) {
        const Ponto2 p = c[i], q = c[(i + 1) % c.size()];
        a += p.x * q.y - q.x * p.y;
    }
    return a;
}

// Positive when a → b → c turns left.
double giro(Ponto2 a, Ponto2 b, Ponto2 c) {
    return (b.x - a.x) * (c.y - b.y) - (b.y - a.y) * (c.x - b.x);
}

// Whether p is inside (or on) the counter-clockwise triangle a b c.
bool dentroTriangulo(Ponto2 p, Ponto2 a, Ponto2 b, Ponto2 c) {
    const double d1 = giro(a, b, p), d2 = giro(b, c, p), d3 = giro(c, a, p);
    return d1 >= 0 && d2 >= 0 && d3 >= 0;
}
}  // namespace

// ---------------------------------------------------------------- boxes and bars

void acrescentaCaixa(Malha& malha, const Transformacao& t, Vetor meia, int material) {
    malha.abreParte();
    for (int k = 0; k < 3; ++k)
        for (int sinal : {-1, 1}) {
            // Axes u, v of the face with v × u pointing out of the box.
            const int ka = (k + 1) % 3, kb = (k + 2) % 3;
            const int ku = sinal > 0 ? kb : ka, kv = sinal > 0 ? ka : kb;
            const Vetor u = eixo(ku) * componente(meia, ku);
            const Vetor v = eixo(kv) * componente(meia, kv);
            const Vetor c = eixo(k) * (sinal * componente(meia, k));
            malha.poligono({t.aplica(c - u - v), t.aplica(c - u + v), t.aplica(c + u + v),
                            t.aplica(c + u - v)},
                           material);
        }
    malha.fechaParte();
}

void acrescentaCaixaEntre(Malha& malha, Vetor minimo, Vetor maximo, int material) {
    acrescentaCaixa(malha, translacao((minimo + maximo) * 0.5), (maximo - minimo) * 0.5, material);
}

void acrescentaBarra(Malha& malha, Vetor a, Vetor b, double espessura, int material) {
    const double c = comprimento(b - a);
    acrescentaCaixa(malha, alinhaEntre(a, b).apos(translacao({c / 2, 0, 0})),
                    {c / 2, espessura / 2, espessura / 2}, material);
}

// ---------------------------------------------------------------- lofted shapes

void acrescentaTubo(Malha& malha, const Tubo& tubo,
                    const std::function<int(int anel, int ponto)>& materialDe) {
    const auto& aneis = tubo.aneis;
    const int m = static_cast<int>(aneis.size());
    const int n = static_cast<int>(aneis.front().size());
    const bool suave = tubo.lado == Lado::Suave;
    malha.abreParte();

    // Shared vertices for a smooth side; a quebrado side gives every face
    // its own.
    std::vector<std::vector<std::uint32_t>> indice(static_cast<std::size_t>(m));
    if (suave)
        for (int i = 0; i < m; ++i)
            for (const Vetor& p : aneis[i]) indice[i].push_back(malha.vertice(p));

    auto triangulo = [&](Vetor a, Vetor b, Vetor c, std::uint32_t ia, std::uint32_t ib,
                         std::uint32_t ic, int mat) {
        if (suave)
            malha.triangulo(ia, ib, ic, mat);
        else
            malha.poligono({a, b, c}, mat);
    };

    for (int i = 0; i + 1 < m; ++i)
        for (int j = 0; j < n; ++j) {
            const int j1 = (j + 1) % n;
            const int mat = materialDe(i, j);
            if (suave) {
                malha.triangulo(indice[i][j], indice[i + 1][j], indice[i + 1][j1], mat);
                malha.triangulo(indice[i][j], indice[i + 1][j1], indice[i][j1], mat);
            } else {
                malha.poligono({aneis[i][j], aneis[i + 1][j], aneis[i + 1][j1], aneis[i][j1]}, mat);
            }
        }

    // Ends: a point joined to the ring, or a flat cap with its own vertices.
    auto fecha = [&](int i, const std::optional<Vetor>& polo, bool inicio) {
        const int matAnel = inicio ? -1 : m - 1;
        if (polo) {
            const std::uint32_t p = suave ? malha.vertice(*polo) : 0;
            for (int j = 0; j < n; ++j) {
                const int j1 = (j + 1) % n;
                const int a = inicio ? j : j1, b = inicio ? j1 : j;
                const std::uint32_t ia = suave ? indice[i][a] : 0, ib = suave ? indice[i][b] : 0;
                triangulo(*polo, aneis[i][a], aneis[i][b], p, ia, ib, materialDe(matAnel, j));
            }
            return;
        }
        Vetor centro;
        for (const Vetor& p : aneis[i]) centro = centro + p;
        centro = centro / n;
        const std::uint32_t c = malha.vertice(centro);
        std::vector<std::uint32_t> borda;
        for (const Vetor& p : aneis[i]) borda.push_back(malha.vertice(p));
        for (int j = 0; j < n; ++j) {
            const int j1 = (j + 1) % n;
            if (inicio)
                malha.triangulo(c, borda[j], borda[j1], materialDe(matAnel, j));
            else
                malha.triangulo(c, borda[j1], borda[j], materialDe(matAnel, j));
        }
    };
    fecha(0, tubo.poloInicio, true);
    fecha(m - 1, tubo.poloFim, false);
    malha.fechaParte();
}

void acrescentaTubo(Malha& malha, const Tubo& tubo, int material) {
    acrescentaTubo(malha, tubo, [material](int, int) { return material; });
}

void acrescentaElipsoide(Malha& malha, const Transformacao& t, Vetor r, int fatias, int aneis,
                         int material) {
    Tubo tubo;
    for (int k = 1; k < aneis; ++k) {
        const double fi = PI * k / aneis;
        std::vector<Vetor> anel;
        for (int j = 0; j < fatias; ++j) {
            const double a = 2 * PI * j / fatias;
            anel.push_back(t.aplica({r.x * std::sin(fi) * std::cos(a), -r.y * std::cos(fi),
                                     r.z * std::sin(fi) * std::sin(a)}));
        }
        tubo.aneis.push_back(anel);
    }
    tubo.poloInicio = t.aplica({0, -r.y, 0});
    tubo.poloFim = t.aplica({0, r.y, 0});
    acrescentaTubo(malha, tubo, material);
}

void acrescentaCilindro(Malha& malha, Vetor a, Vetor b, double raio, int lados, int material) {
    const Transformacao t = alinhaEntre(a, b);
    Tubo tubo;
    tubo.aneis = {circulo(t, 0, raio, lados), circulo(t, comprimento(b - a), raio, lados)};
    acrescentaTubo(malha, tubo, material);
}

void acrescentaCone(Malha& malha, Vetor base, Vetor ponta, double raio, int lados, int material) {
    Tubo tubo;
    tubo.aneis = {circulo(alinhaEntre(base, ponta), 0, raio, lados)};
    tubo.poloFim = ponta;
    acrescentaTubo(malha, tubo, material);
}

void acrescentaRevolucao(Malha& malha, const Transformacao& t, const Contorno& perfil, int lados,
                         Lado lado, int material) {
    Tubo tubo;
    tubo.lado = lado;
    for (std::size_t i = 0; i < perfil.size(); ++i) {
        const Ponto2 p = perfil[i];
        const bool ponta = p.x <= RAIO_PONTA;
        if (ponta && i == 0) {
            tubo.poloInicio = t.aplica({0, p.y, 0});
        } else if (ponta && i + 1 == perfil.size()) {
            tubo.poloFim = t.aplica({0, p.y, 0});
        } else {
            std::vector<Vetor> anel;
            for (int j = 0; j < lados; ++j) {
                const double a = 2 * PI * j / lados;
                anel.push_back(t.aplica({p.x * std::cos(a), p.y, p.x * std::sin(a)}));
            }
            tubo.aneis.push_back(anel);
        }
    }
    acrescentaTubo(malha, tubo, material);
}

// ---------------------------------------------------------------- thick outlines

void acrescentaPlaca(Malha& malha, const Transformacao& t, const Contorno& contorno,
                     double espessura, int material) {
    Contorno c = contorno;
    if (areaDupla(c) < 0) std::reverse(c.begin(), c.end());
    const auto triangulos = triangulaContorno(c);
    const double z = espessura / 2;
    auto ponto = [&](Ponto2 p, double pz) { return t.aplica({p.x, p.y, pz}); };

    malha.abreParte();
    // Front (−z) and back (+z) faces.
    for (double lado : {-z, z}) {
        std::vector<std::uint32_t> v;
        for (Ponto2 p : c) v.push_back(malha.vertice(ponto(p, lado)));
        for (const auto& tri : triangulos) {
            if (lado < 0)
                malha.triangulo(v[tri[0]], v[tri[2]], v[tri[1]], material);
            else
                malha.triangulo(v[tri[0]], v[tri[1]], v[tri[2]], material);
        }
    }
    // Rim: one flat quad per edge.
    for (std::size_t i = 0; i < c.size(); ++i) {
        const Ponto2 p = c[i], q = c[(i + 1) % c.size()];
        malha.poligono({ponto(p, -z), ponto(q, -z), ponto(q, z), ponto(p, z)}, material);
    }
    malha.fechaParte();
}

// ---------------------------------------------------------------- outlines

Contorno arredonda(const Contorno& c, int vezes) {
    Contorno atual = c;
    for (int k = 0; k < vezes; ++k) {
        Contorno novo;
        for (std::size_t i = 0; i < atual.size(); ++i) {
            const Ponto2 p = atual[i], q = atual[(i + 1) % atual.size()];
            novo.push_back({0.75 * p.x + 0.25 * q.x, 0.75 * p.y + 0.25 * q.y});
            novo.push_back({0.25 * p.x + 0.75 * q.x, 0.25 * p.y + 0.75 * q.y});
        }
        atual = std::move(novo);
    }
    return atual;
}

Contorno contornoElipse(double cx, double cy, double rx, double ry, int n) {
    Contorno c;
    for (int i = 0; i < n; ++i) {
        const double a = 2 * PI * i / n;
        c.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return c;
}

Contorno retanguloArredondado(double largura, double altura, double raio, int n) {
    const double mx = largura / 2 - raio, my = altura / 2 - raio;
    const Ponto2 centros[4] = {{mx, -my}, {mx, my}, {-mx, my}, {-mx, -my}};
    Contorno c;
    for (int canto = 0; canto < 4; ++canto)
        for (int i = 0; i <= n; ++i) {
            const double a = (canto - 1 + static_cast<double>(i) / n) * PI / 2;
            c.push_back({centros[canto].x + raio * std::cos(a), centros[canto].y + raio * std::sin(a)});
        }
    return c;
}

std::vector<std::array<int, 3>> triangulaContorno(const Contorno& c) {
    std::vector<int> restantes(c.size());
    for (std::size_t i = 0; i < c.size(); ++i) restantes[i] = static_cast<int>(i);
    std::vector<std::array<int, 3>> tri;
    while (restantes.size() > 3) {
        const std::size_t n = restantes.size();
        bool cortou = false;
        for (std::size_t i = 0; i < n && !cortou; ++i) {
            const int a = restantes[(i + n - 1) % n], b = restantes[i], d = restantes[(i + 1) % n];
            if (giro(c[a], c[b], c[d]) <= GIRO_MINIMO) continue;
            bool vazia = true;
            for (int k : restantes)
                if (k != a && k != b && k != d && dentroTriangulo(c[k], c[a], c[b], c[d])) {
                    vazia = false;
                    break;
                }
            if (!vazia) continue;
            tri.push_back({a, b, d});
            restantes.erase(restantes.begin() + static_cast<std::ptrdiff_t>(i));
            cortou = true;
        }
        if (!cortou) break;  // not a simple polygon: leave the rest open (the check reports it)
    }
    if (restantes.size() == 3) tri.push_back({restantes[0], restantes[1], restantes[2]});
    return tri;
}

}  // namespace modelos
