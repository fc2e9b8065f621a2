// Dialog units to pixels, from the dialog font, the way dialog templates
// are laid out: a horizontal unit is a quarter of the font's average
// character width, a vertical unit an eighth of its height. At 11 points
// the main window is 962 × 599 pixels, and the topics' pictures fit their
// windows but for a few rows.
#pragma once

#include <QFont>
#include <QRect>

inline constexpr double PONTOS_FONTE_DIALOGO = 11.0;

// "Times New Roman" at the dialogs' size.
QFont fonteDialogo();

class UnidadesDialogo {
public:
    explicit UnidadesDialogo(const QFont& fonte);

    int mX(int dlu) const;
    int mY(int dlu) const;
    QRect mRetangulo(int x, int y, int largura, int altura) const;

    int mBaseX() const { return baseX; }
    int mBaseY() const { return baseY; }

private:
    int baseX;  // average character width, pixels
    int baseY;  // character height, pixels
};
