#include "core/match/RegistroPartida.h"

#include <algorithm>

namespace {
std::size_t indiceCor(CorEcometro cor) { return static_cast<std::size_t>(cor - ECOMETRO_VERDE); }
}  // namespace

LeituraLago leLago(const CTabelaAgentes& agentes, uint32_t passo) {
    LeituraLago leitura;
    leitura.passo = passo;
    if (agentes.ativa == 0) return leitura;
    // The eco-meter's sum in its own order, so that the reading and its
    // colour are the game's to the last bit.
    float soma = 0;
    for (const CAgente& agente : agentes.agentes) {
        const CObjetoFisico* corpo = agente.corpo.get();
        if (!corpo || corpo->marca != MARCA_CORPO) continue;
        if (contaNoEcometro(*corpo)) {
            soma += corpo->energia;
            leitura.seres += 1;
        }
        if (corpo->tipo >= TIPO_GORDO && corpo->tipo <= TIPO_MICRO) {
            const auto especie = static_cast<std::size_t>(corpo->tipo);
            leitura.quantos[especie] += 1;
            leitura.energia[especie] += corpo->energia;
        } else if (corpo->tipo == TIPO_LAGO) {
            leitura.lago = corpo->energia;
        } else if (corpo->tipo == TIPO_AGUA) {
            leitura.agua = corpo->energia;
        }
    }
    leitura.razao = soma / ESCALA_ECOMETRO;
    leitura.cor = corEcometro(leitura.razao);
    return leitura;
}

RegistroPartida::RegistroPartida() {
    leituras.reserve(MAX_LEITURAS);
    marcas.reserve(MAX_MARCAS);
}

void RegistroPartida::mInicia(uint32_t periodo, const LeituraLago& inicio) {
    periodoMs = periodo;
    passosPorLeitura = PASSOS_POR_LEITURA;
    leituras.clear();
    leituras.push_back(inicio);
    marcas.clear();
    passosNaCor = {};
    usos = {};
    terminado = false;
}

void RegistroPartida::mRegistra(const LeituraLago& leitura) {
    if (!leituras.empty()) {
        const LeituraLago& ultima = leituras.back();
        if (leitura.passo <= ultima.passo) return;
        passosNaCor[indiceCor(ultima.cor)] += leitura.passo - ultima.passo;
    }
    if (leituras.size() == MAX_LEITURAS) {
        // Every other reading goes, the first one stays; readings come half as often.
        std::size_t mantidas = 0;
        for (std::size_t i = 0; i < leituras.size(); i += 2) leituras[mantidas++] = leituras[i];
        leituras.resize(mantidas);
        passosPorLeitura *= 2;
    }
    leituras.push_back(leitura);
}

void RegistroPartida::mPoluidor(const LeituraLago& antes, uint32_t n) {
    mRegistra(antes);
    mMarca({MarcaPartida::POLUIDOR, antes.passo, n});
}

void RegistroPartida::mFerramenta(const LeituraLago& antes, uint32_t c, uint32_t k, const Alteracao& efeito,
                                  float variacao) {
    mRegistra(antes);
    usos.at(c).at(k) += 1;
    mMarca({MarcaPartida::FERRAMENTA, antes.passo, c, k, variacao, efeito});
}

void RegistroPartida::mFim(const LeituraLago& fim) {
    if (!mIniciado() || terminado) return;
    if (leituras.back().passo == fim.passo) leituras.back() = fim;
    else mRegistra(fim);
    mMarca({MarcaPartida::FIM, leituras.back().passo});
    terminado = true;
}

const LeituraLago& RegistroPartida::mLeituraEm(uint32_t passo) const {
    const auto depois = std::upper_bound(leituras.begin(), leituras.end(), passo,
                                         [](uint32_t p, const LeituraLago& l) { return p < l.passo; });
    return depois == leituras.begin() ? leituras.front() : *(depois - 1);
}

uint32_t RegistroPartida::mPassosNaCor(CorEcometro cor) const { return passosNaCor[indiceCor(cor)]; }

void RegistroPartida::mMarca(const MarcaPartida& marca) {
    if (marcas.size() < MAX_MARCAS) marcas.push_back(marca);
}
