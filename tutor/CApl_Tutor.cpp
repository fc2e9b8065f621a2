// The tutor's part of the application object: its text to the Conversa
// window, the pupil's to the tutor, and the link looked after.
#include "app/CApl.h"

#include "core/match/TermosAluno.h"
#include "tutor/Conversa.h"

namespace {
constexpr std::size_t MAX_LEITURA_TUTOR = 1000;  // bytes read from the tutor a tick
}

void CApl::mLeTutor() {
    char bloco[MAX_LEITURA_TUTOR];
    std::size_t lidos = 0;
    const std::string texto = RecebeTutor(bloco, sizeof bloco, lidos) ? textoTutor.mDecodifica({bloco, lidos})
                                                                      : textoTutor.mEsvazia();
    if (!texto.empty() && conversaAberta()) acrescentaConversa(texto);
}

void CApl::mCuidaDoTutor() { CuidaDoTutor(plataforma().mRelogioMs()); }

void CApl::mEscreveAoTutor(const std::string& texto) {
    const std::string linha = linhaDeTexto(texto, MAX_TEXTO_ALUNO);
    if (linha.empty()) return;
    EnviaTutor(termoDiz(linha));
    acrescentaLinhaConversa(NomeAluno() + ": " + linha);
}

void CApl::mContaInicioAoTutor(uint32_t semente) {
    if (!NomeAluno().empty()) EnviaTutor(termoInicioPartida(faseAtual, semente));
}

void CApl::mContaFimAoTutor() {
    if (NomeAluno().empty()) return;
    const Ecometro ecometro = leEcometro(partida.agentes);
    EnviaTutor(termoFimPartida(percentualEcometro(ecometro.razao), ecometro.cor));
}

void CApl::mAbreConversa() {
    if (conversaJaAberta) return;
    conversaJaAberta = true;
    abreConversa(janela.mWidget());
    if (!NomeAluno().empty()) habilitaEscritaConversa([this](const std::string& texto) { mEscreveAoTutor(texto); });
}
