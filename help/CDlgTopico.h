// A topic of the help: a small and a large picture, and "FECHAR". It lives
// only while it is shown.
#pragma once

#include "CDlgFiguras.h"

class CDlgTopico : public CDlgFiguras {
public:
    CDlgTopico(const ModeloDialogo& modelo, FonteFiguras fonte, QWidget* pai)
        : CDlgFiguras(modelo, std::move(fonte), pai) {}
};
