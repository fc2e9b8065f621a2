// The class log's file: one a day, its fields as a Brazilian spreadsheet
// reads them, read back when the console starts again, and a folder it
// cannot use.
#include "professor/RegistroTurma.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/professor/ImprimeQt.h"

#include <gtest/gtest.h>

namespace {

QByteArray conteudo(const QString& caminho) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

}  // namespace

TEST(RegistroTurma, CamposComPontoEVirgulaOuAspasVaoEntreAspasEQuebrasViramEspaco) {
    const std::pair<QString, QString> casos[] = {
        {"", ""},
        {"simples", "simples"},
        {"a,b", "a,b"},
        {"Mãe Natureza ⏎", "Mãe Natureza ⏎"},
        {"a;b", "\"a;b\""},
        {"diz \"oi\"", "\"diz \"\"oi\"\"\""},
        {"\"", "\"\"\"\""},
        {"linha\noutra", "linha outra"},
        {"fim\r\n", "fim "},
        {"happens(e1,3)\nact(e1,(acao))", "happens(e1,3) act(e1,(acao))"},
    };
    for (const auto& [campo, esperado] : casos) {
        EXPECT_EQ(campoCsv(campo), esperado) << campo.toStdString();
        // Read back, the field is what was written, line breaks aside.
        const auto lidos = camposCsv(campoCsv(campo) + ";" + campoCsv(campo));
        ASSERT_TRUE(lidos.has_value()) << campo.toStdString();
        QString semQuebras = campo;
        semQuebras.replace("\r\n", " ").replace('\n', ' ');
        EXPECT_EQ(*lidos, (QStringList{semQuebras, semQuebras}));
    }
    EXPECT_EQ(camposCsv("\"aberto;b"), std::nullopt);
}

TEST(RegistroTurma, UmArquivoPorDiaQueOConsoleReabertoRele) {
    QTemporaryDir temporaria;
    const QString pasta = temporaria.filePath("dados/qelp/turmas");  // made when missing
    const QDateTime inicio(QDate(2026, 12, 9), QTime(14, 3, 7));
    const Acontecimento diz{Acontecimento::DIZ, inicio, 0, {}, "diz: oi; \"tudo\"", "oi; \"tudo\"", "[diz(\"oi; \\\"tudo\\\"\")]"};
    const Acontecimento acao{Acontecimento::ACAO, inicio.addSecs(2), 12, "e1", "Abrir sol (Mãe Natureza), passo 12",
                             {}, "happens(e1,12)\nact(e1,(acao))"};
    {
        RegistroTurma registro;
        ASSERT_TRUE(registro.mAbre(pasta, inicio));
        EXPECT_EQ(registro.mCaminho(), QDir(pasta).filePath("turma-2026-12-09.csv"));
        EXPECT_TRUE(registro.mLidas().empty());
        registro.mEscreve("Ana; a \"boa\"", "10.0.0.7:5000", diz);
        registro.mDescarrega();
        EXPECT_EQ(QString::fromUtf8(conteudo(registro.mCaminho())),
                  QString("\uFEFF") + CABECALHO_REGISTRO + "\r\n" +
                      "2026-12-09 14:03:07;\"Ana; a \"\"boa\"\"\";10.0.0.7:5000;diz;;;\"diz: oi; \"\"tudo\"\"\";"
                      "\"oi; \"\"tudo\"\"\";\"[diz(\"\"oi; \\\"\"tudo\\\"\"\"\")]\"\r\n");
    }
    // Later the same day: the same file, read back, then appended to.
    RegistroTurma reaberto;
    ASSERT_TRUE(reaberto.mAbre(pasta, inicio.addSecs(3600)));
    EXPECT_EQ(reaberto.mCaminho(), QDir(pasta).filePath("turma-2026-12-09.csv"));
    ASSERT_EQ(reaberto.mLidas().size(), 1u);
    const LinhaRegistro& lida = reaberto.mLidas()[0];
    EXPECT_EQ(lida.aluno, "Ana; a \"boa\"");
    EXPECT_EQ(lida.endereco, "10.0.0.7:5000");
    EXPECT_EQ(lida.acontecimento.tipo, Acontecimento::DIZ);
    EXPECT_EQ(lida.acontecimento.hora, inicio);
    EXPECT_EQ(lida.acontecimento.texto, diz.texto);
    EXPECT_EQ(lida.acontecimento.bytes, diz.bytes);
    reaberto.mEscreve("Ana", "10.0.0.7:5001", acao);
    reaberto.mDescarrega();
    const QByteArray bytes = conteudo(reaberto.mCaminho());
    EXPECT_EQ(bytes.count("\xEF\xBB\xBF"), 1) << "one mark, at the start";
    EXPECT_EQ(bytes.count("\r\n"), 3) << "header and two rows, one line each";
    EXPECT_TRUE(bytes.endsWith("acao;12;e1;Abrir sol (Mãe Natureza), passo 12;;happens(e1,12) act(e1,(acao))\r\n"));

    // The next day, a new file.
    RegistroTurma amanha;
    ASSERT_TRUE(amanha.mAbre(pasta, inicio.addDays(1)));
    EXPECT_EQ(amanha.mCaminho(), QDir(pasta).filePath("turma-2026-12-10.csv"));
    EXPECT_TRUE(amanha.mLidas().empty());
}

TEST(RegistroTurma, ArquivoQueNaoEUmRegistroFicaComoEsta) {
    QTemporaryDir temporaria;
    QFile alheio(temporaria.filePath("turma-2026-12-09.csv"));
    ASSERT_TRUE(alheio.open(QIODevice::WriteOnly));
    alheio.write("nome,nota\nAna,10\n");
    alheio.close();
    RegistroTurma registro;
    ASSERT_TRUE(registro.mAbre(temporaria.path(), QDateTime(QDate(2026, 12, 9), QTime(8, 0))));
    EXPECT_EQ(registro.mCaminho(), temporaria.filePath("turma-2026-12-09-2.csv"));
    EXPECT_EQ(conteudo(temporaria.filePath("turma-2026-12-09.csv")), "nome,nota\nAna,10\n");
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
