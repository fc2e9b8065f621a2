#include "tests/comum/ModelosTeste.h"

#include <fstream>

void escreveCaixaX(const std::string& arquivo, Vetor3 a, Vetor3 b, Vetor3 cor) {
    std::ofstream x(arquivo);
    x << "xof 0303txt 0032\n\n"
         "Material Cor {\n " << cor.x << ";" << cor.y << ";" << cor.z << ";1.0;;\n 0.0;\n"
         " 0.0;0.0;0.0;;\n 0.0;0.0;0.0;;\n}\n\n"
         "Mesh Caixa {\n 8;\n";
    const Vetor3 cantos[8] = {{a.x, a.y, a.z}, {b.x, a.y, a.z}, {b.x, b.y, a.z}, {a.x, b.y, a.z},
                              {a.x, a.y, b.z}, {b.x, a.y, b.z}, {b.x, b.y, b.z}, {a.x, b.y, b.z}};
    for (int i = 0; i < 8; ++i)
        x << " " << cantos[i].x << ";" << cantos[i].y << ";" << cantos[i].z << (i < 7 ? ";,\n" : ";;\n");
    // Six faces, clockwise seen from outside (the file's left-handed winding).
    x << " 6;\n"
         " 4;0,3,2,1;,\n 4;4,5,6,7;,\n 4;0,1,5,4;,\n 4;2,3,7,6;,\n 4;0,4,7,3;,\n 4;1,2,6,5;;\n"
         " MeshMaterialList {\n  1;\n  6;\n  0,0,0,0,0,0;;\n  {Cor}\n }\n}\n";
}
