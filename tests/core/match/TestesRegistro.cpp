// The record of a match: its readings agree with the eco-meter and with
// simula's rows, its marks come at their steps, its memory stays bounded,
// and the spreadsheet a teacher saves holds the same numbers.
#include "core/match/PlanilhaPartida.h"
#include "core/match/Simulacao.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

OpcoesSimulacao opcoesComTudo() {
    OpcoesSimulacao opcoes;
    opcoes.valores = QELP_DIR_DP "/valores.txt";
    opcoes.modelos = QELP_DIR_DP "/";
    opcoes.textoFase = "3 11\n6 9\n15 1\n";  // petrol, household sewage, the end before step 116
    opcoes.passos = 1000;
    opcoes.usos = {{10, MAE_NATUREZA, 0}, {50, PESCADOR, 1}};
    return opcoes;
}

std::vector<std::string> linhas(const std::string& texto) {
    std::vector<std::string> resultado;
    std::istringstream entrada(texto);
    for (std::string linha; std::getline(entrada, linha);) resultado.push_back(linha);
    return resultado;
}

// The first n fields of a row separated by separador.
std::string campos(const std::string& linha, char separador, int n) {
    std::size_t fim = 0;
    for (int i = 0; i < n && fim != std::string::npos; ++i) fim = linha.find(separador, fim + (i > 0));
    return linha.substr(0, fim);
}

TEST(Registro, UmaPartidaInteiraComoOJogoAViu) {
    Simulacao simulacao(opcoesComTudo());
    ASSERT_TRUE(simulacao.mInicia());
    std::ostringstream csv;
    simulacao.mRoda(csv);
    const RegistroPartida& registro = simulacao.mRegistro();

    ASSERT_TRUE(registro.mTerminado()) << "the phase's end event ends the record";
    EXPECT_EQ(registro.mPeriodoMs(), 130u);
    const auto& leituras = registro.mLeituras();
    ASSERT_EQ(leituras.size(), 34u) << "steps 0, 4, … 112, the end at 115, and the lake as the tools at 9 and "
                                        "49 and the polluters at 23 and 46 found it";
    EXPECT_EQ(leituras[1].passo, RegistroPartida::PASSOS_POR_LEITURA);
    EXPECT_EQ(leituras.back().passo, 115u);
    uint32_t total = 0;
    for (const CorEcometro cor : {ECOMETRO_VERDE, ECOMETRO_AMARELO, ECOMETRO_VERMELHO})
        total += registro.mPassosNaCor(cor);
    EXPECT_EQ(total, 115u) << "every step in one colour";

    // Phase events before step p and tools before step p were heard after p − 1 steps.
    const auto& marcas = registro.mMarcas();
    ASSERT_EQ(marcas.size(), 5u);
    const std::vector<std::pair<MarcaPartida::Tipo, uint32_t>> esperadas = {
        {MarcaPartida::FERRAMENTA, 9}, {MarcaPartida::POLUIDOR, 23}, {MarcaPartida::POLUIDOR, 46},
        {MarcaPartida::FERRAMENTA, 49}, {MarcaPartida::FIM, 115}};
    std::vector<std::pair<MarcaPartida::Tipo, uint32_t>> vistas;
    for (const MarcaPartida& marca : marcas) vistas.emplace_back(marca.tipo, marca.passo);
    EXPECT_EQ(vistas, esperadas);
    EXPECT_EQ(marcas[1].a, 8u) << "the petrol leak is polluter 8";
    EXPECT_EQ(registro.mUsos(PESCADOR, 1), 1u);
    EXPECT_EQ(marcas[0].efeito, gAlteraFerramenta[MAE_NATUREZA][0]) << "the tool's values when used";

    // The spreadsheet holds simula's numbers, with ';' and a decimal comma.
    std::ostringstream planilha;
    escrevePlanilha(registro, planilha);
    const auto linhasPlanilha = linhas(planilha.str());
    ASSERT_EQ(linhasPlanilha.size(), leituras.size() + 1);
    EXPECT_EQ(linhasPlanilha[0].substr(0, 3), "\xEF\xBB\xBF") << "a byte order mark for the spreadsheet";
    const auto linhasSimula = linhas(csv.str());
    for (std::size_t i = 0; i < leituras.size(); ++i) {
        std::string esperada = campos(linhasSimula[1 + leituras[i].passo], ',', 16);
        for (char& c : esperada) c = c == ',' ? ';' : c == '.' ? ',' : c;
        EXPECT_EQ(campos(linhasPlanilha[1 + i], ';', 16), esperada) << "row " << i;
    }
    const std::string& passo12 = linhasPlanilha[5];
    EXPECT_EQ(passo12.substr(0, 3), "12;");
    EXPECT_EQ(passo12.substr(passo12.rfind(';') + 1), "Abrir sol (Mãe Natureza)")
        << "a tool used before step 10 shows in the first reading after it";
    EXPECT_EQ(linhasPlanilha.back().substr(linhasPlanilha.back().rfind(';') + 1), "fim da partida");
}

