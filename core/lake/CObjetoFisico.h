// The body of a living being, polluter, lake or water: its energy, age and
// home point, and the index of its 3D instance, which holds where it is and
// how it moves.
#pragma once

#include <cstdint>

inline constexpr int32_t MARCA_CORPO = 1;  // marca of every body

// Body types.
inline constexpr int32_t TIPO_GORDO = 0;
inline constexpr int32_t TIPO_AZUL = 1;
inline constexpr int32_t TIPO_LISTRADO = 2;
inline constexpr int32_t TIPO_ALGA = 3;
inline constexpr int32_t TIPO_MICRO = 4;
inline constexpr int32_t TIPO_SEM_MODELO = 100000;
inline constexpr int32_t TIPO_LAGO = 100001;
inline constexpr int32_t TIPO_AGUA = 100002;

// Body classes.
inline constexpr uint8_t CLASSE_OUTRA = 0;
inline constexpr uint8_t CLASSE_ANIMAL = 1;
inline constexpr uint8_t CLASSE_PLANTA = 2;

struct CObjetoFisico {
    int32_t marca = MARCA_CORPO;
    int32_t grupo = 0;
    int32_t instancia = -1;       // index in the scene group, -1 for none
    uint32_t tempoDirecao = 0;    // ms clock at the last change of direction
    float energia = 0;            // units of a new being's energy (25)
    uint8_t classe = CLASSE_OUTRA;
    int32_t tipo = 0;
    float idade = 0;              // steps
    int32_t periodoReproducao = 0;
    float casaX = 0, casaY = 0, casaZ = 0;
    float custoReproducao = 0;    // added after each reproduction attempt
};

// Row of a body type in the damage-rate tables: the type itself up to 17,
// the type minus 99985 above (so the lake is 16 and the water 17).
inline constexpr int32_t indiceTaxa(int32_t tipo) { return tipo <= 17 ? tipo : tipo - 99985; }
