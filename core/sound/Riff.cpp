#include "core/sound/Riff.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t CABECALHO_BLOCO = 8;  // identifier and size of a chunk
constexpr std::size_t TAMANHO_FORMATO = 16; // the format record without its extra size

// A cursor over the bytes that never reads past their end.
class Leitor {
public:
    explicit Leitor(std::span<const uint8_t> bytes) : bytes(bytes) {}

    bool mIgual(uint64_t posicao, const char* texto) const {
        return posicao + 4 <= bytes.size() &&
               std::memcmp(&bytes[static_cast<std::size_t>(posicao)], texto, 4) == 0;
    }
    uint32_t m32(uint64_t posicao) const {
        if (posicao + 4 > bytes.size()) return 0;
        const std::size_t p = static_cast<std::size_t>(posicao);
        return uint32_t{bytes[p]} | uint32_t{bytes[p + 1]} << 8 | uint32_t{bytes[p + 2]} << 16 |
               uint32_t{bytes[p + 3]} << 24;
    }
    uint16_t m16(uint64_t posicao) const {
        if (posicao + 2 > bytes.size()) return 0;
        const std::size_t p = static_cast<std::size_t>(posicao);
        return static_cast<uint16_t>(bytes[p] | bytes[p + 1] << 8);
    }
    std::size_t mTamanho() const { return bytes.size(); }
    std::span<const uint8_t> mTrecho(std::size_t inicio, std::size_t quantos) const {
        return bytes.subspan(inicio, quantos);
    }

private:
    std::span<const uint8_t> bytes;
};

}  // namespace

std::optional<SomWave> interpretaWave(std::span<const uint8_t> bytes) {
    const Leitor leitor(bytes);

    // The RIFF chunk of form "WAVE"; its end never beyond the bytes.
    if (!leitor.mIgual(0, "RIFF") || !leitor.mIgual(8, "WAVE")) return std::nullopt;
    // Positions are 64-bit: a chunk size near 4 GiB cannot wrap them around.
    const uint64_t fimRiff =
        std::min<uint64_t>(leitor.mTamanho(), CABECALHO_BLOCO + uint64_t{leitor.m32(4)});

    // The first chunk inside must be the format chunk.
    uint64_t bloco = 12;
    if (bloco + CABECALHO_BLOCO > fimRiff || !leitor.mIgual(bloco, "fmt ")) return std::nullopt;
    const uint64_t tamanhoFormato = leitor.m32(bloco + 4);
    const uint64_t inicioFormato = bloco + CABECALHO_BLOCO;
    if (tamanhoFormato < TAMANHO_FORMATO || inicioFormato + TAMANHO_FORMATO > fimRiff)
        return std::nullopt;

    SomWave som;
    FormatoWave& f = som.formato;
    f.etiqueta = leitor.m16(inicioFormato);
    f.canais = leitor.m16(inicioFormato + 2);
    f.amostrasPorSegundo = leitor.m32(inicioFormato + 4);
    f.bytesPorSegundo = leitor.m32(inicioFormato + 8);
    f.alinhamento = leitor.m16(inicioFormato + 12);
    f.bitsPorAmostra = leitor.m16(inicioFormato + 14);
    if (tamanhoFormato >= TAMANHO_FORMATO + 2) f.tamanhoExtra = leitor.m16(inicioFormato + 16);
    if (f.etiqueta != FORMATO_PCM) return std::nullopt;

    // The data chunk, after the format chunk; chunks are padded to even sizes.
    bloco = inicioFormato + tamanhoFormato + (tamanhoFormato & 1);
    while (bloco + CABECALHO_BLOCO <= fimRiff) {
        const uint64_t tamanho = leitor.m32(bloco + 4);
        const uint64_t inicio = bloco + CABECALHO_BLOCO;
        if (leitor.mIgual(bloco, "data")) {
            uint64_t disponivel = std::min(tamanho, fimRiff - inicio);
            if (f.alinhamento > 0) disponivel -= disponivel % f.alinhamento;
            const auto trecho = leitor.mTrecho(static_cast<std::size_t>(inicio),
                                               static_cast<std::size_t>(disponivel));
            som.dados.assign(trecho.begin(), trecho.end());
            return som;
        }
        if (tamanho > fimRiff - inicio) break;
        bloco = inicio + tamanho + (tamanho & 1);
    }
    return std::nullopt;
}
