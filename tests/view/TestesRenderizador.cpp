// The OpenGL renderer: where things show, the background, picking what is
// seen. Needs an OpenGL 3.3 context (make test runs under Xvfb).
#include "core/scene/CCena3D.h"
#include "tests/comum/DiretorioTemporario.h"
#include "tests/comum/ModelosTeste.h"
#include "tests/comum/PlataformaRoteiro.h"
#include "tests/view/LagoCheio.h"
#include "view/RenderizadorGL.h"

#include <QColor>
#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QColor MAGENTA(255, 0, 255);  // the test background

bool parecido(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) <= 3 && std::abs(a.green() - b.green()) <= 3 &&
           std::abs(a.blue() - b.blue()) <= 3;
}

class Renderizador : public testing::Test {
protected:
    void SetUp() override {
        QImage fundo(64, 48, QImage::Format_RGB32);
        fundo.fill(MAGENTA);
        ASSERT_TRUE(fundo.save("fundo.bmp"));
        // Flat boxes on the plane z = 0, where the view is exactly 250 wide.
        escreveCaixaX("fina.x", {-2, -2, -0.01f}, {2, 2, 0.01f});
        auto novo = std::make_unique<RenderizadorGL>(nullptr);
        renderizador = novo.get();
        cena->mDefineDispositivo(std::move(novo));
        ASSERT_TRUE(cena->mIniciaCena(0, 0, 600, 450, {0.68f, 0.15f, 0.08f, 0.08f}))
            << "no OpenGL 3.3 context: run under a display or Xvfb";
        for (int quadro = 0; quadro < NUM_QUADROS_TOPO; ++quadro) cena->mZBuffer(quadro, false);
        ASSERT_TRUE(cena->mCarregaFundo("fundo.bmp"));
        ASSERT_TRUE(cena->mCarregaModelo(0, "fina.x"));
        ASSERT_TRUE(cena->mCriaLuz(LUZ_AMBIENTE, GRUPO_LUZES, {}, 0.4f, 0.4f, 0.4f));
        ASSERT_TRUE(cena->mCriaLuz(LUZ_DIRECIONAL, GRUPO_LUZES, {0, 0, 1}, 0.6f, 0.6f, 0.6f));
    }

    void TearDown() override { cena->mLiberaCena(); }

    const QImage& desenha() {
        cena->mDesenha(false);
        return renderizador->mQuadro();
    }

    PlataformaRoteiro plataforma;
    DiretorioTemporario diretorio;
    std::unique_ptr<CCena3D> cena = std::make_unique<CCena3D>();
    RenderizadorGL* renderizador = nullptr;
};

TEST_F(Renderizador, QuadroTemOTamanhoDaVistaEOFundoOndeNadaEsta) {
    const QImage& quadro = desenha();
    ASSERT_EQ(quadro.size(), QSize(600, 450));
    for (const QPoint ponto : {QPoint(0, 0), QPoint(599, 449), QPoint(300, 225)})
        EXPECT_TRUE(parecido(quadro.pixelColor(ponto), MAGENTA)) << ponto.x() << "," << ponto.y();
}

TEST_F(Renderizador, InstanciaApareceNoPixelEsperado) {
    // x = 50, y = 20 is pixel (420, 177) of a 600 × 450 view.
    cena->mCriaInstancia(GRUPO_SERES, 0, {50, 20, 0}, {}, {}, 0);
    const QImage& quadro = desenha();
    EXPECT_FALSE(parecido(quadro.pixelColor(420, 177), MAGENTA));
    EXPECT_TRUE(parecido(quadro.pixelColor(420 + 12, 177), MAGENTA)) << "the box is 4 wide: 9.6 px";
    EXPECT_TRUE(parecido(quadro.pixelColor(420, 177 - 12), MAGENTA));
}

TEST_F(Renderizador, PlanoZeroMostraExatamenteDeMenos125A125) {
    // Boxes touching the left and right edges of the lake: x −125..−121 and
    // 121..125 cover the first and last 9.6 pixels of each row.
    cena->mCriaInstancia(GRUPO_SERES, 0, {-123, 0, 0}, {}, {}, 0);
    cena->mCriaInstancia(GRUPO_SERES, 0, {123, 0, 0}, {}, {}, 0);
    const QImage& quadro = desenha();
    EXPECT_FALSE(parecido(quadro.pixelColor(0, 225), MAGENTA));
    EXPECT_FALSE(parecido(quadro.pixelColor(8, 225), MAGENTA));
    EXPECT_TRUE(parecido(quadro.pixelColor(11, 225), MAGENTA));
    EXPECT_FALSE(parecido(quadro.pixelColor(599, 225), MAGENTA));
    EXPECT_FALSE(parecido(quadro.pixelColor(591, 225), MAGENTA));
    EXPECT_TRUE(parecido(quadro.pixelColor(588, 225), MAGENTA));
}

