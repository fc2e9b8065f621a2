#include "core/scene/CenaPadrao.h"

#include <array>

namespace {

struct LuzInicial {
    int tipo;
    Vetor3 direcao;
    float intensidade;  // grey: the same for red, green and blue
};

// The ambient light, then four directional lights; the last one is the
// bright light from above that sways during a match.
constexpr std::array<LuzInicial, 5> LUZES = {{
    {LUZ_AMBIENTE, {0, 0, 0}, 0.4f},
    {LUZ_DIRECIONAL, {1, -1, 0}, 0.4f},
    {LUZ_DIRECIONAL, {0, 0, 1}, 0.15f},
    {LUZ_DIRECIONAL, {0, 1, 0.1f}, 0.4f},
    {LUZ_DIRECIONAL, {0, -1, 0.1f}, 0.65f},
}};

// The model of each body type 0..12, then the four kinds of drops.
constexpr auto ARQUIVOS_MODELOS = std::to_array<const char*>({
    "gordo.x",  "azul.x",   "listrado.x", "algave.x",  "micro.x",   "draga.x",
    "agrotox.x", "rede.x",  "partterm.x", "lixo.x",    "lancha.x",  "pescap.x",
    "gasolina.x", "esgre-d.x", "esgin-d.x", "gasol-d.x", "agrot-d.x",
});
static_assert(ARQUIVOS_MODELOS.size() == NUM_MODELOS, "one file for every model");

}  // namespace

bool carregaCenaPadrao(CCena3D& cena, const std::string& pasta) {
    for (const LuzInicial& luz : LUZES)
        if (!cena.mCriaLuz(luz.tipo, GRUPO_LUZES, luz.direcao, luz.intensidade, luz.intensidade,
                           luz.intensidade))
            return false;
    for (int m = 0; m < NUM_MODELOS; ++m)
        if (!cena.mCarregaModelo(m, pasta + ARQUIVOS_MODELOS[static_cast<std::size_t>(m)]))
            return false;
    return true;
}
