// The game with a tutor: a small tutor server inside the test, on the
// loopback address only, that the game connects to at start-up.
#include "app/Menu.h"
#include "tests/app/FixtureApl.h"
#include "tutor/Conversa.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QKeyEvent>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace {

const QHostAddress LOCAL(QHostAddress::LocalHost);  // 127.0.0.1, and nothing else
constexpr const char* SEM_REDE = "Conexão com a rede não foi estabelecida, terminando programa.";

class ComTutor : public FixtureApl {
protected:
    ~ComTutor() override {
        fechaConversa();
        DesconectaTutor();
    }

    // Start-up answered Yes, the tutor's computer and port as given.
    bool iniciaComTutor(const std::string& computador, const std::string& porta) {
        plataforma.respostas = {Resposta::SIM};
        dialogos->computadores.push_back(computador);
        dialogos->portas.push_back(porta);
        if (nome) dialogos->nomes.push_back(*nome);
        return apl->mInicializa();
    }

    // Start-up with the test's tutor listening, and a match running.
    void comecaPartida() {
        ASSERT_TRUE(servidor.listen(LOCAL));
        diretorio.mEscreve("dp/apl.cnf", "130\n90\nvazia.fase\n");
        diretorio.mEscreve("vazia.fase", "");
        ASSERT_TRUE(iniciaComTutor("127.0.0.1", std::to_string(servidor.serverPort())));
        ASSERT_EQ(gComTutor, 1);
        // Accepted while start-up waited for the connection, or soon after.
        aceita();
        QApplication::sendPostedEvents();  // command 40006: the Conversa window
        ASSERT_TRUE(iniciaPartida());
    }

    // The game's connection, accepted while it waited or soon after.
    void aceita() {
        ASSERT_TRUE(servidor.hasPendingConnections() || servidor.waitForNewConnection(5000));
        par = servidor.nextPendingConnection();
    }

    // Everything the game has sent so far: loopback delivers it at once, as
    // the game sends a term without waiting to join it to the next.
    std::string tudoQueChegou() {
        std::string chegou = par->readAll().toStdString();
        char bloco[4096];
        ssize_t n;
        while ((n = ::recv(static_cast<int>(par->socketDescriptor()), bloco, sizeof bloco, MSG_DONTWAIT)) > 0)
            chegou.append(bloco, static_cast<std::size_t>(n));
        return chegou;
    }

    // What the game sent, once n bytes have come.
    std::string recebe(std::size_t n) {
        std::string chegou;
        while (chegou.size() < n && (par->bytesAvailable() > 0 || par->waitForReadyRead(5000)))
            chegou += par->readAll().toStdString();
        return chegou;
    }

    // The tutor writes; loopback delivers it before the write returns.
    void escreve(const std::string& texto) {
        par->write(texto.data(), static_cast<qint64>(texto.size()));
        ASSERT_TRUE(par->waitForBytesWritten(5000));
    }

    // The lake's energy set so that the eco-meter reads r (the water holds it all).
    void ecometroEm(float r) {
        for (CAgente& agente : apl->partida.agentes.agentes)
            if (agente.corpo) agente.corpo->energia = 0;
        apl->partida.agentes[AGENTE_AGUA].corpo->energia = r * 2555.0f;
    }

    // A tool used, as the panel uses it.
    void usa(uint32_t personagem, uint32_t ferramenta) {
        apl->partida.mUsaFerramenta(personagem, ferramenta);
    }

    QTcpServer servidor;
    QTcpSocket* par = nullptr;  // the game, seen from the tutor
    std::optional<std::string> nome;  // the answer to "Nome do Aluno"; none: Cancelar
};

TEST_F(ComTutor, JanelaPequenaNoTopoEConversaAbaixo) {
    comecaPartida();
    EXPECT_EQ(apl->tamanhoJanela, 70u) << "90 in apl.cnf is not used with a tutor";
    QWidget* principal = janelaComTitulo("QELP - Tarvelo 1.0");
    EXPECT_EQ(principal->y(), 0);
    QWidget* conversa = janelaComTitulo("QELP - Conversa");
    ASSERT_NE(conversa, nullptr);
    EXPECT_GT(conversa->y(), principal->y() + principal->height() - 1);
    EXPECT_TRUE(conversa->findChild<QPlainTextEdit*>("1000")->isReadOnly());
    EXPECT_FALSE(conversa->findChild<QLineEdit*>("1001")->isEnabled());
    EXPECT_FALSE(conversa->findChild<QPushButton*>("1002")->isEnabled());
    EXPECT_EQ(apl->painel.figuras.visivel[ITEM_MENTAL], 1) << "the tutor's button shows";

    // "Configurar" marks the small size and writes it.
    dialogos->configuracoes.push_back({"vazia.fase", 70, false});
    apl->mTrataMensagem({TipoMensagem::COMANDO, CMD_CONFIGURAR});
    EXPECT_EQ(dialogos->mostradoConfiguracao[0].tamanho, 70u);
    EXPECT_EQ(diretorio.mLe("dp/apl.cnf"), "130\n70\nvazia.fase\n");
}

