#include "core/match/TermosAluno.h"

#include "core/data/TextoTutor.h"

#include <cstdint>

namespace {

// The string in double quotes, its quotes and backslashes escaped.
std::string entreAspas(std::string_view texto) {
    std::string saida = "\"";
    for (const char c : texto) {
        if (c == '"' || c == '\\') saida += '\\';
        saida += c;
    }
    return saida + '"';
}

bool continuacaoUtf8(char c) { return (static_cast<uint8_t>(c) & 0xC0) == 0x80; }

}  // namespace

std::string linhaDeTexto(std::string_view texto, std::size_t maxCaracteres) {
    std::string linha = textoLegivel(texto);
    for (char& c : linha)
        if (static_cast<uint8_t>(c) < 0x20 || c == 0x7F) c = ' ';
    const std::size_t inicio = linha.find_first_not_of(' ');
    if (inicio == std::string::npos) return {};
    linha.erase(0, inicio);
    // Cut after maxCaracteres characters: a character's first byte is no
    // continuation byte.
    std::size_t caracteres = 0;
    for (std::size_t i = 0; i < linha.size(); ++i) {
        if (continuacaoUtf8(linha[i])) continue;
        if (caracteres++ == maxCaracteres) {
            linha.resize(i);
            break;
        }
    }
    linha.erase(linha.find_last_not_of(' ') + 1);
    return linha;
}

std::string termoAluno(std::string_view nome) {
    return "[aluno(" + entreAspas(linhaDeTexto(nome, MAX_NOME_ALUNO)) + ")]";
}

std::string termoInicioPartida(std::string_view fase, uint32_t semente) {
    return "[partida(inicio," + entreAspas(linhaDeTexto(fase, MAX_NOME_FASE)) + "," + std::to_string(semente) + ")]";
}

std::string termoFimPartida(int32_t percentual, CorEcometro cor) {
    return "[partida(fim," + std::to_string(percentual) + "," + nomeCorEcometro(cor) + ")]";
}

std::string termoDiz(std::string_view texto) {
    return "[diz(" + entreAspas(linhaDeTexto(texto, MAX_TEXTO_ALUNO)) + ")]";
}
