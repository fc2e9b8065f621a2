#include "core/platform/Plataforma.h"

#include <cassert>

namespace {
Plataforma* gPlataforma = nullptr;
}

Plataforma& plataforma() {
    assert(gPlataforma && "instale a plataforma (instalaPlataforma) antes de usá-la");
    return *gPlataforma;
}

void instalaPlataforma(Plataforma* nova) { gPlataforma = nova; }

void mostraAviso(const std::string& texto) {
    plataforma().mMensagem(texto, "Aviso", Icone::INFORMACAO, Botoes::OK, Resposta::OK);
}

void avisaArquivoNaoEncontrado(const std::string& arquivo) {
    mostraAviso("Arquivo '" + arquivo + "' não encontrado.");
}
