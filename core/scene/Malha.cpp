#include "core/scene/Malha.h"

#include "core/scene/ValidaX.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <string_view>

namespace {

Material materialDe(const aiMaterial& origem) {
    Material m;
    aiColor4D cor;
    if (aiGetMaterialColor(&origem, AI_MATKEY_COLOR_DIFFUSE, &cor) == AI_SUCCESS)
        m.difusa = {cor.r, cor.g, cor.b, cor.a};
    if (aiGetMaterialColor(&origem, AI_MATKEY_COLOR_SPECULAR, &cor) == AI_SUCCESS)
        m.especular = {cor.r, cor.g, cor.b};
    if (aiGetMaterialColor(&origem, AI_MATKEY_COLOR_EMISSIVE, &cor) == AI_SUCCESS)
        m.emissiva = {cor.r, cor.g, cor.b};
    float potencia = 0;
    if (aiGetMaterialFloat(&origem, AI_MATKEY_SHININESS, &potencia) == AI_SUCCESS)
        m.potencia = potencia;
    return m;
}

// Adds a triangle's area-weighted normal to its three vertices; clockwise
// triangles of the left-handed file face the side the normal points to.
void somaNormalDaFace(Malha& malha, const Triangulo& t) {
    const Vetor3 a = malha.vertices[t.vertices[0]];
    const Vetor3 normal = produtoVetorial(malha.vertices[t.vertices[1]] - a,
                                          malha.vertices[t.vertices[2]] - a);
    for (const uint32_t v : t.vertices) malha.normais[v] = malha.normais[v] + normal;
}

Caixa caixaDe(const std::vector<Vetor3>& vertices) {
    constexpr float INF = std::numeric_limits<float>::infinity();
    Caixa caixa{{INF, INF, INF}, {-INF, -INF, -INF}};
    for (const Vetor3& v : vertices) {
        caixa.minimo = {std::min(caixa.minimo.x, v.x), std::min(caixa.minimo.y, v.y),
                        std::min(caixa.minimo.z, v.z)};
        caixa.maximo = {std::max(caixa.maximo.x, v.x), std::max(caixa.maximo.y, v.y),
                        std::max(caixa.maximo.z, v.z)};
    }
    return caixa;
}

// Whether what the importer read holds together: every node names meshes
// that exist, every mesh has its vertices, and every face's corners are
// vertices of its mesh.
bool noSao(const aiNode& no, const aiScene& cena, int profundidade) {
    constexpr int MAX_PROFUNDIDADE = 64;
    if (profundidade > MAX_PROFUNDIDADE) return false;
    for (unsigned i = 0; i < no.mNumMeshes; ++i)
        if (no.mMeshes[i] >= cena.mNumMeshes) return false;
    for (unsigned i = 0; i < no.mNumChildren; ++i)
        if (!no.mChildren[i] || !noSao(*no.mChildren[i], cena, profundidade + 1)) return false;
    return true;
}

bool cenaSa(const aiScene& cena) {
    for (unsigned i = 0; i < cena.mNumMeshes; ++i) {
        const aiMesh* malha = cena.mMeshes[i];
        if (!malha || !malha->mVertices || malha->mNumVertices == 0) return false;
        if (cena.mNumMaterials > 0 && malha->mMaterialIndex >= cena.mNumMaterials) return false;
        for (unsigned f = 0; f < malha->mNumFaces; ++f) {
            const aiFace& face = malha->mFaces[f];
            if (face.mNumIndices == 0 || !face.mIndices) return false;
            for (unsigned k = 0; k < face.mNumIndices; ++k)
                if (face.mIndices[k] >= malha->mNumVertices) return false;
        }
    }
    return noSao(*cena.mRootNode, cena, 0);
}

bool recusa(Malha& malha) {
    malha = Malha{};
    return false;
}

}  // namespace

