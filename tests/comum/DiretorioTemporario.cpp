#include "tests/comum/DiretorioTemporario.h"

#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

DiretorioTemporario::DiretorioTemporario() : anterior(fs::current_path()) {
    std::random_device aleatorio;
    for (;;) {
        caminho = fs::temp_directory_path() / ("qelp-teste-" + std::to_string(aleatorio()));
        if (fs::create_directory(caminho)) break;
    }
    fs::current_path(caminho);
}

DiretorioTemporario::~DiretorioTemporario() {
    std::error_code erro;
    fs::current_path(anterior, erro);
    fs::remove_all(caminho, erro);
}

void DiretorioTemporario::mEscreve(const std::string& relativo, const std::string& conteudo) const {
    const fs::path alvo = caminho / relativo;
    fs::create_directories(alvo.parent_path());
    std::ofstream(alvo, std::ios::binary) << conteudo;
}

std::string DiretorioTemporario::mLe(const std::string& relativo) const {
    std::ifstream arquivo(caminho / relativo, std::ios::binary);
    std::ostringstream conteudo;
    conteudo << arquivo.rdbuf();
    return conteudo.str();
}
