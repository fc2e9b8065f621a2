#include "core/panel/Painel.h"

namespace {
// Rows of the panel shared by several entries.
constexpr float TOPO_RETRATO = 0.78f, BASE_RETRATO = 0.92791665f;
constexpr float TOPO_BARRA = 0.78f, BASE_BARRA = 0.973f;
constexpr float TOPO_FERRAMENTA = 0.93f, BASE_FERRAMENTA = 0.99041665f;
constexpr ItemPainel MENTAL{"dp/MENTAL.bmp", 0.9f, 0.78f, 0.984375f, 0.88625f};
constexpr ItemPainel AJUDA{"dp/AJUDA.bmp", 0.9f, 0.89f, 0.984375f, 0.99625f};

constexpr ItemPainel ferramenta(const char* arquivo, float esquerda, float direita) {
    return {arquivo, esquerda, TOPO_FERRAMENTA, direita, BASE_FERRAMENTA};
}
constexpr ItemPainel comoBotao(const char* arquivo, const ItemPainel& botao) {
    return {arquivo, botao.esquerda, botao.topo, botao.direita, botao.base};
}

constexpr auto ITENS = std::to_array<ItemPainel>({
    {"dp/ABERTURA.bmp", 0.0f, 0.0f, 1.0f, 1.0f},
    {"dp/FUNDOJAN.bmp", 0.0f, 0.75f, 1.0f, 1.0f},
    {"dp/moldura.bmp", 0.27f, 0.76f, 0.374375f, BASE_RETRATO},
    {"dp/MAE.bmp", 0.28f, TOPO_RETRATO, 0.364375f, BASE_RETRATO},
    {"dp/PESCADOR.bmp", 0.66f, TOPO_RETRATO, 0.744375f, BASE_RETRATO},
    {"dp/ECOMETRO.bmp", 0.01f, 0.755f, 0.1178125f, 0.9766216f},
    {"dp/ebarverd.bmp", 0.02875f, TOPO_BARRA, 0.0928125f, BASE_BARRA},
    {"dp/ebaramar.bmp", 0.02875f, TOPO_BARRA, 0.0928125f, BASE_BARRA},
    {"dp/ebarverm.bmp", 0.02875f, TOPO_BARRA, 0.0928125f, BASE_BARRA},
    MENTAL,
    AJUDA,
    ferramenta("dp/INTENS16.bmp", 0.16f, 0.2428125f),
    ferramenta("dp/PLANTA16.bmp", 0.24f, 0.3228125f),
    ferramenta("dp/FUNDO16.bmp", 0.32f, 0.4028125f),
    ferramenta("dp/DEGRAD16.bmp", 0.4f, 0.4828125f),
    ferramenta("dp/EQUIP16.bmp", 0.54f, 0.6228125f),
    ferramenta("dp/RELIXO16.bmp", 0.62f, 0.7028125f),
    ferramenta("dp/DEVPEI16.bmp", 0.7f, 0.7828125f),
    ferramenta("dp/PESCA16.bmp", 0.78f, 0.8628125f),
    comoBotao("dp/bmentaap.bmp", MENTAL),
    comoBotao("dp/bajudape.bmp", AJUDA),
    ferramenta("dp/bintenap.bmp", 0.16f, 0.2428125f),
    ferramenta("dp/bplanape.bmp", 0.24f, 0.3228125f),
    ferramenta("dp/bfundape.bmp", 0.32f, 0.4028125f),
    ferramenta("dp/bdeapert.bmp", 0.4f, 0.4828125f),
    ferramenta("dp/bequiape.bmp", 0.54f, 0.6228125f),
    ferramenta("dp/brelixoa.bmp", 0.62f, 0.7028125f),
    ferramenta("dp/bdevaper.bmp", 0.7f, 0.7828125f),
    ferramenta("dp/bpescape.bmp", 0.78f, 0.8628125f),
});
static_assert(ITENS.size() == NUM_ITENS_PAINEL, "one row for every panel picture");

}  // namespace

const std::array<ItemPainel, NUM_ITENS_PAINEL> ITENS_PAINEL = ITENS;
