#include "core/platform/Plataforma.h"

#include <cassert>

namespace {
// Each thread has its own: a match run on a worker thread (many seeds at once)
// installs the platform of its simulated clock there.
thread_local Plataforma* gPlataforma = nullptr;
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
