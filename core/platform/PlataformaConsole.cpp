#include "core/platform/PlataformaConsole.h"

#include "core/sound/SaidaSom.h"

#include <chrono>
#include <iostream>

Resposta PlataformaConsole::mMensagem(const std::string& texto, const std::string&, Icone, Botoes,
                                      Resposta padrao) {
    ++caixas;
    std::cerr << texto << '\n';
    return padrao;
}

TamanhoTela PlataformaConsole::mTamanhoTela() const { return {}; }

uint32_t PlataformaConsole::mRelogioMs() const {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

std::string PlataformaConsole::mProcuraPrograma(const std::string&) const { return {}; }

void PlataformaConsole::mIniciaPrograma(const std::vector<std::string>&, ProcessoExterno& processo) {
    processo.identificador = 0;
}

bool PlataformaConsole::mProgramaRodando(const ProcessoExterno&) const { return false; }

std::unique_ptr<SaidaSom> PlataformaConsole::mCriaSaidaSom() { return nullptr; }
