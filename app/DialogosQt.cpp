#include "app/DialogosQt.h"

#include "app/DlgColega.h"
#include "app/DlgConfigurar.h"
#include "app/DlgIniciarPartida.h"
#include "app/DlgSobre.h"
#include "app/DlgTexto.h"
#include "core/data/Configuracao.h"
#include "core/match/TermosAluno.h"
#include "view/CJanela.h"

bool DialogosQt::mIniciarPartida(uint32_t& personagem, std::string& fase) {
    DlgIniciarPartida dialogo(janela.mWidget(), personagem, fase);
    if (dialogo.exec() != QDialog::Accepted) return false;
    personagem = dialogo.mPersonagem();
    fase = dialogo.mFase();
    return true;
}

bool DialogosQt::mEscolheColega(uint32_t personagem, uint32_t& colega) {
    DlgColega dialogo(janela.mWidget(), personagem);
    if (dialogo.exec() != QDialog::Accepted) return false;
    colega = dialogo.mColega();
    return true;
}

bool DialogosQt::mConfigurar(std::string& faseSugerida, uint32_t& tamanho) {
    DlgConfigurar dialogo(janela.mWidget(), faseSugerida, tamanho);
    if (dialogo.exec() != QDialog::Accepted) return false;
    faseSugerida = dialogo.mFase();
    tamanho = dialogo.mTamanho();
    return true;
}

namespace {
// A line of text asked for; false when cancelled.
bool pedeTexto(QWidget* dono, const char* titulo, const char* rotulo, std::string& texto,
               int maxCaracteres = MAX_NOME_ARQUIVO) {
    DlgTexto dialogo(dono, titulo, rotulo, texto, maxCaracteres);
    if (dialogo.exec() != QDialog::Accepted) return false;
    texto = dialogo.mTexto();
    return true;
}
}  // namespace

bool DialogosQt::mPedeComputador(std::string& nome) {
    nome.clear();
    return pedeTexto(janela.mWidget(), "Configura Comunicação com Tutor",
                     "Nome do computador onde o tutor está sendo executado:", nome);
}

bool DialogosQt::mPedePorta(std::string& porta) {
    return pedeTexto(janela.mWidget(), "Número da Porta",
                     "Número da porta do canal de comunicação com o tutor:", porta);
}

bool DialogosQt::mPedeNomeAluno(std::string& nome) {
    return pedeTexto(janela.mWidget(), "Nome do Aluno",
                     "Seu nome, para o professor (pode ficar em branco):", nome, MAX_NOME_ALUNO);
}

void DialogosQt::mSobre() {
    DlgSobre dialogo(janela.mWidget());
    dialogo.exec();
}
