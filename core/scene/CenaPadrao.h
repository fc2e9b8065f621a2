// The game's lights and models: what start-up puts into the scene.
#pragma once

#include "core/scene/CCena3D.h"

#include <array>
#include <memory>
#include <string>

// The ambient light, the four directional lights, then the 17 models read
// from pasta (the game's "./dp/"). Stops at the first failure, which the
// scene has reported, and answers false.
bool carregaCenaPadrao(CCena3D& cena, const std::string& pasta = "./dp/");

// The 17 models read once, for many scenes alike (many matches at once).
using ModelosPadrao = std::array<Malha, NUM_MODELOS>;

// Reads the 17 models from pasta without a word; none when one cannot be read.
std::shared_ptr<const ModelosPadrao> leModelosPadrao(const std::string& pasta);

// The lights, then the models already read.
bool montaCenaPadrao(CCena3D& cena, const ModelosPadrao& modelos);
