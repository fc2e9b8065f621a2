// The reader of dp/valores.txt: for each key, the values that follow its
// first occurrence as a whole token, up to a token that begins with ";".
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* ARQUIVO_VALORES = "./dp/valores.txt";
inline constexpr std::size_t MAX_TOKEN = 299;  // characters of a token that count
inline constexpr std::size_t NUM_CHAVES = 36;

struct ChaveParametro {
    const char* nome;
    std::size_t capacidade;  // values at most
    float* destino;
};

// The 36 keys in the order they are read, with the arrays of the calling
// thread (each thread has its own values).
std::array<ChaveParametro, NUM_CHAVES> chavesParametros();

enum class ResultadoParametro { LIDO, CHAVE_FALTANDO, DADOS_DEMAIS };

// Reads one key's values from a text into destino. Fewer values than the
// capacity overwrite only the first ones; with more, the first capacidade
// are stored and the answer is DADOS_DEMAIS. A value is the number its
// token begins with ("." as decimal point), 0 when there is none; of a
// token longer than 299 characters only the first 299 count.
ResultadoParametro interpretaParametro(std::string_view texto, std::string_view chave,
                                       std::size_t capacidade, float* destino);

// Reads the entries of several keys from a text in one pass, exactly as a
// separate read of each key would, into their arrays; answers each key's
// result, in the keys' order.
std::vector<ResultadoParametro> interpretaParametros(std::string_view texto,
                                                     std::span<const ChaveParametro> chaves);

// Reads one key from the parameters file (the game's dp/valores.txt).
// Shows "Arquivo com parametros não encontrado", or the key when it is
// missing, or "BUG - muitos dados no campo" and then the key; answers false
// in those cases.
bool mLeParametro(const std::string& chave, std::size_t capacidade, float* destino,
                  const std::string& arquivo = ARQUIVO_VALORES);

// The 36 keys in order; stops at the first failure.
bool leParametros(const std::string& arquivo = ARQUIVO_VALORES);
