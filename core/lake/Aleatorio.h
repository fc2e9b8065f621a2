// The pseudo-random generator of a lake: state = state × 214013 + 2531011
// (mod 2^32); a value is bits 16..30 of the new state, 0 to 32767. The agent
// table owns one, its behaviours and the match draw from it, and every
// match start seeds it, so that one match never leaks into the next.
#pragma once

#include <cstdint>

class GeradorAleatorio {
public:
    explicit GeradorAleatorio(uint32_t semente = 1) : estado(semente) {}

    void mSemeia(uint32_t semente) { estado = semente; }

    // The next value, 0 to 32767.
    uint32_t mProximo() {
        estado = estado * MULTIPLICADOR + INCREMENTO;
        return (estado >> 16) & 0x7FFF;
    }

private:
    static constexpr uint32_t MULTIPLICADOR = 214013;
    static constexpr uint32_t INCREMENTO = 2531011;
    uint32_t estado;
};