// --- what the game sends

TEST_F(ComTutor, CoresDoEcometroSemHistereseEPrimeiraCalada) {
    comecaPartida();
    apl->mPausa();  // the lake stands; the eco-meter is still read every tick
    for (const float r : {0.25f, 0.5f, 0.75f, 0.5f, 0.625f, 1.5f}) {
        ecometroEm(r);
        apl->mPasso();
    }
    // The first reading (red) says nothing; 0.625 is yellow again: nothing.
    const std::string esperado = "[sense(ecometro(50))][sense(ecometro(75))][sense(ecometro(50))]"
                                 "[sense(ecometro(150))]";
    EXPECT_EQ(recebe(esperado.size()), esperado);
}

TEST_F(ComTutor, FerramentasDaMaeEDoPescadorComOsPassos) {
    diretorio.mEscreve("dp/valores.txt",
                       "NUM_FERRAMENTAS_MAE_NATUREZA 0 5 5 5 ;\nNUM_FERRAMENTAS_PREFEITO 5 5 5 5 ;\n" +
                           diretorio.mLe("dp/valores.txt"));
    comecaPartida();
    apl->partida.passosPartida = 120;
    usa(MAE_NATUREZA, 2);
    usa(MAE_NATUREZA, 0);  // refused: no use left
    usa(PREFEITO, 1);      // the Prefeito's tools tell nothing
    apl->partida.passosPartida = 121;
    usa(PESCADOR, 3);
    const std::string esperado = "happens(e3,120)\nact(e3,(acao))happens(e8,121)\nact(e8,(acao))";
    EXPECT_EQ(recebe(esperado.size()), esperado);
}

// --- what the tutor sends

TEST_F(ComTutor, BlocosChegamComoVieramUmaLeituraPorPasso) {
    comecaPartida();
    escreve("A");
    apl->mPasso();
    escreve("B");
    apl->mPasso();
    escreve("C");
    apl->mPasso();
    EXPECT_EQ(textoDaConversa(), "ABC");
}

TEST_F(ComTutor, MilBytesPorPasso) {
    comecaPartida();
    escreve(std::string(2500, 'x'));
    for (const int esperado : {1000, 2000, 2500, 2500}) {
        apl->mPasso();
        EXPECT_EQ(std::ranges::count(textoDaConversa(), 'x'), esperado);
    }
}

TEST_F(ComTutor, Utf8E1252EUmCaractereDivididoEntreLeituras) {
    comecaPartida();
    escreve("Ol\xC3\xA1 ");
    apl->mPasso();
    escreve("Cora\xE7\xE3o\r\n");
    apl->mPasso();
    escreve("p\xC3");
    apl->mPasso();
    escreve("\xA9");
    apl->mPasso();
    EXPECT_EQ(textoDaConversa(), "Olá Coração\npé");
}

TEST_F(ComTutor, ConversaFechadaOTextoSePerdeEOJogoSegue) {
    comecaPartida();
    fechaConversa();
    escreve("ninguém lê");
    apl->mPasso();
    EXPECT_EQ(gComTutor, 1) << "the link stays up";
    apl->mTrataMensagem({TipoMensagem::COMANDO, CMD_CONVERSA});
    EXPECT_FALSE(conversaAberta()) << "it cannot be opened again in the run";
    usa(PESCADOR, 0);
    const std::string esperado = "happens(e5,1)\nact(e5,(acao))";
    EXPECT_EQ(recebe(esperado.size()), esperado);
}

// --- a link that fails

