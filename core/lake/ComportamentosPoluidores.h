// The polluters' behaviours. Slots 3 and 6 of a polluter each hold a record
// of its kind: the slot-6 record gets every step, the slot-3 record the
// border messages of its instance.
//
//   10 COMP_POLUIDOR            the three shared actions, chosen by b
//   11, 14..17                  dredger, trawl net, litter, motor boat,
//                               predatory fishing: harm once, then cross the lake
//   13 COMP_AGROTOXICO          the plane: harms once, sprays in two windows
//   18, 19 COMP_ESGOTO_*        sewage: harms once, pours drops, never leaves
//   20 COMP_GASOLINA            petrol slick: harms, pours, leaves at counter 65
#pragma once

#include "core/data/Parametros.h"
#include "core/lake/CComportamento.h"

class CComportamentoPoluidor : public CComportamento {
public:
    // The construction values of a polluting kind: its rates (copied from
    // CONFIG_TAXAS_* now), its border mask and start velocity.
    explicit CComportamentoPoluidor(int32_t tipo);

    // The pesticide draws its vertical speed.
    void mCriado() override;
    uint32_t mTrata(ArgumentoMensagem a, ArgumentoMensagem b) override;

    float contador = 0;
    Taxas taxas{};
    uint32_t mascaraBorda = 0;
    float vx = 1.0f, vy = 0;
    float inicioPulverizacao = 0;  // the pesticide's: 15

protected:
    // Hands slot 6 to COMP_MORRE when a border of the mask was crossed.
    void mVerificaBorda(uint32_t bordas);
    // Every body in the lake loses taxa × 25 for its type.
    void mDano();
    // Sets the instance moving at (vx, vy).
    void mInicia();
};

// Kinds 11, 14, 15, 16, 17: on arrival harm and start, then only watch
// the borders.
class ComportamentoAtravessa : public CComportamentoPoluidor {
public:
    using CComportamentoPoluidor::CComportamentoPoluidor;
    uint32_t mTrata(ArgumentoMensagem a, ArgumentoMensagem b) override;
};

class ComportamentoAgrotoxico : public CComportamentoPoluidor {
public:
    using CComportamentoPoluidor::CComportamentoPoluidor;
    uint32_t mTrata(ArgumentoMensagem a, ArgumentoMensagem b) override;
};

// Kinds 18, 19, 20: harm at counter 0, pour drops while the counter is in
// the kind's window, check the borders at one counter value.
class ComportamentoDescarga : public CComportamentoPoluidor {
public:
    using CComportamentoPoluidor::CComportamentoPoluidor;
    uint32_t mTrata(ArgumentoMensagem a, ArgumentoMensagem b) override;

private:
    void mDespeja();
};

// The interventor number (0..8) of a polluting kind, or -1.
int interventorDoTipo(int32_t tipo);

class GeradorAleatorio;
struct LimitesLago;
struct Vetor3;

// Where interventor n (0..8) enters the lake: at a side or just above the
// water, the plane high in the sky; the litter at a random place. Draws a
// random number for the litter only.
Vetor3 posicaoDeEntrada(int n, const LimitesLago& limites, GeradorAleatorio& aleatorio);
