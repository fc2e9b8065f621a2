#include "core/sound/CSom.h"

#include "core/platform/Plataforma.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace {

// No sound effect is anywhere near this; a larger file is not one.
constexpr std::streamoff MAIOR_ARQUIVO = 64 * 1024 * 1024;

bool slotValido(int slot) { return slot >= 0 && slot < static_cast<int>(NUM_SLOTS_SOM); }

}  // namespace

void CSom::mIniciaSom() {
    mLiberaSom();
    dispositivo = saida && saida->mAbre();
    if (!dispositivo) mostraAviso("Impossível tocar sons.");
}

void CSom::mCarregaSom(int slot, const std::string& arquivo) {
    if (!dispositivo || !slotValido(slot)) return;
    int& buffer = buffers[static_cast<std::size_t>(slot)];
    if (buffer != SEM_BUFFER) saida->mLiberaBuffer(buffer);
    buffer = SEM_BUFFER;

    std::ifstream entrada(arquivo, std::ios::binary | std::ios::ate);
    if (!entrada) {
        avisaArquivoNaoEncontrado(arquivo);
        return;
    }
    const std::streamoff tamanho = entrada.tellg();
    std::optional<SomWave> som;
    if (tamanho >= 0 && tamanho <= MAIOR_ARQUIVO) {
        std::vector<uint8_t> bytes(static_cast<std::size_t>(tamanho));
        entrada.seekg(0);
        entrada.read(reinterpret_cast<char*>(bytes.data()), tamanho);
        bytes.resize(static_cast<std::size_t>(entrada.gcount()));
        som = interpretaWave(bytes);
    }
    if (!som) {
        mostraAviso("Formato de arquivo WAV não suportado.");
        return;
    }
    buffer = saida->mCriaBuffer(som->formato, som->dados);
    if (buffer < 0) {
        buffer = SEM_BUFFER;
        mostraAviso("Impossível terminar de carregar som.");
    }
}

void CSom::mTocaSom(int slot) {
    if (dispositivo && mCarregado(slot)) saida->mToca(buffers[static_cast<std::size_t>(slot)]);
}

void CSom::mLiberaSom() {
    if (!dispositivo) return;
    for (int& buffer : buffers) {
        if (buffer != SEM_BUFFER) saida->mLiberaBuffer(buffer);
        buffer = SEM_BUFFER;
    }
    saida->mFecha();
    dispositivo = false;
}

bool CSom::mCarregado(int slot) const {
    return slotValido(slot) && buffers[static_cast<std::size_t>(slot)] != SEM_BUFFER;
}
