// Reading of RIFF/WAVE sound files: the format chunk, which must come first
// inside the RIFF chunk, and the sample data of the "data" chunk. Safe on
// any bytes: nothing is read past the end of what it is given.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

inline constexpr uint16_t FORMATO_PCM = 1;

struct FormatoWave {
    uint16_t etiqueta = 0;             // format tag; 1 is PCM
    uint16_t canais = 0;
    uint32_t amostrasPorSegundo = 0;
    uint32_t bytesPorSegundo = 0;
    uint16_t alinhamento = 0;          // bytes per sample frame
    uint16_t bitsPorAmostra = 0;
    uint16_t tamanhoExtra = 0;
};

struct SomWave {
    FormatoWave formato;
    std::vector<uint8_t> dados;  // the sample data, whole frames only
};

// The sound of a RIFF "WAVE" file, or nothing when the bytes are not a PCM
// wave file: no RIFF "WAVE" chunk, a first chunk that is not "fmt " (or is
// shorter than 16 bytes), a format tag other than 1, or no "data" chunk. A
// data chunk that claims more bytes than there are keeps the whole frames
// that are there.
std::optional<SomWave> interpretaWave(std::span<const uint8_t> bytes);
