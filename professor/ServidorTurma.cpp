#include "professor/ServidorTurma.h"

#include <QTcpServer>
#include <QTcpSocket>

ServidorTurma::ServidorTurma(QObject* pai) : QObject(pai), servidor(new QTcpServer(this)) {
    connect(servidor, &QTcpServer::newConnection, this, &ServidorTurma::mAceita);
}

ServidorTurma::~ServidorTurma() {
    // The sockets go with the server; their last signals must not reach a
    // half-destroyed object.
    for (auto& [id, conexao] : conexoes) {
        conexao.socket->disconnect(this);
        conexao.socket->abort();
    }
}

bool ServidorTurma::mEscuta(const QHostAddress& endereco, quint16 porta) {
    if (servidor->listen(endereco, porta)) return true;
    erro = servidor->errorString();
    return false;
}

quint16 ServidorTurma::mPorta() const { return servidor->serverPort(); }

void ServidorTurma::mAceita() {
    while (QTcpSocket* socket = servidor->nextPendingConnection()) {
        if (mConectados() >= MAXIMO_CONEXOES) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        const int id = proximoId++;
        socket->setReadBufferSize(LEITURA_MAXIMA);
        conexoes[id].socket = socket;
        connect(socket, &QTcpSocket::readyRead, this, [this, id] { mLe(id); });
        connect(socket, &QTcpSocket::disconnected, this, [this, id] { mEncerra(id); });
        Q_EMIT chegou(id, socket->peerAddress(), socket->peerPort());
        // Bytes that came with the connection are read in the next turn.
        if (socket->bytesAvailable() > 0) QMetaObject::invokeMethod(this, [this, id] { mLe(id); }, Qt::QueuedConnection);
    }
}

void ServidorTurma::mLe(int id) {
    const auto conexao = conexoes.find(id);
    if (conexao == conexoes.end()) return;
    const QByteArray bytes = conexao->second.socket->read(LEITURA_MAXIMA);
    if (bytes.isEmpty()) return;
    const std::vector<TermoLido> termos =
        conexao->second.leitor.mLe(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!termos.empty()) Q_EMIT leu(id, termos);
}

void ServidorTurma::mEncerra(int id) {
    const auto conexao = conexoes.find(id);
    if (conexao == conexoes.end()) return;
    QTcpSocket* socket = conexao->second.socket;
    while (socket->bytesAvailable() > 0) mLe(id);
    const std::vector<TermoLido> resto = conexao->second.leitor.mFim();
    socket->disconnect(this);
    socket->deleteLater();
    conexoes.erase(conexao);
    if (!resto.empty()) Q_EMIT leu(id, resto);
    Q_EMIT saiu(id);
}

bool ServidorTurma::mEnvia(int id, const QByteArray& bytes) {
    const auto conexao = conexoes.find(id);
    if (conexao == conexoes.end()) return false;
    return conexao->second.socket->write(bytes) == bytes.size();
}

std::vector<int> ServidorTurma::mEnviaATodos(const QByteArray& bytes) {
    std::vector<int> enviados;
    for (auto& [id, conexao] : conexoes)
        if (conexao.socket->write(bytes) == bytes.size()) enviados.push_back(id);
    return enviados;
}
