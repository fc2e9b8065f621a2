// simula: a match of QELP without a window, for trying parameters.
//
//   simula [--valores FILE] [--fase FILE] [--semente N | --sementes A-B]
//          [--passos N] [--cada K] [--vista LxA] [--periodo MS]
//          [--usa PASSO,C,K]... [--cuidado] [--resumo] [--help]
//
// Writes one CSV row after the lake is built and after every K-th step, or,
// with --sementes, one row a seed, or, with --resumo, the match's debrief as
// the game shows it; message boxes of the game go to standard error. With a
// phase and no --passos a run lasts the phase's own length. Exit code 1 when
// the match cannot start, 2 for a bad option.
#include "core/data/Fase.h"
#include "core/match/Lote.h"
#include "core/match/Simulacao.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string_view>

namespace {

constexpr const char* USO =
    "uso: simula [--valores ARQUIVO] [--fase ARQUIVO] [--semente N | --sementes A-B]\n"
    "            [--passos N] [--cada K] [--vista LxA] [--periodo MS] [--usa PASSO,C,K]...\n"
    "            [--cuidado] [--resumo] [--help]\n"
    "  --valores  parâmetros especiais (padrão dp/valores.txt)\n"
    "  --fase     arquivo de fase (padrão: nenhum evento)\n"
    "  --semente  semente do gerador aleatório (padrão 1)\n"
    "  --sementes uma partida por semente, de A a B, em todos os núcleos; uma linha\n"
    "             por semente: semente,passos,ecometro_final,cor_final,ecometro_min,\n"
    "             ecometro_medio,n_seres_final\n"
    "  --passos   passos da partida (padrão: com --fase, até o fim da partida da\n"
    "             fase, ou um minuto depois do seu último evento; sem, 1000)\n"
    "  --cada     uma linha a cada K passos (padrão 1)\n"
    "  --vista    tamanho da vista 3D em pixels (padrão 560x315)\n"
    "  --periodo  período do passo em ms (padrão 130)\n"
    "  --usa      usa a ferramenta K (0-3) do personagem C (0-3) antes do passo PASSO\n"
    "  --cuidado  os usos de um aluno cuidadoso (Mãe Natureza e Pescador, 24 usos\n"
    "             espalhados pelos passos da partida)\n"
    "  --resumo   em vez das linhas, o resumo da partida como o jogo mostra: quanto\n"
    "             tempo o lago ficou em cada cor e as frases sobre o que aconteceu\n"
    "             (uma partida que não chega ao fim termina no último passo)\n"
    "  --help     mostra este texto\n";

struct Pedido {
    OpcoesSimulacao opcoes;
    std::optional<std::pair<uint32_t, uint32_t>> sementes;  // --sementes A-B
    bool resumo = false;                                     // --resumo
    bool cuidado = false;                                    // --cuidado
    bool passosDados = false;                                // --passos
    bool ajuda = false;                                      // --help
};

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

std::optional<Pedido> leOpcoes(int argc, char* argv[]) {
    Pedido pedido;
    OpcoesSimulacao& opcoes = pedido.opcoes;
    bool umaSemente = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view nome = argv[i];
        if (nome == "--help" || nome == "-h") {
            pedido.ajuda = true;
            return pedido;
        }
        if (nome == "--cuidado" || nome == "--resumo") {
            (nome == "--cuidado" ? pedido.cuidado : pedido.resumo) = true;
            continue;
        }
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
            if (nome == "--semente") opcoes.semente = *n, umaSemente = true;
            else if (nome == "--passos") opcoes.passos = *n, pedido.passosDados = true;
            else if (nome == "--cada") opcoes.cada = *n;
            else opcoes.periodo = *n;
        } else if (nome == "--vista") {
            const auto lados = numeros(valor, 'x', 2);
            if (!lados || (*lados)[0] == 0 || (*lados)[1] == 0 || (*lados)[0] > 100000 ||
                (*lados)[1] > 100000)
                return std::nullopt;
            opcoes.largura = static_cast<int>((*lados)[0]);
            opcoes.altura = static_cast<int>((*lados)[1]);
        } else if (nome == "--sementes") {
            const auto faixa = numeros(valor, '-', 2);
            if (!faixa || (*faixa)[1] < (*faixa)[0]) return std::nullopt;
            pedido.sementes = {(*faixa)[0], (*faixa)[1]};
        } else if (nome == "--usa") {
            const auto uso = numeros(valor, ',', 3);
            if (!uso || (*uso)[1] >= NUM_PERSONAGENS || (*uso)[2] >= NUM_FERRAMENTAS)
                return std::nullopt;
            opcoes.usos.push_back({(*uso)[0], (*uso)[1], (*uso)[2]});
        } else {
            return std::nullopt;
        }
    }
    if (opcoes.cada == 0 || (umaSemente && pedido.sementes) || (pedido.resumo && pedido.sementes))
        return std::nullopt;
    return pedido;
}

// The phase read once, before any match: its length when no --passos was
// given, and its message once when it cannot be read. False when it cannot.
bool preparaFase(Pedido& pedido) {
    OpcoesSimulacao& opcoes = pedido.opcoes;
    if (opcoes.fase.empty()) return true;
    PlataformaConsole plataforma;
    instalaPlataforma(&plataforma);
    TabelaFase tabela;
    const bool lida = mLeFase(opcoes.fase, tabela);
    instalaPlataforma(nullptr);
    if (lida && !pedido.passosDados) opcoes.passos = passosDaTabela(tabela);
    return lida;
}

// "%.2f" in the "C" locale.
std::string decimal(double valor) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.2f", valor);
    return texto;
}

int rodaSementes(const OpcoesSimulacao& opcoes, uint32_t de, uint32_t ate) {
    ControleLote controle;
    const std::vector<ResumoSemente> resumos = rodaSementes(opcoes, de, ate, controle);
    std::cout << "semente,passos,ecometro_final,cor_final,ecometro_min,ecometro_medio,n_seres_final\n";
    int codigo = 0;
    for (const ResumoSemente& r : resumos) {
        if (!r.iniciou) {
            codigo = 1;
            continue;
        }
        std::cout << r.semente << ',' << r.passos << ',' << decimal(r.ecometroFinal) << ','
                  << nomeCorEcometro(r.corFinal) << ',' << decimal(r.ecometroMin) << ','
                  << decimal(r.ecometroMedio) << ',' << r.seresFinal << '\n';
    }
    return codigo;
}

}  // namespace

int main(int argc, char* argv[]) {
    auto opcoes = leOpcoes(argc, argv);
    if (!opcoes) {
        std::cerr << USO;
        return 2;
    }
    if (opcoes->ajuda) {
        std::cout << USO;
        return 0;
    }
    if (!preparaFase(*opcoes)) return 1;
    if (opcoes->cuidado)
        for (const UsoFerramenta& uso : roteiroCuidado(opcoes->opcoes.passos)) opcoes->opcoes.usos.push_back(uso);
    if (opcoes->sementes) return rodaSementes(opcoes->opcoes, opcoes->sementes->first, opcoes->sementes->second);
    Simulacao simulacao(opcoes->opcoes);
    if (!simulacao.mInicia()) return 1;
    if (opcoes->resumo) std::cout << textoResumo(simulacao.mRodaResumo());
    else simulacao.mRoda(std::cout);
    return 0;
}
