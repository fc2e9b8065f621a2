// Reading of whitespace-separated text items the way the settings, phase and
// parameter files are read: a cursor over a stream that takes one decimal
// integer or one word at a time. Files are read as a stream, never whole, so
// that a huge file costs time in proportion to what is read of it and no
// more memory than its longest kept item.
#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// A text file opened for reading, or none when it cannot be opened as a
// file (missing, unreadable, a directory).
std::unique_ptr<std::istream> abreArquivoTexto(const std::string& nome);

// The whole content of a text file, or nothing when it cannot be opened
// as a file.
std::optional<std::string> leArquivoTexto(const std::string& nome);

// The number a text begins with, exactly as strtod reads it in the "C"
// locale, whatever the program's locale: an optional sign, then a decimal
// or "0x" hexadecimal number, "inf", "infinity" or "nan"; 0 when there is
// none. Beyond the range of a double it is ±infinity; below it, 0.
double numeroComoStrtod(std::string_view texto);

class LeituraTexto {
public:
    explicit LeituraTexto(std::istream& entrada) : entrada(entrada) {}
    // Over a text in memory (which must outlive the reading).
    explicit LeituraTexto(std::string_view texto);
    ~LeituraTexto();
    LeituraTexto(const LeituraTexto&) = delete;
    LeituraTexto& operator=(const LeituraTexto&) = delete;

    // A decimal integer after leading white space: optional sign, at least
    // one digit. Beyond the 32-bit range it is clamped to the range.
    std::optional<int32_t> mLeInteiro();

    // A word after leading white space: the characters up to the next white
    // space, of which the first maxCaracteres are kept.
    std::optional<std::string> mLePalavra(std::size_t maxCaracteres);

    // Everything not read yet.
    std::string mResto();

private:
    void mPulaBrancos();

    std::unique_ptr<std::streambuf> memoria;  // the text in memory, when there is one
    std::istream memoriaComoFluxo{nullptr};
    std::istream& entrada;
};
