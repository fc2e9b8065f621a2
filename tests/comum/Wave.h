// Wave files built byte by byte for the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Wave {
public:
    // A chunk: its 4-letter identifier and content (an odd size gets its pad byte).
    Wave& mBloco(const std::string& id, const std::vector<uint8_t>& conteudo);
    // A format chunk: the 16-byte record, and the extra size when comExtra.
    Wave& mFormato(uint16_t etiqueta, uint16_t canais, uint32_t taxa, uint16_t bits,
                   bool comExtra = false);
    Wave& mDados(const std::vector<uint8_t>& amostras) { return mBloco("data", amostras); }
    // "RIFF", the size of what follows, "WAVE", the chunks; the RIFF size may
    // be given to lie about it.
    std::vector<uint8_t> mBytes(int64_t tamanhoRiff = -1) const;

    static std::vector<uint8_t> amostras(std::size_t quantas);

private:
    std::vector<uint8_t> blocos;
};
