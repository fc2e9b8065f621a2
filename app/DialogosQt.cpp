#include "app/DialogosQt.h"

#include "app/DlgColega.h"
#include "app/DlgConfigurar.h"
#include "app/DlgIniciarPartida.h"
#include "app/DlgSobre.h"
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

void DialogosQt::mSobre() {
    DlgSobre dialogo(janela.mWidget());
    dialogo.exec();
}
