// The class session over real sockets on 127.0.0.1: pupils' terms in their
// own rows, messages to one or to all, pupils leaving, the class log, and a
// crowd and a flood that must not stop the console.
#include "tests/professor/Turma.h"

#include <QRandomGenerator>
#include <algorithm>

namespace {

// The rows of the class log, after its mark and without the header.
std::vector<QStringList> leRegistro(const QByteArray& bytes) {
    std::vector<QStringList> linhas;
    for (const QString& linha : QString::fromUtf8(bytes.mid(3)).split("\r\n", Qt::SkipEmptyParts))
        linhas.push_back(camposCsv(linha).value_or(QStringList{}));
    return linhas;
}

}  // namespace

TEST_F(TurmaTeste, TresAlunosCadaUmNaSuaLinha) {
    Jogo& ana = conecta();
    Jogo& bia = conecta();
    Jogo& caio = conecta();

    ana.mEscreve(ecometro(72) + acao("e1", 120), {3, 17, 25, 40});
    bia.mEscreve(acao("e3", 7) + acao("e6", 9) + ecometro(40), {1, 14, 15, 33});
    caio.mEscreve(ecometro(12), {20});
    ASSERT_TRUE(QTest::qWaitFor([&] { return aluno(ana)->usos == 1 && aluno(bia)->ecometro && aluno(caio)->ecometro; },
                                ESPERA_MS));

    EXPECT_EQ(celula(ana, ModeloTurma::ECOMETRO), "▲ 72 % verde");
    EXPECT_EQ(celula(ana, ModeloTurma::USOS), "1");
    EXPECT_EQ(celula(ana, ModeloTurma::ULTIMA_ACAO), "Abrir sol (Mãe Natureza), passo 120");
    EXPECT_EQ(celula(bia, ModeloTurma::ECOMETRO), "◆ 40 % amarelo");
    EXPECT_EQ(celula(bia, ModeloTurma::USOS), "2");
    EXPECT_EQ(celula(bia, ModeloTurma::ULTIMA_ACAO), "Recolher lixo das margens (Pescador), passo 9");
    EXPECT_EQ(celula(caio, ModeloTurma::ECOMETRO), "▼ 12 % vermelho");
    EXPECT_EQ(celula(caio, ModeloTurma::USOS), "0");
    EXPECT_EQ(celula(caio, ModeloTurma::ULTIMA_ACAO), "—");
    EXPECT_EQ(celula(caio, ModeloTurma::SITUACAO), "conectado");
    EXPECT_EQ(celula(caio, ModeloTurma::DESDE), "10:20:30");

    // Bia's timeline: her arrival, then every term in order, in words.
    QStringList palavras;
    for (const Acontecimento& a : aluno(bia)->linhaTempo) palavras << a.descricao;
    EXPECT_EQ(palavras, (QStringList{"conectou de " + aluno(bia)->endereco,
                                     "Trocar o fundo do lago (Mãe Natureza), passo 7",
                                     "Recolher lixo das margens (Pescador), passo 9", "ecômetro 40 % (amarelo)"}));
}

TEST_F(TurmaTeste, MensagemChegaSoAQuemFoiEnviada) {
    Jogo& ana = conecta();
    Jogo& bia = conecta();
    Jogo& caio = conecta();

    ASSERT_TRUE(sala.mEnviaAoAluno(aluno(bia)->id, "Olá, Bia! Cuidado com a poluição."));
    ASSERT_EQ(sala.mEnviaATodos("Faltam 5 minutos"), 3);
    const QByteArray todos = "Faltam 5 minutos\r\n";
    const QByteArray soBia = QString("Olá, Bia! Cuidado com a poluição.\r\n").toUtf8();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ana.mRecebido().size() >= todos.size() && caio.mRecebido().size() >= todos.size() &&
                                             bia.mRecebido().size() >= soBia.size() + todos.size(); },
                                ESPERA_MS));
    // The bytes come in order on each link, so nothing else went to Ana or Caio.
    EXPECT_EQ(ana.mRecebido(), todos);
    EXPECT_EQ(caio.mRecebido(), todos);
    EXPECT_EQ(bia.mRecebido(), soBia + todos);
    EXPECT_EQ(aluno(bia)->linhaTempo.back().descricao, "mensagem do professor: Faltam 5 minutos");
}

TEST_F(TurmaTeste, MensagemVaziaOuAQuemSaiuNaoSeEnvia) {
    Jogo& ana = conecta();
    const int id = aluno(ana)->id;
    EXPECT_FALSE(sala.mEnviaAoAluno(id, "   "));
    EXPECT_EQ(sala.mEnviaATodos(""), 0);
    // Line breaks typed into a message do not break the game's line.
    EXPECT_EQ(SalaDeAula::bytesDaMensagem("  um\ndois\r\n"), QByteArray("um dois\r\n"));

    ana.socket.disconnectFromHost();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sala.mModelo().mAluno(id)->mConectado(); }, ESPERA_MS));
    EXPECT_FALSE(sala.mEnviaAoAluno(id, "volte"));
    EXPECT_EQ(sala.mEnviaATodos("alguém?"), 0);
}

