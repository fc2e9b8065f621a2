#include "tutor/Tutor.h"

#include "app/Dialogos.h"
#include "core/data/LeituraTexto.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostInfo>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

int gComTutor = 0;

namespace {

// The link's socket; it belongs to the application object, so that it goes
// with it at the end of the program.
QPointer<QTcpSocket> gSocket;

// The first IPv4 address the name stands for, or none.
QHostAddress enderecoDe(const std::string& nome) {
    const QHostInfo resposta = QHostInfo::fromName(QString::fromStdString(nome));
    for (const QHostAddress& endereco : resposta.addresses())
        if (endereco.protocol() == QAbstractSocket::IPv4Protocol) return endereco;
    return {};
}

// The port as atoi reads the text, its low 16 bits.
quint16 portaDe(const std::string& texto) {
    const int32_t numero = LeituraTexto(texto).mLeInteiro().value_or(0);
    return static_cast<quint16>(static_cast<uint32_t>(numero));
}

}  // namespace

void ConectaTutor(Dialogos& dialogos, int limiteMs) {
    DesconectaTutor();

    std::string computador;
    if (!dialogos.mPedeComputador(computador)) return;
    const QHostAddress endereco = enderecoDe(computador);
    if (endereco.isNull()) return;
    std::string porta = PORTA_PADRAO;
    if (!dialogos.mPedePorta(porta)) return;

    // The window's events go on while the connection is made, until it is
    // made, fails, or the time is up (the timer wakes the wait up then).
    auto* socket = new QTcpSocket(QCoreApplication::instance());
    socket->connectToHost(endereco, portaDe(porta));
    QTimer limite;
    limite.setSingleShot(true);
    limite.start(limiteMs);
    QElapsedTimer relogio;
    relogio.start();
    while ((socket->state() == QAbstractSocket::HostLookupState ||
            socket->state() == QAbstractSocket::ConnectingState) &&
           relogio.elapsed() < limiteMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);

    if (socket->state() != QAbstractSocket::ConnectedState) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    gSocket = socket;
    gComTutor = 1;
}

void DesconectaTutor() {
    if (gSocket) {
        gSocket->abort();
        gSocket->deleteLater();
        gSocket = nullptr;
    }
    gComTutor = 0;
}

void EnviaTutor(const std::string& texto) {
    if (!gComTutor || !gSocket) return;
    const auto tamanho = static_cast<qint64>(texto.size());
    if (gSocket->write(texto.data(), tamanho) != tamanho) {
        DesconectaTutor();
        return;
    }
    gSocket->flush();
    if (gSocket->state() != QAbstractSocket::ConnectedState) DesconectaTutor();
}

bool RecebeTutor(char* buffer, std::size_t capacidade, std::size_t& lidos) {
    lidos = 0;
    if (!gComTutor || !gSocket) return false;
    // What the system holds is taken without waiting; what has been read
    // already is shown before a closed link is dropped.
    if (gSocket->bytesAvailable() == 0) gSocket->waitForReadyRead(0);
    if (gSocket->bytesAvailable() == 0) {
        if (gSocket->state() != QAbstractSocket::ConnectedState) DesconectaTutor();
        return false;
    }
    const qint64 n = gSocket->read(buffer, static_cast<qint64>(capacidade));
    if (n < 0) {
        DesconectaTutor();
        return false;
    }
    lidos = static_cast<std::size_t>(n);
    return true;
}
