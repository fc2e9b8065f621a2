// The 3D lake scene: where every body's instance stands and how it moves,
// the lake's borders and touches, picking, and the view it is drawn into.
// This is the scene model in plain C++; the renderer only reads it.
//
// Sections: creation and view · models, lights and background · instances ·
// agents, borders and touches · temporary instances · highlights · motion
// and drawing · picking.
#pragma once

#include "core/scene/Dispositivo3D.h"
#include "core/scene/Malha.h"
#include "core/scene/Matematica3D.h"
#include "core/scene/Vizinhanca.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class CAgente;

inline constexpr int NUM_GRUPOS = 4;          // 0 beings, 1 polluters, 2 lights and sign, 3 drops
inline constexpr int NUM_SLOTS_GRUPO = 75;
static_assert(Vizinhanca::LUGARES == NUM_SLOTS_GRUPO);
inline constexpr int NUM_MODELOS = 17;
inline constexpr int NUM_TEMPORARIAS = 75;

inline constexpr int GRUPO_SERES = 0;
inline constexpr int GRUPO_POLUIDORES = 1;
inline constexpr int GRUPO_LUZES = 2;
inline constexpr int GRUPO_TEMPORARIAS = 3;
inline constexpr int QUADRO_RAIZ = 4;         // top frames: the groups 0..3 and the root
inline constexpr int NUM_QUADROS_TOPO = 5;
inline constexpr int NUM_LUZES_AMBIENTE = 5;

inline constexpr int LUZ_AMBIENTE = 0;
inline constexpr int LUZ_DIRECIONAL = 1;

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

// The camera: at (0, 0, −250) looking along +z, up +y; the plane z = 0
// shows exactly x −125..125.
inline constexpr float DISTANCIA_CAMERA = 250.0f;
inline constexpr float MEIA_LARGURA_LAGO = 125.0f;
inline constexpr float PLANO_FUNDO = 5000.0f;  // back clipping plane

// How a frame shows a change of energy (a tool's effect) on an instance, or
// on the lake bottom or the water, which have none: which way it went, how
// far the showing has got and how strongly it shows. The front end sets it
// for every frame; the renderer draws it. Without one (sentido 0) the frame
// is drawn as it always was.
struct Realce {
    int8_t sentido = 0;   // +1 energy gained, −1 lost, 0 nothing shown
    float progresso = 0;  // 0 at the change .. 1 when the showing ends
    float forca = 1;      // 0..1
    bool operator==(const Realce&) const = default;
};

struct Instancia {
    bool ocupada = false;
    int modelo = -1;            // -1: a frame without a visual (a light)
    Quadro quadro;
    CAgente* agente = nullptr;  // the agent that owns it, if any
    Caixa caixa;                // the model's box, recorded for an agent
    Realce realce;              // emptied with the slot
};

struct Temporaria {
    bool ativa = false;
    float vida = 0;  // frames left
    int grupo = 0;
    int slot = 0;
};

// A light: ambient lights have a colour only; a directional light shines
// along the forward axis (+z) of its frame, a slot of a group.
struct Luz {
    bool ativa = false;
    std::array<float, 3> cor{0, 0, 0};  // RGB 0..1
    int grupo = -1;
    int slot = -1;
};

struct Escolha {
    int grupo;
    int slot;
};

class CCena3D {
public:
    CCena3D();
    ~CCena3D();
    CCena3D(const CCena3D&) = delete;
    CCena3D& operator=(const CCena3D&) = delete;

    // --- creation and view
    // The engine that draws the scene; none for a scene that is never drawn.
    void mDefineDispositivo(std::unique_ptr<Dispositivo3D> novo);
    // Creates the scene, its engine and a device for a view of largura ×
    // altura pixels at (x, y), with the given border margins. False when it
    // cannot.
    bool mIniciaCena(int x, int y, int largura, int altura, const MargensLago& margens);
    // Releases everything: engine, models, instances, lights, temporary
    // records, margins.
    void mLiberaCena();
    // Builds the view at (x, y), largura × altura. Without reaproveita an
    // existing device is released and the call fails (the caller tries
    // again); with it, the device is kept and only the viewport is made.
    bool mCriaVista(int x, int y, int largura, int altura, bool reaproveita);
    // Whether the engine has a device to draw into.
    bool mTemDispositivo() const { return dispositivo && dispositivo->mTemDispositivo(); }
    // Whether a view has been built since the scene was created.
    bool mVistaConstruida() const { return vistaConstruida; }
    void mMarcaVistaConstruida() { vistaConstruida = true; }
    // The view rectangle in client pixels; the lake bounds follow its size.
    void mDefineVista(int x, int y, int largura, int altura);
    int mVistaLargura() const { return vistaLargura; }
    int mVistaAltura() const { return vistaAltura; }
    // ±125 horizontally and ±125 × altura / largura vertically.
    LimitesLago mLimitesLago() const;
    // The border margins the scene was created with.
    const MargensLago& mMargens() const { return margens; }
    // Rendering and view rebuilding happen only while the scene is active.
    bool mAtiva() const { return ativa; }
    void mDefineAtiva(bool valor) { ativa = valor; }

