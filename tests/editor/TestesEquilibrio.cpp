// The balance check without a window: the band statistics, the colour
// counts and the verdict, the points per series, and real matches of a
// tiny phase.
#include "editor/Equilibrio.h"
#include "editor/GraficoEquilibrio.h"
#include "editor/LinhaTempo.h"

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

TEST(Percentil, PosicaoMaisProxima) {
    // The value at rank ceil(p / 100 × n), 1-based, never below the first.
    std::vector<float> cem(100);
    for (std::size_t i = 0; i < cem.size(); ++i) cem[i] = static_cast<float>(i + 1);
    const struct {
        std::vector<float> ordenados;
        uint32_t p;
        float esperado;
    } casos[] = {
        {{7}, 10, 7},           {{7}, 90, 7},
        {{1, 2}, 10, 1},        {{1, 2}, 90, 2},
        {{1, 2, 3}, 90, 3},     {{1, 2, 3}, 50, 2},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 10, 1},  {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 90, 9},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 10, 2}, {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 90, 10},
        {cem, 10, 10},          {cem, 90, 90},
        {cem, 0, 1},            {cem, 100, 100},
        {cem, 250, 100},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(percentil(caso.ordenados, caso.p), caso.esperado)
            << "p = " << caso.p << " of " << caso.ordenados.size() << " values";
}

TEST(FaixaEcometro, MedianaEPercentis10E90EmCadaPonto) {
    // At the first point ten readings, 1 to 10 in any order; at the second
    // only the three series that go on, with 4, 6 and 5.
    std::vector<ResumoSemente> resumos;
    for (const float leitura : {3, 7, 1, 10, 5, 9, 2, 8, 6, 4}) resumos.push_back(resumo({leitura}));
    resumos[0].serie.push_back(4);
    resumos[1].serie.push_back(6);
    resumos[2].serie.push_back(5);
    const FaixaEcometro faixa = faixaEcometro(resumos);
    EXPECT_EQ(faixa.mediana, (std::vector<float>{5.5f, 5})) << "an even count takes the mean of the middle two";
    EXPECT_EQ(faixa.percentilBaixo, (std::vector<float>{1, 4}));
    EXPECT_EQ(faixa.percentilAlto, (std::vector<float>{9, 6})) << "the highest tenth left out; few readings span all";
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

TEST(Dificuldade, DasParcelasDeVerdesNasFronteiras) {
    using D = Dificuldade;
    const struct {
        Verdes sozinho, cuidado;
        Dificuldade esperada;
    } casos[] = {
        {{0, 100}, {0, 100}, D::IMPOSSIVEL},
        {{60, 100}, {0, 100}, D::IMPOSSIVEL},  // no care wins, whatever the lake does alone
        {{0, 100}, {1, 100}, D::DIFICIL},
        {{0, 100}, {49, 100}, D::DIFICIL},
        {{0, 100}, {50, 100}, D::EQUILIBRADA},
        {{0, 100}, {89, 100}, D::EQUILIBRADA},
        {{0, 100}, {90, 100}, D::FACIL},
        {{0, 100}, {100, 100}, D::FACIL},
        {{49, 100}, {10, 100}, D::DIFICIL},
        {{50, 100}, {10, 100}, D::FACIL},  // the lake wins even alone
        {{15, 30}, {1, 30}, D::FACIL},
        {{14, 30}, {14, 30}, D::DIFICIL},
        {{0, 30}, {15, 30}, D::EQUILIBRADA},
        {{0, 30}, {26, 30}, D::EQUILIBRADA},
        {{0, 30}, {27, 30}, D::FACIL},
        {{0, 3}, {1, 3}, D::DIFICIL},
        {{0, 3}, {2, 3}, D::EQUILIBRADA},
        {{0, 1}, {1, 1}, D::FACIL},
        {{0, 0}, {5, 10}, D::SEM_VEREDITO},
        {{0, 10}, {0, 0}, D::SEM_VEREDITO},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(dificuldade(caso.sozinho, caso.cuidado), caso.esperada)
            << "sozinho " << caso.sozinho.verdes << "/" << caso.sozinho.iniciadas << ", com cuidado "
            << caso.cuidado.verdes << "/" << caso.cuidado.iniciadas;
}

TEST(TextoVeredito, AFraseComAContagemQueDecidiu) {
    const auto lote = [](std::initializer_list<std::pair<std::size_t, ResumoSemente>> partes) {
        std::vector<ResumoSemente> resumos;
        for (const auto& [quantas, r] : partes) resumos.insert(resumos.end(), quantas, r);
        return resumos;
    };
    const ResumoSemente verde = resumo({}, ECOMETRO_VERDE), amarelo = resumo({}, ECOMETRO_AMARELO),
                        vermelho = resumo({}, ECOMETRO_VERMELHO), falhou = resumo({}, ECOMETRO_VERDE, false);
    const struct {
        std::vector<ResumoSemente> sozinho, cuidado;
        const char* texto;
    } casos[] = {
        {lote({{30, vermelho}}), lote({{9, verde}, {21, vermelho}}),
         "Esta fase é difícil: com cuidado, 9 de 30 partidas terminam no verde."},
        {lote({{2, vermelho}}), lote({{1, verde}, {1, amarelo}, {1, falhou}}),
         "Esta fase é equilibrada: com cuidado, 1 de 2 partidas termina no verde."},
        {lote({{30, vermelho}}), lote({{28, verde}, {2, amarelo}}),
         "Esta fase é fácil: com cuidado, 28 de 30 partidas terminam no verde."},
        {lote({{16, verde}, {14, vermelho}}), lote({{20, verde}, {10, amarelo}}),
         "Esta fase é fácil: mesmo sem cuidado, 16 de 30 partidas terminam no verde."},
        {lote({{30, vermelho}}), lote({{12, amarelo}, {18, vermelho}}),
         "Esta fase é impossível de vencer: com cuidado, nenhuma de 30 partidas termina no verde."},
        {lote({{2, falhou}}), lote({{2, falhou}}), ""},
    };
    for (const auto& caso : casos) {
        ResultadoEquilibrio resultado;
        resultado.sozinho = caso.sozinho;
        resultado.cuidado = caso.cuidado;
        EXPECT_EQ(textoVeredito(resultado), caso.texto);
    }
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
