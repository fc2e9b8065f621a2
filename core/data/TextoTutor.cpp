#include "core/data/TextoTutor.h"

#include <array>
#include <cstdint>

namespace {

constexpr char32_t SUBSTITUTO = 0xFFFD;

// Windows-1252's characters 0x80..0x9F; the five it leaves undefined show
// as U+FFFD. Every other byte is the Unicode character of its value.
constexpr std::array<char32_t, 32> CP1252_80 = {
    0x20AC, SUBSTITUTO, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, SUBSTITUTO, 0x017D, SUBSTITUTO,
    SUBSTITUTO, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, SUBSTITUTO, 0x017E, 0x0178};

void acrescentaUtf8(std::string& saida, char32_t c) {
    if (c < 0x80) {
        saida += static_cast<char>(c);
    } else if (c < 0x800) {
        saida += static_cast<char>(0xC0 | (c >> 6));
        saida += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        saida += static_cast<char>(0xE0 | (c >> 12));
        saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        saida += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        saida += static_cast<char>(0xF0 | (c >> 18));
        saida += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        saida += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string deCp1252(std::string_view bytes) {
    std::string texto;
    for (const char ch : bytes) {
        const auto b = static_cast<uint8_t>(ch);
        acrescentaUtf8(texto, b >= 0x80 && b < 0xA0 ? CP1252_80[b - 0x80] : char32_t{b});
    }
    return texto;
}

// Line breaks and control characters, in UTF-8 text.
std::string limpa(std::string_view texto) {
    std::string saida;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        if (c == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') {
            saida += '\n';
            ++i;
        } else if (c == '\r' || c == '\n') {
            saida += ' ';
        } else if ((static_cast<uint8_t>(c) < 0x20 && c != '\t') || c == 0x7F) {
            acrescentaUtf8(saida, SUBSTITUTO);
        } else {
            saida += c;
        }
    }
    return saida;
}

}  // namespace

bool utf8ValidoAteOFim(std::string_view bytes, std::size_t& incompleto) {
    incompleto = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<uint8_t>(bytes[i]);
        std::size_t extras;
        uint8_t minimo = 0x80, maximo = 0xBF;  // the second byte's range
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            extras = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extras = 2;
            if (b == 0xE0) minimo = 0xA0;        // no overlong forms
            if (b == 0xED) maximo = 0x9F;        // no surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            extras = 3;
            if (b == 0xF0) minimo = 0x90;
            if (b == 0xF4) maximo = 0x8F;        // nothing beyond U+10FFFF
        } else {
            return false;
        }
        for (std::size_t k = 1; k <= extras; ++k) {
            if (i + k >= bytes.size()) {
                incompleto = bytes.size() - i;
                return true;
            }
            const auto c = static_cast<uint8_t>(bytes[i + k]);
            const uint8_t baixo = k == 1 ? minimo : 0x80, alto = k == 1 ? maximo : 0xBF;
            if (c < baixo || c > alto) return false;
        }
        i += extras + 1;
    }
    return true;
}

std::string textoLegivel(std::string_view bytes) {
    std::size_t incompleto = 0;
    if (utf8ValidoAteOFim(bytes, incompleto) && incompleto == 0) return std::string(bytes);
    return deCp1252(bytes);
}

std::string DecodificadorTutor::mDecodifica(std::string_view bytes) {
    std::string dados = pendente + std::string(bytes);
    pendente.clear();
    // A final carriage return may be the first half of a line break.
    if (!dados.empty() && dados.back() == '\r') {
        pendente = "\r";
        dados.pop_back();
    }
    std::size_t incompleto = 0;
    if (utf8ValidoAteOFim(dados, incompleto)) {
        pendente.insert(0, dados.substr(dados.size() - incompleto));
        dados.resize(dados.size() - incompleto);
        return limpa(dados);
    }
    return limpa(deCp1252(dados));
}

std::string DecodificadorTutor::mEsvazia() {
    const bool retorno = !pendente.empty() && pendente.back() == '\r';
    std::string bytes = retorno ? pendente.substr(0, pendente.size() - 1) : pendente;
    pendente = retorno ? "\r" : "";
    return limpa(deCp1252(bytes));
}
