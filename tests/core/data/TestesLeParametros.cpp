#include "core/data/LeParametros.h"
#include "core/data/LeituraTexto.h"
#include "core/data/Parametros.h"
#include "core/match/Passo.h"
#include "tests/comum/DiretorioTemporario.h"
#include "tests/comum/PlataformaRoteiro.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace {

struct CasoParametro {
    const char* nome;
    const char* texto;
    std::size_t capacidade;
    ResultadoParametro resultado;
    std::vector<float> esperado;  // the array after the read, starting from all 9
};

class InterpretaParametro : public testing::TestWithParam<CasoParametro> {};

TEST_P(InterpretaParametro, LeOsValoresDaChave) {
    const CasoParametro& caso = GetParam();
    std::array<float, 8> destino;
    destino.fill(9.0f);
    EXPECT_EQ(interpretaParametro(caso.texto, "CHAVE", caso.capacidade, destino.data()),
              caso.resultado);
    for (std::size_t i = 0; i < caso.esperado.size(); ++i)
        EXPECT_FLOAT_EQ(destino[i], caso.esperado[i]) << "valor " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, InterpretaParametro,
    testing::Values(
        CasoParametro{"Simples", "CHAVE 1 2 3 ;", 3, ResultadoParametro::LIDO, {1, 2, 3}},
        CasoParametro{"MenosValoresMantemOsOutros", "CHAVE 3 3 ;", 4, ResultadoParametro::LIDO,
                      {3, 3, 9, 9}},
        CasoParametro{"SemPontoEVirgulaNoFim", "CHAVE 1.5 2.5", 2, ResultadoParametro::LIDO,
                      {1.5f, 2.5f}},
        CasoParametro{"ChaveComoUltimoToken", "x y CHAVE", 2, ResultadoParametro::LIDO, {9, 9}},
        CasoParametro{"PontoEVirgulaColadoNoValorNaoTermina", "CHAVE 4; 5 ;", 2,
                      ResultadoParametro::LIDO, {4, 5}},
        CasoParametro{"PontoEVirgulaSeguidoDeTextoTermina", "CHAVE 4 ;fim 5", 2,
                      ResultadoParametro::LIDO, {4, 9}},
        CasoParametro{"ComentarioComONomeDaChave", "# a CHAVE diz 7 ;\nCHAVE 1 ;", 2,
                      ResultadoParametro::LIDO, {0, 7}},
        CasoParametro{"PrimeiraOcorrenciaVale", "CHAVE 1 ; CHAVE 2 ;", 1, ResultadoParametro::LIDO,
                      {1}},
        CasoParametro{"ChaveEhPalavraInteira", "CHAVEX 1 ; XCHAVE 2 ; chave 3 ;", 1,
                      ResultadoParametro::CHAVE_FALTANDO, {9}},
        CasoParametro{"TextoQueNaoEhNumero", "CHAVE abc 2,5 +1.5 -0.25 1e3 .5 ;", 6,
                      ResultadoParametro::LIDO, {0, 2, 1.5f, -0.25f, 1000, 0.5f}},
        CasoParametro{"ValoresDemais", "CHAVE 1 2 3 4 ;", 3, ResultadoParametro::DADOS_DEMAIS,
                      {1, 2, 3, 9}},
        CasoParametro{"Vazio", "", 3, ResultadoParametro::CHAVE_FALTANDO, {9, 9, 9}}),
    [](const testing::TestParamInfo<CasoParametro>& info) { return info.param.nome; });

