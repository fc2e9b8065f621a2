// vitrine: draws the lake with every model in it, exactly as the game draws
// a frame, and saves the picture. For looking at the models while making them.
//
//   vitrine DP_DIR OUT.png [LARGURAxALTURA] [--sem-placa]
//
// Needs OpenGL 3.3 (under Xvfb: xvfb-run -s "-screen 0 1280x1024x24").
#include "core/platform/PlataformaConsole.h"
#include "core/scene/CCena3D.h"
#include "core/scene/CenaPadrao.h"
#include "view/RenderizadorGL.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <memory>
#include <numbers>
#include <string>

namespace {

struct Exposicao {
    int modelo;
    float x, y;        // y as a fraction of top (the view's half-height)
    bool paraEsquerda;  // swimming or sailing towards −x
};

// Beings in the water, algae on the bottom, boats on the surface, the plane
// in the sky, a few drops and the litter sinking, the sign in the middle.
constexpr Exposicao EXPOSICAO[] = {
    {0, -70, -0.15f, false},  {1, -15, 0.05f, true},    {2, 35, -0.35f, false},
    {2, 60, -0.1f, true},     {4, 75, -0.55f, false},   {4, 88, -0.25f, false},
    {3, -104, -0.82f, false}, {3, -92, -0.80f, false},  {3, 100, -0.81f, false},
    {5, -92, 0.3744f, false}, {10, -40, 0.3710f, true}, {11, 20, 0.3744f, false},
    {7, 85, 0.3744f, true},   {6, 55, 0.796f, true},    {12, -111, 0.3336f, false},
    {9, -45, -0.45f, false},  {13, -29, 0.2f, false},   {13, -45, 0.15f, false},
    {14, 96, 0.1f, false},    {15, -112, 0.25f, false}, {16, 65, 0.7f, false},
    {16, 58, 0.62f, false},   {8, 0, -0.05f, false},
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "uso: vitrine DP_DIR SAIDA.png [LARGURAxALTURA] [--sem-placa]\n");
        return 2;
    }
    QGuiApplication aplicacao(argc, argv);
    PlataformaConsole plataforma;
    instalaPlataforma(&plataforma);

    int largura = 921, altura = 518;
    bool comPlaca = true;
    for (int i = 3; i < argc; ++i) {
        if (std::string(argv[i]) == "--sem-placa") comPlaca = false;
        else std::sscanf(argv[i], "%dx%d", &largura, &altura);
    }

    auto cena = std::make_unique<CCena3D>();
    auto dispositivo = std::make_unique<RenderizadorGL>(nullptr);
    RenderizadorGL& renderizador = *dispositivo;
    cena->mDefineDispositivo(std::move(dispositivo));
    if (!cena->mIniciaCena(0, 0, largura, altura, {0.68f, 0.15f, 0.08f, 0.08f})) {
        std::fprintf(stderr, "Problemas ao iniciar OpenGL\n");
        return 1;
    }
    for (int quadro = 0; quadro < NUM_QUADROS_TOPO; ++quadro) cena->mZBuffer(quadro, false);
    const std::string pasta = std::string(argv[1]) + "/";
    if (!cena->mCarregaFundo(pasta + "FUNDOCEN.bmp") || !carregaCenaPadrao(*cena, pasta)) return 1;

    const float topo = cena->mLimitesLago().topo;
    for (const Exposicao& e : EXPOSICAO) {
        if (e.modelo == 8 && !comPlaca) continue;
        const int grupo = e.modelo >= 13 ? GRUPO_TEMPORARIAS
                          : e.modelo == 8 ? GRUPO_LUZES
                          : e.modelo >= 5 ? GRUPO_POLUIDORES
                                          : GRUPO_SERES;
        const Vetor3 eixo = e.modelo == 4 ? Vetor3{0, 1, 1} : Vetor3{};
        const int i = cena->mCriaInstancia(grupo, e.modelo, {e.x, e.y * topo, 0}, {}, eixo, 0.1f);
        if (e.paraEsquerda) cena->mGira(grupo, i, {0, 1, 0}, std::numbers::pi_v<float>);
    }
    cena->mDesenha(false);
    if (!renderizador.mQuadro().save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "não foi possível gravar %s\n", argv[2]);
        return 1;
    }
    cena->mLiberaCena();
    return 0;
}
