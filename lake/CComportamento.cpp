#include "lake/CComportamento.h"

#include "lake/ComportamentosBase.h"
#include "lake/ComportamentosVivos.h"

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
    default: return nullptr;
    }
}
