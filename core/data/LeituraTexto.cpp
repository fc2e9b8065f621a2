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

// White space as the "C" locale has it, whatever the program's locale.
bool ehBranco(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
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

std::unique_ptr<std::istream> abreArquivoTexto(const std::string& nome) {
    std::error_code erro;
    if (nome.empty() || std::filesystem::is_directory(nome, erro)) return nullptr;
    auto arquivo = std::make_unique<std::ifstream>(nome);
    if (!*arquivo) return nullptr;
    return arquivo;
}

std::optional<std::string> leArquivoTexto(const std::string& nome) {
    const auto arquivo = abreArquivoTexto(nome);
    if (!arquivo) return std::nullopt;
    std::ostringstream conteudo;
    conteudo << arquivo->rdbuf();
    return conteudo.str();
}

namespace {
// A text in memory as a stream buffer, without a copy.
class BufferDeTexto : public std::streambuf {
public:
    explicit BufferDeTexto(std::string_view texto) {
        char* inicio = const_cast<char*>(texto.data());
        setg(inicio, inicio, inicio + texto.size());
    }
};
}  // namespace

LeituraTexto::LeituraTexto(std::string_view texto)
    : memoria(std::make_unique<BufferDeTexto>(texto)), entrada(memoriaComoFluxo) {
    memoriaComoFluxo.rdbuf(memoria.get());
}

LeituraTexto::~LeituraTexto() = default;

void LeituraTexto::mPulaBrancos() {
    std::streambuf& fonte = *entrada.rdbuf();
    for (int c = fonte.sgetc(); c != EOF && ehBranco(static_cast<char>(c)); c = fonte.snextc()) {
    }
}

std::optional<int32_t> LeituraTexto::mLeInteiro() {
    if (!entrada.rdbuf()) return std::nullopt;
    mPulaBrancos();
    std::streambuf& fonte = *entrada.rdbuf();
    int c = fonte.sgetc();
    const bool negativo = c == '-';
    if (c == '+' || c == '-') c = fonte.snextc();
    if (c == EOF || !ehDigito(static_cast<char>(c))) return std::nullopt;

    // Accumulate until the value is past the range; more digits change nothing.
    constexpr int64_t ALEM = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t valor = 0;
    for (; c != EOF && ehDigito(static_cast<char>(c)); c = fonte.snextc())
        if (valor <= ALEM) valor = valor * 10 + (c - '0');

    if (negativo) return static_cast<int32_t>(-std::min(valor, ALEM));
    return static_cast<int32_t>(std::min(valor, ALEM - 1));
}

std::optional<std::string> LeituraTexto::mLePalavra(std::size_t maxCaracteres) {
    if (!entrada.rdbuf()) return std::nullopt;
    mPulaBrancos();
    std::streambuf& fonte = *entrada.rdbuf();
    std::string palavra;
    bool achou = false;
    for (int c = fonte.sgetc(); c != EOF && !ehBranco(static_cast<char>(c)); c = fonte.snextc()) {
        achou = true;
        if (palavra.size() < maxCaracteres) palavra += static_cast<char>(c);
    }
    if (!achou) return std::nullopt;
    return palavra;
}

std::string LeituraTexto::mResto() {
    if (!entrada.rdbuf()) return {};
    std::string resto;
    std::streambuf& fonte = *entrada.rdbuf();
    for (int c = fonte.sgetc(); c != EOF; c = fonte.snextc()) resto += static_cast<char>(c);
    return resto;
}
