#include "lake/CComportamento.h"

#include "lake/ComportamentosBase.h"

std::unique_ptr<CComportamento> criaComportamento(int32_t tipo) {
    switch (tipo) {
    case COMP_NULO: return std::make_unique<ComportamentoNulo>();
    case COMP_NASCE: return std::make_unique<ComportamentoNasce>();
    case COMP_MORRE: return std::make_unique<ComportamentoMorre>();
    case COMP_FONTE: return std::make_unique<ComportamentoFonte>();
    default: return nullptr;
    }
}
