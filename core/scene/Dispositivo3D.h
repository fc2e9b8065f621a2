// What the scene asks of the engine that draws it. The OpenGL renderer
// carries it in the game; without one (headless runs, model tests) the
// scene still moves, checks borders and touches, and picks.
#pragma once

#include <string>

class CCena3D;
struct Malha;

class Dispositivo3D {
public:
    virtual ~Dispositivo3D() = default;

    // The engine itself; false when it cannot be made.
    virtual bool mCria() = 0;
    // Releases everything the engine holds.
    virtual void mLibera() = 0;

    // The device: the surface frames are drawn into, largura × altura pixels.
    virtual bool mCriaDispositivo(int largura, int altura) = 0;
    virtual void mLiberaDispositivo() = 0;
    virtual bool mTemDispositivo() const = 0;
    // The viewport on the device for a view of largura × altura pixels.
    virtual bool mCriaViewport(int largura, int altura) = 0;

    // A model's mesh, to be drawn when an instance shows it.
    virtual bool mCarregaModelo(int m, const Malha& malha) = 0;
    // The background picture, stretched over the whole view.
    virtual bool mCarregaFundo(const std::string& arquivo) = 0;

    // Clears the viewport and draws the scene into it.
    virtual bool mRenderiza(const CCena3D& cena) = 0;
    // Shows the drawn frame in the window, at the view's place.
    virtual bool mApresenta(int x, int y) = 0;
};
