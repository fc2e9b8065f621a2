// The 3D lake scene: where every body's instance stands and how it moves,
// the lake's borders, and the view it is drawn into. This is the scene model
// in plain C++; the renderer only reads it.
#pragma once

#include <cstdint>

// Fractions of the visible half-height and half-width at which the lake's
// border lines stand.
struct MargensLago {
    float topo = 0;
    float base = 0;
    float esquerda = 0;
    float direita = 0;
};

// The visible rectangle of the plane z = 0, in lake units.
struct LimitesLago {
    float topo, base, direita, esquerda;
};

class CCena3D {
public:
    CCena3D() = default;
    CCena3D(const CCena3D&) = delete;
    CCena3D& operator=(const CCena3D&) = delete;

    // Creates the scene for a view of largura × altura pixels at (x, y) with
    // the given border margins. Answers false when it cannot.
    bool mIniciaCena(int x, int y, int largura, int altura, const MargensLago& margens);

    // Releases everything; the scene is back in its not-created state.
    void mLiberaCena();

    // ±125 horizontally and ±125 × altura / largura vertically.
    LimitesLago mLimitesLago() const;

    // Rendering and view rebuilding happen only while the scene is active.
    bool mAtiva() const { return ativa; }
    void mDefineAtiva(bool valor) { ativa = valor; }
    const MargensLago& mMargens() const { return margens; }

private:
    bool ativa = false;
    int vistaX = 0, vistaY = 0, vistaLargura = 600, vistaAltura = 450;  // client pixels
    MargensLago margens;
};
