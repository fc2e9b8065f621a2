// The balance check without a window: the band statistics, the colour
// counts, the points per series, and real matches of a tiny phase.
#include "tools/editor/Equilibrio.h"
#include "tools/editor/GraficoEquilibrio.h"
#include "tools/editor/LinhaTempo.h"

#include <gtest/gtest.h>

namespace {

ResumoSemente resumo(std::vector<float> serie, CorEcometro cor = ECOMETRO_VERDE, bool iniciou = true) {
    ResumoSemente r;
    r.iniciou = iniciou;
    r.corFinal = cor;
    r.serie = std::move(serie);
    return r;
}

PedidoEquilibrio pedidoPequeno(uint32_t sementes) {
    PedidoEquilibrio pedido;
    pedido.pares = {{2, 9}, {5, 1}};  // sewage at 2 s, the end at 5 s
    pedido.sementes = sementes;
    pedido.valores = QELP_DIR_DP "/valores.txt";
    pedido.modelos = QELP_DIR_DP "/";
    return pedido;
}

TEST(FaixaEcometro, MedianaMenorEMaiorEmCadaPonto) {
    const FaixaEcometro faixa = faixaEcometro({resumo({1, 5, 3}), resumo({2, 4}), resumo({9})});
    EXPECT_EQ(faixa.mediana, (std::vector<float>{2, 4.5f, 3})) << "an even count takes the mean of the middle two";
    EXPECT_EQ(faixa.minimo, (std::vector<float>{1, 4, 3}));
    EXPECT_EQ(faixa.maximo, (std::vector<float>{9, 5, 3})) << "a series that ended early stops counting";
}

TEST(FaixaEcometro, SemSeriesNadaAMostrar) {
    EXPECT_TRUE(faixaEcometro({}).mediana.empty());
    EXPECT_TRUE(faixaEcometro({resumo({}, ECOMETRO_VERDE, false)}).mediana.empty());
}

TEST(TextoCores, ContaDoVerdeAoVermelhoSemOsQueNaoHouve) {
    const struct {
        std::vector<ResumoSemente> resumos;
        const char* texto;
    } casos[] = {
        {{}, "nenhuma partida"},
        {{resumo({}, ECOMETRO_VERMELHO), resumo({}, ECOMETRO_VERMELHO)}, "2 vermelho"},
        {{resumo({}, ECOMETRO_AMARELO), resumo({}, ECOMETRO_VERDE), resumo({}, ECOMETRO_VERDE)},
         "2 verde, 1 amarelo"},
        {{resumo({}, ECOMETRO_VERMELHO), resumo({}, ECOMETRO_VERDE, false)}, "1 vermelho, 1 não começou"},
        {{resumo({}, ECOMETRO_VERDE, false), resumo({}, ECOMETRO_VERDE, false)}, "2 não começaram"},
    };
    for (const auto& caso : casos) EXPECT_EQ(textoCores(caso.resumos), caso.texto);

    ResultadoEquilibrio resultado;
    resultado.sozinho.assign(30, resumo({}, ECOMETRO_VERMELHO));
    resultado.cuidado.assign(26, resumo({}, ECOMETRO_VERDE));
    resultado.cuidado.insert(resultado.cuidado.end(), 4, resumo({}, ECOMETRO_AMARELO));
    EXPECT_EQ(textoContagens(resultado), "sozinho: 30 vermelho; com cuidado: 26 verde, 4 amarelo");
    EXPECT_FALSE(nenhumaComecou(resultado));
}

TEST(CadaSerie, PoucasCentenasDePontosEmQualquerPartida) {
    for (const uint32_t passos : {0u, 1u, 39u, 300u, 301u, 2308u, 9231u, 4000000000u}) {
        const uint32_t cada = cadaSeriePara(passos);
        ASSERT_GE(cada, 1u) << passos;
        EXPECT_LE(passos / cada + 1, PONTOS_MAXIMOS + 1) << passos;
        if (passos > PONTOS_MAXIMOS) EXPECT_GT(passos / cada + 1, PONTOS_MAXIMOS / 2) << "not needlessly coarse";
    }
}

TEST(MarcasDaFase, OsEventosQueVemNaOrdemDoJogoAteOFim) {
    const std::vector<ParFase> pares = {{30, 11}, {10, 3}, {20, 0}, {40, 1}, {50, 2}, {-1, 4}};
    const auto marcas = marcasDaFase(pares, passosDaFase(pares));
    ASSERT_EQ(marcas.size(), 3u);
    EXPECT_EQ(marcas[0].segundos, 10);
    EXPECT_EQ(marcas[0].texto, "draga");
    EXPECT_EQ(marcas[1].texto, "vazamento de gasolina");
    EXPECT_EQ(marcas[2].texto, "fim da partida");
    EXPECT_EQ(marcas[2].segundos, 40);
}

TEST(NiveisDosRotulos, RotulosQueSeTocamSobemOsOutrosFicamEmBaixo) {
    // Centres and widths left to right: the second touches the first, the
    // third clears both, the fourth and fifth crowd onto the last row.
    const std::vector<double> centros = {50, 80, 300, 302, 304, 305};
    const std::vector<double> larguras = {60, 60, 40, 40, 40, 40};
    EXPECT_EQ(niveisDosRotulos(centros, larguras, 3, 6), (std::vector<int>{0, 1, 0, 1, 2, 2}));
    EXPECT_EQ(niveisDosRotulos({10, 20}, {10, 10}, 1, 0), (std::vector<int>{0, 0})) << "one row takes all";
    EXPECT_EQ(niveisDosRotulos({0, 16}, {10, 10}, 2, 6), (std::vector<int>{0, 0})) << "exactly the gap apart";
}

TEST(VerificaEquilibrio, PartidasDeVerdadeDeUmaFasePequena) {
    ControleLote controle;
    const PedidoEquilibrio pedido = pedidoPequeno(2);
    const ResultadoEquilibrio resultado = verificaEquilibrio(pedido, controle);
    EXPECT_FALSE(resultado.cancelado);
    EXPECT_EQ(resultado.passos, passosDaFase(pedido.pares));
    EXPECT_EQ(controle.feitas, 4u);
    ASSERT_EQ(resultado.sozinho.size(), 2u);
    ASSERT_EQ(resultado.cuidado.size(), 2u);
    for (const auto* lote : {&resultado.sozinho, &resultado.cuidado})
        for (const ResumoSemente& r : *lote) {
            EXPECT_TRUE(r.iniciou);
            ASSERT_FALSE(r.serie.empty());
            EXPECT_LE(r.serie.size(), r.passos / resultado.cadaSerie + 1);
            EXPECT_FLOAT_EQ(r.serie.back(), static_cast<float>(r.ecometroFinal))
                << "the series reaches the match's last step";
        }
    EXPECT_EQ(resultado.sozinho[0].semente, 1u);
    EXPECT_EQ(resultado.sozinho[1].semente, 2u);

    // Each kind counts its two matches.
    const std::string texto = textoContagens(resultado);
    EXPECT_EQ(texto.rfind("sozinho: ", 0), 0u) << texto;
    const auto soma = [](const std::string& parte) {
        int total = 0;
        for (std::size_t i = 0; i < parte.size(); ++i)
            if (std::isdigit(static_cast<unsigned char>(parte[i])) && (i == 0 || !std::isdigit(static_cast<unsigned char>(parte[i - 1]))))
                total += std::stoi(parte.substr(i));
        return total;
    };
    const std::size_t meio = texto.find("; com cuidado: ");
    ASSERT_NE(meio, std::string::npos) << texto;
    EXPECT_EQ(soma(texto.substr(0, meio)), 2) << texto;
    EXPECT_EQ(soma(texto.substr(meio)), 2) << texto;
}

TEST(VerificaEquilibrio, CanceladaAntesNaoJogaNada) {
    ControleLote controle;
    controle.cancelar = true;
    const ResultadoEquilibrio resultado = verificaEquilibrio(pedidoPequeno(50), controle);
    EXPECT_TRUE(resultado.cancelado);
    EXPECT_TRUE(resultado.sozinho.empty());
    EXPECT_TRUE(resultado.cuidado.empty());
    EXPECT_EQ(controle.feitas, 0u);
}

TEST(VerificaEquilibrio, SemOsDadosNenhumaComeca) {
    ControleLote controle;
    PedidoEquilibrio pedido = pedidoPequeno(2);
    pedido.valores = "nao/existe/valores.txt";
    const ResultadoEquilibrio resultado = verificaEquilibrio(pedido, controle);
    EXPECT_TRUE(nenhumaComecou(resultado));
    EXPECT_EQ(textoContagens(resultado), "sozinho: 2 não começaram; com cuidado: 2 não começaram");
}

}  // namespace