TEST(InterpretaParametroLongo, TokenDeMaisDe299CaracteresContaComoUm) {
    // A value token of 1000 characters is one value, read from its first
    // 299 characters; nothing is written beyond the array.
    const std::string longo = "2.5" + std::string(997, '0');
    std::array<float, 2> destino{9, 9};
    EXPECT_EQ(interpretaParametro("CHAVE " + longo + " ;", "CHAVE", 1, destino.data()),
              ResultadoParametro::LIDO);
    EXPECT_FLOAT_EQ(destino[0], 2.5f);
    EXPECT_FLOAT_EQ(destino[1], 9.0f);

    const std::string digitos(1000, '7');
    EXPECT_EQ(interpretaParametro("CHAVE " + digitos, "CHAVE", 1, destino.data()),
              ResultadoParametro::LIDO);
    EXPECT_TRUE(std::isinf(destino[0]));

    // A key name followed by garbage up to 299 characters is not the key.
    EXPECT_EQ(interpretaParametro("CHAVE" + std::string(400, 'x') + " 1", "CHAVE", 1,
                                  destino.data()),
              ResultadoParametro::CHAVE_FALTANDO);
}

class ArquivoParametros : public testing::Test {
protected:
    ArquivoParametros() {
        for (const ChaveParametro& chave : chavesParametros())
            std::fill(chave.destino, chave.destino + chave.capacidade, 0.0f);
    }
    // A file with every key and one value each.
    static std::string completo() {
        std::string texto;
        for (const ChaveParametro& chave : chavesParametros())
            texto += std::string(chave.nome) + " 1 ;\n";
        return texto;
    }
    PlataformaRoteiro plataforma;
    DiretorioTemporario diretorio;
};

TEST_F(ArquivoParametros, TrintaESeisChavesNaOrdem) {
    const auto& chaves = chavesParametros();
    ASSERT_EQ(chaves.size(), 36u);
    EXPECT_STREQ(chaves[0].nome, "CONFIG_TAXAS_DRAGA_LEITO");
    EXPECT_STREQ(chaves[9].nome, "NUM_FERRAMENTAS_MAE_NATUREZA");
    EXPECT_STREQ(chaves[12].nome, "NUM_FERRAMENTAS_PESCADOR");
    EXPECT_STREQ(chaves[14].nome, "NUM_INI_LISTRADO");
    EXPECT_STREQ(chaves[20].nome, "ALTERA_FERR_0_MAE_NATUREZA");
    EXPECT_STREQ(chaves[22].nome, "ALTERA_FERR_0_PESCADOR");
    EXPECT_STREQ(chaves[35].nome, "ALTERA_FERR_3_TURISTA");
    EXPECT_EQ(chaves[22].destino, gAlteraFerramenta[PESCADOR][0].data());
    EXPECT_EQ(chaves[12].destino, gNumFerramentas[PESCADOR].data());
}

TEST_F(ArquivoParametros, ArquivoFaltandoMostraUmaMensagem) {
    EXPECT_FALSE(leParametros());
    EXPECT_EQ(plataforma.mTextos(),
              std::vector<std::string>{"Arquivo com parametros não encontrado"});
    EXPECT_EQ(plataforma.caixas[0].titulo, "Aviso");
}

TEST_F(ArquivoParametros, ChaveFaltandoParaNelaEMostraONome) {
    std::string texto = completo();
    const std::string fora = "NUM_INI_AZUL 1 ;\n";
    texto.erase(texto.find(fora), fora.size());
    diretorio.mEscreve("dp/valores.txt", texto);
    EXPECT_FALSE(leParametros());
    EXPECT_EQ(plataforma.mTextos(), std::vector<std::string>{"NUM_INI_AZUL"});
    EXPECT_FLOAT_EQ(gNumIniListrado[0], 1.0f) << "keys before it keep their new values";
    EXPECT_FLOAT_EQ(gNumIniAlga[0], 0.0f) << "keys after it are not read";
}

TEST_F(ArquivoParametros, OitoValoresNumaAlteracaoMostramDuasMensagens) {
    std::string texto = completo();
    const std::string chave = "ALTERA_FERR_1_TURISTA 1 ;";
    texto.replace(texto.find(chave), chave.size(), "ALTERA_FERR_1_TURISTA 1 2 3 4 5 6 7 8 ;");
    diretorio.mEscreve("dp/valores.txt", texto);
    EXPECT_FALSE(leParametros());
    EXPECT_EQ(plataforma.mTextos(), (std::vector<std::string>{"BUG - muitos dados no campo",
                                                              "ALTERA_FERR_1_TURISTA"}));
    EXPECT_FLOAT_EQ(gAlteraFerramenta[TURISTA][1][6], 7.0f);
}