    // --- models, lights and background
    // Loads the mesh of model m from a .x file. A file that cannot be read
    // shows "Arquivo '%s' não encontrado." and answers false.
    bool mCarregaModelo(int m, const std::string& arquivo);
    // Model m from a mesh already read; false when the engine refuses it.
    bool mDefineModelo(int m, const Malha& malha);
    const Malha& mModelo(int m) const { return modelos.at(static_cast<std::size_t>(m)); }
    // An ambient light (the first free of 5 records) or a directional light
    // in the first free slot of group grupo, shining along direcao.
    bool mCriaLuz(int tipo, int grupo, Vetor3 direcao, float r, float g, float b);
    const std::array<Luz, NUM_LUZES_AMBIENTE>& mLuzesAmbiente() const { return ambientes; }
    const std::array<Luz, NUM_SLOTS_GRUPO>& mLuzesDirecionais() const { return direcionais; }
    // Depth buffering of a top frame (0..3 the groups, 4 the root). Off, the
    // instances of a group are drawn one over the other in slot order.
    bool mZBuffer(int quadro, bool ligado);
    bool mZBufferLigado(int quadro) const { return zbuffer.at(static_cast<std::size_t>(quadro)); }
    // The background picture. A file that cannot be read shows "Arquivo '%s'
    // não encontrado." and answers false.
    bool mCarregaFundo(const std::string& arquivo);

    // --- instances (g group 0..3, i slot 0..74, m model 0..16)
    // Lowest free slot of the group with model m, or −1 when m is not a
    // loaded model or the group is full. θ is radians per time unit.
    int mCriaInstancia(int g, int m, Vetor3 posicao, Vetor3 velocidade, Vetor3 eixo, float theta);
    // Empties the slot; i = −1 does nothing.
    void mRemoveInstancia(int g, int i);
    void mDefineVelocidade(int g, int i, Vetor3 velocidade);
    Vetor3 mLeVelocidade(int g, int i) const;
    void mDefinePosicao(int g, int i, Vetor3 posicao);
    Vetor3 mLePosicao(int g, int i) const;
    // Turns the instance by angulo about eixo once, which also moves it by
    // its velocity once; its own rotation is kept.
    void mGira(int g, int i, Vetor3 eixo, float angulo);
    // Sets the velocity; when the sign of vx changes (zero counts as
    // positive) the instance first turns by π about y to face its way.
    void mMudaVelocidade(int g, int i, Vetor3 velocidade);
    const Instancia& mInstancia(int g, int i) const;

    // --- agents, borders and touches
    // mCriaInstancia for an agent; the slot remembers the agent and the
    // model's box.
    int mAdicionaAgente(CAgente* agente, int g, int m, Vetor3 posicao, Vetor3 velocidade,
                        Vetor3 eixo, float theta);
    // Forgets the slot's agent and removes the instance; i = −1 does nothing.
    void mRemoveAgente(int g, int i);
    // Sends MSG_BORDA to every agent of the group beyond a border line.
    void mVerificaBordas(int g);
    // Sends MSG_TOQUE to both agents of every touching pair of the group.
    void mVerificaColisoes(int g, bool testaZ);

    // --- temporary instances
    // An instance that lives vida frames more and is then removed; nothing
    // when all 75 records are in use.
    void mCriaTemporaria(float vida, int g, int m, Vetor3 posicao, Vetor3 velocidade, Vetor3 eixo,
                         float theta);
    const std::array<Temporaria, NUM_TEMPORARIAS>& mTemporarias() const { return temporarias; }

    // --- highlights
    // The highlight of an occupied slot; other slots are left alone.
    void mDefineRealce(int g, int i, const Realce& realce);
    // The highlights of the lake bottom and of the water.
    void mDefineRealceLago(const Realce& realce) { realceLago = realce; }
    void mDefineRealceAgua(const Realce& realce) { realceAgua = realce; }
    const Realce& mRealceLago() const { return realceLago; }
    const Realce& mRealceAgua() const { return realceAgua; }
    // Every highlight off.
    void mApagaRealces();
    // Whether anything is highlighted.
    bool mTemRealce() const;

    // --- motion and drawing
    // One frame: when rodando, every instance moves one time unit; the scene
    // is drawn; temporary instances age; the frame is shown. A step that
    // fails skips the steps after it.
    void mDesenha(bool rodando);
    // Every instance turns by its rotation and moves by its velocity once.
    void mMove();
    // Every temporary instance loses one frame of life; those below 0 go.
    void mEnvelheceTemporarias();

    // --- picking
    // The instance nearest to the camera under a client pixel, or none.
    std::optional<Escolha> mEscolhe(int x, int y) const;
    // The agent of the picked instance, or none.
    CAgente* mAgenteEm(int x, int y) const;

private:
    Instancia* mSlot(int g, int i);
    const Instancia* mSlot(int g, int i) const;
    // A frame without a visual in the lowest free slot of the group, or −1.
    int mCriaQuadro(int g);

    std::unique_ptr<Dispositivo3D> dispositivo;
    bool ativa = false;
    bool vistaConstruida = false;
    int vistaX = 0, vistaY = 0, vistaLargura = 600, vistaAltura = 450;  // client pixels
    MargensLago margens;
    std::array<Malha, NUM_MODELOS> modelos;
    std::array<std::array<Instancia, NUM_SLOTS_GRUPO>, NUM_GRUPOS> grupos;
    std::array<Temporaria, NUM_TEMPORARIAS> temporarias;
    std::array<Luz, NUM_LUZES_AMBIENTE> ambientes;
    std::array<Luz, NUM_SLOTS_GRUPO> direcionais;  // in the order they were made
    std::array<bool, NUM_QUADROS_TOPO> zbuffer{true, true, true, true, true};
    Realce realceLago, realceAgua;
    // Set when a slot is taken or freed or an instance is put in a new place:
    // a touch may kill, give birth or move, and the touch check then works
    // out its boxes again.
    bool slotsMudaram = false;
    // Per group, which instances may touch, with the order of their boxes
    // kept from one touch check to the next.
    std::array<Vizinhanca, NUM_GRUPOS> vizinhancas;
};
