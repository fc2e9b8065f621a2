// One TCP connection over IPv4 to the tutor, on a non-blocking socket:
// nothing here ever waits. Connecting is started, then looked at until it
// is made; what the tutor sends stays in the network until it is read, a
// block at a time; what the game sends goes out at once, or waits here (a
// bounded amount) while the tutor is slow to read.
//
// A tutor that stops sending but still reads keeps the link: the link
// drops only when the connection fails, when the tutor has closed it and a
// send finds out, or when the tutor leaves too much unread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class LigacaoTutor {
public:
    enum class Estado { DESLIGADA, CONECTANDO, LIGADA };

    LigacaoTutor() = default;
    LigacaoTutor(const LigacaoTutor&) = delete;
    LigacaoTutor& operator=(const LigacaoTutor&) = delete;
    ~LigacaoTutor() { mFecha(); }

    // Starts connecting to the address (IPv4, host byte order) and port,
    // closing any link there was. False when no socket could be made or
    // the address is refused at once.
    bool mComeca(uint32_t endereco, uint16_t porta);

    // Looks at a connection being made, waiting for it at most esperaMs
    // (0: not at all); the state it is in afterwards.
    Estado mAvanca(int esperaMs = 0);

    // Queues the bytes and sends what the network takes now. False when
    // the link is (now) down.
    bool mEnvia(std::string_view bytes);

    // Reads at most capacidade bytes that are waiting, without waiting for
    // more, after sending what was queued. True when bytes were read.
    bool mRecebe(char* buffer, std::size_t capacidade, std::size_t& lidos);

    // Between polls: sends what was queued, and notices the tutor's end of
    // sending (without taking any of its text) and a connection it reset.
    void mVigia();

    void mFecha();

    Estado mEstado() const { return estado; }
    // The tutor said it sends no more; the link still carries the game's terms.
    bool mTutorParouDeEnviar() const { return fimDoTutor; }

    // What the game keeps waiting for a slow tutor before giving it up.
    static constexpr std::size_t MAX_SAIDA = 1 << 20;
    // What the system may hold from the tutor unread, the rest waiting at the tutor.
    static constexpr int MAX_ENTRADA = 64 * 1024;

private:
    void mDescarrega();
    void mVerificaQueda();

    int descritor = -1;
    Estado estado = Estado::DESLIGADA;
    std::string saida;  // queued for the tutor
    bool fimDoTutor = false;
};
