// A model's mesh as the scene keeps it: triangles in model coordinates with
// their materials, and the bounding box. Loaded from DirectX .x files.
#pragma once

#include "core/scene/Matematica3D.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct Caixa {
    Vetor3 minimo, maximo;
};

struct Material {
    std::array<float, 4> difusa{1, 1, 1, 1};  // RGBA, 0..1
    std::array<float, 3> especular{0, 0, 0};
    std::array<float, 3> emissiva{0, 0, 0};
    float potencia = 0;                       // specular exponent
};

struct Triangulo {
    std::array<uint32_t, 3> vertices;  // indices into Malha::vertices
    uint32_t material = 0;
};

struct Malha {
    std::vector<Vetor3> vertices;
    std::vector<Vetor3> normais;  // one per vertex
    std::vector<Triangulo> triangulos;
    std::vector<Material> materiais;
    Caixa caixa;
    float raio = 0;  // the largest distance of a vertex from the model's origin

    bool mVazia() const { return triangulos.empty(); }
};

// The largest model file read, in bytes.
inline constexpr std::size_t MAX_ARQUIVO_MODELO = 16 * 1024 * 1024;

// Reads a text .x file into a mesh, all its frames and meshes
// joined, in the file's own left-handed coordinates. Answers false, with the
// mesh left empty, when the file cannot be read, is larger than
// MAX_ARQUIVO_MODELO, or does not make a sound mesh (interpretaMalhaX).
bool carregaMalhaX(const std::string& arquivo, Malha& malha);

// The same from the file's bytes. Only text .x files are read, and only
// when their structure holds together (estruturaXValida), so that the
// importer never meets an absurd count or index; what it reads is checked
// again before it is transformed, and a mesh with no triangle or a vertex
// that is not a finite point is refused.
bool interpretaMalhaX(std::span<const uint8_t> bytes, Malha& malha);
