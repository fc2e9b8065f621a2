#include "core/lake/ComportamentosBase.h"

#include "core/lake/Aleatorio.h"
#include "core/lake/CAgente.h"
#include "core/lake/Gabaritos.h"
#include "core/scene/CCena3D.h"

namespace {
constexpr float CENTESIMOS = 100.0f;        // template spin is in hundredths
constexpr uint32_t FAIXA_DESVIO = 300;      // energy deviation: (r mod 300 − 150) / 100
constexpr int32_t CENTRO_DESVIO = 150;
constexpr float ALIMENTO_FONTE = 0.15f;     // food given per query
const Vetor3 EIXO_GIRO{0, 1, 1};
}  // namespace

uint32_t ComportamentoNulo::mTrata(ArgumentoMensagem, ArgumentoMensagem) { return 1; }

uint32_t ComportamentoNasce::mTrata(ArgumentoMensagem a, ArgumentoMensagem b) {
    const CGabarito* gabarito = comoPonteiro<const CGabarito>(a);
    const float* posicao = comoPonteiro<const float>(b);
    if (!gabarito || !posicao) return 0;

    // 1-2. The instance; types without a model have none.
    int instancia = -1;
    if (dono->cena)
        instancia = dono->cena->mAdicionaAgente(
            dono, gabarito->grupo, gabarito->tipo, {posicao[0], posicao[1], posicao[2]},
            {0, 0, 0}, EIXO_GIRO, static_cast<float>(gabarito->giro) / CENTESIMOS);
    if (instancia == -1 && gabarito->tipo < TIPO_SEM_MODELO) return 0;

    // 3-4. The body.
    auto corpo = std::make_unique<CObjetoFisico>();
    corpo->marca = MARCA_CORPO;
    corpo->grupo = gabarito->grupo;
    corpo->instancia = instancia;
    corpo->tempoDirecao = 0;
    corpo->classe = static_cast<uint8_t>(gabarito->classe & 0xFF);
    corpo->periodoReproducao = gabarito->periodoReproducao;
    corpo->tipo = gabarito->tipo;
    corpo->idade = 0;
    corpo->casaX = static_cast<float>(gabarito->casaX);
    corpo->casaY = static_cast<float>(gabarito->casaY);
    corpo->casaZ = static_cast<float>(gabarito->casaZ);
    corpo->custoReproducao = static_cast<float>(gabarito->custoReproducao);
    corpo->energia = static_cast<float>(gabarito->energia);
    const int32_t desvio = static_cast<int32_t>(mSorteia() % FAIXA_DESVIO) - CENTRO_DESVIO;
    corpo->energia += static_cast<float>(desvio) / CENTESIMOS;

    // 5. Become what the template says.
    dono->corpo = std::move(corpo);
    dono->mReinicia(*gabarito);
    return 1;
}

uint32_t ComportamentoMorre::mTrata(ArgumentoMensagem, ArgumentoMensagem) {
    if (dono->corpo) {
        if (dono->cena) dono->cena->mRemoveAgente(dono->corpo->grupo, dono->corpo->instancia);
        dono->corpo.reset();
    }
    dono->mReinicia(GABARITO_LIVRE);
    return 1;
}

uint32_t ComportamentoFonte::mTrata(ArgumentoMensagem, ArgumentoMensagem b) {
    float* resposta = comoPonteiro<float>(b);
    if (resposta) *resposta = dono->corpo && dono->corpo->energia >= 0.0f ? ALIMENTO_FONTE : 0.0f;
    return 1;
}
