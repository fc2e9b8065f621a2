#include "core/sound/CSom.h"
#include "tests/comum/DiretorioTemporario.h"
#include "tests/comum/PlataformaRoteiro.h"
#include "tests/comum/Wave.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

class Som : public testing::Test {
protected:
    void SetUp() override {
        const auto bom = Wave().mFormato(1, 1, 22050, 16).mDados(Wave::amostras(200)).mBytes();
        escreve("bom.wav", bom);
        escreve("outro.wav", bom);
        escreve("adpcm.wav", Wave().mFormato(2, 1, 22050, 4).mDados(Wave::amostras(50)).mBytes());
        escreve("zero.wav", Wave().mFormato(1, 0, 22050, 16).mDados(Wave::amostras(50)).mBytes());
        escreve("vinte4.wav", Wave().mFormato(1, 2, 22050, 24).mDados(Wave::amostras(60)).mBytes());
        escreve("texto.wav", {'o', 'l', 'a'});
    }

    void escreve(const std::string& nome, const std::vector<uint8_t>& bytes) {
        std::ofstream(nome, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    void abre() {
        som.mDefineSaida(plataforma.mCriaSaidaSom());
        som.mIniciaSom();
    }

    PlataformaRoteiro plataforma;
    DiretorioTemporario diretorio;
    CSom som;
};

TEST_F(Som, CarregaETocaDoComeco) {
    abre();
    som.mCarregaSom(1, "bom.wav");
    som.mCarregaSom(2, "outro.wav");
    EXPECT_TRUE(plataforma.caixas.empty());
    ASSERT_TRUE(som.mCarregado(1));
    som.mTocaSom(1);
    som.mTocaSom(2);
    som.mTocaSom(1);  // the same slot again: its own buffer starts over
    const auto& tocados = plataforma.saidaSom->tocados;
    ASSERT_EQ(tocados.size(), 3u);
    EXPECT_EQ(tocados[0], tocados[2]);
    EXPECT_NE(tocados[0], tocados[1]) << "different slots play from different buffers";
    EXPECT_EQ(plataforma.saidaSom->buffers[static_cast<std::size_t>(tocados[0])].bytes, 200u);
}

TEST_F(Som, ArquivoFaltandoAvisaComONomeEOSlotFicaMudo) {
    abre();
    som.mCarregaSom(6, "./dp/sobre.wav");
    EXPECT_EQ(plataforma.mTextos(), std::vector<std::string>{"Arquivo './dp/sobre.wav' não encontrado."});
    EXPECT_EQ(plataforma.caixas[0].titulo, "Aviso");
    som.mTocaSom(6);
    EXPECT_TRUE(plataforma.saidaSom->tocados.empty());
}

TEST_F(Som, FormatoNaoPcmOuQueNaoEhWave) {
    abre();
    som.mCarregaSom(0, "adpcm.wav");
    som.mCarregaSom(1, "texto.wav");
    EXPECT_EQ(plataforma.mTextos(), (std::vector<std::string>{"Formato de arquivo WAV não suportado.",
                                                              "Formato de arquivo WAV não suportado."}));
    EXPECT_FALSE(som.mCarregado(0));
    EXPECT_FALSE(som.mCarregado(1));
}

TEST_F(Som, FormatoQueODispositivoNaoAceita) {
    abre();
    som.mCarregaSom(3, "zero.wav");
    som.mCarregaSom(4, "vinte4.wav");
    EXPECT_EQ(plataforma.mTextos(), (std::vector<std::string>{"Impossível terminar de carregar som.",
                                                              "Impossível terminar de carregar som."}));
    EXPECT_FALSE(som.mCarregado(3));
}

TEST_F(Som, SemDispositivoUmaMensagemESoSilencio) {
    plataforma.comSom = false;
    abre();
    som.mCarregaSom(0, "bom.wav");
    som.mCarregaSom(1, "nao-existe.wav");
    som.mCarregaSom(2, "adpcm.wav");
    som.mTocaSom(0);
    EXPECT_EQ(plataforma.mTextos(), std::vector<std::string>{"Impossível tocar sons."});
    EXPECT_FALSE(som.mTemDispositivo());
    EXPECT_TRUE(plataforma.saidaSom->tocados.empty());
}

TEST_F(Som, SemSaidaNenhumaTambemEhSemDispositivo) {
    som.mIniciaSom();
    EXPECT_EQ(plataforma.mTextos(), std::vector<std::string>{"Impossível tocar sons."});
}

TEST_F(Som, RecarregarUmSlotLiberaOBufferAnterior) {
    abre();
    som.mCarregaSom(5, "bom.wav");
    som.mCarregaSom(5, "nao-existe.wav");
    EXPECT_FALSE(som.mCarregado(5));
    ASSERT_EQ(plataforma.saidaSom->buffers.size(), 1u);
    EXPECT_FALSE(plataforma.saidaSom->buffers[0].vivo);
}

TEST_F(Som, SlotsForaDaTabelaSaoIgnorados) {
    abre();
    som.mCarregaSom(30, "bom.wav");
    som.mCarregaSom(-1, "bom.wav");
    som.mTocaSom(30);
    som.mTocaSom(-1);
    EXPECT_TRUE(plataforma.saidaSom->buffers.empty());
    EXPECT_TRUE(plataforma.caixas.empty());
}

TEST_F(Som, LiberarFechaODispositivo) {
    abre();
    som.mCarregaSom(0, "bom.wav");
    som.mLiberaSom();
    EXPECT_FALSE(plataforma.saidaSom->aberta);
    EXPECT_FALSE(plataforma.saidaSom->buffers[0].vivo);
    som.mTocaSom(0);
    EXPECT_TRUE(plataforma.saidaSom->tocados.empty());
}

}  // namespace
