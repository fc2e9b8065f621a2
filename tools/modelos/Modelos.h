// The game's 17 models and the 3D scene's background picture, and the sizes
// the game expects of them (its touch tests use the models' boxes).
#pragma once

#include "tools/modelos/Geometria.h"

#include <QImage>

#include <array>

namespace modelos {

// File name, size (width x, height y, depth z, lake units) and whether the
// model is centred on y = 0 (otherwise its origin is a waterline or a root).
struct Catalogo {
    const char* arquivo;
    Vetor tamanho;
    bool centradoY;
};

inline constexpr std::array<Catalogo, 17> CATALOGO = {{
    {"gordo.x", {18, 12, 8}, true},
    {"azul.x", {16, 7, 5}, true},
    {"listrado.x", {13, 8, 4}, true},
    {"algave.x", {8, 22, 4}, false},
    {"micro.x", {5, 5, 5}, true},
    {"draga.x", {36, 24, 12}, false},
    {"agrotox.x", {30, 10, 20}, true},
    {"rede.x", {30, 28, 10}, false},
    {"partterm.x", {120, 45, 4}, true},
    {"lixo.x", {8, 8, 6}, true},
    {"lancha.x", {26, 10, 10}, false},
    {"pescap.x", {32, 20, 12}, false},
    {"gasolina.x", {30, 3, 16}, false},
    {"esgre-d.x", {2, 3, 2}, true},
    {"esgin-d.x", {2, 3, 2}, true},
    {"gasol-d.x", {2, 3, 2}, true},
    {"agrot-d.x", {1.5, 2.5, 1.5}, true},
}};

// Boats float with their origin this far above the water surface.
inline constexpr double ALTURA_ORIGEM_BARCO = 4.0;

// Beings (Seres.cpp).
Malha geraPeixeGordo();
Malha geraPeixeAzul();
Malha geraPeixeListrado();
Malha geraAlga();
Malha geraMicroorganismo();

// Boats (Barcos.cpp).
Malha geraDraga();
Malha geraRedeArrastao();
Malha geraLancha();
Malha geraPescaPredatoria();

// Other polluters and their drops (Poluidores.cpp).
Malha geraAgrotoxico();
Malha geraGasolina();
Malha geraLixo();
enum class TipoGota { EsgotoResidencial, EsgotoIndustrial, Gasolina, Agrotoxico };
Malha geraGota(TipoGota tipo);

// The end-of-match sign (Placa.cpp).
Malha geraPlacaFimDePartida();

// The 3D scene's background picture, 1024 × 640 (Fundo.cpp).
QImage geraFundoCena();

}  // namespace modelos
