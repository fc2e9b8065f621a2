// Small .x models written by the tests: axis-aligned boxes.
#pragma once

#include "view/Matematica3D.h"

#include <string>

// Writes a text .x file holding one box from minimo to maximo.
void escreveCaixaX(const std::string& arquivo, Vetor3 minimo, Vetor3 maximo);
