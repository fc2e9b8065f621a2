#include "view/EfeitosFerramenta.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float FORCA_MINIMA = 0.6f;
constexpr float FORCA_POR_VALOR = 2.0f;  // a value of 0.2 shows at full strength

int8_t sentidoDe(float valor) { return valor > 0 ? 1 : -1; }
}  // namespace

float forcaDoValor(float valor) {
    return std::clamp(FORCA_MINIMA + FORCA_POR_VALOR * std::fabs(valor), FORCA_MINIMA, 1.0f);
}

void EfeitosFerramenta::mInicia(AlvosFerramenta alvos, float variacao, uint32_t agoraMs) {
    efeitos.push_back({std::move(alvos), variacao, agoraMs});
}

std::optional<float> EfeitosFerramenta::mProgresso(const Efeito& efeito, uint32_t agoraMs) {
    // Unsigned: a clock that wrapped round still counts forward.
    const uint32_t passado = agoraMs - efeito.inicioMs;
    if (passado >= DURACAO_EFEITO_MS) return std::nullopt;
    return static_cast<float>(passado) / static_cast<float>(DURACAO_EFEITO_MS);
}

void EfeitosFerramenta::mAplica(CCena3D& cena, const CTabelaAgentes& agentes, uint32_t agoraMs) {
    cena.mApagaRealces();
    std::erase_if(efeitos, [agoraMs](const Efeito& efeito) { return !mProgresso(efeito, agoraMs); });
    for (const Efeito& efeito : efeitos) {
        const float progresso = *mProgresso(efeito, agoraMs);
        for (const SerAlterado& ser : efeito.alvos.seres) {
            const CObjetoFisico* corpo = ser.agente < agentes.agentes.size() ? agentes[ser.agente].corpo.get() : nullptr;
            if (!corpo || corpo->instancia != ser.instancia || corpo->tipo != ser.tipo) continue;
            cena.mDefineRealce(GRUPO_SERES, ser.instancia, {sentidoDe(ser.valor), progresso, forcaDoValor(ser.valor)});
        }
        const float lago = efeito.alvos.lago, agua = efeito.alvos.agua;
        if (lago != 0) cena.mDefineRealceLago({sentidoDe(lago), progresso, forcaDoValor(lago)});
        if (agua != 0) cena.mDefineRealceAgua({sentidoDe(agua), progresso, forcaDoValor(agua)});
    }
}

std::optional<RotuloEfeito> EfeitosFerramenta::mRotulo(uint32_t agoraMs) const {
    for (auto efeito = efeitos.rbegin(); efeito != efeitos.rend(); ++efeito) {
        const std::optional<float> progresso = mProgresso(*efeito, agoraMs);
        if (!progresso) continue;
        std::string texto = textoDaVariacao(efeito->variacao);
        if (texto.empty()) return std::nullopt;
        const int sentido = texto == "0" ? 0 : (efeito->variacao > 0 ? 1 : -1);
        return RotuloEfeito{std::move(texto), sentido, *progresso};
    }
    return std::nullopt;
}
