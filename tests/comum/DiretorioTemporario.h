// A fresh temporary directory that becomes the current directory for the
// life of the object, since the program reads its data relative to it.
#pragma once

#include <filesystem>
#include <string>

class DiretorioTemporario {
public:
    DiretorioTemporario();
    ~DiretorioTemporario();
    DiretorioTemporario(const DiretorioTemporario&) = delete;
    DiretorioTemporario& operator=(const DiretorioTemporario&) = delete;

    const std::filesystem::path& mCaminho() const { return caminho; }

    // Writes a file below the directory, creating its folders.
    void mEscreve(const std::string& relativo, const std::string& conteudo) const;
    // Reads a file below the directory ("" when it does not exist).
    std::string mLe(const std::string& relativo) const;

private:
    std::filesystem::path caminho;
    std::filesystem::path anterior;
};
