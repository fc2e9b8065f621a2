// Geometry of the model generator: vectors, affine maps, materials, the mesh
// under construction and the primitive shapes the models are built from.
//
// Coordinates are the game's own (left-handed, as DirectX): x to the right,
// y up, z away from the viewer. A triangle's front is the side from which
// its vertices are seen in clockwise order; with the plain cross product
// this makes (b − a) × (c − a) point out of the solid.
//
// Every primitive is a closed solid of its own (a "part"). Parts only carry
// positions while the model is built; when the model is finished each part
// is turned outward (by its signed volume), its normals are computed from its
// faces, and it is checked to be closed. Vertices shared between faces of a
// part give smooth shading; faces with vertices of their own give hard edges.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace modelos {

// ---------------------------------------------------------------- vectors

struct Vetor {
    double x = 0, y = 0, z = 0;
};

inline Vetor operator+(Vetor a, Vetor b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vetor operator-(Vetor a, Vetor b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vetor operator-(Vetor a) { return {-a.x, -a.y, -a.z}; }
inline Vetor operator*(Vetor a, double k) { return {a.x * k, a.y * k, a.z * k}; }
inline Vetor operator*(double k, Vetor a) { return a * k; }
inline Vetor operator/(Vetor a, double k) { return {a.x / k, a.y / k, a.z / k}; }
// Dot product, cross product and length.
double escalar(Vetor a, Vetor b);
Vetor vetorial(Vetor a, Vetor b);
double comprimento(Vetor a);
// The vector scaled to length 1 (the zero vector stays zero).
Vetor normaliza(Vetor a);
// Point between a (t = 0) and b (t = 1).
Vetor interpola(Vetor a, Vetor b, double t);

// A point of a flat outline, in the outline's own plane.
struct Ponto2 {
    double x = 0, y = 0;
};
using Contorno = std::vector<Ponto2>;

// ---------------------------------------------------------------- affine maps

// p ↦ linhas · p + deslocamento. Any invertible map is allowed, mirrors
// included: parts are turned outward after they are placed.
struct Transformacao {
    double m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    Vetor deslocamento;

    // The image of a point.
    Vetor aplica(Vetor p) const;
    // Applies this map after another one: (this ∘ antes)(p).
    Transformacao apos(const Transformacao& antes) const;
};

Transformacao identidade();
Transformacao translacao(Vetor d);
Transformacao escala(Vetor k);
// Rotations by an angle in radians: rotacaoX turns y towards z, rotacaoY
// turns z towards x, rotacaoZ turns x towards y.
Transformacao rotacaoX(double angulo);
Transformacao rotacaoY(double angulo);
Transformacao rotacaoZ(double angulo);
// Maps local x to the direction from a to b (length kept), placing the local
// origin at a; local y goes as near to `cima` as the direction allows.
Transformacao alinhaEntre(Vetor a, Vetor b, Vetor cima = {0, 1, 0});

// ---------------------------------------------------------------- materials

struct Cor {
    double r = 0, g = 0, b = 0;
};
// Colour from 0xRRGGBB.
Cor corHex(std::uint32_t rgb);
// Colour scaled by k.
Cor operator*(Cor c, double k);

struct Material {
    std::string nome;
    Cor difusa;
    double alfa = 1;
    double potencia = 12;
    Cor especular{0.25, 0.25, 0.25};
    Cor emissiva;
};

// Fraction of its own colour that a material gives off by itself, so that
// sides facing away from the lights do not go black.
inline constexpr double BRILHO_PROPRIO = 0.2;

// The usual material: a colour that glows by `brilho` of itself.
Material material(const std::string& nome, std::uint32_t rgb, double brilho = BRILHO_PROPRIO);

// ---------------------------------------------------------------- the mesh

struct Triangulo {
    std::uint32_t v[3];
    int material;
};

struct Caixa {
    Vetor minimo, maximo;
    Vetor tamanho() const { return maximo - minimo; }
};

class Malha {
public:
    explicit Malha(std::string nome) : nome_(std::move(nome)) {}

    const std::string& nome() const { return nome_; }

    // Index of the material, adding it the first time its name is seen.
    int material(const Material& m);

    // A part is a closed solid: the primitives open one, add vertices and
    // triangles, and close it.
    void abreParte();
    void fechaParte();

    // A new vertex of the open part, and a triangle of its vertices (front
    // clockwise; the part is turned outward as a whole when finished).
    std::uint32_t vertice(Vetor p);
    void triangulo(std::uint32_t a, std::uint32_t b, std::uint32_t c, int material);
    // A flat convex polygon with vertices of its own, as a triangle fan.
    void poligono(const std::vector<Vetor>& pontos, int material);

    // Box of all the vertices.
    Caixa caixa() const;
    std::size_t numTriangulos() const { return triangulos_.size(); }

    // Moves every vertex.
    void transforma(const Transformacao& t);
    // Scales and moves the model so that its box has the given size (a size
    // 0 leaves that axis alone). x and z are always centred on 0; y is
    // centred when centraY, otherwise it is scaled about y = 0 so that the
    // model's origin keeps its meaning (waterline, root).
    void ajustaCaixa(Vetor tamanho, bool centraY);

    // Turns every part outward, computes the normals and checks that every
    // part is closed. Answers the problems found, one per line (empty: none).
    std::string finaliza();

    // Writes the finished model as a text DirectX file. False on failure.
    bool escreveX(const std::string& arquivo) const;

private:
    struct Parte {
        std::size_t primeiroVertice, primeiroTriangulo, fimTriangulo;
    };

    std::string nome_;
    std::vector<Material> materiais_;
    std::vector<Vetor> posicoes_;
    std::vector<Vetor> normais_;
    std::vector<Triangulo> triangulos_;
    std::vector<Parte> partes_;
    bool parteAberta_ = false;
};

// ---------------------------------------------------------------- primitives

// How the side of a lofted shape is shaded.
enum class Lado { Suave, Quebrado };

// Box of half-sizes `meia` around the origin of t.
void acrescentaCaixa(Malha& malha, const Transformacao& t, Vetor meia, int material);
// Axis-aligned box between two corners.
void acrescentaCaixaEntre(Malha& malha, Vetor minimo, Vetor maximo, int material);
// Square bar of the given thickness from a to b.
void acrescentaBarra(Malha& malha, Vetor a, Vetor b, double espessura, int material);

// Lofted solid through a series of closed rings, all with the same number of
// points in the same turning order. Each end is closed by a point (polo)
// when given, otherwise by a flat cap. The material of the quad between
// ring i and i + 1 at point j is materialDe(i, j); pole triangles use the
// ring next to them (i = −1 at the start, i = number of rings − 1 at the end).
struct Tubo {
    std::vector<std::vector<Vetor>> aneis;
    std::optional<Vetor> poloInicio;
    std::optional<Vetor> poloFim;
    Lado lado = Lado::Suave;
};
void acrescentaTubo(Malha& malha, const Tubo& tubo,
                    const std::function<int(int anel, int ponto)>& materialDe);
void acrescentaTubo(Malha& malha, const Tubo& tubo, int material);

// Ellipsoid of radii r around the origin of t.
void acrescentaElipsoide(Malha& malha, const Transformacao& t, Vetor r, int fatias, int aneis,
                         int material);
// Round cylinder from a to b.
void acrescentaCilindro(Malha& malha, Vetor a, Vetor b, double raio, int lados, int material);
// Round cone with its base at `base` and its point at `ponta`.
void acrescentaCone(Malha& malha, Vetor base, Vetor ponta, double raio, int lados, int material);
// Solid of revolution about local y: perfil lists (radius, height) from
// bottom to top; a radius 0 at an end closes that end in a point.
void acrescentaRevolucao(Malha& malha, const Transformacao& t, const Contorno& perfil, int lados,
                         Lado lado, int material);
// Flat outline (any simple polygon, in local x–y) made solid with the given
// thickness along local z, centred on z = 0; hard edges.
void acrescentaPlaca(Malha& malha, const Transformacao& t, const Contorno& contorno,
                     double espessura, int material);

// ---------------------------------------------------------------- outlines

// Rounds a closed outline by corner cutting, `vezes` times.
Contorno arredonda(const Contorno& c, int vezes);
// Ellipse of radii (rx, ry) around (cx, cy) with n points.
Contorno contornoElipse(double cx, double cy, double rx, double ry, int n);
// Rectangle with rounded corners (n points per corner).
Contorno retanguloArredondado(double largura, double altura, double raio, int n);
// Triangles (indices into c) covering a simple polygon, by ear clipping.
std::vector<std::array<int, 3>> triangulaContorno(const Contorno& c);

}  // namespace modelos
