// The pupils' model and a pupil's timeline without any network: the words
// and colours of a row, and the bounds that keep a long class in memory.
#include "professor/ModeloLinhaTempo.h"
#include "professor/ModeloTurma.h"

#include <QAbstractItemModelTester>
#include <QBrush>

#include "tests/professor/ImprimeQt.h"

#include <gtest/gtest.h>

namespace {

const QDateTime INICIO(QDate(2026, 12, 9), QTime(8, 0, 0));

Acontecimento ecometro(int64_t percentual, int segundos = 0) {
    return {Acontecimento::ECOMETRO, INICIO.addSecs(segundos), percentual, {}, QString("leitura %1").arg(percentual), {}};
}

class ModeloTurmaTeste : public testing::Test {
protected:
    QString celula(int id, int coluna, int papel = Qt::DisplayRole) const {
        return modelo.data(modelo.index(modelo.mLinha(id), coluna), papel).toString();
    }
    ModeloTurma modelo;
    QAbstractItemModelTester verificaTurma{&modelo, QAbstractItemModelTester::FailureReportingMode::Fatal};
    ModeloLinhaTempo linhaTempo{modelo};
    QAbstractItemModelTester verificaLinhaTempo{&linhaTempo, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

}  // namespace

TEST_F(ModeloTurmaTeste, FaixaDoEcometroEmPalavrasSimboloECor) {
    struct Caso {
        int64_t percentual;
        const char* texto;
    };
    // The bands' limits fall between whole percents: 66 is yellow, 67 green.
    const Caso casos[] = {
        {100, "▲ 100 % verde"},  {67, "▲ 67 % verde"},     {66, "◆ 66 % amarelo"}, {34, "◆ 34 % amarelo"},
        {33, "▼ 33 % vermelho"}, {0, "▼ 0 % vermelho"},    {-5, "▼ -5 % vermelho"}, {250, "▲ 250 % verde"},
    };
    modelo.mChegou(1, "10.0.0.7:5000", INICIO);
    EXPECT_EQ(celula(1, ModeloTurma::ECOMETRO), "—");
    EXPECT_FALSE(modelo.data(modelo.index(0, ModeloTurma::ECOMETRO), Qt::BackgroundRole).isValid());
    QSet<QRgb> fundos;
    for (const Caso& caso : casos) {
        modelo.mRegistra(1, {ecometro(caso.percentual)});
        EXPECT_EQ(celula(1, ModeloTurma::ECOMETRO), caso.texto);
        fundos.insert(modelo.data(modelo.index(0, ModeloTurma::ECOMETRO), Qt::BackgroundRole).value<QBrush>().color().rgb());
    }
    EXPECT_EQ(fundos.size(), 3);  // one colour per band
}

TEST_F(ModeloTurmaTeste, NomeChegaDepoisESaidaAcinzenta) {
    modelo.mChegou(4, "10.0.0.7:5000", INICIO);
    EXPECT_EQ(celula(4, ModeloTurma::NOME), "10.0.0.7:5000");
    modelo.mNomeia(4, "lab-07");
    modelo.mNomeia(99, "ninguem");  // a pupil not in the list
    EXPECT_EQ(celula(4, ModeloTurma::NOME), "lab-07");
    EXPECT_EQ(celula(4, ModeloTurma::ENDERECO), "10.0.0.7:5000");
    modelo.mRegistra(4, {{Acontecimento::ACAO, INICIO, 120, "e1", "Abrir sol (Mãe Natureza), passo 120", {}},
                         {Acontecimento::ACAO, INICIO, 130, "zz", "ação zz, passo 130", {}}});
    EXPECT_EQ(celula(4, ModeloTurma::USOS), "2");
    EXPECT_EQ(celula(4, ModeloTurma::ULTIMA_ACAO), "ação zz, passo 130");
    EXPECT_EQ(modelo.mConectados(), 1);
    modelo.mRegistra(4, {{Acontecimento::SAIDA, INICIO.addSecs(3600), 0, {}, "desconectou", {}}});
    EXPECT_EQ(celula(4, ModeloTurma::SITUACAO), "saiu às 09:00:00");
    EXPECT_TRUE(modelo.data(modelo.index(0, ModeloTurma::USOS), Qt::FontRole).value<QFont>().italic());
    EXPECT_EQ(modelo.mConectados(), 0);
}

TEST_F(ModeloTurmaTeste, ListaCheiaTiraQuemSaiuPrimeiro) {
    for (int id = 1; id <= ModeloTurma::MAXIMO_ALUNOS; ++id) modelo.mChegou(id, QString("a:%1").arg(id), INICIO);
    // Pupil 9 left before pupil 5.
    modelo.mRegistra(5, {{Acontecimento::SAIDA, INICIO.addSecs(20), 0, {}, "desconectou", {}}});
    modelo.mRegistra(9, {{Acontecimento::SAIDA, INICIO.addSecs(10), 0, {}, "desconectou", {}}});
    linhaTempo.mMostra(9);
    modelo.mChegou(1000, "a:1000", INICIO);
    EXPECT_EQ(modelo.rowCount(), ModeloTurma::MAXIMO_ALUNOS);
    EXPECT_EQ(modelo.mAluno(9), nullptr);
    EXPECT_NE(modelo.mAluno(5), nullptr);
    EXPECT_EQ(linhaTempo.mMostrado(), 0);  // the timeline shown went with its pupil
    EXPECT_EQ(linhaTempo.rowCount(), 0);
    modelo.mChegou(1001, "a:1001", INICIO);
    EXPECT_EQ(modelo.mAluno(5), nullptr);
    // Everybody connected: the row of a new pupil waits for someone to leave.
    modelo.mChegou(1002, "a:1002", INICIO);
    EXPECT_EQ(modelo.mAluno(1002), nullptr);
    EXPECT_EQ(modelo.mLinha(1001), ModeloTurma::MAXIMO_ALUNOS - 1);
}

TEST_F(ModeloTurmaTeste, LinhaDoTempoGuardaSoAsUltimasEntradas) {
    constexpr int MAXIMO = ModeloTurma::MAXIMO_LINHA_TEMPO;
    modelo.mChegou(2, "b:1", INICIO);
    modelo.mChegou(3, "c:1", INICIO);
    linhaTempo.mMostra(2);
    EXPECT_EQ(linhaTempo.rowCount(), 1);  // the arrival
    // Batches of every size: small ones, one that overflows, one bigger than the bound.
    int enviados = 0;
    for (const int lote : {10, 1, MAXIMO - 20, 50, MAXIMO + 300, 7}) {
        std::vector<Acontecimento> acontecimentos;
        for (int i = 0; i < lote; ++i) acontecimentos.push_back(ecometro(enviados++));
        modelo.mRegistra(2, acontecimentos);
        modelo.mRegistra(3, {ecometro(1)});  // another pupil's entries change nothing shown
        const Aluno& aluno = *modelo.mAluno(2);
        ASSERT_LE(aluno.linhaTempo.size(), static_cast<std::size_t>(MAXIMO));
        ASSERT_EQ(linhaTempo.rowCount(), static_cast<int>(aluno.linhaTempo.size()));
        EXPECT_EQ(linhaTempo.index(linhaTempo.rowCount() - 1, ModeloLinhaTempo::ACONTECIMENTO).data().toString(),
                  QString("leitura %1").arg(enviados - 1));
    }
    EXPECT_EQ(linhaTempo.rowCount(), MAXIMO);
    EXPECT_EQ(linhaTempo.index(0, ModeloLinhaTempo::ACONTECIMENTO).data().toString(),
              QString("leitura %1").arg(enviados - MAXIMO));
    EXPECT_EQ(linhaTempo.index(0, ModeloLinhaTempo::HORA).data().toString(), "08:00:00");
    // Shown again from the start, the same entries.
    linhaTempo.mMostra(3);
    EXPECT_EQ(linhaTempo.rowCount(), 7);
    linhaTempo.mMostra(2);
    EXPECT_EQ(linhaTempo.rowCount(), MAXIMO);
}
