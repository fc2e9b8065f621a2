// The tutor's part of the application object: its text to the Conversa
// window.
#include "app/CApl.h"

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

void CApl::mAbreConversa() {
    if (conversaJaAberta) return;
    conversaJaAberta = true;
    abreConversa(janela.mWidget());
}