TEST_F(TurmaTeste, QuemSaiFicaCinzaComAHoraDaSaida) {
    Jogo& ana = conecta();
    Jogo& bia = conecta();
    const int idAna = aluno(ana)->id;
    // A term cut short by the end of the link is kept as text.
    ana.mEscreve(ecometro(50) + "[sense(eco");
    ASSERT_TRUE(QTest::qWaitFor([&] { return aluno(ana)->ecometro.has_value(); }, ESPERA_MS));
    agora = agora.addSecs(95);
    ana.socket.disconnectFromHost();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sala.mModelo().mAluno(idAna)->mConectado(); }, ESPERA_MS));

    const ModeloTurma& modelo = sala.mModelo();
    const int linha = modelo.mLinha(idAna);
    EXPECT_EQ(modelo.data(modelo.index(linha, ModeloTurma::SITUACAO)).toString(), "saiu às 10:22:05");
    EXPECT_EQ(modelo.data(modelo.index(linha, ModeloTurma::NOME), Qt::ForegroundRole).value<QBrush>().color(),
              QColor(0x80, 0x80, 0x80));
    // The eco-meter stays as it was last read.
    EXPECT_EQ(modelo.data(modelo.index(linha, ModeloTurma::ECOMETRO)).toString(), "◆ 50 % amarelo");
    const auto& fim = modelo.mAluno(idAna)->linhaTempo;
    ASSERT_GE(fim.size(), 2u);
    EXPECT_EQ(fim[fim.size() - 2].descricao, "texto: [sense(eco");
    EXPECT_EQ(fim.back().tipo, Acontecimento::SAIDA);
    // The other pupil is untouched.
    EXPECT_EQ(celula(bia, ModeloTurma::SITUACAO), "conectado");
    EXPECT_FALSE(modelo.data(modelo.index(modelo.mLinha(aluno(bia)->id), ModeloTurma::NOME), Qt::ForegroundRole).isValid());
    EXPECT_EQ(modelo.mConectados(), 1);
}

TEST_F(TurmaTeste, RegistroDaTurmaTemCadaTermoComAspasCertas) {
    Jogo& ana = conecta();
    const QString endereco = aluno(ana)->endereco;
    // In one piece: text that came in two reads would make two rows.
    ana.mEscreve(ecometro(34) + "oi, professor \"tudo bem\"?\r\nlinha 2" + acao("e7", 300));
    ASSERT_TRUE(QTest::qWaitFor([&] { return aluno(ana)->usos == 1; }, ESPERA_MS));
    ASSERT_TRUE(sala.mEnviaAoAluno(aluno(ana)->id, "Muito bem, Ana"));
    ana.socket.disconnectFromHost();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !aluno(ana)->mConectado(); }, ESPERA_MS));

    // The file is complete while the session still runs.
    EXPECT_EQ(QFileInfo(sala.mRegistro().mCaminho()).fileName(), "turma-2026-12-09.csv");
    const QByteArray bytes = registro();
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const std::vector<QStringList> linhas = leRegistro(bytes);
    const QString nome = aluno(ana)->nome;  // the computer's name, if it was known at the end
    ASSERT_EQ(linhas.size(), 7u) << bytes.toStdString();
    EXPECT_EQ(linhas[0].join(';'), CABECALHO_REGISTRO);
    for (std::size_t i = 1; i < linhas.size(); ++i) {
        ASSERT_EQ(linhas[i].size(), 9) << linhas[i].join('|').toStdString();
        EXPECT_EQ(linhas[i][0], "2026-12-09 10:20:30");
        EXPECT_EQ(linhas[i][2], endereco);
        // The address until the network tells the computer's name.
        EXPECT_TRUE(linhas[i][1] == endereco || linhas[i][1] == nome) << linhas[i][1].toStdString();
    }
    EXPECT_EQ(linhas[1][3], "entrada");
    EXPECT_EQ(linhas[2].mid(3),
              (QStringList{"ecometro", "34", "amarelo", "ecômetro 34 % (amarelo)", "", "[sense(ecometro(34))]"}));
    EXPECT_EQ(linhas[3].mid(3), (QStringList{"texto", "", "", "texto: oi, professor \"tudo bem\"? ⏎ linha 2",
                                             "oi, professor \"tudo bem\"? linha 2", "oi, professor \"tudo bem\"? linha 2"}));
    EXPECT_EQ(linhas[4].mid(3), (QStringList{"acao", "300", "e7", "Pescar para se alimentar (Pescador), passo 300", "",
                                             "happens(e7,300) act(e7,(acao))"}));
    EXPECT_EQ(linhas[5].mid(3),
              (QStringList{"mensagem", "", "", "mensagem do professor: Muito bem, Ana", "Muito bem, Ana", ""}));
    EXPECT_EQ(linhas[6][3], "saida");
}