TEST_F(ArquivoParametros, PopulacaoTruncaECriarAguaComQualquerValorDiferenteDeZero) {
    std::string texto = completo();
    texto.replace(texto.find("NUM_INI_ALGA 1"), 14, "NUM_INI_ALGA 12.9");
    texto.replace(texto.find("CRIAR_AGUA 1"), 12, "CRIAR_AGUA 0.0001");
    texto.replace(texto.find("CRIAR_LAGO 1"), 12, "CRIAR_LAGO 0");
    diretorio.mEscreve("dp/valores.txt", texto);
    ASSERT_TRUE(leParametros());
    const PopulacaoInicial populacao = populacaoDosParametros();
    EXPECT_EQ(populacao.alga, 12);
    EXPECT_TRUE(populacao.criaAgua);
    EXPECT_FALSE(populacao.criaLago);
}

TEST_F(ArquivoParametros, ValoresDoArquivoDistribuido) {
    const auto texto = leArquivoTexto(QELP_DIR_DP "/valores.txt");
    ASSERT_TRUE(texto.has_value());
    for (const ChaveParametro& chave : chavesParametros()) {
        std::vector<float> valores(chave.capacidade, -99.0f);
        EXPECT_EQ(interpretaParametro(*texto, chave.nome, chave.capacidade, valores.data()),
                  ResultadoParametro::LIDO)
            << chave.nome;
        EXPECT_NE(valores.back(), -99.0f) << chave.nome << " gives every value it holds";
    }
}

}  // namespace

namespace {

// Tokens of the shapes a teacher might type, and of many shapes nobody
// would: signs, digits, points, exponents, hex, words, junk after them.
std::vector<std::string> tokensDeTeste() {
    std::vector<std::string> tokens = {
        "", "0", "-0", "+0", "1e-400", "-1e-400", "+-1", "-+1", "--1", "++1", "1e400", "-1e400",
        "4.9e-324", "2.4703282292062328e-324", "2.4703282292062327e-324", "1.7976931348623159e308",
        "3.4028235e38", "3.4028235677973366e38", "3.40282357e38", "-3.4028236e38", "1.17549435e-38",
        "1e-45", "7e-46", ".5", "5.", ".", "..5", "-.5", "+.e1", "1e", "1e+", "1e-x", "1e5;",
        "12.9", "0.0001", "2,5", "0x1p3", "0X1P-3", "0x.8p1", "0x", "0xg", "0x1p", "0x1p-1075",
        "0x1p1024", "0x1.fffffep127", "0x1.ffffffp127", "inf", "-INF", "Infinity", "infinit",
        "nan", "-nan", "NaN(123)", "nanx", "in", "na", "e5", "abc", "1_000", "١",
        "00000000000000000000000000000000000000000000000001e-20",
        "1" + std::string(400, '0'), "0." + std::string(400, '0') + "1",
    };
    // And a deterministic crowd of random ones over the characters that matter.
    const std::string alfabeto = "0123456789.eE+-xXpPaAfFinINtyY;";
    uint32_t estado = 12345;
    for (int n = 0; n < 20000; ++n) {
        std::string token;
        estado = estado * 1664525u + 1013904223u;
        const std::size_t tamanho = 1 + (estado >> 24) % 14;
        for (std::size_t i = 0; i < tamanho; ++i) {
            estado = estado * 1664525u + 1013904223u;
            token += alfabeto[(estado >> 16) % alfabeto.size()];
        }
        tokens.push_back(token);
    }
    return tokens;
}

bool mesmoNumero(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b);
    return a == b && std::signbit(a) == std::signbit(b);
}