TEST_F(ComTutor, TutorQueFechaDerrubaOLigamentoNoEnvioSemAviso) {
    comecaPartida();
    escreve("tchau");
    par->disconnectFromHost();
    const std::size_t caixas = plataforma.caixas.size();
    for (int i = 0; i < 3; ++i) apl->mPasso();
    EXPECT_EQ(textoDaConversa(), "tchau") << "what came before the end is shown";
    // The end of the tutor's text may be a tutor that only listens now: the
    // next send finds out that it is gone.
    usa(PESCADOR, 0);
    for (int i = 0; i < 3; ++i) apl->mPasso();
    EXPECT_EQ(gComTutor, 0);
    EXPECT_EQ(plataforma.caixas.size(), caixas);
    usa(PESCADOR, 1);  // sends nothing, breaks nothing
    EXPECT_EQ(apl->partida.estado, EM_JOGO);
}

TEST_F(ComTutor, TutorQueSoParaDeEnviarSegueOuvindo) {
    comecaPartida();
    escreve("até mais");
    ASSERT_EQ(::shutdown(static_cast<int>(par->socketDescriptor()), SHUT_WR), 0);
    for (int i = 0; i < 3; ++i) apl->mPasso();
    EXPECT_EQ(textoDaConversa(), "até mais");
    EXPECT_EQ(gComTutor, 1);
    usa(PESCADOR, 0);
    apl->mPasso();
    usa(PESCADOR, 1);
    const std::string esperado = "happens(e5,3)\nact(e5,(acao))happens(e6,4)\nact(e6,(acao))";
    EXPECT_EQ(recebe(esperado.size()), esperado);
    EXPECT_EQ(gComTutor, 1);
}

// A tutor that sends without end fills what the network holds for the game
// and must wait: the game takes its thousand bytes a step and no more.
TEST_F(ComTutor, EnxurradaFicaNaRede) {
    comecaPartida();
    const int tutor = static_cast<int>(par->socketDescriptor());
    const int envio = 32 * 1024;  // the tutor's own buffer, not grown by the system
    ASSERT_EQ(::setsockopt(tutor, SOL_SOCKET, SO_SNDBUF, &envio, sizeof envio), 0);
    const std::string bloco(4096, 'z');
    std::size_t enviado = 0;
    for (int passo = 0; passo < 30; ++passo) {
        ssize_t n;
        while ((n = ::send(tutor, bloco.data(), bloco.size(), MSG_DONTWAIT | MSG_NOSIGNAL)) > 0)
            enviado += static_cast<std::size_t>(n);
        QCoreApplication::processEvents();  // the game's window between two steps
        apl->mPasso();
    }
    EXPECT_GE(std::ranges::count(textoDaConversa(), 'z'), 30 * 1000) << "a thousand bytes a step";
    EXPECT_LT(enviado, 1024u * 1024u) << "the game took the flood in";
    EXPECT_EQ(gComTutor, 1);
}

TEST_F(ComTutor, LetraDe1252NoFimApareceNoPassoSeguinte) {
    comecaPartida();
    escreve("Ol\xE1");
    apl->mPasso();
    apl->mPasso();
    EXPECT_EQ(textoDaConversa(), "Olá");
}

// A word without end is broken into lines the window can lay out a step at
// a time; the newest text is kept.
TEST_F(ComTutor, PalavraSemFimViraLinhasCurtas) {
    comecaPartida();
    std::string enviado;
    for (int i = 0; i < 400; ++i) {
        const std::string pedaco(1000, static_cast<char>('a' + i % 26));
        acrescentaConversa(pedaco);
        enviado += pedaco;
    }
    acrescentaConversa(" e fim\numa frase curta");
    const std::string texto = textoDaConversa();
    std::size_t maior = 0, inicio = 0;
    for (std::size_t fim; (fim = texto.find('\n', inicio)) != std::string::npos; inicio = fim + 1)
        maior = std::max(maior, fim - inicio);
    maior = std::max(maior, texto.size() - inicio);
    EXPECT_LE(maior, 2000u);
    EXPECT_LE(texto.size(), 200000u);
    // Only line breaks were added, some in place of a blank.
    const auto semBrancos = [](std::string t) {
        std::erase_if(t, [](char c) { return c == '\n' || c == ' '; });
        return t;
    };
    const std::string mostrado = semBrancos(texto), esperado = semBrancos(enviado + " e fim\numa frase curta");
    EXPECT_EQ(mostrado, esperado.substr(esperado.size() - mostrado.size()));
    EXPECT_TRUE(texto.ends_with("e fim\numa frase curta"));
}

