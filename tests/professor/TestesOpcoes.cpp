// The console's command line, good and bad.
#include "professor/Opcoes.h"

#include "tests/professor/ImprimeQt.h"

#include <gtest/gtest.h>

TEST(OpcoesProfessor, OpcoesValidas) {
    QString erro;
    auto opcoes = leOpcoes({"professor"}, erro);
    ASSERT_TRUE(opcoes);
    EXPECT_EQ(opcoes->porta, 6999);
    EXPECT_EQ(opcoes->endereco, QHostAddress(QHostAddress::Any));
    EXPECT_TRUE(opcoes->pasta.isEmpty());
    EXPECT_FALSE(opcoes->ajuda);

    opcoes = leOpcoes({"professor", "--porta", "7001", "--endereco", "127.0.0.1", "--pasta", "/tmp/x"}, erro);
    ASSERT_TRUE(opcoes);
    EXPECT_EQ(opcoes->porta, 7001);
    EXPECT_EQ(opcoes->endereco, QHostAddress(QHostAddress::LocalHost));
    EXPECT_EQ(opcoes->pasta, "/tmp/x");
    opcoes = leOpcoes({"professor", "--endereco", "::1", "--porta", "65535"}, erro);
    ASSERT_TRUE(opcoes);
    EXPECT_EQ(opcoes->porta, 65535);
    EXPECT_TRUE(leOpcoes({"professor", "--ajuda"}, erro)->ajuda);
}

TEST(OpcoesProfessor, OpcoesErradasDizemPorque) {
    struct Caso {
        QStringList argumentos;
        QString erro;
    };
    const Caso casos[] = {
        {{"professor", "--porta"}, "falta o valor de --porta"},
        {{"professor", "--porta", "0"}, "porta inválida: 0 (use um número de 1 a 65535)"},
        {{"professor", "--porta", "65536"}, "porta inválida: 65536 (use um número de 1 a 65535)"},
        {{"professor", "--porta", "-1"}, "porta inválida: -1 (use um número de 1 a 65535)"},
        {{"professor", "--porta", "69x"}, "porta inválida: 69x (use um número de 1 a 65535)"},
        {{"professor", "--endereco", "meu.pc"}, "endereço inválido: meu.pc"},
        {{"professor", "--endereco", "300.1.1.1"}, "endereço inválido: 300.1.1.1"},
        {{"professor", "--pasta", ""}, "pasta vazia"},
        {{"professor", "6999"}, "opção desconhecida: 6999"},
        {{"professor", "--port", "6999"}, "opção desconhecida: --port"},
    };
    for (const Caso& caso : casos) {
        QString erro;
        EXPECT_FALSE(leOpcoes(caso.argumentos, erro)) << caso.argumentos.join(' ').toStdString();
        EXPECT_EQ(erro, caso.erro);
    }
}
