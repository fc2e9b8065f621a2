#include "tests/comum/Wave.h"

namespace {
void poe32(std::vector<uint8_t>& v, uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
}
void poe16(std::vector<uint8_t>& v, uint16_t x) {
    v.push_back(static_cast<uint8_t>(x));
    v.push_back(static_cast<uint8_t>(x >> 8));
}
}  // namespace

Wave& Wave::mBloco(const std::string& id, const std::vector<uint8_t>& conteudo) {
    blocos.insert(blocos.end(), id.begin(), id.end());
    poe32(blocos, static_cast<uint32_t>(conteudo.size()));
    blocos.insert(blocos.end(), conteudo.begin(), conteudo.end());
    if (conteudo.size() % 2) blocos.push_back(0);
    return *this;
}

Wave& Wave::mFormato(uint16_t etiqueta, uint16_t canais, uint32_t taxa, uint16_t bits,
                     bool comExtra) {
    std::vector<uint8_t> f;
    const uint16_t alinhamento = static_cast<uint16_t>(canais * bits / 8);
    poe16(f, etiqueta);
    poe16(f, canais);
    poe32(f, taxa);
    poe32(f, taxa * alinhamento);
    poe16(f, alinhamento);
    poe16(f, bits);
    if (comExtra) poe16(f, 0);
    return mBloco("fmt ", f);
}

std::vector<uint8_t> Wave::mBytes(int64_t tamanhoRiff) const {
    std::vector<uint8_t> bytes{'R', 'I', 'F', 'F'};
    poe32(bytes, tamanhoRiff >= 0 ? static_cast<uint32_t>(tamanhoRiff)
                                  : static_cast<uint32_t>(4 + blocos.size()));
    bytes.insert(bytes.end(), {'W', 'A', 'V', 'E'});
    bytes.insert(bytes.end(), blocos.begin(), blocos.end());
    return bytes;
}

std::vector<uint8_t> Wave::amostras(std::size_t quantas) {
    std::vector<uint8_t> v(quantas);
    for (std::size_t i = 0; i < quantas; ++i) v[i] = static_cast<uint8_t>(i * 37);
    return v;
}
