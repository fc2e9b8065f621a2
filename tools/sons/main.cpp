// gera_sons: synthesises the game's eight sound effects and writes them as
// 16-bit mono PCM wave files at 22050 Hz.
//
//   gera_sons DIRETORIO
//
// Each file is scaled to the same peak, a little below full scale. The
// files are the same on every run.
#include "tools/sons/Sons.h"
#include "tools/sons/Wav.h"

#include <cstdio>
#include <filesystem>
#include <string>

using namespace sons;

namespace {
// Loudest sample of every file: about 3 dB below full scale.
constexpr int PICO = 23000;
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s DIRETORIO\n", argv[0]);
        return 2;
    }
    const std::filesystem::path diretorio = argv[1];
    std::error_code erro;
    std::filesystem::create_directories(diretorio, erro);
    if (erro) {
        std::fprintf(stderr, "Impossível criar o diretório '%s'.\n", diretorio.string().c_str());
        return 1;
    }

    int falhas = 0;
    for (const Som& som : sonsDoJogo()) {
        const Faixa faixa = som.gera();
        if (faixa.duracao() > som.duracaoMaxima) {
            std::fprintf(stderr, "%s dura %.2f s, mais que %.2f s.\n", som.arquivo, faixa.duracao(),
                         som.duracaoMaxima);
            ++falhas;
            continue;
        }
        const std::string caminho = (diretorio / som.arquivo).string();
        if (!escreveWav(caminho, paraPcm16(faixa, PICO), TAXA)) {
            std::fprintf(stderr, "Impossível gravar '%s'.\n", caminho.c_str());
            ++falhas;
            continue;
        }
        std::printf("%-14s %.3f s\n", som.arquivo, faixa.duracao());
    }
    return falhas == 0 ? 0 : 1;
}
