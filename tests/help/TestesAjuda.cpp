// The help viewer: its windows, pictures and buttons.
#include "CAplAjuda.h"
#include "CDlgAjuda.h"
#include "CDlgTopico.h"
#include "UnidadesDialogo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace {

// The sizes of the pictures, and their colour counts.
const std::map<QString, std::pair<QSize, int>> FIGURAS = {
    {"BMP_AGUA", {{131, 137}, 256}},         {"BMP_PEIXE", {{131, 137}, 256}},
    {"BMP_POLUICAO", {{131, 137}, 256}},     {"BMP_COMOJOGA", {{131, 137}, 16}},
    {"BMP_DICIONARIO", {{131, 137}, 16}},    {"BMP_MICRO", {{131, 137}, 16}},
    {"BMP_POLUIDOR", {{131, 137}, 16}},      {"BMP_TODOS", {{131, 137}, 16}},
    {"BMP_EXAGUAF", {{389, 225}, 16}},       {"BMP_EXCOMOJOGA", {{658, 473}, 16}},
    {"BMP_EXDICIONARIO", {{467, 484}, 16}},  {"BMP_EXMICRO", {{362, 384}, 16}},
    {"BMP_EXPEIXE", {{407, 397}, 16}},       {"BMP_EXPOLUICAO", {{689, 440}, 16}},
    {"BMP_EXPOLUIDOR_A", {{689, 500}, 16}},  {"BMP_EXTODOS", {{636, 363}, 16}},
};

// Plain pictures of the right sizes, except the one named falta.
FonteFiguras fonteDeTeste(const QString& falta = {}) {
    return [falta](const QString& nome) {
        const auto achada = FIGURAS.find(nome);
        if (nome == falta || achada == FIGURAS.end()) return QImage();
        QImage figura(achada->second.first, QImage::Format_RGB32);
        figura.fill(Qt::darkCyan);
        return figura;
    };
}

// Runs acao on the next modal window that opens, then closes that window.
void naProximaJanelaModal(std::function<void(QWidget&)> acao) {
    QTimer::singleShot(0, [acao] {
        QWidget* janela = QApplication::activeModalWidget();
        ASSERT_NE(janela, nullptr);
        acao(*janela);
        if (janela->isVisible()) janela->close();
    });
}

// The smallest screen the game runs on (800 × 600) less the frame and title
// bar of a usual desktop and a little room: what a window's inside may take.
constexpr QSize INTERIOR_MAXIMO(780, 530);
constexpr double PONTOS_MINIMOS = 8;  // smaller text is hard for children to read

constexpr QSize FIGURA_DE_BOTAO(131, 137);  // the small pictures
constexpr int MODELO_COMO_JOGAR = 142;

UnidadesDialogo unidadesDe(const ModeloDialogo& modelo) {
    return UnidadesDialogo(fonteDialogo(modelo.pontosFonte));
}

// Builds and shows the main window and each topic in turn, with plain
// pictures of the right sizes.
void paraCadaJanela(const std::function<void(CDlgFiguras&, const ModeloDialogo&)>& verifica) {
    CDlgAjuda principal(fonteDeTeste());
    principal.show();
    verifica(principal, modeloPrincipal());
    for (const ModeloDialogo& modelo : modelosTopicos()) {
        CDlgTopico topico(modelo, fonteDeTeste(), nullptr);
        topico.show();
        verifica(topico, modelo);
    }
}

void tecla(QWidget& janela, int codigo) {
    QKeyEvent pressiona(QEvent::KeyPress, codigo, Qt::NoModifier);
    QApplication::sendEvent(&janela, &pressiona);
}

class Ajuda : public testing::Test {
protected:
    UnidadesDialogo unidades = unidadesDe(modeloPrincipal());
};

TEST_F(Ajuda, UnidadesDeDialogoVemDaFonte) {
    EXPECT_GT(unidades.mBaseX(), 4);
    EXPECT_GT(unidades.mBaseY(), unidades.mBaseX());
    EXPECT_EQ(unidades.mX(4), unidades.mBaseX());
    EXPECT_EQ(unidades.mY(8), unidades.mBaseY());
    EXPECT_EQ(unidades.mX(0), 0);
}

