// "Sobre": the game's name and version, who made it, its licence, and a
// button that shows the licence's text in the desktop's text editor.
#pragma once

#include <QDialog>

class DlgSobre : public QDialog {
public:
    explicit DlgSobre(QWidget* dono);

    // Starts the text editor on dp/gnu-gpl.txt; when it does not run, says
    // where the licence can be read. The box stays open.
    void mMostraLicenca();
};

inline constexpr const char* ARQUIVO_LICENCA = "dp/gnu-gpl.txt";