// Two pupils with names and one without: rows named by the pupils, how
// Ana's match went and ended, what Bruno wrote, and Ana back in her row
// when her game connects again.
TEST_F(TurmaTeste, AlunosComNomeTerminamFalamEVoltamAMesmaLinha) {
    Jogo& ana = conecta();
    Jogo& bruno = conecta();
    Jogo& semNome = conecta();
    ana.mEscreve(nomeado(termoAluno("Ana")) + nomeado(termoInicioPartida("curta.txt", 77)) + ecometro(50) +
                 ecometro(66) + acao("e1", 10));
    bruno.mEscreve(nomeado(termoAluno("Bruno")) + nomeado(termoDiz("professor, acabou o lixo; e agora?")));
    semNome.mEscreve(ecometro(20));
    ASSERT_TRUE(QTest::qWaitFor([&] { return aluno(ana)->usos == 1 && aluno(bruno)->totalMensagens == 1; }, ESPERA_MS));
    EXPECT_EQ(celula(ana, ModeloTurma::NOME), "Ana");
    EXPECT_EQ(celula(ana, ModeloTurma::FASE), "curta.txt");
    EXPECT_EQ(celula(ana, ModeloTurma::PARTIDA), "jogando");
    EXPECT_EQ(celula(ana, ModeloTurma::ECOMETRO), "▲ 66 % verde") << "the colour her game shows";
    EXPECT_EQ(celula(bruno, ModeloTurma::MENSAGENS), "(1) professor, acabou o lixo; e agora?");
    EXPECT_EQ(aluno(bruno)->linhaTempo.back().descricao, "diz: professor, acabou o lixo; e agora?");
    EXPECT_NE(celula(semNome, ModeloTurma::NOME), "Ana");
    EXPECT_EQ(sala.mModelo().textoContagem(sala.mModelo().mContagem()), "1 verde · 0 amarelo · 1 vermelho · 0 terminaram");

    ana.mEscreve(nomeado(termoFimPartida(70, ECOMETRO_VERDE)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return aluno(ana)->partida == Aluno::TERMINOU; }, ESPERA_MS));
    EXPECT_EQ(celula(ana, ModeloTurma::RESULTADO), "▲ 70 % verde");
    EXPECT_EQ(celula(ana, ModeloTurma::PARTIDA), "terminou");
    EXPECT_EQ(sala.mModelo().textoContagem(sala.mModelo().mContagem()), "0 verde · 0 amarelo · 1 vermelho · 1 terminou");

    // Ana's game loses the link and connects again: her row, not a new one.
    const int linhas = sala.mModelo().rowCount();
    const int linhaAna = sala.mModelo().mLinha(aluno(ana)->id);
    ana.socket.disconnectFromHost();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !aluno(ana)->mConectado(); }, ESPERA_MS));
    Jogo& anaDeNovo = conecta();
    anaDeNovo.mEscreve(nomeado(termoAluno("Ana")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return sala.mModelo().rowCount() == linhas; }, ESPERA_MS));
    const Aluno* volta = sala.mModelo().mAlunoDaLinha(linhaAna);
    EXPECT_EQ(volta->nome, "Ana");
    EXPECT_TRUE(volta->mConectado());
    EXPECT_EQ(volta->endereco, aluno(anaDeNovo)->endereco);
    EXPECT_EQ(volta->usos, 1) << "what her row held stays";
    // A second game named Bruno while Bruno is connected gets a row of its own.
    Jogo& outroBruno = conecta();
    outroBruno.mEscreve(nomeado(termoAluno("Bruno")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return aluno(outroBruno)->nome == "Bruno"; }, ESPERA_MS));
    EXPECT_EQ(sala.mModelo().rowCount(), linhas + 1) << "Bruno is still connected in his own row";
}

