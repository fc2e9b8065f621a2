// simula: a match of QELP without a window, for trying parameters.
//
//   simula [--valores FILE] [--fase FILE] [--semente N] [--passos N] [--cada K]
//          [--vista LxA] [--periodo MS] [--usa PASSO,C,K]...
//
// Writes one CSV row after the lake is built and after every K-th step;
// message boxes of the game go to standard error. Exit code 1 when the match
// cannot start, 2 for a bad option.
#include "tools/simula/Simulacao.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string_view>

namespace {

constexpr const char* USO =
    "uso: simula [--valores ARQUIVO] [--fase ARQUIVO] [--semente N] [--passos N] [--cada K]\n"
    "            [--vista LxA] [--periodo MS] [--usa PASSO,C,K]...\n"
    "  --valores  parâmetros especiais (padrão dp/valores.txt)\n"
    "  --fase     arquivo de fase (padrão: nenhum evento)\n"
    "  --semente  semente do gerador aleatório (padrão 1)\n"
    "  --passos   passos da partida (padrão 1000)\n"
    "  --cada     uma linha a cada K passos (padrão 1)\n"
    "  --vista    tamanho da vista 3D em pixels (padrão 560x315)\n"
    "  --periodo  período do passo em ms (padrão 130)\n"
    "  --usa      usa a ferramenta K (0-3) do personagem C (0-3) antes do passo PASSO\n";

std::optional<uint32_t> numero(std::string_view texto) {
    uint32_t valor = 0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (erro != std::errc() || fim != texto.data() + texto.size()) return std::nullopt;
    return valor;
}

// "AxB" or "A,B,C": whole numbers separated by one character.
std::optional<std::vector<uint32_t>> numeros(std::string_view texto, char separador,
                                             std::size_t quantos) {
    std::vector<uint32_t> valores;
    while (valores.size() < quantos) {
        const std::size_t fim = texto.find(separador);
        const auto valor = numero(texto.substr(0, fim));
        if (!valor) return std::nullopt;
        valores.push_back(*valor);
        if (fim == std::string_view::npos) break;
        texto.remove_prefix(fim + 1);
    }
    if (valores.size() != quantos) return std::nullopt;
    return valores;
}

std::optional<OpcoesSimulacao> leOpcoes(int argc, char* argv[]) {
    OpcoesSimulacao opcoes;
    for (int i = 1; i < argc; ++i) {
        const std::string_view nome = argv[i];
        if (i + 1 >= argc) return std::nullopt;
        const std::string_view valor = argv[++i];
        if (nome == "--valores") {
            opcoes.valores = valor;
        } else if (nome == "--fase") {
            opcoes.fase = valor;
        } else if (nome == "--semente" || nome == "--passos" || nome == "--cada" ||
                   nome == "--periodo") {
            const auto n = numero(valor);
            if (!n) return std::nullopt;
            if (nome == "--semente") opcoes.semente = *n;
            else if (nome == "--passos") opcoes.passos = *n;
            else if (nome == "--cada") opcoes.cada = *n;
            else opcoes.periodo = *n;
        } else if (nome == "--vista") {
            const auto lados = numeros(valor, 'x', 2);
            if (!lados || (*lados)[0] == 0 || (*lados)[1] == 0 || (*lados)[0] > 100000 ||
                (*lados)[1] > 100000)
                return std::nullopt;
            opcoes.largura = static_cast<int>((*lados)[0]);
            opcoes.altura = static_cast<int>((*lados)[1]);
        } else if (nome == "--usa") {
            const auto uso = numeros(valor, ',', 3);
            if (!uso || (*uso)[1] >= NUM_PERSONAGENS || (*uso)[2] >= NUM_FERRAMENTAS)
                return std::nullopt;
            opcoes.usos.push_back({(*uso)[0], (*uso)[1], (*uso)[2]});
        } else {
            return std::nullopt;
        }
    }
    if (opcoes.cada == 0) return std::nullopt;
    return opcoes;
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto opcoes = leOpcoes(argc, argv);
    if (!opcoes) {
        std::cerr << USO;
        return 2;
    }
    Simulacao simulacao(*opcoes);
    if (!simulacao.mInicia()) return 1;
    simulacao.mRoda(std::cout);
    return 0;
}
