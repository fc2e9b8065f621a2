#include "core/scene/Malha.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <algorithm>
#include <limits>

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

}  // namespace

bool carregaMalhaX(const std::string& arquivo, Malha& malha) {
    malha = Malha{};
    Assimp::Importer importador;
    // Keep the file's left-handed axes and winding; flatten the frame tree.
    const unsigned passos = aiProcess_Triangulate | aiProcess_PreTransformVertices |
                            aiProcess_MakeLeftHanded | aiProcess_FlipWindingOrder |
                            aiProcess_SortByPType;
    const aiScene* cena = importador.ReadFile(arquivo, passos);
    if (!cena || !cena->mRootNode || (cena->mFlags & AI_SCENE_FLAGS_INCOMPLETE)) return false;

    for (unsigned i = 0; i < cena->mNumMaterials; ++i)
        malha.materiais.push_back(materialDe(*cena->mMaterials[i]));
    if (malha.materiais.empty()) malha.materiais.push_back(Material{});

    for (unsigned i = 0; i < cena->mNumMeshes; ++i) {
        const aiMesh& origem = *cena->mMeshes[i];
        if (!(origem.mPrimitiveTypes & aiPrimitiveType_TRIANGLE)) continue;
        const auto base = static_cast<uint32_t>(malha.vertices.size());
        for (unsigned v = 0; v < origem.mNumVertices; ++v) {
            const aiVector3D& p = origem.mVertices[v];
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
            malha.triangulos.push_back(
                {{base + face.mIndices[0], base + face.mIndices[1], base + face.mIndices[2]},
                 material});
            if (semNormais) somaNormalDaFace(malha, malha.triangulos.back());
        }
    }
    for (Vetor3& n : malha.normais) {
        const float tamanho = comprimento(n);
        n = tamanho > 0.0f ? n * (1.0f / tamanho) : Vetor3{0, 0, -1};
    }
    if (malha.triangulos.empty()) {
        malha = Malha{};
        return false;
    }
    malha.caixa = caixaDe(malha.vertices);
    return true;
}
