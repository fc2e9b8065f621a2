// Review sheets of the picture generator: the pictures laid out side by side
// and the panel assembled from them, to be looked at by eye.
#pragma once

#include "tools/comum/Programa.h"

#include <QString>

#include <vector>

namespace figuras {

// A generated picture and its file name without extension.
using Figura = comum::Quadro;

// Contact sheet: the opening screen and the panel background at half size,
// then every other picture at twice its size, each with its name.
bool salvaFolha(const std::vector<Figura>& figuras, const QString& caminho);

// The 1280 x 240 panel assembled from the pictures placed at their
// rectangles: Mãe Natureza and Pescador, eco-meter at three quarters.
bool salvaPainel(const std::vector<Figura>& figuras, const QString& caminho);

// Other states of the panel, stacked: Prefeito and Turista with some tools
// and a button pushed in and the bar amber at half, the red bar low, and the
// panel at the sizes of the small windows (560 x 420 and 896 x 717).
bool salvaPaineis(const std::vector<Figura>& figuras, const QString& caminho);

// The eco-meter of the 896 x 717 and 560 x 420 windows with each of the
// three bars at full, half, a quarter and a tenth of its height, as seen
// with normal colour vision, without green cones (deuteranopia), without
// red cones (protanopia) and in grey: the bars must stay apart in every row.
bool salvaBarras(const std::vector<Figura>& figuras, const QString& caminho);

}  // namespace figuras
