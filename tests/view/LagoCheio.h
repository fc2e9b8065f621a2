// A busy lake for drawing: 75 beings, 20 polluters and 75 drops at 921 ×
// 518 (the view of a 90 % window on a 1024 × 768 screen), with the game's
// models, lights and background, drawn by OpenGL. Shared by the benchmark
// of a frame and the test that compares a frame with a reference picture.
#pragma once

#include "core/scene/CCena3D.h"

#include <memory>

class RenderizadorGL;

// None without an OpenGL 3.3 context or without the models. The renderer
// that draws it goes to renderizador when asked for.
std::unique_ptr<CCena3D> lagoCheio(RenderizadorGL** renderizador = nullptr);

// Every being highlighted at the given progress of a tool's effect, by
// turns gained and lost, the lake bottom gained and the water lost.
void realcaLagoCheio(CCena3D& cena, float progresso);
