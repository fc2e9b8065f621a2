// The phase as the editor holds it: reading files good and bad, the edits
// and where they leave the rows, the modified state, the warnings on rows.
#include "editor/ModeloFase.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ModeloFaseTeste : public testing::Test {
protected:
    QString escreve(const QString& nome, const QByteArray& bytes) {
        const QString caminho = pasta.filePath(nome);
        QFile arquivo(caminho);
        EXPECT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(bytes);
        return caminho;
    }
    static QByteArray le(const QString& caminho) {
        QFile arquivo(caminho);
        return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
    }
    void abre(const QByteArray& bytes) {
        QString erro;
        ASSERT_TRUE(modelo.mAbre(escreve("fase.txt", bytes), erro)) << erro.toStdString();
    }
    std::vector<AvisoFase::Tipo> tipos() const {
        std::vector<AvisoFase::Tipo> lista;
        for (const AvisoFase& aviso : modelo.mAvisos()) lista.push_back(aviso.tipo);
        return lista;
    }
    bool marcada(int linha) const {
        return modelo.data(modelo.index(linha, ModeloFase::COLUNA_TEMPO), Qt::BackgroundRole).isValid();
    }

    QTemporaryDir pasta;
    ModeloFase modelo;
};

TEST_F(ModeloFaseTeste, AbreMostraOsTemposEOsEventosPeloNome) {
    abre("15 6\n40 7\n240 1\n\nFase de teste.\n");
    ASSERT_EQ(modelo.rowCount(), 3);
    EXPECT_EQ(modelo.data(modelo.index(0, ModeloFase::COLUNA_TEMPO), Qt::DisplayRole).toInt(), 15);
    EXPECT_EQ(modelo.data(modelo.index(0, ModeloFase::COLUNA_EVENTO), Qt::DisplayRole).toString(), "lixo");
    EXPECT_EQ(modelo.data(modelo.index(2, ModeloFase::COLUNA_EVENTO), Qt::DisplayRole).toString(),
              "fim da partida");
    EXPECT_EQ(modelo.data(modelo.index(1, ModeloFase::COLUNA_EVENTO), Qt::EditRole).toInt(), 7);
    EXPECT_EQ(modelo.mArquivo().comentario, "Fase de teste.\n");
    EXPECT_EQ(modelo.mNomeArquivo(), "fase.txt");
    EXPECT_FALSE(modelo.mModificado());
    EXPECT_TRUE(modelo.mAvisos().empty());
}

TEST_F(ModeloFaseTeste, ModificadoEnquantoDifereDoArquivo) {
    // Spaces and line ends the editor would write differently are no change.
    abre("15   6\r\n240 1\r\n\r\n  Comentário.  \r\n");
    EXPECT_FALSE(modelo.mModificado());

    EXPECT_TRUE(modelo.mDefineTempo(0, 20));
    EXPECT_TRUE(modelo.mModificado());
    EXPECT_TRUE(modelo.mDefineTempo(0, 15));
    EXPECT_FALSE(modelo.mModificado()) << "back to what the file holds";
    EXPECT_FALSE(modelo.mDefineTempo(0, 15)) << "the same value changes nothing";

    modelo.mDefineComentario("Outro comentário.");
    EXPECT_TRUE(modelo.mModificado());
    modelo.mDefineComentario("Comentário.\n\n");
    EXPECT_FALSE(modelo.mModificado()) << "white space around the comment is not kept";
}

TEST_F(ModeloFaseTeste, SalvarGravaAsEdicoesETomaOArquivo) {
    abre("15 6\n240 1\n\nAntes.\n");
    modelo.mDefineEvento(0, 11);
    modelo.mInsere(1, {100, 2});
    modelo.mDefineComentario("Depois.");
    const QString outro = pasta.filePath("nova.txt");
    QString erro;
    ASSERT_TRUE(modelo.mSalva(outro, erro)) << erro.toStdString();
    EXPECT_FALSE(modelo.mModificado());
    EXPECT_EQ(modelo.mNomeArquivo(), "nova.txt");
    EXPECT_EQ(le(outro), QByteArray("15 11\n100 2\n240 1\n\nDepois.\n"));
    EXPECT_EQ(le(pasta.filePath("fase.txt")), QByteArray("15 6\n240 1\n\nAntes.\n")) << "untouched";
}

