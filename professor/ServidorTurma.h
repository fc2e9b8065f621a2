// The classroom's connections: a TCP server that every pupil's game connects
// to. Each connection reads whatever arrives, at once, and hands it to its own
// term reader; the terms go out by signal with the connection's number. The
// teacher's bytes go to one connection or to all. Nothing here waits.
#pragma once

#include "core/match/LeitorTermos.h"

#include <QHostAddress>
#include <QObject>
#include <QString>

#include <map>
#include <memory>
#include <vector>

class QTcpServer;
class QTcpSocket;

class ServidorTurma : public QObject {
    Q_OBJECT
public:
    // More games at once than a classroom holds are turned away.
    static constexpr int MAXIMO_CONEXOES = 250;
    // Bytes taken from one connection per turn of the event loop, so that a
    // flood from one pupil does not hold up the others or the window.
    static constexpr qint64 LEITURA_MAXIMA = 64 * 1024;

    explicit ServidorTurma(QObject* pai = nullptr);
    ~ServidorTurma() override;

    // Starts listening; false with mErro() when the port cannot be opened.
    bool mEscuta(const QHostAddress& endereco, quint16 porta);
    QString mErro() const { return erro; }
    quint16 mPorta() const;  // the port listened on (the one chosen for port 0)

    // Writes bytes to one pupil; false when that pupil is not connected.
    bool mEnvia(int id, const QByteArray& bytes);
    // Writes bytes to every connected pupil; answers their ids.
    std::vector<int> mEnviaATodos(const QByteArray& bytes);

    bool mConectado(int id) const { return conexoes.count(id) > 0; }
    int mConectados() const { return static_cast<int>(conexoes.size()); }

Q_SIGNALS:
    // A pupil's game connected from endereco:porta.
    void chegou(int id, const QHostAddress& endereco, quint16 porta);
    // Terms completed by the bytes just read, in order.
    void leu(int id, const std::vector<TermoLido>& termos);
    // The connection ended (after the last leu of it).
    void saiu(int id);

private:
    struct Conexao {
        QTcpSocket* socket = nullptr;
        LeitorTermos leitor;
    };
    void mAceita();
    void mLe(int id);
    void mEncerra(int id);

    QTcpServer* servidor;
    std::map<int, Conexao> conexoes;
    int proximoId = 1;
    QString erro;
};
