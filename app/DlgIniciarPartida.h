// "Iniciar Partida": the pupil chooses a character and the phase file,
// typed or chosen among the files in dp/ ("..."). The name of the chosen
// character and the phase file name typed so far are kept current after
// every command and every edit.
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
    // The file dialog on dp/; the file chosen goes into the field.
    void mProcuraFase();

    QLabel* escolhido;
    QLineEdit* campoFase;
    uint32_t personagem;
    std::string faseOriginal;  // the name as it came, shown readably
    std::string fase;  // at most 299 characters
};

// The field's text for a file chosen in the file dialog: relative to the
// folder the game runs in when it lies there ("dp/aula7.txt"), else the
// whole path.
QString nomeDaFaseEscolhida(const QString& caminho);