TEST_F(ComTutor, EnvioQueFalhaDerrubaOLigamento) {
    comecaPartida();
    par->abort();
    delete par;
    par = nullptr;
    servidor.close();
    for (int i = 0; i < 5 && gComTutor; ++i) usa(PESCADOR, 1);
    EXPECT_EQ(gComTutor, 0);
    apl->mPasso();
    EXPECT_EQ(apl->partida.estado, EM_JOGO);
}

// --- a pupil who gave a name, or none

TEST_F(ComTutor, SemNomeSoOsTermosDeSempre) {
    comecaPartida();
    EXPECT_EQ(dialogos->nomeMostrado, std::vector<std::string>{""}) << "asked, nothing offered";
    apl->mPausa();
    ecometroEm(0.25f);
    apl->mPasso();
    ecometroEm(0.5f);
    apl->mPasso();
    usa(PESCADOR, 0);
    apl->mTerminaPartida();
    apl->mCuidaDoTutor();
    EXPECT_EQ(tudoQueChegou(), "[sense(ecometro(50))]happens(e5,0)\nact(e5,(acao))");
}

TEST_F(ComTutor, ComNomeOTutorSabeQuemJogaAPartidaEOQueOAlunoEscreve) {
    nome = "  Ana \"Bia\"";
    comecaPartida();
    EXPECT_EQ(tudoQueChegou(), "[aluno(\"Ana \\\"Bia\\\"\")][partida(inicio,\"vazia.fase\",1)]");

    QWidget* conversa = janelaComTitulo("QELP - Conversa");
    auto* entrada = conversa->findChild<QLineEdit*>("1001");
    ASSERT_TRUE(entrada->isEnabled());
    EXPECT_EQ(entrada->maxLength(), 200);
    escreve("Bom dia!\r\n");
    apl->mPasso();
    entrada->setText("olá, prof");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(entrada, &enter);
    entrada->setText("   ");  // nothing to send
    conversa->findChild<QPushButton*>("1002")->click();
    entrada->setText("\\o/");
    conversa->findChild<QPushButton*>("1002")->click();
    EXPECT_EQ(textoDaConversa(), "Bom dia!\nAna \"Bia\": olá, prof\nAna \"Bia\": \\o/\n");

    apl->mPausa();
    ecometroEm(0.8f);
    apl->mTerminaPartida();
    EXPECT_EQ(tudoQueChegou(), "[diz(\"olá, prof\")][diz(\"\\\\o/\")][partida(fim,80,verde)]");
}

TEST_F(ComTutor, ONomeDaUltimaVezEOferecidoECancelarNaoOApaga) {
    ASSERT_TRUE(servidor.listen(LOCAL));
    const std::string porta = std::to_string(servidor.serverPort());
    const std::vector<std::optional<std::string>> respostas = {"Bruno", std::nullopt, "Bruno Lima"};
    for (const auto& resposta : respostas) {
        novaExecucao();
        nome = resposta;
        ASSERT_TRUE(iniciaComTutor("127.0.0.1", porta));
        aceita();
        EXPECT_EQ(tudoQueChegou(), resposta ? "[aluno(\"" + *resposta + "\")]" : "");
        EXPECT_EQ(NomeAluno(), resposta.value_or(""));
    }
    EXPECT_EQ(dialogos->nomeMostrado, std::vector<std::string>{"Bruno"});
}

// --- a link that drops comes back

TEST_F(ComTutor, TutorQueVoltaEncontraOAlunoDeNovo) {
    nome = "Ana";
    comecaPartida();
    tudoQueChegou();
    QTcpSocket* antigo = par;
    antigo->close();  // the console closed; it listens again at once
    // Told the name again, a tutor that went away resets the link.
    for (int i = 0; i < 5 && gComTutor; ++i) apl->mCuidaDoTutor();
    EXPECT_EQ(gComTutor, 0);
    EXPECT_TRUE(ReconectandoTutor());
    EXPECT_EQ(textoDaConversa(), std::string(TEXTO_CONEXAO_PERDIDA) + "\n");
    apl->mPasso();  // the match goes on
    EXPECT_EQ(apl->partida.estado, EM_JOGO);

    for (int i = 0; i < 5 && !gComTutor; ++i) apl->mCuidaDoTutor();
    ASSERT_EQ(gComTutor, 1);
    aceita();
    EXPECT_EQ(tudoQueChegou(), "[aluno(\"Ana\")]");
    EXPECT_TRUE(textoDaConversa().ends_with(std::string(TEXTO_CONECTADO_DE_NOVO) + "\n"));
    usa(PESCADOR, 0);
    EXPECT_EQ(tudoQueChegou(), "happens(e5,1)\nact(e5,(acao))") << "it goes on from where it is";
}

