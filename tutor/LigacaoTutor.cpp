#include "tutor/LigacaoTutor.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

bool LigacaoTutor::mComeca(uint32_t endereco, uint16_t porta) {
    mFecha();
    descritor = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (descritor < 0) return false;
    // Set before connecting, so that the window the tutor sees is this small.
    const int entrada = MAX_ENTRADA;
    ::setsockopt(descritor, SOL_SOCKET, SO_RCVBUF, &entrada, sizeof entrada);
    // A term goes out when it happens, not held back to join the next one.
    const int semEspera = 1;
    ::setsockopt(descritor, IPPROTO_TCP, TCP_NODELAY, &semEspera, sizeof semEspera);

    sockaddr_in destino{};
    destino.sin_family = AF_INET;
    destino.sin_addr.s_addr = htonl(endereco);
    destino.sin_port = htons(porta);
    if (::connect(descritor, reinterpret_cast<const sockaddr*>(&destino), sizeof destino) == 0) {
        estado = Estado::LIGADA;
    } else if (errno == EINPROGRESS) {
        estado = Estado::CONECTANDO;
    } else {
        mFecha();
        return false;
    }
    return true;
}

LigacaoTutor::Estado LigacaoTutor::mAvanca(int esperaMs) {
    if (estado != Estado::CONECTANDO) return estado;
    pollfd pedido{descritor, POLLOUT, 0};
    if (::poll(&pedido, 1, esperaMs) <= 0) return estado;
    int erro = 0;
    socklen_t tamanho = sizeof erro;
    if (::getsockopt(descritor, SOL_SOCKET, SO_ERROR, &erro, &tamanho) == 0 && erro == 0)
        estado = Estado::LIGADA;
    else
        mFecha();
    return estado;
}

bool LigacaoTutor::mEnvia(std::string_view bytes) {
    if (estado != Estado::LIGADA) return false;
    saida.append(bytes);
    mDescarrega();
    if (saida.size() > MAX_SAIDA) mFecha();
    return estado == Estado::LIGADA;
}

bool LigacaoTutor::mRecebe(char* buffer, std::size_t capacidade, std::size_t& lidos) {
    lidos = 0;
    if (estado != Estado::LIGADA) return false;
    mDescarrega();
    if (estado != Estado::LIGADA) return false;
    if (fimDoTutor) {
        mVerificaQueda();
        return false;
    }
    const ssize_t n = ::recv(descritor, buffer, capacidade, MSG_DONTWAIT);
    if (n > 0) {
        lidos = static_cast<std::size_t>(n);
        return true;
    }
    if (n == 0) {
        fimDoTutor = true;
        mVerificaQueda();
        return false;
    }
    if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) mFecha();
    return false;
}

void LigacaoTutor::mVigia() {
    if (estado != Estado::LIGADA) return;
    mDescarrega();
    if (estado != Estado::LIGADA) return;
    char espiado;
    if (!fimDoTutor && ::recv(descritor, &espiado, 1, MSG_PEEK | MSG_DONTWAIT) == 0) fimDoTutor = true;
    if (fimDoTutor) mVerificaQueda();
}

void LigacaoTutor::mFecha() {
    if (descritor >= 0) ::close(descritor);
    descritor = -1;
    estado = Estado::DESLIGADA;
    saida.clear();
    fimDoTutor = false;
}

void LigacaoTutor::mDescarrega() {
    while (!saida.empty()) {
        const ssize_t n = ::send(descritor, saida.data(), saida.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            saida.erase(0, static_cast<std::size_t>(n));
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) mFecha();
            return;
        }
    }
}

// After the tutor's end of sending: a connection the tutor has closed
// altogether answers the game's next send with a reset, which shows here.
void LigacaoTutor::mVerificaQueda() {
    pollfd pedido{descritor, POLLOUT, 0};
    if (::poll(&pedido, 1, 0) > 0 && (pedido.revents & (POLLERR | POLLHUP))) mFecha();
}
