// Sheets for checking the help pictures by eye: all pictures side by side,
// and mock-ups of the help's main window and of two topic windows.
#pragma once

#include "tools/comum/Programa.h"

#include <QString>

#include <vector>

namespace ajuda {

// A picture as it was read back from its BMP file.
using Lida = comum::Quadro;

// Every picture at its real size with its name under it.
bool salvaFolha(const std::vector<Lida>& figuras, const QString& caminho);

// The main window with the eight picture buttons in two rows.
bool salvaPrincipal(const std::vector<Lida>& figuras, const QString& caminho);

// Two topic windows: one whose picture starts at the window's corner
// (Poluição) and one whose picture stands beside the button (Peixes).
bool salvaTopicos(const std::vector<Lida>& figuras, const QString& caminho);

}  // namespace ajuda
