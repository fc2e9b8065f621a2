// The help's main window: eight picture buttons, each opening its topic,
// and "FECHAR", which ends the program.
#pragma once

#include "CDlgFiguras.h"

#include <functional>

class CDlgTopico;

class CDlgAjuda : public CDlgFiguras {
public:
    explicit CDlgAjuda(FonteFiguras fonte = figuraEmbutida, QWidget* pai = nullptr);

    // Opens a topic (by template number) modally and answers when it closes.
    void mAbreTopico(int modelo);

    // Called with each topic while it is open (tests look at it there).
    std::function<void(CDlgTopico&)> aoAbrirTopico;

private:
    FonteFiguras fonte;
};
