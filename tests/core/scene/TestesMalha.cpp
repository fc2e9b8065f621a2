// Model files a teacher might damage: what the loader refuses before the
// importer sees the bytes, and what it refuses in what comes back.
#include "core/scene/Malha.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

std::span<const uint8_t> bytes(const std::string& texto) {
    return {reinterpret_cast<const uint8_t*>(texto.data()), texto.size()};
}

// A one-triangle mesh; the parts given replace the usual ones.
std::string triangulo(const std::string& vertices = " 3;\n 0;0;0;,\n 1;0;0;,\n 0;1;0;;\n",
                      const std::string& faces = " 1;\n 3;0,1,2;;\n") {
    return "xof 0303txt 0032\n// a comment with 99999999 in it\nMesh T {\n" + vertices + faces + "}\n";
}

TEST(Malha, TrianguloSimplesEntra) {
    Malha malha;
    ASSERT_TRUE(interpretaMalhaX(bytes(triangulo()), malha));
    EXPECT_EQ(malha.triangulos.size(), 1u);
    EXPECT_EQ(malha.caixa.maximo.x, 1.0f);
}

TEST(Malha, ArquivosQueNaoFazemUmaMalhaSaoRecusados) {
    struct Caso {
        const char* nome;
        std::string texto;
    };
    const Caso casos[] = {
        {"vazio", ""},
        {"sem faces", triangulo(" 3;\n 0;0;0;,\n 1;0;0;,\n 0;1;0;;\n", " 0;;\n")},
        {"canto que nao eh vertice", triangulo(" 3;\n 0;0;0;,\n 1;0;0;,\n 0;1;0;;\n", " 1;\n 3;0,1,7;;\n")},
        {"bilhao de faces", triangulo(" 3;\n 0;0;0;,\n 1;0;0;,\n 0;1;0;;\n", " 1000000000;\n 3;0,1,2;;\n")},
        {"bilhao de vertices", triangulo(" 1000000000;\n 0;0;0;,\n 1;0;0;,\n 0;1;0;;\n")},
        {"vertice infinito", triangulo(" 3;\n 1e999;0;0;,\n 1;0;0;,\n 0;1;0;;\n")},
        {"so o cabecalho", "xof 0303txt 0032\n"},
        {"nulos", std::string(64, '\0')},
    };
    for (const Caso& caso : casos) {
        Malha malha;
        EXPECT_FALSE(interpretaMalhaX(bytes(caso.texto), malha)) << caso.nome;
        EXPECT_TRUE(malha.mVazia()) << caso.nome;
    }
}

TEST(Malha, ArquivoGrandeDemaisNemEhLido) {
    const std::string nome = testing::TempDir() + "/grande.x";
    {
        std::ofstream arquivo(nome, std::ios::binary);
        arquivo << triangulo();
        arquivo.seekp(static_cast<std::streamoff>(MAX_ARQUIVO_MODELO));
        arquivo << ' ';
    }
    Malha malha;
    EXPECT_FALSE(carregaMalhaX(nome, malha));
    std::remove(nome.c_str());
}

TEST(Malha, ModelosDoJogoEntram) {
    for (const char* nome : {"lixo.x", "gordo.x", "partterm.x"}) {
        Malha malha;
        EXPECT_TRUE(carregaMalhaX(std::string(QELP_DIR_DP) + "/" + nome, malha)) << nome;
        EXPECT_GT(malha.triangulos.size(), 10u) << nome;
    }
}

}  // namespace
