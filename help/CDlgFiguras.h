// A dialog of the help laid out from its template: picture buttons placed
// by the top-left corner of their picture, a "FECHAR" button, all in the
// units of the template's font. Pictures keep their size; where one reaches
// beyond the template's size the window grows to show it whole.
#pragma once

#include "CBotaoFigura.h"
#include "Figuras.h"
#include "Modelos.h"

#include <QDialog>
#include <QPushButton>

#include <vector>

class CDlgFiguras : public QDialog {
public:
    CDlgFiguras(const ModeloDialogo& modelo, FonteFiguras fonte, QWidget* pai);

    const std::vector<CBotaoFigura*>& mBotoes() const { return botoes; }
    CBotaoFigura* mBotao(int id) const;
    QPushButton* mFechar() const { return fechar; }

private:
    // Loads the bitmaps in the template's order and attaches them to their
    // buttons; at the first missing one nothing is attached and the
    // framework's message is shown.
    void mCarregaFiguras(const ModeloDialogo& modelo, const FonteFiguras& fonte);

    std::vector<CBotaoFigura*> botoes;
    QPushButton* fechar;
};
