#include "Modelos.h"

#include <algorithm>

namespace {

const QString AGUA = "BMP_AGUA", PEIXE = "BMP_PEIXE", POLUICAO = "BMP_POLUICAO",
              COMOJOGA = "BMP_COMOJOGA", DICIONARIO = "BMP_DICIONARIO", MICRO = "BMP_MICRO",
              POLUIDOR = "BMP_POLUIDOR", TODOS = "BMP_TODOS";

// Font sizes, chosen so that every window with its frame fits an 800 × 600
// screen while the pictures keep their size (pixels at 96 dpi):
// - The main window at 8 points: 481 units are 722 pixels (one more pixel
//   per character would make them 842), and its pictures, 131 pixels wide
//   every 95 units, still stand apart.
// - "Como Jogar" at 10 points: "FECHAR" at 391 units stands beside the
//   658-pixel picture only with units of 1.75 pixels, and the window is
//   then 777 pixels wide.
// - The other topics at 11 points: their pictures leave their corner under
//   "FECHAR" free at exactly this size.
constexpr double PONTOS_PRINCIPAL = 8;
constexpr double PONTOS_COMO_JOGAR = 10;
constexpr double PONTOS_TOPICO = 11;

}  // namespace

const std::vector<EntradaPrincipal>& entradasPrincipais() {
    static const std::vector<EntradaPrincipal> ENTRADAS = {
        {{1004, 8, 20, PEIXE}, 131},      {{1003, 103, 20, MICRO}, 135},
        {{1001, 201, 20, AGUA}, 133},     {{1007, 304, 20, POLUIDOR}, 137},
        {{1006, 8, 149, TODOS}, 140},     {{1012, 103, 149, POLUICAO}, 132},
        {{1011, 201, 149, COMOJOGA}, 142}, {{1010, 304, 149, DICIONARIO}, 141},
    };
    return ENTRADAS;
}

const ModeloDialogo& modeloPrincipal() {
    static const ModeloDialogo PRINCIPAL = [] {
        ModeloDialogo m{MODELO_PRINCIPAL, "QELP - Ajuda", 481, 266, PONTOS_PRINCIPAL,
                        {410, 197, 55, 47}, {}, {}};
        for (const EntradaPrincipal& entrada : entradasPrincipais()) m.botoes.push_back(entrada.botao);
        m.ordemCarga = {AGUA, COMOJOGA, DICIONARIO, MICRO, PEIXE, POLUIDOR, POLUICAO, TODOS};
        return m;
    }();
    return PRINCIPAL;
}

const std::vector<ModeloDialogo>& modelosTopicos() {
    // The large picture first, then the small one, which so lies on top
    // where they meet: in 132 and 142 the large picture covers the small
    // one's place, in 131 it touches its edge. Buttons without a picture
    // last.
    static const std::vector<ModeloDialogo> TOPICOS = {
        {131, "QELP - Ajuda - Peixe", 317, 198, PONTOS_TOPICO, {258, 9, 50, 40},
         {{1005, 76, 13, "BMP_EXPEIXE"}, {1004, 11, 12, PEIXE}}, {PEIXE, "BMP_EXPEIXE"}},
        {132, "QELP - Ajuda - Poluição", 352, 197, PONTOS_TOPICO, {314, 8, 32, 31},
         {{1006, 2, 2, "BMP_EXPOLUICAO"}, {1005, 9, 9, POLUICAO}}, {POLUICAO, "BMP_EXPOLUICAO"}},
        {133, "QELP - Ajuda - Água e Fundo do Lago", 291, 195, PONTOS_TOPICO, {232, 9, 50, 40},
         {{1002, 82, 66, "BMP_EXAGUAF"}, {1001, 11, 12, AGUA}}, {AGUA, "BMP_EXAGUAF"}},
        {135, "QELP - Ajuda - Microorganismos e Plantas", 312, 171, PONTOS_TOPICO,
         {246, 12, 50, 40},
         {{1004, 76, 11, "BMP_EXMICRO"}, {1003, 9, 9, MICRO}}, {MICRO, "BMP_EXMICRO"}},
        {137, "QELP - Ajuda - Poluidor", 352, 218, PONTOS_TOPICO, {311, 9, 33, 30},
         {{1008, 2, 2, "BMP_EXPOLUIDOR_A"}, {1007, 35, 20, ""}, {1009, 8, 176, ""}},
         {"BMP_EXPOLUIDOR_A"}},
        {140, "QELP - Ajuda - Personagem", 351, 182, PONTOS_TOPICO, {306, 8, 35, 30},
         {{1007, 8, 8, "BMP_EXTODOS"}, {1006, 82, 42, ""}}, {"BMP_EXTODOS"}},
        {141, "QELP - Ajuda - Dicionário", 346, 227, PONTOS_TOPICO, {295, 8, 41, 35},
         {{1011, 80, 12, "BMP_EXDICIONARIO"}, {1010, 8, 10, DICIONARIO}},
         {DICIONARIO, "BMP_EXDICIONARIO"}},
        {142, "QELP - Ajuda - Como Jogar", 444, 270, PONTOS_COMO_JOGAR, {391, 11, 39, 34},
         {{1009, 2, 2, "BMP_EXCOMOJOGA"}, {1008, 13, 15, COMOJOGA}}, {COMOJOGA, "BMP_EXCOMOJOGA"}},
    };
    return TOPICOS;
}

const ModeloDialogo* modeloTopico(int modelo) {
    const auto& topicos = modelosTopicos();
    const auto achado = std::find_if(topicos.begin(), topicos.end(),
                                     [modelo](const ModeloDialogo& m) { return m.modelo == modelo; });
    return achado == topicos.end() ? nullptr : &*achado;
}
