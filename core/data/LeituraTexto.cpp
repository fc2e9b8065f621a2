#include "core/data/LeituraTexto.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

namespace {

bool ehBranco(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
bool ehDigito(char c) { return c >= '0' && c <= '9'; }
bool ehHexa(char c) { return ehDigito(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

bool comecaCom(std::string_view texto, std::string_view inicio) {
    if (texto.size() < inicio.size()) return false;
    for (std::size_t i = 0; i < inicio.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(texto[i])) != inicio[i]) return false;
    return true;
}

// Whether a number's digits, too many for a double, are too large (rather
// than too small): the position of its first significant digit, counted in
// the base's digits from the point, plus its exponent, is positive. The
// exponent is in the same base for decimals (e) and in bits for hex (p).
bool grandeDemais(std::string_view numero, bool hexa) {
    const char marcaExpoente = hexa ? 'p' : 'e';
    std::size_t i = 0;
    long ordem = 0;  // digits before the point, minus leading zeros
    bool antesDoPonto = true, achou = false;
    for (; i < numero.size(); ++i) {
        const char c = numero[i];
        if (c == '.') {
            antesDoPonto = false;
        } else if (hexa ? ehHexa(c) : ehDigito(c)) {
            if (c != '0') achou = true;
            if (antesDoPonto && achou) ++ordem;
            else if (!antesDoPonto && !achou) --ordem;
        } else {
            break;
        }
    }
    long expoente = 0;
    if (i < numero.size() && std::tolower(static_cast<unsigned char>(numero[i])) == marcaExpoente) {
        std::size_t j = i + 1;
        const bool negativo = j < numero.size() && numero[j] == '-';
        if (j < numero.size() && (numero[j] == '+' || numero[j] == '-')) ++j;
        for (; j < numero.size() && ehDigito(numero[j]); ++j)
            expoente = std::min(expoente * 10 + (numero[j] - '0'), 1000000000L);
        if (negativo) expoente = -expoente;
    }
    return (hexa ? ordem * 4 : ordem) + expoente > 0;
}

}  // namespace

double numeroComoStrtod(std::string_view texto) {
    constexpr double INFINITO = std::numeric_limits<double>::infinity();
    bool negativo = false;
    if (!texto.empty() && (texto[0] == '+' || texto[0] == '-')) {
        negativo = texto[0] == '-';
        texto.remove_prefix(1);
    }
    const double sinal = negativo ? -1.0 : 1.0;
    if (comecaCom(texto, "inf")) return sinal * INFINITO;
    if (comecaCom(texto, "nan")) return std::copysign(std::numeric_limits<double>::quiet_NaN(), sinal);

    // "0x" with a hexadecimal number after it; else, a decimal number (of
    // which "0x…" without hex digits is just the 0).
    const bool hexa = comecaCom(texto, "0x") && texto.size() > 2 &&
                      (ehHexa(texto[2]) || (texto[2] == '.' && texto.size() > 3 && ehHexa(texto[3])));
    const std::string_view numero = hexa ? texto.substr(2) : texto;
    const auto digito = [hexa](char c) { return hexa ? ehHexa(c) : ehDigito(c); };
    const bool temDigito = !numero.empty() && (digito(numero[0]) || (numero[0] == '.' && numero.size() > 1 &&
                                                                     digito(numero[1])));
    if (!temDigito) return 0.0;
    double valor = 0;
    const auto [fim, erro] = std::from_chars(numero.data(), numero.data() + numero.size(), valor,
                                             hexa ? std::chars_format::hex : std::chars_format::general);
    if (erro == std::errc::result_out_of_range)
        return grandeDemais(numero, hexa) ? sinal * INFINITO : sinal * 0.0;
    if (erro != std::errc()) return 0.0;
    return sinal * valor;
}

std::optional<std::string> leArquivoTexto(const std::string& nome) {
    std::error_code erro;
    if (nome.empty() || std::filesystem::is_directory(nome, erro)) return std::nullopt;
    std::ifstream arquivo(nome);
    if (!arquivo) return std::nullopt;
    std::ostringstream conteudo;
    conteudo << arquivo.rdbuf();
    return conteudo.str();
}

void LeituraTexto::mPulaBrancos() {
    while (!resto.empty() && ehBranco(resto.front())) resto.remove_prefix(1);
}

std::optional<int32_t> LeituraTexto::mLeInteiro() {
    mPulaBrancos();
    std::size_t fim = 0;
    const bool negativo = !resto.empty() && resto[0] == '-';
    if (!resto.empty() && (resto[0] == '+' || resto[0] == '-')) ++fim;
    const std::size_t inicioDigitos = fim;
    while (fim < resto.size() && ehDigito(resto[fim])) ++fim;
    if (fim == inicioDigitos) return std::nullopt;

    // Accumulate until the value is past the range; more digits change nothing.
    constexpr int64_t ALEM = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t valor = 0;
    for (std::size_t i = inicioDigitos; i < fim && valor <= ALEM; ++i)
        valor = valor * 10 + (resto[i] - '0');
    resto.remove_prefix(fim);

    if (negativo) return static_cast<int32_t>(-std::min(valor, ALEM));
    return static_cast<int32_t>(std::min(valor, ALEM - 1));
}

std::optional<std::string> LeituraTexto::mLePalavra(std::size_t maxCaracteres) {
    mPulaBrancos();
    std::size_t fim = 0;
    while (fim < resto.size() && !ehBranco(resto[fim])) ++fim;
    if (fim == 0) return std::nullopt;
    std::string palavra(resto.substr(0, std::min(fim, maxCaracteres)));
    resto.remove_prefix(fim);
    return palavra;
}
