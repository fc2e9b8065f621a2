// The RIFF/WAVE writer of gera_sons.
#include "tools/sons/Wav.h"

#include <fstream>

namespace sons {

namespace {
constexpr uint32_t TAMANHO_FMT = 16;  // bytes of the "fmt " chunk's body
constexpr uint16_t FORMATO_PCM = 1;
constexpr uint16_t CANAIS = 1;
constexpr uint16_t BITS_POR_AMOSTRA = 16;
constexpr uint16_t BYTES_POR_QUADRO = CANAIS * BITS_POR_AMOSTRA / 8;
// "WAVE" plus the headers of both chunks and the body of "fmt ".
constexpr uint32_t CABECALHO_APOS_RIFF = 4 + 8 + TAMANHO_FMT + 8;

void acrescentaTexto(std::vector<uint8_t>& bytes, const char (&texto)[5]) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(texto[i]));
}

void acrescenta16(std::vector<uint8_t>& bytes, uint16_t valor) {
    bytes.push_back(static_cast<uint8_t>(valor & 0xFF));
    bytes.push_back(static_cast<uint8_t>(valor >> 8));
}

void acrescenta32(std::vector<uint8_t>& bytes, uint32_t valor) {
    for (int deslocamento = 0; deslocamento < 32; deslocamento += 8)
        bytes.push_back(static_cast<uint8_t>((valor >> deslocamento) & 0xFF));
}
}  // namespace

std::vector<uint8_t> montaWav(const std::vector<int16_t>& amostras, int taxa) {
    const auto tamanhoDados = static_cast<uint32_t>(amostras.size() * BYTES_POR_QUADRO);
    const auto taxaAmostras = static_cast<uint32_t>(taxa);
    std::vector<uint8_t> bytes;
    bytes.reserve(8 + CABECALHO_APOS_RIFF + tamanhoDados);

    acrescentaTexto(bytes, "RIFF");
    acrescenta32(bytes, CABECALHO_APOS_RIFF + tamanhoDados);
    acrescentaTexto(bytes, "WAVE");

    acrescentaTexto(bytes, "fmt ");
    acrescenta32(bytes, TAMANHO_FMT);
    acrescenta16(bytes, FORMATO_PCM);
    acrescenta16(bytes, CANAIS);
    acrescenta32(bytes, taxaAmostras);
    acrescenta32(bytes, taxaAmostras * BYTES_POR_QUADRO);  // bytes per second
    acrescenta16(bytes, BYTES_POR_QUADRO);
    acrescenta16(bytes, BITS_POR_AMOSTRA);

    acrescentaTexto(bytes, "data");
    acrescenta32(bytes, tamanhoDados);
    for (int16_t a : amostras) acrescenta16(bytes, static_cast<uint16_t>(a));
    return bytes;
}

bool escreveWav(const std::string& caminho, const std::vector<int16_t>& amostras, int taxa) {
    const std::vector<uint8_t> bytes = montaWav(amostras, taxa);
    std::ofstream arquivo(caminho, std::ios::binary | std::ios::trunc);
    arquivo.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    arquivo.close();
    return static_cast<bool>(arquivo);
}

}  // namespace sons
