#include "core/sound/Riff.h"
#include "tests/comum/Wave.h"

#include <gtest/gtest.h>

namespace {

const std::vector<uint8_t> CEM = Wave::amostras(100);

TEST(Riff, LeUmWavePcmSimples) {
    const auto som = interpretaWave(Wave().mFormato(1, 1, 22050, 16).mDados(CEM).mBytes());
    ASSERT_TRUE(som.has_value());
    EXPECT_EQ(som->formato.etiqueta, 1);
    EXPECT_EQ(som->formato.canais, 1);
    EXPECT_EQ(som->formato.amostrasPorSegundo, 22050u);
    EXPECT_EQ(som->formato.bitsPorAmostra, 16);
    EXPECT_EQ(som->formato.alinhamento, 2);
    EXPECT_EQ(som->dados, CEM);
}

TEST(Riff, FormatoComTamanhoExtraEBlocosEntreFormatoEDados) {
    const auto som = interpretaWave(Wave()
                                        .mFormato(1, 2, 8000, 8, true)
                                        .mBloco("LIST", {1, 2, 3})  // odd: padded
                                        .mBloco("fact", {0, 0, 0, 0})
                                        .mDados(CEM)
                                        .mBytes());
    ASSERT_TRUE(som.has_value());
    EXPECT_EQ(som->formato.canais, 2);
    EXPECT_EQ(som->dados, CEM);
}

struct CasoRuim {
    const char* nome;
    std::vector<uint8_t> bytes;
};

class RiffRuim : public testing::TestWithParam<CasoRuim> {};

TEST_P(RiffRuim, NaoEhUmWavePcm) { EXPECT_FALSE(interpretaWave(GetParam().bytes).has_value()); }

std::vector<uint8_t> semFim(std::vector<uint8_t> bytes, std::size_t menos) {
    bytes.resize(bytes.size() - menos);
    return bytes;
}

std::vector<uint8_t> trocado(std::vector<uint8_t> bytes, std::size_t posicao, const char* texto) {
    for (int i = 0; i < 4; ++i) bytes[posicao + i] = static_cast<uint8_t>(texto[i]);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, RiffRuim,
    testing::Values(
        CasoRuim{"Vazio", {}},
        CasoRuim{"SoRiff", {'R', 'I', 'F', 'F'}},
        CasoRuim{"NaoEhRiff", trocado(Wave().mFormato(1, 1, 8000, 8).mDados(CEM).mBytes(), 0, "RIFX")},
        CasoRuim{"NaoEhWave", trocado(Wave().mFormato(1, 1, 8000, 8).mDados(CEM).mBytes(), 8, "AVI ")},
        CasoRuim{"FormatoComprimido", Wave().mFormato(2, 1, 8000, 4).mDados(CEM).mBytes()},
        CasoRuim{"PrimeiroBlocoNaoEhFormato",
                 Wave().mBloco("LIST", {1, 2}).mFormato(1, 1, 8000, 8).mDados(CEM).mBytes()},
        CasoRuim{"FormatoCurto", Wave().mBloco("fmt ", {1, 0, 1, 0, 0x40, 0x1f}).mDados(CEM).mBytes()},
        CasoRuim{"SemDados", Wave().mFormato(1, 1, 8000, 8).mBloco("LIST", CEM).mBytes()},
        CasoRuim{"CortadoNoFormato", semFim(Wave().mFormato(1, 1, 8000, 8).mBytes(), 6)},
        CasoRuim{"BlocoComTamanhoGigante",
                 [] {
                     auto b = Wave().mFormato(1, 1, 8000, 8).mBloco("LIST", {1, 2}).mDados(CEM).mBytes();
                     b[36 + 4] = b[36 + 5] = b[36 + 6] = b[36 + 7] = 0xFF;  // LIST's size
                     return b;
                 }()},
        // The RIFF chunk ends with the format chunk: its data lies outside.
        CasoRuim{"DadosForaDoRiff", Wave().mFormato(1, 1, 8000, 8).mDados(CEM).mBytes(28)}),
    [](const testing::TestParamInfo<CasoRuim>& info) { return info.param.nome; });

TEST(RiffCortado, DadosMaioresQueOArquivoFicamComOsQuadrosInteiros) {
    // 100 bytes announced, 51 there: 16-bit mono keeps 25 whole frames.
    const auto bytes = semFim(Wave().mFormato(1, 1, 8000, 16).mDados(CEM).mBytes(), 49);
    const auto som = interpretaWave(bytes);
    ASSERT_TRUE(som.has_value());
    EXPECT_EQ(som->dados.size(), 50u);
    EXPECT_TRUE(std::equal(som->dados.begin(), som->dados.end(), CEM.begin()));
}

TEST(RiffCortado, TamanhoRiffMaiorQueOArquivo) {
    const auto som =
        interpretaWave(Wave().mFormato(1, 1, 8000, 8).mDados(CEM).mBytes(0xFFFFFFF0));
    ASSERT_TRUE(som.has_value());
    EXPECT_EQ(som->dados, CEM);
}

TEST(RiffEstranho, ZeroCanaisOuVinteEQuatroBitsAindaSaoPcm) {
    // The reader takes them; it is the device that refuses such formats.
    const auto zero = interpretaWave(Wave().mFormato(1, 0, 8000, 16).mDados(CEM).mBytes());
    ASSERT_TRUE(zero.has_value());
    EXPECT_EQ(zero->formato.canais, 0);
    const auto vinteQuatro = interpretaWave(Wave().mFormato(1, 1, 8000, 24).mDados(CEM).mBytes());
    ASSERT_TRUE(vinteQuatro.has_value());
    EXPECT_EQ(vinteQuatro->dados.size(), 99u);
}

}  // namespace
