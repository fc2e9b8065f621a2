// The colleague's character: three buttons, one for each character besides
// the pupil's. A button closes the dialog with its character; Esc cancels;
// Enter does nothing, for no button is the default.
#pragma once

#include <QDialog>

#include <cstdint>

class DlgColega : public QDialog {
public:
    DlgColega(QWidget* dono, uint32_t personagem);

    // The character of the button that closed the dialog.
    uint32_t mColega() const { return colega; }

private:
    uint32_t colega = 0;
};
