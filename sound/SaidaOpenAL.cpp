#include "sound/SaidaOpenAL.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <limits>

namespace {

ALCdevice* comoDispositivo(void* p) { return static_cast<ALCdevice*>(p); }
ALCcontext* comoContexto(void* p) { return static_cast<ALCcontext*>(p); }

// The OpenAL format of 8- or 16-bit mono or stereo PCM; 0 for any other.
ALenum formatoAL(const FormatoWave& formato) {
    if (formato.canais == 1 && formato.bitsPorAmostra == 8) return AL_FORMAT_MONO8;
    if (formato.canais == 1 && formato.bitsPorAmostra == 16) return AL_FORMAT_MONO16;
    if (formato.canais == 2 && formato.bitsPorAmostra == 8) return AL_FORMAT_STEREO8;
    if (formato.canais == 2 && formato.bitsPorAmostra == 16) return AL_FORMAT_STEREO16;
    return 0;
}

}  // namespace

SaidaOpenAL::~SaidaOpenAL() { mFecha(); }

bool SaidaOpenAL::mAbre() {
    mFecha();
    dispositivo = alcOpenDevice(nullptr);
    if (!dispositivo) return false;
    contexto = alcCreateContext(comoDispositivo(dispositivo), nullptr);
    if (!contexto || !alcMakeContextCurrent(comoContexto(contexto))) {
        mFecha();
        return false;
    }
    return true;
}

void SaidaOpenAL::mFecha() {
    for (std::size_t i = 0; i < vozes.size(); ++i) mLiberaBuffer(static_cast<int>(i));
    vozes.clear();
    if (contexto) {
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(comoContexto(contexto));
        contexto = nullptr;
    }
    if (dispositivo) {
        alcCloseDevice(comoDispositivo(dispositivo));
        dispositivo = nullptr;
    }
}

int SaidaOpenAL::mCriaBuffer(const FormatoWave& formato, std::span<const uint8_t> dados) {
    const ALenum tipo = formatoAL(formato);
    constexpr auto MAIOR = static_cast<std::size_t>(std::numeric_limits<ALsizei>::max());
    if (!contexto || tipo == 0 || formato.amostrasPorSegundo == 0 || dados.empty() ||
        dados.size() > MAIOR || formato.amostrasPorSegundo > MAIOR)
        return -1;

    alGetError();
    Voz voz;
    alGenBuffers(1, &voz.buffer);
    alBufferData(voz.buffer, tipo, dados.data(), static_cast<ALsizei>(dados.size()),
                 static_cast<ALsizei>(formato.amostrasPorSegundo));
    alGenSources(1, &voz.fonte);
    alSourcei(voz.fonte, AL_BUFFER, static_cast<ALint>(voz.buffer));
    voz.viva = true;
    if (alGetError() != AL_NO_ERROR) {
        vozes.push_back(voz);
        mLiberaBuffer(static_cast<int>(vozes.size() - 1));
        return -1;
    }
    vozes.push_back(voz);
    return static_cast<int>(vozes.size() - 1);
}

void SaidaOpenAL::mLiberaBuffer(int buffer) {
    if (buffer < 0 || static_cast<std::size_t>(buffer) >= vozes.size()) return;
    Voz& voz = vozes[static_cast<std::size_t>(buffer)];
    if (!voz.viva) return;
    alSourceStop(voz.fonte);
    alDeleteSources(1, &voz.fonte);
    alDeleteBuffers(1, &voz.buffer);
    voz = Voz{};
}

void SaidaOpenAL::mToca(int buffer) {
    if (buffer < 0 || static_cast<std::size_t>(buffer) >= vozes.size()) return;
    const Voz& voz = vozes[static_cast<std::size_t>(buffer)];
    if (!voz.viva) return;
    alSourceRewind(voz.fonte);
    alSourcePlay(voz.fonte);
}