TEST(Registro, LeituraIgualAoEcometroEmTodoPasso) {
    Simulacao simulacao(opcoesComTudo());
    ASSERT_TRUE(simulacao.mInicia());
    for (uint32_t passo = 1; simulacao.mPasso(); ++passo) {
        const LeituraLago leitura = leLago(simulacao.mAgentes(), passo);
        const Ecometro ecometro = simulacao.mEcometro();
        ASSERT_EQ(leitura.razao, ecometro.razao) << "step " << passo;
        ASSERT_EQ(leitura.cor, ecometro.cor);
        ASSERT_EQ(leitura.seres, ecometro.leitura.quantos);
    }
}

LeituraLago leituraSintetica(uint32_t passo, CorEcometro cor) {
    LeituraLago leitura;
    leitura.passo = passo;
    leitura.cor = cor;
    return leitura;
}

TEST(Registro, MemoriaLimitadaEmPartidaSemFim) {
    RegistroPartida registro;
    registro.mInicia(130, leituraSintetica(0, ECOMETRO_VERMELHO));
    const uint32_t passos = 3 * RegistroPartida::MAX_LEITURAS * RegistroPartida::PASSOS_POR_LEITURA;
    for (uint32_t passo = 1; passo <= passos; ++passo)
        if (passo % RegistroPartida::PASSOS_POR_LEITURA == 0)
            registro.mRegistra(leituraSintetica(passo, passo < 1000 ? ECOMETRO_VERMELHO : ECOMETRO_VERDE));
    EXPECT_LE(registro.mLeituras().size(), RegistroPartida::MAX_LEITURAS);
    EXPECT_GT(registro.mLeituras().size(), RegistroPartida::MAX_LEITURAS / 2);
    EXPECT_EQ(registro.mLeituras().front().passo, 0u);
    EXPECT_EQ(registro.mLeituras().back().passo, passos) << "the latest reading is kept";
    EXPECT_EQ(registro.mPassosNaCor(ECOMETRO_VERMELHO), 1000u) << "durations stay exact";
    EXPECT_EQ(registro.mPassosNaCor(ECOMETRO_VERDE), passos - 1000u);
    registro.mRegistra(leituraSintetica(5, ECOMETRO_AMARELO));
    EXPECT_EQ(registro.mLeituras().back().passo, passos) << "a reading from the past is ignored";

    for (uint32_t i = 0; i < RegistroPartida::MAX_MARCAS + 10; ++i)
        registro.mFerramenta(leituraSintetica(passos, ECOMETRO_VERDE), TURISTA, 3, {}, 0);
    EXPECT_EQ(registro.mMarcas().size(), RegistroPartida::MAX_MARCAS);
    EXPECT_EQ(registro.mUsos(TURISTA, 3), RegistroPartida::MAX_MARCAS + 10) << "every use is counted";
}

}  // namespace