TEST_F(ModeloFaseTeste, SalvarOndeNaoDaGuardaAFaseEDizPorque) {
    abre("15 6\n240 1\n");
    modelo.mDefineTempo(0, 30);
    QString erro;
    EXPECT_FALSE(modelo.mSalva(pasta.filePath("nao/existe/fase.txt"), erro));
    EXPECT_TRUE(erro.contains("Não foi possível salvar")) << erro.toStdString();
    EXPECT_TRUE(modelo.mModificado());
    EXPECT_EQ(modelo.mNomeArquivo(), "fase.txt");
    EXPECT_EQ(modelo.mPares()[0].tempo, 30);
}

TEST_F(ModeloFaseTeste, ArquivosRuinsDaoMensagemEGuardamAFaseAberta) {
    abre("15 6\n240 1\n");
    modelo.mDefineTempo(0, 30);
    const struct {
        const char* nome;
        QByteArray bytes;
        const char* mensagem;
    } casos[] = {
        {"binario.bmp", QByteArray("BM\0\0\x10 6", 7), "não é um arquivo de texto"},
        {"grande.txt", QByteArray(ModeloFase::TAMANHO_MAXIMO + 1, '7'), "grande demais"},
    };
    for (const auto& caso : casos) {
        QString erro;
        EXPECT_FALSE(modelo.mAbre(escreve(caso.nome, caso.bytes), erro)) << caso.nome;
        EXPECT_TRUE(erro.contains(caso.mensagem)) << erro.toStdString();
        EXPECT_TRUE(erro.contains(caso.nome)) << erro.toStdString();
    }
    QString erro;
    EXPECT_FALSE(modelo.mAbre(pasta.filePath("sumiu.txt"), erro));
    EXPECT_TRUE(erro.contains("sumiu.txt"));

    EXPECT_EQ(modelo.mNomeArquivo(), "fase.txt");
    EXPECT_EQ(modelo.mPares(), (std::vector<ParFase>{{30, 6}, {240, 1}}));
    EXPECT_TRUE(modelo.mModificado());
}

TEST_F(ModeloFaseTeste, ComentarioDeEditorAntigoEmLatin1GuardaOsAcentos) {
    abre("10 1\n\nli\xE7\xE3o do lago\n");
    EXPECT_EQ(modelo.mArquivo().comentario, "lição do lago\n");
    EXPECT_EQ(modelo.mPares(), (std::vector<ParFase>{{10, 1}}));
}

TEST_F(ModeloFaseTeste, AvisosAcompanhamAsEdicoesEMarcamAsLinhas) {
    abre("15 6\n40 7\n");
    EXPECT_EQ(tipos(), std::vector{AvisoFase::SEM_FIM});
    EXPECT_FALSE(marcada(0)) << "a warning about the whole phase marks no row";

    modelo.mInsere(2, {240, 1});
    EXPECT_TRUE(modelo.mAvisos().empty());

    modelo.mDefineEvento(1, 15);
    EXPECT_EQ(tipos(), std::vector{AvisoFase::EVENTO_NAO_EXISTE});
    EXPECT_TRUE(marcada(1));
    EXPECT_FALSE(marcada(0));
    EXPECT_FALSE(marcada(2));
    const QString dica = modelo.data(modelo.index(1, ModeloFase::COLUNA_EVENTO), Qt::ToolTipRole).toString();
    EXPECT_TRUE(dica.contains("não existe")) << dica.toStdString();
    EXPECT_EQ(modelo.data(modelo.index(1, ModeloFase::COLUNA_EVENTO), Qt::DisplayRole).toString(),
              "evento 15 (não existe)");

    modelo.mMove(2, 0);  // the end first: the other two come after it in the list
    EXPECT_TRUE(marcada(1)) << "out of order";
    EXPECT_FALSE(marcada(0));
}

TEST_F(ModeloFaseTeste, PassadoDoCentesimoTodasAsLinhasSaoMarcadas) {
    for (int i = 0; i < 102; ++i) modelo.mInsere(i, {i, 0});
    EXPECT_FALSE(marcada(99));
    EXPECT_TRUE(marcada(100));
    EXPECT_TRUE(marcada(101));
}

