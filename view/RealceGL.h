// How the renderer shows a change of energy (core/scene/CCena3D.h, Realce):
// the colours and the timing of a highlight, and what is drawn for it
// besides the models' own glow: behind the beings a soft halo around every
// highlighted one, the water under its surface lighting up fresh green or
// murky red with glints drifting on it, a glowing band along the lake
// bottom; over the beings sparkles — stars rising for energy gained, red
// arrows sinking for energy lost.
//
// Software OpenGL pays for every pixel drawn, so all of it is sprites:
// camera-facing rectangles in lake coordinates, each shape a tiny program
// without branches, one instanced call a layer, nothing drawn over the
// whole view. Every GL object it makes is freed by mLibera.
#pragma once

#include "core/scene/CCena3D.h"

#include <QMatrix4x4>
#include <QVector3D>
#include <QVector4D>

#include <array>
#include <memory>
#include <vector>

class QOpenGLExtraFunctions;
class QOpenGLShaderProgram;

// How strongly a highlight shows at its progress: in within the first
// tenth, full, out over the last 40 %; 0 outside 0..1.
float envoltoriaRealce(float progresso);

// The glow a model takes (rgb, added, strongest at its rim) and how much of
// its own colour it keeps dimmed (a), for a highlight; zero for none.
QVector4D brilhoDoModelo(const Realce& realce);

// A highlighted instance as the sprites see it: the rectangle it covers on
// the plane facing the camera.
struct AlvoRealce {
    Vetor3 centro;
    float meiaLargura = 0, meiaAltura = 0;  // lake units
    Realce realce;
    int semente = 0;  // picks its sparkles' places
};

class RealceGL {
public:
    RealceGL();
    ~RealceGL();
    RealceGL(const RealceGL&) = delete;
    RealceGL& operator=(const RealceGL&) = delete;

    // The programs and buffers, in the current context. False when a
    // program does not compile (the log has been written).
    bool mCria(QOpenGLExtraFunctions* gl);
    // Frees them, in the current context.
    void mLibera();

    // The frame's sprites: around every target, and in the water and along
    // the bottom when those are highlighted (cena's highlights, lines and
    // bounds).
    void mPrepara(const std::vector<AlvoRealce>& alvos, const CCena3D& cena);
    // What goes behind the beings, then what goes over them. Depth test,
    // culling and blending are left off.
    void mDesenhaAtras(const QMatrix4x4& camera);
    void mDesenhaFrente(const QMatrix4x4& camera);

private:
    // The layers, in drawing order, each drawn by its own shape.
    enum Camada { HALOS, ESTRELAS, SETAS, NUM_CAMADAS };
    struct Sprite {
        float centro[3];
        float raio[2];  // across and up, lake units
        float cor[4];   // premultiplied; alpha below the colour's weight adds light
    };
    void mAcrescenta(Camada camada, Vetor3 centro, float raioX, float raioY, QVector3D cor,
                     float peso, float cobre);
    // A star (gained) or an arrow (lost) of the given size and brightness.
    void mFaisca(Vetor3 centro, float tamanho, float brilho, bool ganho);
    // The water's band under its surface, glints and sparkles between the
    // lines yFundo and ySuperficie.
    void mAgua(const Realce& realce, float ySuperficie, float yFundo, float xLimite);
    // The bottom's band, glints and sparkles along the line yFundo.
    void mLago(const Realce& realce, float yFundo, float xLimite);
    void mDesenha(Camada camada, const QMatrix4x4& camera);

    QOpenGLExtraFunctions* gl = nullptr;
    std::array<std::unique_ptr<QOpenGLShaderProgram>, NUM_CAMADAS> programas;
    unsigned vao = 0, vbo = 0;
    std::array<std::vector<Sprite>, NUM_CAMADAS> camadas;
    std::array<std::size_t, NUM_CAMADAS> inicio{};  // each layer's first sprite in the buffer
};
