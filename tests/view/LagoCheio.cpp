#include "tests/view/LagoCheio.h"

#include "core/lake/Aleatorio.h"
#include "core/scene/CenaPadrao.h"
#include "view/RenderizadorGL.h"

std::unique_ptr<CCena3D> lagoCheio(RenderizadorGL** renderizador) {
    auto cena = std::make_unique<CCena3D>();
    auto dispositivo = std::make_unique<RenderizadorGL>(nullptr);
    if (renderizador) *renderizador = dispositivo.get();
    cena->mDefineDispositivo(std::move(dispositivo));
    if (!cena->mIniciaCena(0, 0, 921, 518, {0.68f, 0.15f, 0.08f, 0.08f}) ||
        !cena->mCarregaFundo(QELP_DIR_DP "/FUNDOCEN.bmp") ||
        !carregaCenaPadrao(*cena, QELP_DIR_DP "/"))
        return nullptr;
    for (int quadro = 0; quadro < NUM_QUADROS_TOPO; ++quadro) cena->mZBuffer(quadro, false);

    GeradorAleatorio aleatorio(1);
    const auto ao = [&aleatorio](int faixa) {
        return static_cast<float>(aleatorio.mProximo() % faixa) - faixa / 2.0f;
    };
    for (int i = 0; i < NUM_SLOTS_GRUPO; ++i)
        cena->mCriaInstancia(GRUPO_SERES, i % 5, {ao(230), ao(120), 0}, {}, {0, 1, 1}, 0.1f);
    for (int i = 0; i < 20; ++i)
        cena->mCriaInstancia(GRUPO_POLUIDORES, 5 + i % 8 + (i % 8 >= 3), {ao(230), 26, 0}, {}, {}, 0);
    for (int i = 0; i < NUM_TEMPORARIAS; ++i)
        cena->mCriaTemporaria(1e9f, GRUPO_TEMPORARIAS, 13 + i % 4, {ao(230), ao(100), 0}, {}, {0, 1, 0}, 0.1f);
    return cena;
}

void realcaLagoCheio(CCena3D& cena, float progresso) {
    for (int i = 0; i < NUM_SLOTS_GRUPO; ++i)
        cena.mDefineRealce(GRUPO_SERES, i, {static_cast<int8_t>(i % 2 ? -1 : 1), progresso, 1.0f});
    cena.mDefineRealceLago({1, progresso, 1.0f});
    cena.mDefineRealceAgua({-1, progresso, 1.0f});
}