TEST_F(ModeloFaseTeste, MoverEExcluirRecusamLinhasQueNaoExistem) {
    abre("10 3\n20 4\n30 5\n");
    EXPECT_TRUE(modelo.mMove(0, 1));
    EXPECT_EQ(modelo.mPares(), (std::vector<ParFase>{{20, 4}, {10, 3}, {30, 5}}));
    EXPECT_TRUE(modelo.mMove(2, 1));
    EXPECT_EQ(modelo.mPares(), (std::vector<ParFase>{{20, 4}, {30, 5}, {10, 3}}));
    EXPECT_FALSE(modelo.mMove(0, -1));
    EXPECT_FALSE(modelo.mMove(2, 3));
    EXPECT_FALSE(modelo.mRemove(3));
    EXPECT_FALSE(modelo.mRemove(-1));
    EXPECT_FALSE(modelo.mInsere(4, {1, 1}));
    EXPECT_TRUE(modelo.mRemove(1));
    EXPECT_EQ(modelo.mPares(), (std::vector<ParFase>{{20, 4}, {10, 3}}));
}

TEST_F(ModeloFaseTeste, EventoNovoFicaEntreOsVizinhosSemDesordenar) {
    const struct {
        std::vector<ParFase> pares;
        int escolhida;
        int linha;
        int32_t tempo;
    } casos[] = {
        {{}, -1, 0, 10},
        {{{10, 3}, {30, 4}, {240, 1}}, 0, 1, 20},
        {{{10, 3}, {30, 4}, {240, 1}}, -1, 2, 135},   // before the closing end
        {{{10, 3}, {30, 4}}, -1, 2, 40},
        {{{10, 3}, {30, 4}, {240, 1}}, 2, 3, 250},    // after the end, if asked
        {{{10, 3}, {11, 4}}, 0, 1, 10},               // no second between them
        {{{999999, 3}}, 0, 1, 999999},
        {{{10, 3}, {2000000, 4}}, 0, 1, 999999},      // never past the last time that comes
    };
    for (const auto& caso : casos) {
        modelo.mNovo();
        for (std::size_t i = 0; i < caso.pares.size(); ++i) modelo.mInsere(static_cast<int>(i), caso.pares[i]);
        const int linha = modelo.mInsereNovo(caso.escolhida);
        EXPECT_EQ(linha, caso.linha) << caso.pares.size() << " pares, escolhida " << caso.escolhida;
        EXPECT_EQ(modelo.mPares()[static_cast<std::size_t>(linha)], (ParFase{caso.tempo, 2}));
    }
}

TEST_F(ModeloFaseTeste, OrdenarPoeNaOrdemDoJogo) {
    abre("30 4\n10 3\n30 5\n-5 6\n20 1\n");
    EXPECT_TRUE(modelo.mOrdena());
    EXPECT_EQ(modelo.mPares(),
              (std::vector<ParFase>{{10, 3}, {20, 1}, {30, 4}, {30, 5}, {-5, 6}}))
        << "equal times as listed; a negative time is never reached, so it comes last";
    EXPECT_FALSE(modelo.mOrdena());
}

TEST_F(ModeloFaseTeste, EdicaoPelaTabelaLimitaOTempo) {
    abre("10 3\n");
    EXPECT_TRUE(modelo.setData(modelo.index(0, ModeloFase::COLUNA_TEMPO), 2000000, Qt::EditRole));
    EXPECT_EQ(modelo.mPares()[0].tempo, ModeloFase::TEMPO_MAXIMO);
    EXPECT_TRUE(modelo.setData(modelo.index(0, ModeloFase::COLUNA_EVENTO), 9, Qt::EditRole));
    EXPECT_EQ(modelo.mPares()[0].evento, 9);
    EXPECT_FALSE(modelo.setData(modelo.index(0, ModeloFase::COLUNA_TEMPO), "dez", Qt::EditRole));
    EXPECT_FALSE(modelo.setData(modelo.index(3, ModeloFase::COLUNA_TEMPO), 5, Qt::EditRole));
}

}  // namespace