// The console closed and opened again the same day: the rows come back
// from the day's log, and a named pupil reconnecting lands in the old row.
TEST_F(TurmaTeste, ConsoleReabertoVoltaComATurmaDoDia) {
    Jogo& ana = conecta();
    conecta().mEscreve(ecometro(40));
    ana.mEscreve(nomeado(termoAluno("Ana")) + nomeado(termoInicioPartida("dp/fase1.txt", 5)) + ecometro(80) +
                 acao("e2", 4) + nomeado(termoDiz("oi")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return aluno(ana)->totalMensagens == 1; }, ESPERA_MS));

    SalaDeAula reaberta{pasta.filePath("turmas"), [this] { return agora.addSecs(600); }};
    ASSERT_TRUE(reaberta.mInicia(QHostAddress::LocalHost, 0));
    ModeloTurma& modelo = reaberta.mModelo();
    ASSERT_EQ(modelo.rowCount(), 2);
    EXPECT_EQ(modelo.mConectados(), 0) << "nobody is connected to the new console yet";
    const Aluno& antiga = *modelo.mAlunoDaLinha(0);
    EXPECT_EQ(antiga.nome, "Ana");
    EXPECT_EQ(antiga.fase, "dp/fase1.txt");
    EXPECT_EQ(antiga.cor, ECOMETRO_VERDE);
    EXPECT_EQ(antiga.usos, 1);
    EXPECT_EQ(antiga.mensagens, QStringList{"oi"});

    Jogo volta(reaberta.mServidor().mPorta());
    ASSERT_TRUE(volta.mConecta());
    volta.mEscreve(nomeado(termoAluno("Ana")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return modelo.mConectados() == 1 && modelo.rowCount() == 2; }, ESPERA_MS));
    EXPECT_TRUE(modelo.mAlunoDaLinha(0)->mConectado());
    EXPECT_EQ(modelo.mAlunoDaLinha(0)->usos, 1);
}

TEST_F(TurmaTeste, CemAlunosDeUmaVez) {
    constexpr int ALUNOS = 100;
    for (int i = 0; i < ALUNOS; ++i) jogos.push_back(std::make_unique<Jogo>(sala.mServidor().mPorta()));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return std::all_of(jogos.begin(), jogos.end(),
                               [](const auto& jogo) { return jogo->socket.state() == QAbstractSocket::ConnectedState; });
        },
        ESPERA_MS));
    for (int i = 0; i < ALUNOS; ++i) jogos[static_cast<std::size_t>(i)]->mEscreve(ecometro(i) + acao("e5", i));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (const auto& jogo : jogos)
                if (aluno(*jogo) == nullptr || aluno(*jogo)->usos != 1) return false;
            return true;
        },
        ESPERA_MS));
    EXPECT_EQ(sala.mModelo().rowCount(), ALUNOS);
    EXPECT_EQ(sala.mModelo().mConectados(), ALUNOS);
    for (int i = 0; i < ALUNOS; ++i) EXPECT_EQ(aluno(*jogos[static_cast<std::size_t>(i)])->ecometro, i);

    EXPECT_EQ(sala.mEnviaATodos("Hora do intervalo"), ALUNOS);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (const auto& jogo : jogos)
                if (jogo->mRecebido() != "Hora do intervalo\r\n") return false;
            return true;
        },
        ESPERA_MS));
    for (const auto& jogo : jogos) jogo->socket.disconnectFromHost();
    ASSERT_TRUE(QTest::qWaitFor([&] { return sala.mModelo().mConectados() == 0; }, ESPERA_MS));
    EXPECT_EQ(sala.mModelo().rowCount(), ALUNOS);
}

TEST_F(TurmaTeste, UmMegabyteDeLixoNaoParaOConsole) {
    Jogo& bagunca = conecta();
    Jogo& outro = conecta();
    QByteArray lixo(1024 * 1024, Qt::Uninitialized);
    QRandomGenerator gerador(20261209);
    for (char& c : lixo) c = static_cast<char>(gerador.bounded(256));
    // Pieces of terms and brackets among the garbage, too.
    for (qsizetype i = 0; i + 20 < lixo.size(); i += 4093) lixo.replace(i, 16, "[sense(ecometro(");
    bagunca.mEscreve(lixo + ecometro(80));

    // Another pupil's term gets through the flood.
    outro.mEscreve(acao("e2", 5));
    ASSERT_TRUE(QTest::qWaitFor([&] { return aluno(outro)->usos == 1; }, ESPERA_MS));
    // The flood ends in a term, which is read as one.
    ASSERT_TRUE(QTest::qWaitFor([&] { return aluno(bagunca)->ecometro == 80; }, ESPERA_MS));

    const Aluno& a = *aluno(bagunca);
    EXPECT_LE(a.linhaTempo.size(), static_cast<std::size_t>(ModeloTurma::MAXIMO_LINHA_TEMPO));
    for (const Acontecimento& entrada : a.linhaTempo) {
        EXPECT_LE(entrada.texto.size(), SalaDeAula::MAXIMO_TEXTO + 1);
        EXPECT_LE(entrada.descricao.size(), SalaDeAula::MAXIMO_DESCRICAO + 40);
    }
    // The console still answers both.
    EXPECT_EQ(sala.mEnviaATodos("calma"), 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return bagunca.mRecebido() == "calma\r\n" && outro.mRecebido() == "calma\r\n"; },
                                ESPERA_MS));
}
