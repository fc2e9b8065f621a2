// The sound effects: a table of 30 slots, each holding one whole sound,
// loaded from a wave file and played from its beginning on demand. Without
// a device every load and play does nothing.
#pragma once

#include "core/sound/SaidaSom.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string>

inline constexpr std::size_t NUM_SLOTS_SOM = 30;

// The game's sounds, by slot.
inline constexpr int SOM_ABERTURA = 0;
inline constexpr int SOM_INICIO_PARTIDA = 1;
inline constexpr int SOM_FIM_PARTIDA = 2;
inline constexpr int SOM_RECEBE = 3;
inline constexpr int SOM_SUCESSO = 4;
inline constexpr int SOM_ERRO = 5;
inline constexpr int SOM_SOBRE = 6;
inline constexpr int SOM_INTERVENTOR = 7;
inline constexpr std::size_t NUM_SONS_JOGO = 8;

class CSom {
public:
    CSom() { buffers.fill(SEM_BUFFER); }
    CSom(const CSom&) = delete;
    CSom& operator=(const CSom&) = delete;

    // The output the sounds play through (the platform's).
    void mDefineSaida(std::unique_ptr<SaidaSom> nova) { saida = std::move(nova); }

    // Releases everything and opens the device; "Impossível tocar sons."
    // when there is none.
    void mIniciaSom();

    // Loads a wave file into a slot; the slot is empty when it fails, with
    // "Arquivo '%s' não encontrado.", "Formato de arquivo WAV não
    // suportado." or "Impossível terminar de carregar som.".
    void mCarregaSom(int slot, const std::string& arquivo);

    // Plays a slot once from its beginning; an empty slot is silent.
    void mTocaSom(int slot);

    // Releases every slot's buffer and the device.
    void mLiberaSom();

    bool mTemDispositivo() const { return dispositivo; }
    bool mCarregado(int slot) const;

private:
    static constexpr int SEM_BUFFER = -1;

    std::unique_ptr<SaidaSom> saida;
    bool dispositivo = false;
    std::array<int, NUM_SLOTS_SOM> buffers;
};