TEST(NumeroComoStrtod, IgualAoStrtodDaBibliotecaC) {
    for (const std::string& token : tokensDeTeste())
        EXPECT_TRUE(mesmoNumero(numeroComoStrtod(token), std::strtod(token.c_str(), nullptr))) << token;
}

TEST(NumeroComoStrtod, ValorGuardadoComoOFloatDoDouble) {
    for (const std::string& token : tokensDeTeste()) {
        if (token.empty() || token[0] == ';') continue;  // not a value token
        float valor = -7;
        interpretaParametro("K " + token + " ;", "K", 1, &valor);
        const auto esperado = static_cast<float>(std::strtod(token.c_str(), nullptr));
        EXPECT_TRUE(mesmoNumero(valor, esperado)) << token;
    }
}

TEST(NumeroComoStrtod, CasosDoValoresTxt) {
    EXPECT_EQ(numeroComoStrtod("1e-400"), 0.0) << "too small: 0, not infinity";
    EXPECT_EQ(numeroComoStrtod("+-1"), 0.0) << "a second sign is no number";
    EXPECT_EQ(parametroInteiro(static_cast<float>(numeroComoStrtod("1e-400"))), 0);
}

}  // namespace

namespace {

class ArquivoHostil : public ArquivoParametros {};

TEST_F(ArquivoHostil, ChaveNoMeioDosValoresDeOutraVale) {
    // One pass reads every key as a search from the beginning would: a key's
    // name among another key's values starts its own entry there.
    float a[3] = {9, 9, 9}, b[3] = {9, 9, 9};
    EXPECT_EQ(interpretaParametro("A 1 B 2 ;", "A", 3, a), ResultadoParametro::LIDO);
    EXPECT_EQ(interpretaParametro("A 1 B 2 ;", "B", 3, b), ResultadoParametro::LIDO);
    EXPECT_EQ(std::vector<float>(a, a + 3), (std::vector<float>{1, 0, 2}));
    EXPECT_EQ(std::vector<float>(b, b + 3), (std::vector<float>{2, 9, 9}));
}

TEST_F(ArquivoHostil, NulosELinhaSemFimSaoChavesFaltando) {
    for (const std::string& conteudo : {std::string(4'000'000, '\0'), std::string(10'000'000, '7')}) {
        plataforma.caixas.clear();
        diretorio.mEscreve("dp/valores.txt", conteudo);
        EXPECT_FALSE(leParametros());
        EXPECT_EQ(plataforma.mTextos(), std::vector<std::string>{"CONFIG_TAXAS_DRAGA_LEITO"});
    }
}

TEST_F(ArquivoHostil, ArquivoCompletoSeguidoDeMuitoLixoEhLido) {
    diretorio.mEscreve("dp/valores.txt", completo() + std::string(10'000'000, 'x'));
    EXPECT_TRUE(leParametros());
    EXPECT_EQ(gNumIniAlga[0], 1.0f);
}

TEST_F(ArquivoHostil, ErroNoMeioDeixaAsChavesDeAntesLidasEAsDepoisIntocadas) {
    std::string texto = completo();
    texto.replace(texto.find("NUM_INI_GORDO 1 ;"), 17, "NUM_INI_GORDO 1 2 ;");
    gCriarLago[0] = 5;
    diretorio.mEscreve("dp/valores.txt", texto);
    EXPECT_FALSE(leParametros());
    EXPECT_EQ(plataforma.mTextos(), (std::vector<std::string>{"BUG - muitos dados no campo", "NUM_INI_GORDO"}));
    EXPECT_EQ(gNumFerramentas[PESCADOR][0], 1.0f) << "read before";
    EXPECT_EQ(gNumIniGordo[0], 1.0f) << "its first value is stored";
    EXPECT_EQ(gCriarLago[0], 5.0f) << "after it: untouched";
}

}  // namespace
