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

namespace {

bool criaLuzes(CCena3D& cena) {
    for (const LuzInicial& luz : LUZES)
        if (!cena.mCriaLuz(luz.tipo, GRUPO_LUZES, luz.direcao, luz.intensidade, luz.intensidade,
                           luz.intensidade))
            return false;
    return true;
}

}  // namespace

bool carregaCenaPadrao(CCena3D& cena, const std::string& pasta) {
    if (!criaLuzes(cena)) return false;
    for (int m = 0; m < NUM_MODELOS; ++m)
        if (!cena.mCarregaModelo(m, pasta + ARQUIVOS_MODELOS[static_cast<std::size_t>(m)]))
            return false;
    return true;
}

std::shared_ptr<const ModelosPadrao> leModelosPadrao(const std::string& pasta) {
    auto modelos = std::make_shared<ModelosPadrao>();
    for (std::size_t m = 0; m < modelos->size(); ++m)
        if (!carregaMalhaX(pasta + ARQUIVOS_MODELOS[m], (*modelos)[m])) return nullptr;
    return modelos;
}

bool montaCenaPadrao(CCena3D& cena, const ModelosPadrao& modelos) {
    if (!criaLuzes(cena)) return false;
    for (int m = 0; m < NUM_MODELOS; ++m)
        if (!cena.mDefineModelo(m, modelos[static_cast<std::size_t>(m)])) return false;
    return true;
}