TEST_F(Renderizador, EscolhaPegaOQueSeVeNoPixel) {
    cena->mCriaInstancia(GRUPO_SERES, 0, {-40, -30, 0}, {}, {}, 0);
    const QImage& quadro = desenha();
    // Around the box (pixel 204, 297): every drawn pixel picks the instance;
    // background pixels pick nothing.
    int desenhados = 0;
    for (int y = 277; y < 317; ++y) {
        for (int x = 184; x < 224; ++x) {
            const bool desenhado = !parecido(quadro.pixelColor(x, y), MAGENTA);
            const auto escolha = cena->mEscolhe(x, y);
            desenhados += desenhado;
            if (desenhado) {
                ASSERT_TRUE(escolha.has_value()) << x << "," << y;
                EXPECT_EQ(escolha->slot, 0);
            } else if (escolha) {
                // Only on the box's very edge may the two differ by a pixel.
                EXPECT_FALSE(parecido(quadro.pixelColor(x + 1, y), MAGENTA) &&
                             parecido(quadro.pixelColor(x - 1, y), MAGENTA))
                    << x << "," << y;
            }
        }
    }
    EXPECT_GT(desenhados, 80);
}

TEST_F(Renderizador, SemProfundidadeEntreInstanciasAUltimaDoSlotFicaPorCima) {
    escreveCaixaX("vermelha.x", {-3, -3, -0.01f}, {3, 3, 0.01f}, {1, 0, 0});
    escreveCaixaX("azul.x", {-3, -3, -0.01f}, {3, 3, 0.01f}, {0, 0, 1});
    ASSERT_TRUE(cena->mCarregaModelo(1, "vermelha.x"));
    ASSERT_TRUE(cena->mCarregaModelo(2, "azul.x"));
    cena->mCriaInstancia(GRUPO_SERES, 1, {0, 0, -5}, {}, {}, 0);  // slot 0, nearer
    cena->mCriaInstancia(GRUPO_SERES, 2, {0, 0, 5}, {}, {}, 0);   // slot 1, farther
    const QColor semProfundidade = desenha().pixelColor(300, 225);
    EXPECT_GT(semProfundidade.blue(), 200);
    EXPECT_LT(semProfundidade.red(), 50);
    // With depth buffering on for the group, the nearer one shows.
    cena->mZBuffer(GRUPO_SERES, true);
    const QColor comProfundidade = desenha().pixelColor(300, 225);
    EXPECT_GT(comProfundidade.red(), 200);
    EXPECT_LT(comProfundidade.blue(), 50);
}

TEST_F(Renderizador, VistaRefeitaNoNovoTamanho) {
    // Without reuse an existing device is released and the call fails; the
    // retry makes it at the new size.
    EXPECT_FALSE(cena->mCriaVista(0, 0, 560, 315, false));
    EXPECT_TRUE(cena->mCriaVista(0, 0, 560, 315, false));
    EXPECT_EQ(desenha().size(), QSize(560, 315));
    EXPECT_FLOAT_EQ(cena->mLimitesLago().topo, 70.3125f);
    // With reuse the device stays and the viewport follows the size.
    EXPECT_TRUE(cena->mCriaVista(0, 0, 800, 450, true));
    EXPECT_EQ(desenha().size(), QSize(800, 450));
    EXPECT_FALSE(cena->mCriaVista(0, 0, 0, 450, true));
}

// A highlight at the middle of its showing, at full strength.
constexpr Realce GANHO{1, 0.5f, 1.0f};
constexpr Realce PERDA{-1, 0.5f, 1.0f};

// The mean colour of a rectangle of a picture.
QColor media(const QImage& imagem, const QRect& retangulo) {
    return imagem.copy(retangulo).scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0);
}
int verdeMenosVermelho(QColor c) { return c.green() - c.red(); }

TEST_F(Renderizador, RealceDeUmSerMudaSuaCorNoSentidoDaEnergia) {
    // A box 16 × 8 at x = 50, y = 20: pixels 400..440 × 168..186; its halo
    // reaches 7 units above its centre (pixel 160), over the magenta
    // background, and sparkles play around it.
    escreveCaixaX("larga.x", {-8, -4, -0.01f}, {8, 4, 0.01f});
    ASSERT_TRUE(cena->mCarregaModelo(1, "larga.x"));
    cena->mCriaInstancia(GRUPO_SERES, 1, {50, 20, 0}, {}, {}, 0);
    const QRect ser(404, 172, 32, 10), acima(404, 161, 32, 6);
    const QImage semRealce = desenha().copy();
    const QColor serAntes = media(semRealce, ser), acimaAntes = media(semRealce, acima);
    ASSERT_TRUE(parecido(acimaAntes, MAGENTA));

    cena->mDefineRealce(GRUPO_SERES, 0, GANHO);
    const QImage ganho = desenha().copy();
    EXPECT_GT(verdeMenosVermelho(media(ganho, ser)), verdeMenosVermelho(serAntes) + 30)
        << "a being that gained is greener";
    EXPECT_GT(media(ganho, acima).green(), acimaAntes.green() + 30) << "and glows green around";

    cena->mDefineRealce(GRUPO_SERES, 0, PERDA);
    const QImage perda = desenha().copy();
    EXPECT_LT(verdeMenosVermelho(media(perda, ser)), verdeMenosVermelho(serAntes) - 20)
        << "a being that lost is redder";
    EXPECT_LT(media(perda, acima).blue(), acimaAntes.blue() - 30) << "and glows red around";

    // Ended, or taken away: the frame as without it.
    cena->mDefineRealce(GRUPO_SERES, 0, {1, 1.0f, 1.0f});
    EXPECT_EQ(desenha(), semRealce);
    cena->mApagaRealces();
    EXPECT_EQ(desenha(), semRealce);
}

