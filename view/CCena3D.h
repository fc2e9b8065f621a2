// The 3D lake scene: where every body's instance stands and how it moves,
// the lake's borders and touches, picking, and the view it is drawn into.
// This is the scene model in plain C++; the renderer only reads it.
//
// Sections: creation and view · models · instances · agents, borders and
// touches · temporary instances · motion · picking.
#pragma once

#include "view/Malha.h"
#include "view/Matematica3D.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class CAgente;

inline constexpr int NUM_GRUPOS = 4;          // 0 beings, 1 polluters, 2 lights and sign, 3 drops
inline constexpr int NUM_SLOTS_GRUPO = 75;
inline constexpr int NUM_MODELOS = 17;
inline constexpr int NUM_TEMPORARIAS = 75;

inline constexpr int GRUPO_SERES = 0;
inline constexpr int GRUPO_POLUIDORES = 1;
inline constexpr int GRUPO_LUZES = 2;
inline constexpr int GRUPO_TEMPORARIAS = 3;

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

struct Instancia {
    bool ocupada = false;
    int modelo = -1;            // -1: a frame without a visual (a light)
    Quadro quadro;
    CAgente* agente = nullptr;  // the agent that owns it, if any
    Caixa caixa;                // the model's box, recorded for an agent
};

struct Temporaria {
    bool ativa = false;
    float vida = 0;  // frames left
    int grupo = 0;
    int slot = 0;
};

struct Escolha {
    int grupo;
    int slot;
};

class CCena3D {
public:
    CCena3D() = default;
    CCena3D(const CCena3D&) = delete;
    CCena3D& operator=(const CCena3D&) = delete;

    // --- creation and view
    // Creates the scene for a view of largura × altura pixels at (x, y) with
    // the given border margins. Answers false when it cannot.
    bool mIniciaCena(int x, int y, int largura, int altura, const MargensLago& margens);
    // Releases everything: models, instances, temporary records, margins.
    void mLiberaCena();
    // The view rectangle in client pixels; the lake bounds follow its size.
    void mDefineVista(int x, int y, int largura, int altura);
    // ±125 horizontally and ±125 × altura / largura vertically.
    LimitesLago mLimitesLago() const;
    // Rendering and view rebuilding happen only while the scene is active.
    bool mAtiva() const { return ativa; }
    void mDefineAtiva(bool valor) { ativa = valor; }
    const MargensLago& mMargens() const { return margens; }

    // --- models
    // Loads the mesh of model m from a .x file; false when it cannot.
    bool mCarregaModelo(int m, const std::string& arquivo);
    const Malha& mModelo(int m) const { return modelos.at(static_cast<std::size_t>(m)); }

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

    // --- motion: the steps of a frame around the drawing
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

    bool ativa = false;
    int vistaX = 0, vistaY = 0, vistaLargura = 600, vistaAltura = 450;  // client pixels
    MargensLago margens;
    std::array<Malha, NUM_MODELOS> modelos;
    std::array<std::array<Instancia, NUM_SLOTS_GRUPO>, NUM_GRUPOS> grupos;
    std::array<Temporaria, NUM_TEMPORARIAS> temporarias;
};
