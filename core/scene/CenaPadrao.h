// The game's lights and models: what start-up puts into the scene.
#pragma once

#include "core/scene/CCena3D.h"

#include <string>

// The ambient light, the four directional lights, then the 17 models read
// from pasta (the game's "./dp/"). Stops at the first failure, which the
// scene has reported, and answers false.
bool carregaCenaPadrao(CCena3D& cena, const std::string& pasta = "./dp/");