bool carregaMalhaX(const std::string& arquivo, Malha& malha) {
    malha = Malha{};
    std::ifstream entrada(arquivo, std::ios::binary | std::ios::ate);
    if (!entrada) return false;
    const std::streamoff tamanho = entrada.tellg();
    if (tamanho <= 0 || static_cast<uint64_t>(tamanho) > MAX_ARQUIVO_MODELO) return false;
    std::vector<uint8_t> bytes(static_cast<std::size_t>(tamanho));
    entrada.seekg(0);
    if (!entrada.read(reinterpret_cast<char*>(bytes.data()), tamanho)) return false;
    return interpretaMalhaX(bytes, malha);
}

bool interpretaMalhaX(std::span<const uint8_t> bytes, Malha& malha) {
    malha = Malha{};
    const std::string_view texto(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (bytes.size() > MAX_ARQUIVO_MODELO || !estruturaXValida(texto)) return false;
    Assimp::Importer importador;
    // Keep the file's left-handed axes and winding; flatten the frame tree.
    const unsigned passos = aiProcess_Triangulate | aiProcess_PreTransformVertices |
                            aiProcess_MakeLeftHanded | aiProcess_FlipWindingOrder |
                            aiProcess_SortByPType;
    // The file is read as it is, checked, and only then transformed: the
    // importer's later steps take a damaged scene down with them. A few
    // damaged files make the importer throw: they are refused like the others.
    const aiScene* cena = nullptr;
    try {
        cena = importador.ReadFileFromMemory(bytes.data(), bytes.size(), 0, "x");
        if (!cena || !cena->mRootNode || (cena->mFlags & AI_SCENE_FLAGS_INCOMPLETE) || !cenaSa(*cena))
            return false;
        cena = importador.ApplyPostProcessing(passos);
    } catch (...) {
        return false;
    }
    if (!cena || !cena->mRootNode) return false;

    for (unsigned i = 0; i < cena->mNumMaterials; ++i)
        malha.materiais.push_back(materialDe(*cena->mMaterials[i]));
    if (malha.materiais.empty()) malha.materiais.push_back(Material{});

    for (unsigned i = 0; i < cena->mNumMeshes; ++i) {
        const aiMesh& origem = *cena->mMeshes[i];
        if (!(origem.mPrimitiveTypes & aiPrimitiveType_TRIANGLE) || !origem.mVertices) continue;
        const auto base = static_cast<uint32_t>(malha.vertices.size());
        for (unsigned v = 0; v < origem.mNumVertices; ++v) {
            const aiVector3D& p = origem.mVertices[v];
            if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return recusa(malha);
            malha.vertices.push_back({p.x, p.y, p.z});
            const aiVector3D n = origem.mNormals ? origem.mNormals[v] : aiVector3D(0, 0, 0);
            malha.normais.push_back({n.x, n.y, n.z});
        }
        const bool semNormais = origem.mNormals == nullptr;
        const uint32_t material =
            std::min<uint32_t>(origem.mMaterialIndex, static_cast<uint32_t>(malha.materiais.size() - 1));
        for (unsigned f = 0; f < origem.mNumFaces; ++f) {
            const aiFace& face = origem.mFaces[f];
            if (face.mNumIndices != 3) continue;
            for (unsigned k = 0; k < 3; ++k)
                if (face.mIndices[k] >= origem.mNumVertices) return recusa(malha);
            malha.triangulos.push_back(
                {{base + face.mIndices[0], base + face.mIndices[1], base + face.mIndices[2]},
                 material});
            if (semNormais) somaNormalDaFace(malha, malha.triangulos.back());
        }
    }
    for (Vetor3& n : malha.normais) {
        const float tamanho = comprimento(n);
        n = tamanho > 0.0f && std::isfinite(tamanho) ? n * (1.0f / tamanho) : Vetor3{0, 0, -1};
    }
    if (malha.triangulos.empty()) return recusa(malha);
    malha.caixa = caixaDe(malha.vertices);
    for (const Vetor3& v : malha.vertices) malha.raio = std::max(malha.raio, comprimento(v));
    return true;
}
