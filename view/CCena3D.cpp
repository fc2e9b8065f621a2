#include "view/CCena3D.h"

namespace {
constexpr float MEIA_LARGURA_LAGO = 125.0f;  // lake units from the centre to a side
}

bool CCena3D::mIniciaCena(int x, int y, int largura, int altura, const MargensLago& novasMargens) {
    mLiberaCena();
    if (largura <= 0 || altura <= 0) return false;
    margens = novasMargens;
    vistaX = x;
    vistaY = y;
    vistaLargura = largura;
    vistaAltura = altura;
    ativa = true;
    return true;
}

void CCena3D::mLiberaCena() {
    ativa = false;
    margens = MargensLago{};
}

LimitesLago CCena3D::mLimitesLago() const {
    const float meiaAltura = MEIA_LARGURA_LAGO * static_cast<float>(vistaAltura) /
                             static_cast<float>(vistaLargura);
    return {meiaAltura, -meiaAltura, MEIA_LARGURA_LAGO, -MEIA_LARGURA_LAGO};
}
