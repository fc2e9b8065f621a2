// The control panel's operations of the application object: the panel's
// state (core/panel/CPainel.h) decides, these draw, sound and act.
#include "app/CApl.h"

#include "app/Menu.h"
#include "app/ProgramasExternos.h"
#include "tutor/Tutor.h"

namespace {
// Where the text about a lake object is written: its top-left corner.
constexpr float X_TEXTO_OBJETO = 0.375f;
constexpr float Y_TEXTO_OBJETO = 0.75f;
}  // namespace

void CApl::mExibeAbertura() {
    partida.mVoltaAbertura();
    painel.mExibeAbertura();
    janela.mAtualizaJanela();
}

void CApl::mMostraPainel() { painel.mMostraPainel(gComTutor != 0); }

void CApl::mRedesenhaPainel() {
    for (const int entrada : painel.mRedesenho(gComTutor != 0)) tela.mDesenhaBitmap(entrada);
}

void CApl::mDefinePersonagens(uint32_t c1, uint32_t c2) {
    painel.mDefinePersonagens(c1, c2);
    tela.mRecarregaBitmaps();
}

void CApl::mCliquePainel(uint32_t px, uint32_t py) {
    if (mMostraObjeto(px, py)) return;
    const Clique clique = painel.mClique(mFracaoX(px), mFracaoY(py), partida.estado == EM_JOGO,
                                         gComTutor != 0, partida.personagem, partida.personagemColega);
    if (clique.tipo == Clique::NENHUM || clique.tipo == Clique::RECUSADO) {
        sons.mTocaSom(SOM_ERRO);
        return;
    }
    tela.mDesenhaBitmap(clique.botao + DESLOCAMENTO_PRESSIONADO);
    switch (clique.tipo) {
    case Clique::AJUDA:
        if (plataforma().mProgramaRodando(procAjuda)) {
            sons.mTocaSom(SOM_ERRO);
        } else {
            sons.mTocaSom(SOM_SUCESSO);
            plataforma().mIniciaPrograma({programaLocal("ajuda")}, procAjuda);
        }
        break;
    case Clique::FERRAMENTA:
        // The sound follows from the match's answer (mAconteceu).
        partida.mUsaFerramenta(clique.personagem, clique.ferramenta);
        break;
    default:  // "Estados Mentais": pressed, and nothing more
        sons.mTocaSom(SOM_ERRO);
        break;
    }
}

void CApl::mSoltaBotao() {
    const int botao = painel.mSolta();
    if (botao != -1) tela.mDesenhaBitmap(botao);
    else if (partida.estado != SEM_PARTIDA) mRedesenhaPainel();
}

bool CApl::mMostraObjeto(uint32_t px, uint32_t py) {
    const CAgente* agente = cena.mAgenteEm(static_cast<int>(px), static_cast<int>(py));
    if (!agente || !agente->corpo || agente->corpo->marca != MARCA_CORPO) return false;
    const std::optional<std::string> texto = textoDoObjeto(agente->corpo->tipo, agente->corpo->energia);
    if (!texto) return false;
    mEscreveTexto(*texto, X_TEXTO_OBJETO, Y_TEXTO_OBJETO, false, false);
    return true;
}

void CApl::mMostraDica(uint32_t px, uint32_t py) {
    EstadoDica estado;
    estado.personagem = partida.personagem;
    estado.personagemColega = partida.personagemColega;
    estado.usos = partida.mUsos(partida.personagem);
    estado.usosColega = partida.mUsos(partida.personagemColega);
    estado.leitura = leEcometro(partida.agentes).leitura;
    if (const auto dica = painel.mDica(mFracaoX(px), mFracaoY(py), estado))
        mEscreveTexto(dica->texto, dica->x, dica->y, dica->alinhaDireita, dica->alinhaBase);
}

void CApl::mEscreveTexto(const std::string& texto, float fx, float fy, bool alinhaDireita,
                         bool alinhaBase) {
    tela.mEscreveTexto(textoEscrito(texto), fx, fy, alinhaDireita, alinhaBase);
}

void CApl::mAtualizaEcometro() {
    const int barra = painel.mMostraBarra(partida.mAvaliaEcometro());
    tela.mDesenhaBitmap(ITEM_ECOMETRO);
    tela.mDesenhaBitmap(barra);
}

float CApl::mFracaoX(uint32_t px) const {
    return fracaoDoPonteiro(px, tamanhoJanela, plataforma().mTamanhoTela().largura, janela.mImagem().width());
}

float CApl::mFracaoY(uint32_t py) const {
    return fracaoDoPonteiro(py, tamanhoJanela, plataforma().mTamanhoTela().altura, janela.mImagem().height());
}