TEST_F(ComTutor, SemTutorTentaDeNovoACadaCincoSegundos) {
    comecaPartida();
    const quint16 porta = servidor.serverPort();
    servidor.close();
    par->abort();
    usa(PESCADOR, 0);  // a send finds the link gone
    for (int i = 0; i < 3 && gComTutor; ++i) usa(PESCADOR, 1);
    ASSERT_EQ(gComTutor, 0);
    plataforma.relogioMs = 1000;
    apl->mCuidaDoTutor();  // the first try, at once: refused
    apl->mCuidaDoTutor();
    ASSERT_TRUE(servidor.listen(LOCAL, porta));
    plataforma.relogioMs = 5999;
    apl->mCuidaDoTutor();
    EXPECT_EQ(gComTutor, 0) << "not before five seconds";
    plataforma.relogioMs = 6000;
    for (int i = 0; i < 5 && !gComTutor; ++i) apl->mCuidaDoTutor();
    EXPECT_EQ(gComTutor, 1);
    EXPECT_FALSE(ReconectandoTutor());
}

// --- connecting

TEST_F(ComTutor, CancelarOComputadorOuAPortaTerminaComAviso) {
    ASSERT_TRUE(servidor.listen(LOCAL));
    for (const bool naPorta : {false, true}) {
        novaExecucao();
        plataforma.caixas.clear();
        plataforma.respostas = {Resposta::SIM};
        dialogos->computadores.push_back(naPorta ? std::optional<std::string>("127.0.0.1") : std::nullopt);
        dialogos->portas.push_back(std::nullopt);
        EXPECT_FALSE(apl->mInicializa());
        EXPECT_EQ(plataforma.mTextos().back(), SEM_REDE);
        EXPECT_EQ(plataforma.caixas.back().titulo, "Aviso");
        EXPECT_EQ(dialogos->portaMostrada.size(), naPorta ? 1u : 0u);
    }
    EXPECT_EQ(dialogos->portaMostrada[0], "6999") << "the port offered";
}

TEST_F(ComTutor, NomeQueNaoSeAchaNaoPedeAPorta) {
    EXPECT_FALSE(iniciaComTutor("", "6999"));
    EXPECT_TRUE(dialogos->portaMostrada.empty());
    EXPECT_EQ(plataforma.mTextos().back(), SEM_REDE);
}

TEST_F(ComTutor, PortaLidaComoAtoiLe) {
    ASSERT_TRUE(servidor.listen(LOCAL));
    const std::string porta = "  +" + std::to_string(servidor.serverPort() + 65536) + "xyz";
    ASSERT_TRUE(iniciaComTutor("127.0.0.1", porta)) << "the low 16 bits of " << porta;
    EXPECT_EQ(gComTutor, 1);
}

TEST_F(ComTutor, TutorQueNaoRespondeDesisteNoLimite) {
    // A loopback listener whose backlog is full never answers new calls.
    const int ouvinte = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in endereco{};
    endereco.sin_family = AF_INET;
    endereco.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(ouvinte, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco), 0);
    ASSERT_EQ(listen(ouvinte, 0), 0);
    socklen_t tamanho = sizeof endereco;
    getsockname(ouvinte, reinterpret_cast<sockaddr*>(&endereco), &tamanho);
    std::vector<int> esperando;
    for (int i = 0; i < 3; ++i) {
        const int cliente = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        connect(cliente, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco);
        esperando.push_back(cliente);
    }
    apl->limiteConexaoMs = 1000;
    const auto antes = std::chrono::steady_clock::now();
    EXPECT_FALSE(iniciaComTutor("127.0.0.1", std::to_string(ntohs(endereco.sin_port))));
    const auto esperou = std::chrono::steady_clock::now() - antes;
    EXPECT_GE(esperou, std::chrono::milliseconds(1000));
    EXPECT_LT(esperou, std::chrono::milliseconds(3000)) << "the limit holds";
    EXPECT_EQ(gComTutor, 0);
    EXPECT_EQ(plataforma.mTextos().back(), SEM_REDE);
    for (const int cliente : esperando) close(cliente);
    close(ouvinte);
}

}  // namespace
