#include "core/lake/CComportamento.h"

#include "core/lake/Aleatorio.h"
#include "core/lake/CAgente.h"

#include "core/lake/ComportamentosBase.h"
#include "core/lake/ComportamentosPoluidores.h"
#include "core/lake/ComportamentosVivos.h"

#include <cassert>

std::unique_ptr<CComportamento> criaComportamento(int32_t tipo) {
    switch (tipo) {
    case COMP_NULO: return std::make_unique<ComportamentoNulo>();
    case COMP_NASCE: return std::make_unique<ComportamentoNasce>();
    case COMP_MORRE: return std::make_unique<ComportamentoMorre>();
    case COMP_NOVA_DIRECAO: return std::make_unique<ComportamentoNovaDirecao>();
    case COMP_NADA: return std::make_unique<ComportamentoNada>();
    case COMP_COME: return std::make_unique<ComportamentoCome>();
    case COMP_METABOLISMO: return std::make_unique<ComportamentoMetabolismo>();
    case COMP_ABSORVE: return std::make_unique<ComportamentoAbsorve>();
    case COMP_REPRODUZ: return std::make_unique<ComportamentoReproduz>();
    case COMP_DESOVA: return std::make_unique<ComportamentoDesova>();
    case COMP_FONTE: return std::make_unique<ComportamentoFonte>();
    case COMP_POLUIDOR: return std::make_unique<CComportamentoPoluidor>(tipo);
    case COMP_DRAGA:
    case COMP_REDE:
    case COMP_LIXO:
    case COMP_LANCHA:
    case COMP_PESCA_PREDATORIA: return std::make_unique<ComportamentoAtravessa>(tipo);
    case COMP_AGROTOXICO: return std::make_unique<ComportamentoAgrotoxico>(tipo);
    case COMP_ESGOTO_RESIDENCIAL:
    case COMP_ESGOTO_INDUSTRIAL:
    case COMP_GASOLINA: return std::make_unique<ComportamentoDescarga>(tipo);
    default: return nullptr;
    }
}

uint32_t CComportamento::mSorteia() {
    assert(dono && dono->aleatorio && "a behaviour draws numbers only in an agent of a table");
    return dono->aleatorio->mProximo();
}
