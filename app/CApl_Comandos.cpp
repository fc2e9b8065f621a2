// How the main window's messages reach the application: keys, menu commands
// and the outside programs they start.
#include "app/CApl.h"

#include "app/Menu.h"

#include <array>

namespace {

#ifdef _WIN32
constexpr const char* SUFIXO_PROGRAMA = ".exe";
#else
constexpr const char* SUFIXO_PROGRAMA = "";
#endif

std::string programaLocal(const char* nome) { return std::string("./") + nome + SUFIXO_PROGRAMA; }

constexpr const char* ARQUIVO_PARAMETROS = "dp/valores.txt";

// Text editors tried in this order; the first one on the PATH opens the
// parameters file.
constexpr std::array EDITORES_TEXTO = {
#ifdef _WIN32
    "notepad.exe",
#endif
    "gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "pluma", "xed",
    "featherpad", "leafpad", "geany", "xdg-open",
};

std::string editorTexto() {
    for (const char* nome : EDITORES_TEXTO) {
        std::string caminho = plataforma().mProcuraPrograma(nome);
        if (!caminho.empty()) return caminho;
    }
    return {};
}

}  // namespace

void CApl::mTrataMensagem(const Mensagem& mensagem) {
    switch (mensagem.tipo) {
    case TipoMensagem::COMANDO:
        mExecutaComando(static_cast<int>(mensagem.a));
        break;
    case TipoMensagem::TEMPORIZADOR:
        mExecEventosFase(mensagem.a == TIMER_PASSO ? ORIGEM_PASSO : ORIGEM_FASE);
        break;
    case TipoMensagem::TECLA:
        if (mensagem.a == TECLA_F1) janela.mPostaComando(CMD_AJUDA);
        else if (mensagem.a == TECLA_F12) janela.mPostaFechamento();
        break;
    default:
        janela.mMensagemJanela(mensagem);
        break;
    }
}

void CApl::mExecutaComando(int id) {
    switch (id) {
    case CMD_SAIR:
        janela.mPostaFechamento();
        break;
    case CMD_AJUDA:
        mIniciaUmaVez({programaLocal("ajuda")}, procAjuda);
        break;
    case CMD_EDITAR_FASES:
        mIniciaUmaVez({programaLocal("editor")}, procEditor);
        break;
    case CMD_EDITAR_PARAMETROS:
        if (!plataforma().mProgramaRodando(procBloco)) {
            if (const std::string editor = editorTexto(); !editor.empty())
                plataforma().mIniciaPrograma({editor, ARQUIVO_PARAMETROS}, procBloco);
        }
        break;
    default:
        break;
    }
}

void CApl::mIniciaUmaVez(const std::vector<std::string>& argumentos, ProcessoExterno& processo) {
    if (!plataforma().mProgramaRodando(processo)) plataforma().mIniciaPrograma(argumentos, processo);
}
