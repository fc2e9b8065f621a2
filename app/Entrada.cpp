#include "app/Entrada.h"

#include "app/CApl.h"

namespace {

constexpr int LARGURA_MINIMA = 800;  // pixels of screen the game was designed for
constexpr int ALTURA_MINIMA = 600;

constexpr const char* TEXTO_RESOLUCAO_BAIXA =
    "A resolução do monitor está muito baixa,\n"
    "este programa foi projetado para funcionar com resolução 800x600 ou uma outra maior;\n"
    "pode não funcionar corretamente agora.\n\n"
    "Continuar a executar o programa?\n\n"
    "Escolha SIM para continuar, NÃO para terminar.\n\n"
    "É possível alterar a resolução de vídeo pelo Painel de Controle.";

constexpr const char* TEXTO_SEM_OPENGL =
    "Este programa requer OpenGL versão 3.3 ou uma outra versão mais atual.\n\n"
    "O OpenGL é uma biblioteca gráfica, verifique se o driver de vídeo está instalado "
    "corretamente. Caso contrário uma versão atualizada pode ser encontrada no site do "
    "fabricante da placa de vídeo (https://www.khronos.org/opengl/).";

}  // namespace

int qelpEntrada(CApl& apl, const std::function<int()>& lacoMensagens) {
    // 1. The screen.
    const TamanhoTela tela = plataforma().mTamanhoTela();
    if (tela.largura < LARGURA_MINIMA || tela.altura < ALTURA_MINIMA) {
        if (plataforma().mMensagem(TEXTO_RESOLUCAO_BAIXA, "QELP", Icone::PERGUNTA, Botoes::SIM_NAO,
                                   Resposta::SIM) != Resposta::SIM)
            return 0;
    }

    // 2. The graphics.
    if (!plataforma().mSuportaGraficos()) {
        mostraAviso(TEXTO_SEM_OPENGL);
        return 0;
    }

    // 3. Start-up.
    if (!apl.mInicializa()) return 0;

    // 4. The message loop, until the window is destroyed.
    return lacoMensagens();
}
