// Vectors, affine maps and materials; the mesh under construction, its
// finishing (outward turning, normals, closure check) and the writer of the
// text DirectX (.x) file.
#include "tools/modelos/Geometria.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <map>
#include <span>
#include <sstream>

namespace modelos {

namespace {
// Digits after the point in the .x file.
constexpr int CASAS_DECIMAIS = 4;
// Positions closer than this are the same point when checking closure.
constexpr double QUANTUM_SOLDA = 1e-4;
// Below this a triangle's doubled area counts as none.
constexpr double AREA_MINIMA = 1e-9;
}  // namespace

// ---------------------------------------------------------------- vectors

double escalar(Vetor a, Vetor b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vetor vetorial(Vetor a, Vetor b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double comprimento(Vetor a) { return std::sqrt(escalar(a, a)); }

Vetor normaliza(Vetor a) {
    const double c = comprimento(a);
    return c > 0 ? a / c : Vetor{};
}

Vetor interpola(Vetor a, Vetor b, double t) { return a + (b - a) * t; }

// ---------------------------------------------------------------- affine maps

Vetor Transformacao::aplica(Vetor p) const {
    return {m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z + deslocamento.x,
            m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z + deslocamento.y,
            m[2][0] * p.x + m[2][1] * p.y + m[2][2] * p.z + deslocamento.z};
}

Transformacao Transformacao::apos(const Transformacao& antes) const {
    Transformacao r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            r.m[i][j] = 0;
            for (int k = 0; k < 3; ++k) r.m[i][j] += m[i][k] * antes.m[k][j];
        }
    Transformacao linear = *this;
    linear.deslocamento = {};
    r.deslocamento = linear.aplica(antes.deslocamento) + deslocamento;
    return r;
}

Transformacao identidade() { return {}; }

Transformacao translacao(Vetor d) {
    Transformacao t;
    t.deslocamento = d;
    return t;
}

Transformacao escala(Vetor k) {
    Transformacao t;
    t.m[0][0] = k.x;
    t.m[1][1] = k.y;
    t.m[2][2] = k.z;
    return t;
}

// Turns y towards z.
Transformacao rotacaoX(double a) {
    Transformacao t;
    t.m[1][1] = std::cos(a);
    t.m[1][2] = -std::sin(a);
    t.m[2][1] = std::sin(a);
    t.m[2][2] = std::cos(a);
    return t;
}

// Turns z towards x.
Transformacao rotacaoY(double a) {
    Transformacao t;
    t.m[0][0] = std::cos(a);
    t.m[0][2] = std::sin(a);
    t.m[2][0] = -std::sin(a);
    t.m[2][2] = std::cos(a);
    return t;
}

// Turns x towards y.
Transformacao rotacaoZ(double a) {
    Transformacao t;
    t.m[0][0] = std::cos(a);
    t.m[0][1] = -std::sin(a);
    t.m[1][0] = std::sin(a);
    t.m[1][1] = std::cos(a);
    return t;
}

Transformacao alinhaEntre(Vetor a, Vetor b, Vetor cima) {
    const Vetor u = normaliza(b - a);
    Vetor w = vetorial(u, cima);
    if (comprimento(w) < 1e-6) w = vetorial(u, Vetor{1, 0, 0});
    if (comprimento(w) < 1e-6) w = vetorial(u, Vetor{0, 0, 1});
    w = normaliza(w);
    const Vetor v = vetorial(w, u);
    Transformacao t;
    const Vetor colunas[3] = {u, v, w};
    for (int j = 0; j < 3; ++j) {
        t.m[0][j] = colunas[j].x;
        t.m[1][j] = colunas[j].y;
        t.m[2][j] = colunas[j].z;
    }
    t.deslocamento = a;
    return t;
}

// ---------------------------------------------------------------- materials

Cor corHex(std::uint32_t rgb) {
    return {((rgb >> 16) & 0xff) / 255.0, ((rgb >> 8) & 0xff) / 255.0, (rgb & 0xff) / 255.0};
}

Cor operator*(Cor c, double k) { return {c.r * k, c.g * k, c.b * k}; }

Material material(const std::string& nome, std::uint32_t rgb, double brilho) {
    Material m;
    m.nome = nome;
    m.difusa = corHex(rgb);
    m.emissiva = m.difusa * brilho;
    return m;
}

// ---------------------------------------------------------------- the mesh

int Malha::material(const Material& m) {
    for (std::size_t i = 0; i < materiais_.size(); ++i)
        if (materiais_[i].nome == m.nome) return static_cast<int>(i);
    materiais_.push_back(m);
    return static_cast<int>(materiais_.size() - 1);
}

void Malha::abreParte() {
    parteAberta_ = true;
    partes_.push_back({posicoes_.size(), triangulos_.size(), triangulos_.size()});
}

void Malha::fechaParte() {
    parteAberta_ = false;
    partes_.back().fimTriangulo = triangulos_.size();
}

std::uint32_t Malha::vertice(Vetor p) {
    posicoes_.push_back(p);
    return static_cast<std::uint32_t>(posicoes_.size() - 1);
}

void Malha::triangulo(std::uint32_t a, std::uint32_t b, std::uint32_t c, int material) {
    triangulos_.push_back({{a, b, c}, material});
}

void Malha::poligono(const std::vector<Vetor>& pontos, int material) {
    std::vector<std::uint32_t> v;
    for (const Vetor& p : pontos) v.push_back(vertice(p));
    for (std::size_t i = 1; i + 1 < v.size(); ++i) triangulo(v[0], v[i], v[i + 1], material);
}

Caixa Malha::caixa() const {
    constexpr double INF = std::numeric_limits<double>::infinity();
    Caixa c{{INF, INF, INF}, {-INF, -INF, -INF}};
    for (const Vetor& p : posicoes_) {
        c.minimo = {std::min(c.minimo.x, p.x), std::min(c.minimo.y, p.y), std::min(c.minimo.z, p.z)};
        c.maximo = {std::max(c.maximo.x, p.x), std::max(c.maximo.y, p.y), std::max(c.maximo.z, p.z)};
    }
    return c;
}

void Malha::transforma(const Transformacao& t) {
    for (Vetor& p : posicoes_) p = t.aplica(p);
}

void Malha::ajustaCaixa(Vetor tamanho, bool centraY) {
    const Caixa c = caixa();
    const Vetor atual = c.tamanho();
    const Vetor meio = (c.minimo + c.maximo) * 0.5;
    Transformacao t;
    t.m[0][0] = tamanho.x > 0 ? tamanho.x / atual.x : 1;
    t.m[1][1] = tamanho.y > 0 ? tamanho.y / atual.y : 1;
    t.m[2][2] = tamanho.z > 0 ? tamanho.z / atual.z : 1;
    t.deslocamento = {-meio.x * t.m[0][0], centraY ? -meio.y * t.m[1][1] : 0,
                      -meio.z * t.m[2][2]};
    transforma(t);
}

namespace {

using Chave = std::array<long long, 3>;

// A position rounded to the welding quantum, for matching edges.
Chave chaveDe(Vetor p) {
    return {std::llround(p.x / QUANTUM_SOLDA), std::llround(p.y / QUANTUM_SOLDA),
            std::llround(p.z / QUANTUM_SOLDA)};
}

}  // namespace

std::string Malha::finaliza() {
    std::ostringstream problemas;
    normais_.assign(posicoes_.size(), Vetor{});
    for (std::size_t iParte = 0; iParte < partes_.size(); ++iParte) {
        const Parte& parte = partes_[iParte];
        const auto triangulos =
            std::span(triangulos_).subspan(parte.primeiroTriangulo,
                                           parte.fimTriangulo - parte.primeiroTriangulo);
        // Outward: the signed volume of a closed solid is positive when its
        // faces are clockwise seen from outside.
        double volume = 0;
        for (const Triangulo& t : triangulos)
            volume += escalar(posicoes_[t.v[0]], vetorial(posicoes_[t.v[1]], posicoes_[t.v[2]]));
        if (volume < 0)
            for (Triangulo& t : triangulos) std::swap(t.v[1], t.v[2]);

        // Normals: the area-weighted mean of the faces around each vertex.
        std::map<std::pair<Chave, Chave>, int> arestas;
        int degenerados = 0;
        for (const Triangulo& t : triangulos) {
            const Vetor a = posicoes_[t.v[0]], b = posicoes_[t.v[1]], c = posicoes_[t.v[2]];
            const Vetor n = vetorial(b - a, c - a);
            if (comprimento(n) < AREA_MINIMA) {
                ++degenerados;
                continue;
            }
            for (std::uint32_t v : t.v) {
                if (v < parte.primeiroVertice) problemas << "parte " << iParte << ": vértice alheio\n";
                normais_[v] = normais_[v] + n;
            }
            const Chave k[3] = {chaveDe(a), chaveDe(b), chaveDe(c)};
            for (int i = 0; i < 3; ++i) ++arestas[{k[i], k[(i + 1) % 3]}];
        }
        if (degenerados > 0)
            problemas << "parte " << iParte << ": " << degenerados << " triângulos sem área\n";

        // Closed and consistent: every edge is run once each way.
        int abertas = 0;
        for (const auto& [aresta, vezes] : arestas) {
            const auto volta = arestas.find({aresta.second, aresta.first});
            if (volta == arestas.end() || volta->second != vezes) ++abertas;
        }
        if (abertas > 0) problemas << "parte " << iParte << ": " << abertas << " arestas abertas\n";
    }
    for (Vetor& n : normais_) n = normaliza(n);

    // Each face must be lit from its own side.
    for (std::size_t iParte = 0; iParte < partes_.size(); ++iParte) {
        int contrarias = 0;
        for (std::size_t i = partes_[iParte].primeiroTriangulo; i < partes_[iParte].fimTriangulo; ++i) {
            const Triangulo& t = triangulos_[i];
            const Vetor a = posicoes_[t.v[0]], b = posicoes_[t.v[1]], c = posicoes_[t.v[2]];
            const Vetor n = normaliza(vetorial(b - a, c - a));
            for (std::uint32_t v : t.v)
                if (escalar(n, normais_[v]) <= 0) ++contrarias;
        }
        if (contrarias > 0)
            problemas << "parte " << iParte << ": " << contrarias << " normais contra a face\n";
    }
    return problemas.str();
}

// ---------------------------------------------------------------- .x writer

namespace {

// A number in the C locale with a fixed number of decimals; no "-0".
std::string numero(double v) {
    if (std::fabs(v) < 0.5 * std::pow(10.0, -CASAS_DECIMAIS)) v = 0;
    char texto[48];
    const auto r = std::to_chars(texto, texto + sizeof texto, v, std::chars_format::fixed,
                                 CASAS_DECIMAIS);
    return std::string(texto, r.ptr);
}

// A name usable as a .x identifier.
std::string identificador(const std::string& nome) {
    std::string r;
    for (char c : nome) r += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    if (r.empty() || std::isdigit(static_cast<unsigned char>(r[0]))) r = "m_" + r;
    return r;
}

// A .x list of vectors: count, then x;y;z; entries.
void escreveVetores(std::ostream& s, const std::vector<Vetor>& vs, const char* recuo) {
    s << recuo << vs.size() << ";\n";
    for (std::size_t i = 0; i < vs.size(); ++i)
        s << recuo << numero(vs[i].x) << ";" << numero(vs[i].y) << ";" << numero(vs[i].z)
          << (i + 1 < vs.size() ? ";,\n" : ";;\n");
}

// A .x list of faces: count, then 3;a,b,c; entries.
void escreveFaces(std::ostream& s, const std::vector<Triangulo>& ts, const char* recuo) {
    s << recuo << ts.size() << ";\n";
    for (std::size_t i = 0; i < ts.size(); ++i)
        s << recuo << "3;" << ts[i].v[0] << "," << ts[i].v[1] << "," << ts[i].v[2]
          << (i + 1 < ts.size() ? ";,\n" : ";;\n");
}

// A .x RGB colour.
std::string cor3(Cor c) { return numero(c.r) + ";" + numero(c.g) + ";" + numero(c.b) + ";;"; }

}  // namespace

bool Malha::escreveX(const std::string& arquivo) const {
    std::ostringstream s;
    const std::string nome = identificador(nome_);
    s << "xof 0303txt 0032\n\n";
    s << "// " << nome_ << ": generated by gera_modelos; do not edit by hand.\n\n";
    s << "Frame " << nome << "_quadro {\n";
    s << " FrameTransformMatrix {\n  1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0;;\n }\n\n";
    s << " Mesh " << nome << " {\n";
    escreveVetores(s, posicoes_, "  ");
    escreveFaces(s, triangulos_, "  ");
    s << "\n  MeshNormals {\n";
    escreveVetores(s, normais_, "   ");
    escreveFaces(s, triangulos_, "   ");
    s << "  }\n\n  MeshMaterialList {\n";
    s << "   " << materiais_.size() << ";\n   " << triangulos_.size() << ";\n";
    for (std::size_t i = 0; i < triangulos_.size(); ++i)
        s << "   " << triangulos_[i].material << (i + 1 < triangulos_.size() ? ",\n" : ";;\n");
    for (const Material& m : materiais_) {
        s << "   Material " << identificador(m.nome) << " {\n";
        s << "    " << numero(m.difusa.r) << ";" << numero(m.difusa.g) << ";" << numero(m.difusa.b)
          << ";" << numero(m.alfa) << ";;\n";
        s << "    " << numero(m.potencia) << ";\n";
        s << "    " << cor3(m.especular) << "\n";
        s << "    " << cor3(m.emissiva) << "\n";
        s << "   }\n";
    }
    s << "  }\n }\n}\n";

    std::ofstream saida(arquivo, std::ios::binary);
    saida << s.str();
    return static_cast<bool>(saida);
}

}  // namespace modelos