TEST_F(Ajuda, JanelaPrincipalComOitoFigurasEFechar) {
    CDlgAjuda principal(fonteDeTeste());
    EXPECT_EQ(principal.windowTitle(), "QELP - Ajuda");
    EXPECT_EQ(principal.size(), QSize(unidades.mX(481), unidades.mY(266)));
    EXPECT_EQ(principal.mFechar()->text(), "FECHAR");
    EXPECT_EQ(principal.mFechar()->geometry(), unidades.mRetangulo(410, 197, 55, 47));
    ASSERT_EQ(principal.mBotoes().size(), 8u);
    for (const EntradaPrincipal& entrada : entradasPrincipais()) {
        const CBotaoFigura* botao = principal.mBotao(entrada.botao.id);
        ASSERT_NE(botao, nullptr);
        EXPECT_EQ(botao->geometry(), QRect(unidades.mX(entrada.botao.x), unidades.mY(entrada.botao.y),
                                           131, 137))
            << entrada.botao.id;
    }
}

TEST_F(Ajuda, CadaTopicoAbreComSuasFigurasEFecha) {
    CDlgAjuda principal(fonteDeTeste());
    principal.show();
    for (const EntradaPrincipal& entrada : entradasPrincipais()) {
        const ModeloDialogo& modelo = *modeloTopico(entrada.topico);
        const UnidadesDialogo unidades = unidadesDe(modelo);
        std::optional<QString> titulo;
        principal.aoAbrirTopico = [&](CDlgTopico& topico) {
            titulo = topico.windowTitle();
            // At least the template's size; more where a picture needs it.
            EXPECT_GE(topico.width(), unidades.mX(modelo.largura));
            EXPECT_GE(topico.height(), unidades.mY(modelo.altura));
            EXPECT_EQ(topico.mFechar()->geometry(),
                      unidades.mRetangulo(modelo.fechar.x, modelo.fechar.y, modelo.fechar.largura,
                                          modelo.fechar.altura));
            for (const BotaoModelo& b : modelo.botoes) {
                const CBotaoFigura* botao = topico.mBotao(b.id);
                ASSERT_NE(botao, nullptr);
                EXPECT_EQ(botao->pos(), QPoint(unidades.mX(b.x), unidades.mY(b.y)));
                const QSize esperado = b.bitmap.isEmpty() ? QSize(0, 0) : FIGURAS.at(b.bitmap).first;
                EXPECT_EQ(botao->size(), esperado) << modelo.modelo << " " << b.id;
            }
            topico.mFechar()->click();
        };
        principal.mBotao(entrada.botao.id)->click();  // modal: returns when closed
        ASSERT_TRUE(titulo.has_value()) << entrada.topico;
        EXPECT_EQ(*titulo, modelo.titulo);
        EXPECT_TRUE(principal.isVisible()) << "the main window is still there";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

TEST_F(Ajuda, CadaJanelaCabeNaMenorTelaComTextoLegivel) {
    paraCadaJanela([](CDlgFiguras& janela, const ModeloDialogo& modelo) {
        EXPECT_LE(janela.width(), INTERIOR_MAXIMO.width()) << modelo.modelo;
        EXPECT_LE(janela.height(), INTERIOR_MAXIMO.height()) << modelo.modelo;
        EXPECT_GE(janela.font().pointSizeF(), PONTOS_MINIMOS) << modelo.modelo;
    });
}

TEST_F(Ajuda, NadaFicaCortadoNemEncoberto) {
    paraCadaJanela([](CDlgFiguras& janela, const ModeloDialogo& modelo) {
        const QRect fechar = janela.mFechar()->geometry();
        std::vector<const QWidget*> inteiros = {janela.mFechar()};  // seen whole
        for (const QWidget* filho : janela.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!filho->size().isEmpty())
                EXPECT_TRUE(janela.rect().contains(filho->geometry())) << modelo.modelo;
        for (const CBotaoFigura* botao : janela.mBotoes()) {
            if (botao->size() == FIGURA_DE_BOTAO) inteiros.push_back(botao);
            // These pictures leave no corner free for FECHAR: it stands beside them.
            if (modelo.modelo == MODELO_PRINCIPAL || modelo.modelo == MODELO_COMO_JOGAR)
                EXPECT_FALSE(botao->geometry().intersects(fechar)) << modelo.modelo;
        }
        for (const QWidget* w : inteiros) {
            const QRect r = w->geometry();
            for (const QPoint canto : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
                EXPECT_EQ(janela.childAt(canto), w) << modelo.modelo;
        }
    });
}

TEST_F(Ajuda, SoAsFigurasQueAbremUmTopicoMostramAMao) {
    paraCadaJanela([](CDlgFiguras& janela, const ModeloDialogo& modelo) {
        const bool abreTopico = modelo.modelo == MODELO_PRINCIPAL;
        for (const CBotaoFigura* botao : janela.mBotoes())
            if (!botao->size().isEmpty())
                EXPECT_EQ(botao->cursor().shape() == Qt::PointingHandCursor, abreTopico)
                    << modelo.modelo << " " << botao->mId();
    });
}

TEST_F(Ajuda, EscEACaixaDeFecharFechamOTopico) {
    CDlgAjuda principal(fonteDeTeste());
    int abertos = 0;
    principal.aoAbrirTopico = [&](CDlgTopico& topico) {
        ++abertos;
        if (abertos == 1) tecla(topico, Qt::Key_Escape);
        else topico.close();
    };
    principal.mAbreTopico(131);
    principal.mAbreTopico(142);
    EXPECT_EQ(abertos, 2);
}

TEST_F(Ajuda, BotoesSemFiguraNaoOcupamLugarNemReagem) {
    CDlgAjuda principal(fonteDeTeste());
    for (const int modelo : {137, 140}) {
        principal.aoAbrirTopico = [&](CDlgTopico& topico) {
            for (const BotaoModelo& b : modeloTopico(modelo)->botoes) {
                if (!b.bitmap.isEmpty()) continue;
                const CBotaoFigura* botao = topico.mBotao(b.id);
                EXPECT_TRUE(botao->size().isEmpty());
                EXPECT_FALSE(botao->isEnabled());
                // What is under its place is the picture or the window itself.
                EXPECT_NE(topico.childAt(botao->pos() + QPoint(1, 1)), botao);
            }
            topico.close();
        };
        principal.mAbreTopico(modelo);
    }
}

TEST_F(Ajuda, FiguraFaltandoAvisaEDeixaOsBotoesEmBranco) {
    std::optional<QString> aviso;
    naProximaJanelaModal([&](QWidget& janela) {
        if (auto* caixa = qobject_cast<QMessageBox*>(&janela)) aviso = caixa->text();
    });
    CDlgAjuda principal(fonteDeTeste("BMP_MICRO"));
    ASSERT_TRUE(aviso.has_value());
    EXPECT_EQ(*aviso, "A required resource was unavailable.");
    for (const CBotaoFigura* botao : principal.mBotoes()) {
        EXPECT_TRUE(botao->mFigura().isNull());
        EXPECT_NE(botao->cursor().shape(), Qt::PointingHandCursor) << "a blank button opens nothing";
    }
    // The topics still open with their own pictures.
    principal.aoAbrirTopico = [](CDlgTopico& topico) {
        EXPECT_FALSE(topico.mBotoes()[0]->mFigura().isNull());
        topico.close();
    };
    principal.mAbreTopico(131);
}

TEST_F(Ajuda, FecharEscOuCaixaDeFecharTerminamAJanelaPrincipal) {
    for (int jeito = 0; jeito < 3; ++jeito) {
        CDlgAjuda principal(fonteDeTeste());
        QTimer::singleShot(0, [&] {
            if (jeito == 0) principal.mFechar()->click();
            else if (jeito == 1) tecla(principal, Qt::Key_Escape);
            else principal.close();
        });
        principal.exec();
        EXPECT_FALSE(principal.isVisible()) << jeito;
    }
}

TEST_F(Ajuda, FigurasEmbutidasTemTamanhoECoresCertos) {
    for (const auto& [nome, tamanhoECores] : FIGURAS) {
        const QImage figura = figuraEmbutida(nome);
        ASSERT_FALSE(figura.isNull()) << nome.toStdString();
        EXPECT_EQ(figura.size(), tamanhoECores.first) << nome.toStdString();
        EXPECT_EQ(figura.format(), QImage::Format_Indexed8) << nome.toStdString();
        EXPECT_LE(figura.colorCount(), tamanhoECores.second) << nome.toStdString();
        EXPECT_GT(figura.colorCount(), tamanhoECores.second / 2) << nome.toStdString();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacao(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