TEST_F(Renderizador, RealceDaAguaEDoFundoBrilhaSoNaSuaFaixa) {
    // The surface line stands at 34 % of the height (pixel 153), the bottom
    // line at 92.5 % (416); the water lights up just under its surface.
    const QImage semRealce = desenha().copy();
    const QPoint ceu(300, 45), agua(300, 172), fundo(300, 416);
    const struct {
        const char* nome;
        bool daAgua;
        QPoint brilha, igual;
    } casos[] = {{"water", true, agua, ceu}, {"lake bottom", false, fundo, agua}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        cena->mApagaRealces();
        if (caso.daAgua) cena->mDefineRealceAgua(GANHO);
        else cena->mDefineRealceLago(GANHO);
        const QImage quadro = desenha().copy();
        EXPECT_GT(quadro.pixelColor(caso.brilha).green(), semRealce.pixelColor(caso.brilha).green() + 20);
        EXPECT_TRUE(parecido(quadro.pixelColor(caso.igual), semRealce.pixelColor(caso.igual)));
    }
    cena->mApagaRealces();
    EXPECT_EQ(desenha(), semRealce);
}

TEST_F(Renderizador, FundoFaltandoAvisaComONome) {
    EXPECT_FALSE(cena->mCarregaFundo("dp/FUNDOCEN.bmp"));
    EXPECT_EQ(plataforma.mTextos(),
              std::vector<std::string>{"Arquivo 'dp/FUNDOCEN.bmp' não encontrado."});
}

}  // namespace

namespace {

// The busy lake drawn now against the picture it made when it was recorded:
// a faster renderer must draw the same lake. Set QELP_GRAVA_REFERENCIA to
// record the picture anew (only when the picture is meant to change).
TEST(LagoCheioNaTela, MesmoQuadroQueAReferencia) {
    PlataformaRoteiro plataforma;
    RenderizadorGL* renderizador = nullptr;
    const auto cena = lagoCheio(&renderizador);
    ASSERT_TRUE(cena) << "no OpenGL 3.3 context or no models";
    cena->mDesenha(false);
    const QImage quadro = renderizador->mQuadro().convertToFormat(QImage::Format_RGB32);
    cena->mLiberaCena();
    const QString arquivo = QELP_DIR_REFERENCIA "/lago-cheio.png";
    if (qEnvironmentVariableIsSet("QELP_GRAVA_REFERENCIA")) {
        ASSERT_TRUE(quadro.save(arquivo));
        GTEST_SKIP() << "recorded " << arquivo.toStdString();
    }
    const QImage referencia = QImage(arquivo).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(quadro.size(), referencia.size());

    // Edges may fall a pixel apart between renderers; the picture may not.
    int64_t soma = 0;
    int diferentes = 0;
    for (int y = 0; y < quadro.height(); ++y)
        for (int x = 0; x < quadro.width(); ++x) {
            const QColor a = quadro.pixelColor(x, y), b = referencia.pixelColor(x, y);
            const int d = std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                          std::abs(a.blue() - b.blue());
            soma += d;
            diferentes += d > 48;
        }
    const double pixels = static_cast<double>(quadro.width()) * quadro.height();
    EXPECT_LT(static_cast<double>(soma) / pixels, 1.0) << "mean difference per pixel";
    EXPECT_LT(diferentes / pixels, 0.005) << "share of pixels that differ clearly";
}

// Every being, the bottom and the water highlighted, and then none: the
// busy frame comes back exactly. The highlighted frame is saved for looking
// at (build/quadros/).
TEST(LagoCheioNaTela, RealceEmTudoSaiSemRastro) {
    PlataformaRoteiro plataforma;
    RenderizadorGL* renderizador = nullptr;
    const auto cena = lagoCheio(&renderizador);
    ASSERT_TRUE(cena) << "no OpenGL 3.3 context or no models";
    cena->mDesenha(false);
    const QImage simples = renderizador->mQuadro().copy();
    realcaLagoCheio(*cena, 0.4f);
    cena->mDesenha(false);
    const QImage realcado = renderizador->mQuadro().copy();
    cena->mApagaRealces();
    cena->mDesenha(false);
    const QImage depois = renderizador->mQuadro().copy();
    cena->mLiberaCena();
    QDir().mkpath(QELP_DIR_QUADROS);
    EXPECT_TRUE(realcado.save(QELP_DIR_QUADROS "/lago-cheio-realcado.png"));
    EXPECT_NE(realcado, simples);
    EXPECT_EQ(depois, simples);
}

}  // namespace
