// The OpenGL 3.3 renderer of the lake scene. It draws on an offscreen
// surface into a framebuffer object and reads each frame back into the
// window's retained picture, at the view's place. Highlights (a tool's
// effect) glow on the models and in sprites around them (view/RealceGL.h).
// Every GL object it makes is freed by mLibera.
#pragma once

#include "core/scene/CCena3D.h"
#include "core/scene/Dispositivo3D.h"
#include "view/RealceGL.h"

#include <QImage>

#include <array>
#include <memory>
#include <vector>

class CJanela;
class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLExtraFunctions;
class QOpenGLFramebufferObject;
class QOpenGLShaderProgram;

class RenderizadorGL : public Dispositivo3D {
public:
    // Frames are shown in janela; without one they are only kept (mQuadro).
    explicit RenderizadorGL(CJanela* janela);
    ~RenderizadorGL() override;
    RenderizadorGL(const RenderizadorGL&) = delete;
    RenderizadorGL& operator=(const RenderizadorGL&) = delete;

    bool mCria() override;
    void mLibera() override;
    bool mCriaDispositivo(int largura, int altura) override;
    void mLiberaDispositivo() override;
    bool mTemDispositivo() const override;
    bool mCriaViewport(int largura, int altura) override;
    bool mCarregaModelo(int m, const Malha& malha) override;
    bool mCarregaFundo(const std::string& arquivo) override;
    bool mRenderiza(const CCena3D& cena) override;
    bool mApresenta(int x, int y) override;

    // The last frame drawn.
    const QImage& mQuadro() const { return quadro; }

private:
    struct ModeloGL {
        unsigned vao = 0, vbo = 0, ebo = 0;
        int indices = 0;
        float raio = 0;  // of the model's bounding sphere
        Caixa caixa;     // the model's box
        bool translucido = false;  // some material lets what is behind show through
    };

    // The model program, plain and with a highlight's glow.
    struct ProgramaModelo {
        std::unique_ptr<QOpenGLShaderProgram> programa;
        int orientacao = -1, posicao = -1, fatia = -1, realce = -1;  // uniforms
    };

    bool mTornaAtual();
    bool mCompilaProgramas();
    // The model programs for this many directional lights, compiled anew
    // only when the count changes.
    bool mCompilaModelo(int numLuzes);
    void mLiberaModelo(ModeloGL& modelo);
    void mDesenhaFundo();
    // The highlighted instances to RealceGL, which makes their sprites.
    void mPreparaRealce(const CCena3D& cena);
    // Binds a model program and sets the camera and the lights.
    void mPreparaModelo(const ProgramaModelo& sombreador, const CCena3D& cena);
    // Depth test, culling and blending as the models are drawn.
    void mEstadoDosModelos();
    // With comRealce each highlighted model takes its instance's glow, and
    // the highlights' sparkles are drawn over the beings.
    void mDesenhaInstancias(const CCena3D& cena, bool comRealce);

    CJanela* janela;
    std::unique_ptr<QOffscreenSurface> superficie;
    std::unique_ptr<QOpenGLContext> contexto;
    QOpenGLExtraFunctions* gl = nullptr;
    std::unique_ptr<QOpenGLFramebufferObject> fbo;
    std::array<ProgramaModelo, 2> programasModelo;  // [with a highlight]
    std::unique_ptr<QOpenGLShaderProgram> programaFundo;
    std::array<ModeloGL, NUM_MODELOS> modelos{};
    unsigned vaoFundo = 0;
    unsigned texturaFundo = 0;
    int largura = 0, altura = 0;  // the viewport, pixels
    int luzesDoModelo = -1;  // the directional lights programasModelo were compiled for
    QImage quadro;
    // An instance of a frame, in drawing order, with its group, its depth
    // slice and the lake depths the slice is stretched over.
    struct Desenho {
        const Instancia* instancia;
        int grupo;
        int fatia;
        float zMin, zMax;
    };
    std::vector<Desenho> desenhos;  // kept between frames
    // The highlights' halos and sparkles, and the frame's highlighted
    // instances (kept between frames).
    RealceGL realce;
    std::vector<AlvoRealce> alvosRealce;
};
