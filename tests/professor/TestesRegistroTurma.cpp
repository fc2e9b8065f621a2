// The class log's file: its name, its fields, and a folder it cannot use.
#include "tools/professor/RegistroTurma.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/professor/ImprimeQt.h"

#include <gtest/gtest.h>

TEST(RegistroTurma, CamposComVirgulaAspasOuQuebraVaoEntreAspas) {
    const std::pair<QString, QString> casos[] = {
        {"", ""},
        {"simples", "simples"},
        {"Mãe Natureza ⏎", "Mãe Natureza ⏎"},
        {"a,b", "\"a,b\""},
        {"diz \"oi\"", "\"diz \"\"oi\"\"\""},
        {"\"", "\"\"\"\""},
        {"linha\noutra", "\"linha\noutra\""},
        {"fim\r", "\"fim\r\""},
    };
    for (const auto& [campo, esperado] : casos) EXPECT_EQ(campoCsv(campo), esperado) << campo.toStdString();
}

TEST(RegistroTurma, UmArquivoPorSessaoSemApagarOAnterior) {
    QTemporaryDir temporaria;
    const QString pasta = temporaria.filePath("dados/qelp/turmas");  // made when missing
    const QDateTime inicio(QDate(2026, 12, 9), QTime(1, 5, 30));
    RegistroTurma primeiro, segundo;
    ASSERT_TRUE(primeiro.mAbre(pasta, inicio));
    ASSERT_TRUE(segundo.mAbre(pasta, inicio.addSecs(1)));  // same minute
    EXPECT_EQ(primeiro.mCaminho(), QDir(pasta).filePath("turma-2026-12-09-0105.csv"));
    EXPECT_EQ(segundo.mCaminho(), QDir(pasta).filePath("turma-2026-12-09-0105-2.csv"));

    primeiro.mEscreve("lab, 7", "10.0.0.7:5000",
                      {Acontecimento::ACAO, inicio, 12, "e1", "Abrir sol (Mãe Natureza), passo 12", "x"});
    primeiro.mDescarrega();
    QFile arquivo(primeiro.mCaminho());
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(arquivo.readAll()),
              QString("\uFEFF") + CABECALHO_REGISTRO + "\r\n" +
                  "01:05:30,\"lab, 7\",10.0.0.7:5000,acao,12,e1,\"Abrir sol (Mãe Natureza), passo 12\",x\r\n");
}

TEST(RegistroTurma, PastaImpossivelDeixaSemRegistro) {
    QTemporaryDir temporaria;
    QFile ocupa(temporaria.filePath("turmas"));  // a file where the folder should be
    ASSERT_TRUE(ocupa.open(QIODevice::WriteOnly));
    ocupa.close();
    RegistroTurma registro;
    EXPECT_FALSE(registro.mAbre(temporaria.filePath("turmas"), QDateTime::currentDateTime()));
    EXPECT_FALSE(registro.mAberto());
    EXPECT_FALSE(registro.mErro().isEmpty());
    registro.mEscreve("a", "b", {});  // nothing to write to, nothing happens
}
