// Dialog units to pixels, from the dialog font, the way dialog templates
// are laid out: a horizontal unit is a quarter of the font's average
// character width, a vertical unit an eighth of its height. Each template
// names its own font size (see Modelos.cpp). Times New Roman at 96 dpi has
// an average width × height of 6 × 13 pixels at 8 points, 7 × 15 at 10 and
// 8 × 18 at 11.
#pragma once

#include <QFont>
#include <QRect>

// "Times New Roman" at a template's size, in points.
QFont fonteDialogo(double pontos);

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
