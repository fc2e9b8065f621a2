// What the console's suites share: a class session on 127.0.0.1 with its log
// in a temporary folder and a clock the test sets, and pupils' games played
// by plain sockets writing the bytes a game writes.
#pragma once

#include "core/match/TermosAluno.h"
#include "professor/SalaDeAula.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include "tests/professor/ImprimeQt.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Every wait has a generous limit that only matters when a test fails.
inline constexpr int ESPERA_MS = 10000;

// A pupil's game: connects to the console and writes what it is told.
class Jogo {
public:
    explicit Jogo(quint16 porta) { socket.connectToHost(QHostAddress::LocalHost, porta); }
    bool mConecta() { return socket.waitForConnected(ESPERA_MS); }
    // Writes the bytes in pieces cut at the given positions, letting the
    // event loop run between them so that they may arrive apart.
    void mEscreve(const QByteArray& bytes, std::initializer_list<int> cortes = {}) {
        int inicio = 0;
        for (const int corte : cortes) {
            socket.write(bytes.mid(inicio, corte - inicio));
            socket.flush();
            QCoreApplication::processEvents();
            inicio = corte;
        }
        socket.write(bytes.mid(inicio));
        socket.flush();
    }
    // What the console sent so far.
    QByteArray mRecebido() {
        recebido += socket.readAll();
        return recebido;
    }
    // The game's own port, which names its row (also after it left).
    quint16 mPorta() const {
        if (porta == 0) porta = socket.localPort();
        return porta;
    }
    QTcpSocket socket;

private:
    mutable quint16 porta = 0;
    QByteArray recebido;
};

inline QByteArray nomeado(const std::string& termo) { return QByteArray::fromStdString(termo); }
inline QByteArray ecometro(int percentual) { return QByteArray("[sense(ecometro(") + QByteArray::number(percentual) + "))]"; }
inline QByteArray acao(const char* evento, int passo) {
    return QByteArray("happens(") + evento + "," + QByteArray::number(passo) + ")\nact(" + evento + ",(acao))";
}

class TurmaTeste : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pasta.isValid());
        ASSERT_TRUE(sala.mInicia(QHostAddress::LocalHost, 0)) << sala.mErro().toStdString();
        ASSERT_TRUE(sala.mRegistro().mAberto()) << sala.mErroRegistro().toStdString();
    }

    // A game connected and seen by the console.
    Jogo& conecta() {
        jogos.push_back(std::make_unique<Jogo>(sala.mServidor().mPorta()));
        Jogo& jogo = *jogos.back();
        EXPECT_TRUE(jogo.mConecta());
        EXPECT_TRUE(QTest::qWaitFor([&] { return aluno(jogo) != nullptr; }, ESPERA_MS));
        return jogo;
    }
    // The console's pupil of a game (by the game's own port).
    const Aluno* aluno(const Jogo& jogo) const {
        const ModeloTurma& modelo = const_cast<SalaDeAula&>(sala).mModelo();
        const QString fim = ":" + QString::number(jogo.mPorta());
        for (int linha = 0; linha < modelo.rowCount(); ++linha)
            if (modelo.mAlunoDaLinha(linha)->endereco.endsWith(fim)) return modelo.mAlunoDaLinha(linha);
        return nullptr;
    }
    QString celula(const Jogo& jogo, int coluna, int papel = Qt::DisplayRole) {
        const int linha = sala.mModelo().mLinha(aluno(jogo)->id);
        return sala.mModelo().data(sala.mModelo().index(linha, coluna), papel).toString();
    }
    QByteArray registro() const {
        QFile arquivo(sala.mRegistro().mCaminho());
        return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
    }

    QTemporaryDir pasta;
    QDateTime agora{QDate(2026, 12, 9), QTime(10, 20, 30)};
    SalaDeAula sala{pasta.filePath("turmas"), [this] { return agora; }};
    std::vector<std::unique_ptr<Jogo>> jogos;
};
