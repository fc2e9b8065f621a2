#include "core/match/Personagens.h"
#include "core/panel/CPainel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

namespace {

// The game's panel: the 29 entries registered at start-up, in the match
// screen of a game without a tutor.
class Painel : public testing::Test {
protected:
    Painel() {
        for (const ItemPainel& item : ITENS_PAINEL)
            painel.figuras.mRegistra(item.arquivo, item.esquerda, item.topo, item.direita, item.base);
        painel.mMostraPainel(false);
    }

    // The middle of entry i.
    std::pair<float, float> meio(int i) const {
        const Figura& f = painel.figuras[i];
        return {(f.esquerda + f.direita) / 2, (f.topo + f.base) / 2};
    }
    Clique clica(int i, bool emJogo = true, bool comTutor = false) {
        const auto [x, y] = meio(i);
        return painel.mClique(x, y, emJogo, comTutor, MAE_NATUREZA, PESCADOR);
    }
    std::optional<Dica> dica(int i) const {
        const auto [x, y] = meio(i);
        return painel.mDica(x, y, estado);
    }

    CPainel painel;
    EstadoDica estado{MAE_NATUREZA, PESCADOR, {3, 1, 0, -2}, {2, 2, 2, 7}, {41, 1277.5f, 2555.0f}};
};

// --- the list

TEST(ListaFiguras, ContemComAsQuatroBordas) {
    ListaFiguras lista;
    ASSERT_TRUE(lista.mRegistra("a.bmp", 0.25f, 0.5f, 0.75f, 1.0f));
    EXPECT_TRUE(lista.mContem(0, 0.25f, 0.5f));
    EXPECT_TRUE(lista.mContem(0, 0.75f, 1.0f));
    EXPECT_FALSE(lista.mContem(0, 0.2499999f, 0.7f));
    EXPECT_FALSE(lista.mContem(0, 0.5f, 1.0000001f));
    EXPECT_FALSE(lista.mContem(1, 0.5f, 0.7f)) << "no such entry";
    EXPECT_FALSE(lista.mContem(0, std::numeric_limits<float>::quiet_NaN(), 0.7f));
}

TEST(ListaFiguras, CinquentaEntradasEAQuinquagesimaPrimeiraRecusada) {
    ListaFiguras lista;
    for (int i = 0; i < 50; ++i) ASSERT_TRUE(lista.mRegistra("x.bmp", 0, 0, 1, 1));
    EXPECT_FALSE(lista.mRegistra("x.bmp", 0, 0, 1, 1));
    EXPECT_EQ(lista.mQuantos(), 50);
}

TEST(ListaFiguras, NomeLongoCortadoETrocado) {
    ListaFiguras lista;
    lista.mRegistra(std::string(80, 'n'), 0, 0, 1, 1);
    EXPECT_EQ(lista[0].arquivo.size(), 51u);
    lista.mTrocaArquivo(0, "dp/outro.bmp");
    EXPECT_EQ(lista[0].arquivo, "dp/outro.bmp");
    lista.mTrocaArquivo(7, "ignorado.bmp");
    EXPECT_EQ(lista.mQuantos(), 1);
}

// --- screens and characters

TEST_F(Painel, TelaDaPartidaMostraOPainelSemBarraNemMoldura) {
    const std::vector<int> mostradas = {1, 3, 4, 5, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(painel.figuras.visivel[static_cast<std::size_t>(i)],
                  std::count(mostradas.begin(), mostradas.end(), i) ? 1 : 0)
            << i;
    painel.mMostraPainel(true);
    EXPECT_EQ(painel.figuras.visivel[ITEM_MENTAL], 1) << "with a tutor";
    painel.mExibeAbertura();
    EXPECT_EQ(painel.figuras.visivel[ITEM_ABERTURA], 1);
    for (int i = 1; i < 29; ++i) EXPECT_EQ(painel.figuras.visivel[static_cast<std::size_t>(i)], 0) << i;
}

TEST_F(Painel, PersonagensTrocamRetratosEFerramentas) {
    painel.mDefinePersonagens(TURISTA, PREFEITO);
    EXPECT_EQ(painel.figuras[3].arquivo, "dp/TURISTA.bmp");
    EXPECT_EQ(painel.figuras[4].arquivo, "dp/PREFEITO.bmp");
    EXPECT_EQ(painel.figuras[11].arquivo, "dp/NADA16.bmp");
    EXPECT_EQ(painel.figuras[14].arquivo, "dp/FOTO16.bmp");
    EXPECT_EQ(painel.figuras[24].arquivo, "dp/bfotoape.bmp");
    EXPECT_EQ(painel.figuras[15].arquivo, "dp/PROIBE16.bmp");
    EXPECT_EQ(painel.figuras[28].arquivo, "dp/blicenap.bmp");
    EXPECT_EQ(painel.figuras[9].arquivo, "dp/MENTAL.bmp") << "the other buttons stay";
}

TEST_F(Painel, RedesenhoPulaMolduraMentalSemTutorEBarrasEscondidas) {
    Ecometro amarelo;
    amarelo.cor = ECOMETRO_AMARELO;
    painel.mMostraBarra(amarelo);
    EXPECT_EQ(painel.mRedesenho(false),
              (std::vector<int>{1, 3, 4, 5, 7, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
    clica(16);
    const std::vector<int> comTutor = painel.mRedesenho(true);
    EXPECT_EQ(comTutor[5], 9);
    EXPECT_EQ(comTutor.back(), 26) << "the held button's pressed image last";
}

// --- clicks

TEST_F(Painel, FerramentaDaPrimeiraFilaSoComAPartidaRodando) {
    EXPECT_EQ(clica(12, false).tipo, Clique::RECUSADO);
    EXPECT_EQ(painel.botaoPressionado, -1);
    const Clique clique = clica(12);
    EXPECT_EQ(clique.tipo, Clique::FERRAMENTA);
    EXPECT_EQ(clique.personagem, MAE_NATUREZA);
    EXPECT_EQ(clique.ferramenta, 1u);
    EXPECT_EQ(painel.botaoPressionado, 12);
    EXPECT_EQ(painel.figuras.visivel[12], 0);
    EXPECT_EQ(painel.figuras.visivel[22], 1);
}

TEST_F(Painel, SegundaFilaAgeMesmoPausadaOuTerminada) {
    const Clique clique = clica(18, false);
    EXPECT_EQ(clique.tipo, Clique::FERRAMENTA);
    EXPECT_EQ(clique.personagem, PESCADOR);
    EXPECT_EQ(clique.ferramenta, 3u);
    EXPECT_EQ(clique.botao, 18);
}

TEST_F(Painel, EstadosMentaisSoComTutorEAjudaSempre) {
    EXPECT_EQ(clica(ITEM_MENTAL).tipo, Clique::RECUSADO);
    EXPECT_EQ(clica(ITEM_MENTAL, true, true).tipo, Clique::MENTAL);
    painel.mSolta();
    EXPECT_EQ(clica(ITEM_AJUDA, false).tipo, Clique::AJUDA);
}

TEST_F(Painel, ForaDosBotoesNadaEOBotaoSoltoVoltaAoNormal) {
    EXPECT_EQ(painel.mClique(0.5f, 0.3f, true, false, 0, 1).tipo, Clique::NENHUM) << "the lake";
    EXPECT_EQ(painel.mClique(0.5f, 0.8f, true, false, 0, 1).tipo, Clique::NENHUM) << "between";
    EXPECT_EQ(painel.mSolta(), -1);
    clica(15);
    EXPECT_EQ(painel.mSolta(), 15);
    EXPECT_EQ(painel.botaoPressionado, -1);
    EXPECT_EQ(painel.figuras.visivel[15], 1);
    EXPECT_EQ(painel.figuras.visivel[25], 0);
}

TEST_F(Painel, BordaDoBotaoConta) {
    const Figura& ajuda = painel.figuras[ITEM_AJUDA];
    EXPECT_EQ(painel.mClique(ajuda.direita, ajuda.base, false, false, 0, 1).tipo, Clique::AJUDA);
}

// --- tips

TEST_F(Painel, DicasDosRetratosEDaAjuda) {
    const auto retrato = dica(ITEM_RETRATO);
    ASSERT_TRUE(retrato);
    EXPECT_EQ(retrato->texto, "Mãe Natureza");
    EXPECT_TRUE(retrato->alinhaDireita) << "it ends at the portrait's left edge";
    EXPECT_FLOAT_EQ(retrato->x, 0.28f);
    EXPECT_FLOAT_EQ(retrato->y, 0.78f);
    EXPECT_EQ(dica(ITEM_RETRATO_COLEGA)->texto, "Pescador");

    const auto ajuda = dica(ITEM_AJUDA);
    EXPECT_EQ(ajuda->texto, "Ajuda");
    EXPECT_TRUE(ajuda->alinhaDireita);
    EXPECT_FALSE(ajuda->alinhaBase);
    EXPECT_FLOAT_EQ(ajuda->x, 0.9f);
    EXPECT_FLOAT_EQ(ajuda->y, 0.89f);
    EXPECT_FALSE(dica(ITEM_MENTAL)) << "no tip";
}

TEST_F(Painel, DicasDasFerramentasComOsUsosRestantes) {
    const auto primeira = dica(13);
    EXPECT_EQ(primeira->texto, "Trocar o fundo do lago :  0");
    EXPECT_FALSE(primeira->alinhaDireita);
    EXPECT_TRUE(primeira->alinhaBase) << "above the tool";
    EXPECT_FLOAT_EQ(primeira->x, 0.32f);
    EXPECT_FLOAT_EQ(primeira->y, 0.93f);
    EXPECT_EQ(dica(14)->texto, "Acelerar degradação :  -2");

    const auto segunda = dica(18);
    EXPECT_EQ(segunda->texto, "Pescar em época permitida :  7");
    EXPECT_TRUE(segunda->alinhaDireita) << "it ends at the tool's left edge";
    EXPECT_FALSE(segunda->alinhaBase);
    EXPECT_FLOAT_EQ(segunda->x, 0.78f);
}

TEST_F(Painel, DicaDoEcometro) {
    const Figura& moldura = painel.figuras[ITEM_ECOMETRO];
    const auto ecometro = painel.mDica(moldura.esquerda + 0.001f, moldura.topo + 0.001f, estado);
    ASSERT_TRUE(ecometro);
    EXPECT_EQ(ecometro->texto,
              "                      Total de seres vivos: 41     energia do ecômetro:  50");
    EXPECT_FALSE(ecometro->alinhaDireita);
    estado.leitura.soma = -300.0f;
    EXPECT_EQ(painel.mDica(moldura.esquerda + 0.001f, moldura.topo + 0.001f, estado)->texto,
              "                      Total de seres vivos: 41     energia do ecômetro:   0");
}

TEST_F(Painel, DicaNaBarraAncoraNaBarra) {
    Ecometro baixo;
    baixo.razao = 0.2f;
    baixo.cor = ECOMETRO_VERMELHO;
    painel.mMostraBarra(baixo);
    const Figura& barra = painel.figuras[ECOMETRO_VERMELHO];
    const auto dica = painel.mDica(barra.esquerda + 0.01f, barra.base - 0.01f, estado);
    ASSERT_TRUE(dica);
    EXPECT_FLOAT_EQ(dica->y, barra.topo) << "the last entry holding the point: the moved bar";
    EXPECT_TRUE(dica->texto.find("energia do ecômetro:  50") != std::string::npos);
}

TEST_F(Painel, NoLagoODicaEhSoUmEspaco) {
    const auto lago = painel.mDica(0.5f, 0.3f, estado);
    ASSERT_TRUE(lago) << "the opening picture holds every point";
    EXPECT_EQ(lago->texto, " ");
    EXPECT_EQ(textoEscrito(lago->texto), "") << "nothing is written";
    EXPECT_FALSE(painel.mDica(1.5f, 0.3f, estado)) << "outside every entry";
}

// --- eco-meter

TEST_F(Painel, BarraNosLimitesESemLimite) {
    struct Caso {
        float razao;
        int barra;
    };
    for (const Caso caso : {Caso{0.666666f, 6}, Caso{0.6666659f, 7}, Caso{0.333333f, 7},
                            Caso{0.3333329f, 8}, Caso{1.0f, 6}, Caso{-0.2f, 8}, Caso{1.5f, 6}}) {
        Ecometro e;
        e.razao = caso.razao;
        e.cor = corEcometro(caso.razao);
        EXPECT_EQ(painel.mMostraBarra(e), caso.barra) << caso.razao;
        for (int i = 6; i <= 8; ++i)
            EXPECT_EQ(painel.figuras.visivel[static_cast<std::size_t>(i)], i == caso.barra ? 1 : 0);
        EXPECT_FLOAT_EQ(painel.figuras[caso.barra].topo,
                        static_cast<float>((1.0 - caso.razao) * 0.193 + 0.78));
    }
    EXPECT_GT(painel.figuras[8].topo, painel.figuras[8].base) << "below zero: no height";
    EXPECT_LT(painel.figuras[6].topo, 0.78f) << "above full: taller than the frame";
}

// --- texts

TEST(TextosDoPainel, ObjetosDoLago) {
    EXPECT_EQ(textoDoObjeto(TIPO_GORDO, 30.0f), " Peixe Gordo, energia  100.00");
    EXPECT_EQ(textoDoObjeto(TIPO_ALGA, 23.0f), " Alga, energia  50.00");
    EXPECT_EQ(textoDoObjeto(TIPO_MICRO, 4.6f), " Microorganismo, energia  10.00");
    EXPECT_EQ(textoDoObjeto(TIPO_AZUL, -3.0f), " Peixe Azul, energia  0.00");
    EXPECT_EQ(textoDoObjeto(TIPO_LISTRADO, std::numeric_limits<float>::quiet_NaN()),
              " Peixe Listrado, energia  0.00");
    EXPECT_EQ(textoDoObjeto(9, 25.0f), " Lixo");
    EXPECT_EQ(textoDoObjeto(12, 25.0f), " Vazamento de Gasolina");
    EXPECT_FALSE(textoDoObjeto(8, 25.0f)) << "the end sign";
    EXPECT_FALSE(textoDoObjeto(TIPO_LAGO, 25.0f));
    EXPECT_FALSE(textoDoObjeto(TIPO_AGUA, 25.0f));
    EXPECT_FALSE(textoDoObjeto(-1, 25.0f));
}

TEST(TextosDoPainel, TextoEscritoGanhaUmEspaco) {
    EXPECT_EQ(textoEscrito(""), "");
    EXPECT_EQ(textoEscrito(" "), "");
    EXPECT_EQ(textoEscrito("Ajuda"), "Ajuda ");
}

TEST(TextosDoPainel, PonteiroEmFracaoDoTamanhoDoLeiaute) {
    // 70 % of a 1024-pixel screen is a layout 716.8 wide, while the client
    // area is 716 pixels.
    EXPECT_FLOAT_EQ(fracaoDoPonteiro(716, 70, 1024, 716), 716.0f / 716.8f);
    EXPECT_FLOAT_EQ(fracaoDoPonteiro(0, 90, 768, 691), 0.0f);
    EXPECT_LT(fracaoDoPonteiro(10, 0, 1024, 0), 0.0f) << "no size: outside";
    // A window the screen could not hold: its real client size.
    EXPECT_FLOAT_EQ(fracaoDoPonteiro(512, 150, 1024, 1024), 0.5f);
    EXPECT_FLOAT_EQ(fracaoDoPonteiro(512, 100, 1024, 1000), 512.0f / 1000.0f);
}

}  // namespace
