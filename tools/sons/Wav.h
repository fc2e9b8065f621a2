// Writing 16-bit mono PCM samples as a RIFF/WAVE file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sons {

// The whole file as bytes: the 44-byte header ("RIFF", "WAVE", the "fmt "
// chunk, then the "data" chunk) followed by the samples, little-endian.
std::vector<uint8_t> montaWav(const std::vector<int16_t>& amostras, int taxa);

// Writes the file; false when it cannot be written.
bool escreveWav(const std::string& caminho, const std::vector<int16_t>& amostras, int taxa);

}  // namespace sons
