// A model's mesh as the scene keeps it: triangles in model coordinates with
// their materials, and the bounding box. Loaded from DirectX .x files.
#pragma once

#include "core/scene/Matematica3D.h"

#include <array>
#include <cstdint>
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

    bool mVazia() const { return triangulos.empty(); }
};

// Reads a .x file (text or binary) into a mesh, all its frames and meshes
// joined, in the file's own left-handed coordinates. Answers false, with the
// mesh left empty, when the file cannot be read or holds no triangle.
bool carregaMalhaX(const std::string& arquivo, Malha& malha);
