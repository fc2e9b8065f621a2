// How the main window's messages reach the application: keys, menu commands
// and the outside programs they start.
#include "app/CApl.h"

#include "app/Menu.h"
#include "app/ProgramasExternos.h"
#include "core/data/Configuracao.h"

#include <filesystem>

namespace {
constexpr const char* ARQUIVO_PARAMETROS = "dp/valores.txt";
}

void CApl::mTrataMensagem(const Mensagem& mensagem) {
    switch (mensagem.tipo) {
    case TipoMensagem::COMANDO:
        mExecutaComando(static_cast<int>(mensagem.a));
        break;
    case TipoMensagem::TEMPORIZADOR:
        if (mensagem.a == TIMER_TUTOR) mCuidaDoTutor();
        else mExecEventosFase(mensagem.a == TIMER_PASSO ? ORIGEM_PASSO : ORIGEM_FASE);
        break;
    case TipoMensagem::BOTAO_ESQUERDO_DESCE:
        if (partida.estado != SEM_PARTIDA) mCliquePainel(mensagem.a, mensagem.b);
        break;
    case TipoMensagem::BOTAO_ESQUERDO_SOBE:
        mSoltaBotao();
        break;
    case TipoMensagem::BOTAO_DIREITO_DESCE:
        if (partida.estado != SEM_PARTIDA && !mMostraObjeto(mensagem.a, mensagem.b))
            mMostraDica(mensagem.a, mensagem.b);
        break;
    case TipoMensagem::BOTAO_DIREITO_SOBE:
        if (partida.estado != SEM_PARTIDA) mRedesenhaPainel();
        break;
    case TipoMensagem::TECLA:
        switch (mensagem.a) {
        case TECLA_F1: janela.mPostaComando(CMD_AJUDA); break;
        case TECLA_F2: mNovaPartida(); break;
        case TECLA_F3: mPausa(); break;
        case TECLA_F12: janela.mPostaFechamento(); break;
        default: break;
        }
        break;
    default:
        janela.mMensagemJanela(mensagem);
        break;
    }
}

void CApl::mExecutaComando(int id) {
    switch (id) {
    case CMD_CONFIGURAR:
        mConfigura();
        break;
    case CMD_INICIAR:
        mNovaPartida();
        break;
    case CMD_PAUSA:
        mPausa();
        break;
    case CMD_SAIR:
        janela.mPostaFechamento();
        break;
    case CMD_AJUDA:
        mIniciaUmaVez({programaLocal("ajuda")}, procAjuda);
        break;
    case CMD_SOBRE:
        sons.mTocaSom(SOM_SOBRE);
        dialogos->mSobre();
        break;
    case CMD_CONVERSA:
        mAbreConversa();
        break;
    case CMD_TERMINAR:
        mTerminaPartida();
        break;
    case CMD_RESUMO:
        mAbreResumo();
        break;
    case CMD_EDITAR_FASES:
        mIniciaUmaVez({programaLocal("editor")}, procEditor);
        break;
    case CMD_EDITAR_PARAMETROS:
        mEditaParametros();
        break;
    default:
        break;
    }
}

void CApl::mEditaParametros() {
    if (plataforma().mProgramaRodando(procBloco)) return;
    if (const std::string editor = editorTexto(); !editor.empty()) {
        plataforma().mIniciaPrograma({editor, ARQUIVO_PARAMETROS}, procBloco);
        return;
    }
    std::error_code erro;
    const std::filesystem::path arquivo = std::filesystem::absolute(ARQUIVO_PARAMETROS, erro);
    mostraAviso("Nenhum editor de texto foi encontrado (procurei: " + editoresProcurados() +
                ").\n\nO arquivo de parâmetros especiais está em:\n" +
                (erro ? std::string(ARQUIVO_PARAMETROS) : arquivo.string()) +
                "\n\nAbra-o com um editor de texto qualquer.");
}

void CApl::mConfigura() {
    uint32_t tamanho = tamanhoJanela;
    dialogos->mConfigurar(faseSugerida, tamanho);
    GravaConfiguracao(periodoPasso, tamanho, faseSugerida);
}

void CApl::mIniciaUmaVez(const std::vector<std::string>& argumentos, ProcessoExterno& processo) {
    if (!plataforma().mProgramaRodando(processo)) plataforma().mIniciaPrograma(argumentos, processo);
}
