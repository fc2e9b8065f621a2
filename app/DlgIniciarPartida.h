// "Iniciar Partida": the pupil chooses a character and the phase file.
// The name of the chosen character and the phase file name typed so far
// are kept current after every command and every edit.
#pragma once

#include <QDialog>

#include <cstdint>
#include <string>

class QLabel;
class QLineEdit;

class DlgIniciarPartida : public QDialog {
public:
    DlgIniciarPartida(QWidget* dono, uint32_t personagem, const std::string& fase);

    // The working choice: what "&Iniciar Partida" hands back.
    uint32_t mPersonagem() const { return personagem; }
    const std::string& mFase() const { return fase; }

private:
    void mEscolhe(uint32_t novo);

    QLabel* escolhido;
    QLineEdit* campoFase;
    uint32_t personagem;
    std::string fase;  // at most 299 characters
};
