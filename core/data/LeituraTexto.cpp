#include "core/data/LeituraTexto.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

namespace {
bool ehBranco(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
bool ehDigito(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
}  // namespace

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
