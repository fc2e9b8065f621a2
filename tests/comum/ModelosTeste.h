// Small .x models written by the tests: axis-aligned boxes.
#pragma once

#include "core/scene/Matematica3D.h"

#include <string>

// Writes a text .x file holding one box from minimo to maximo, of the given
// diffuse colour (RGB 0..1).
void escreveCaixaX(const std::string& arquivo, Vetor3 minimo, Vetor3 maximo,
                   Vetor3 cor = {0.8f, 0.5f, 0.2f});
