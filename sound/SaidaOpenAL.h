// The audio output on OpenAL: one buffer and one source per loaded sound.
#pragma once

#include "core/sound/SaidaSom.h"

#include <vector>


class SaidaOpenAL : public SaidaSom {
public:
    SaidaOpenAL() = default;
    ~SaidaOpenAL() override;
    SaidaOpenAL(const SaidaOpenAL&) = delete;
    SaidaOpenAL& operator=(const SaidaOpenAL&) = delete;

    bool mAbre() override;
    void mFecha() override;
    int mCriaBuffer(const FormatoWave& formato, std::span<const uint8_t> dados) override;
    void mLiberaBuffer(int buffer) override;
    void mToca(int buffer) override;

private:
    struct Voz {
        unsigned buffer = 0;
        unsigned fonte = 0;
        bool viva = false;
    };

    // The OpenAL device and context, kept opaque here.
    void* dispositivo = nullptr;
    void* contexto = nullptr;
    std::vector<Voz> vozes;  // by handle
};
