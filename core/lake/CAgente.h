// An agent of the lake: nine behaviour slots, one per message number, and
// the body it owns (none while it is free). Behaviours ask for a change of
// one slot or a rebuild from a template; mEnvia applies the request right
// after the handler that made it returns, the rebuild first.
#pragma once

#include "core/lake/CComportamento.h"
#include "core/lake/CGabarito.h"
#include "core/lake/CObjetoFisico.h"
#include "core/lake/Mensagens.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class CCena3D;
class GeradorAleatorio;

class CAgente {
public:
    CAgente() = default;
    CAgente(const CAgente&) = delete;
    CAgente& operator=(const CAgente&) = delete;

    // Delivers a message to the behaviour in slot numero and answers its
    // answer, or 0 when the slot is empty.
    uint32_t mEnvia(uint32_t numero, ArgumentoMensagem a, ArgumentoMensagem b) {
        if (numero >= NUM_SLOTS_AGENTE || !slots[numero]) return 0;
        // With no change pending there is nothing to do after such a behaviour.
        if (slots[numero]->soResponde && !reinicioPendente && !trocaPendente) return 1;
        return mEntrega(numero, a, b);
    }

    // Replaces the behaviour in a slot; a kind that does not exist leaves
    // the slot empty.
    void mCriaComportamento(int32_t slot, int32_t tipo, int32_t parametro);

    // Requests, for after the running handler: a change of one slot (the
    // last request of a delivery wins), or a rebuild from a template.
    void mTrocaComportamento(int32_t slot, int32_t tipo, int32_t parametro);
    void mReinicia(const CGabarito& gabarito);

    // mLimpa, then creates slots 0..8 from the template's pairs, in the
    // given table, scene and generator. Stops at the first slot that stays
    // empty and answers 0; answers 1 when all nine exist.
    uint32_t mMonta(const CGabarito& gabarito, CAgente* tabela, CCena3D* cena,
                    GeradorAleatorio* aleatorio);

    // Deletes the nine behaviours; forgets the table, the scene and the
    // generator. The body stays.
    void mLimpa();

    // True when slot 1 holds COMP_NASCE: the agent is free to be born.
    bool mLivre() const;

    int32_t trocaPendente = 0;
    int32_t trocaSlot = 0, trocaTipo = 0, trocaParametro = 0;
    int32_t reinicioPendente = 0;
    CGabarito gabaritoPendente{};
    CCena3D* cena = nullptr;
    CAgente* tabela = nullptr;  // the first of the table's agents
    GeradorAleatorio* aleatorio = nullptr;  // the table's
    std::unique_ptr<CObjetoFisico> corpo;
    std::array<std::unique_ptr<CComportamento>, NUM_SLOTS_AGENTE> slots;

private:
    // The delivery to the behaviour in a slot that holds one, and the
    // requests it made.
    uint32_t mEntrega(uint32_t numero, ArgumentoMensagem a, ArgumentoMensagem b);
    // The rebuild, then the change of slot, that the handler asked for.
    [[gnu::cold]] void mAtendePedidos();

    // A behaviour taken out of its slot while a delivery runs may still be
    // running: it is kept until the outermost delivery to this agent ends.
    void mDescarta(std::unique_ptr<CComportamento> comportamento);

    int profundidade = 0;  // deliveries to this agent now running
    std::vector<std::unique_ptr<CComportamento>> descartados;
};
