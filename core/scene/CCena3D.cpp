#include "core/scene/CCena3D.h"

#include "core/lake/CAgente.h"
#include "core/lake/Mensagens.h"
#include "core/platform/Plataforma.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

bool dentro(float valor, float minimo, float maximo) { return minimo <= valor && valor <= maximo; }

// One axis of the touch test: an end of a lies inside b, ends included.
bool pontaDentro(float aMin, float aMax, float bMin, float bMax) {
    return dentro(aMin, bMin, bMax) || dentro(aMax, bMin, bMax);
}

// Whether the ray passes near enough to an instance to touch its model:
// within the model's radius, stretched by the frame's largest scale, of its
// origin. Only instances it may touch are tested triangle by triangle.
bool raioPodeTocar(Vetor3 origem, Vetor3 direcao, const Quadro& quadro, float raio) {
    float escala = 0;
    for (int c = 0; c < 3; ++c) {
        const Vetor3 coluna = quadro.orientacao * Vetor3{c == 0 ? 1.0f : 0.0f, c == 1 ? 1.0f : 0.0f,
                                                         c == 2 ? 1.0f : 0.0f};
        escala = std::max(escala, comprimento(coluna));
    }
    const float alcance = raio * escala * 1.001f + 1e-3f;  // a margin for rounding
    const Vetor3 paraCentro = quadro.posicao - origem;
    const float t = produtoEscalar(paraCentro, direcao) / produtoEscalar(direcao, direcao);
    const Vetor3 maisPerto = origem + direcao * t - quadro.posicao;
    return produtoEscalar(maisPerto, maisPerto) <= alcance * alcance;
}

// Distance along the ray to the triangle (a, b, c), either side, or nothing.
std::optional<float> cruzaTriangulo(Vetor3 origem, Vetor3 direcao, Vetor3 a, Vetor3 b, Vetor3 c) {
    constexpr float EPSILON = 1e-7f;
    const Vetor3 aresta1 = b - a;
    const Vetor3 aresta2 = c - a;
    const Vetor3 p = produtoVetorial(direcao, aresta2);
    const float determinante = produtoEscalar(aresta1, p);
    if (std::fabs(determinante) < EPSILON) return std::nullopt;
    const float inverso = 1.0f / determinante;
    const Vetor3 t = origem - a;
    const float u = produtoEscalar(t, p) * inverso;
    if (u < 0.0f || u > 1.0f) return std::nullopt;
    const Vetor3 q = produtoVetorial(t, aresta1);
    const float v = produtoEscalar(direcao, q) * inverso;
    if (v < 0.0f || u + v > 1.0f) return std::nullopt;
    const float distancia = produtoEscalar(aresta2, q) * inverso;
    if (distancia <= 0.0f) return std::nullopt;
    return distancia;
}

// The frame orientation whose forward axis is direcao and whose up axis is
// as near to cima as it can be.
Matriz3 orientacaoOlhando(Vetor3 direcao, Vetor3 cima) {
    const float tamanho = comprimento(direcao);
    if (tamanho == 0.0f) return {};
    const Vetor3 z = direcao * (1.0f / tamanho);
    Vetor3 y = cima - z * produtoEscalar(cima, z);
    if (comprimento(y) < 1e-6f) y = std::fabs(z.y) < 0.9f ? Vetor3{0, 1, 0} : Vetor3{1, 0, 0};
    y = y - z * produtoEscalar(y, z);
    y = y * (1.0f / comprimento(y));
    const Vetor3 x = produtoVetorial(y, z);
    return {{x.x, y.x, z.x, x.y, y.y, z.y, x.z, y.z, z.z}};
}

}  // namespace

// ---------------------------------------------------------------- creation and view

CCena3D::CCena3D() = default;
CCena3D::~CCena3D() = default;

void CCena3D::mDefineDispositivo(std::unique_ptr<Dispositivo3D> novo) {
    if (dispositivo) dispositivo->mLibera();
    dispositivo = std::move(novo);
}

bool CCena3D::mIniciaCena(int x, int y, int largura, int altura, const MargensLago& novasMargens) {
    mLiberaCena();
    margens = novasMargens;
    mDefineVista(x, y, largura, altura);
    if (dispositivo && !dispositivo->mCria()) return false;
    if (!mCriaVista(x, y, largura, altura, false)) return false;
    ativa = true;
    return true;
}

void CCena3D::mLiberaCena() {
    if (dispositivo) dispositivo->mLibera();
    ativa = false;
    vistaConstruida = false;
    margens = MargensLago{};
    modelos.fill(Malha{});
    for (auto& grupo : grupos) grupo.fill(Instancia{});
    slotsMudaram = true;
    temporarias.fill(Temporaria{});
    ambientes.fill(Luz{});
    direcionais.fill(Luz{});
    zbuffer.fill(true);
    realceLago = realceAgua = Realce{};
}

bool CCena3D::mCriaVista(int x, int y, int largura, int altura, bool reaproveita) {
    if (largura <= 0 || altura <= 0) return false;
    if (dispositivo) {
        if (!reaproveita) {
            if (dispositivo->mTemDispositivo()) {
                dispositivo->mLiberaDispositivo();
                return false;
            }
            if (!dispositivo->mCriaDispositivo(largura, altura)) return false;
        }
        if (!dispositivo->mCriaViewport(largura, altura)) {
            dispositivo->mLiberaDispositivo();
            return false;
        }
    }
    mDefineVista(x, y, largura, altura);
    return true;
}

void CCena3D::mDefineVista(int x, int y, int largura, int altura) {
    if (largura <= 0 || altura <= 0) return;
    vistaX = x;
    vistaY = y;
    vistaLargura = largura;
    vistaAltura = altura;
}

LimitesLago CCena3D::mLimitesLago() const {
    const float meiaAltura = MEIA_LARGURA_LAGO * static_cast<float>(vistaAltura) /
                             static_cast<float>(vistaLargura);
    return {meiaAltura, -meiaAltura, MEIA_LARGURA_LAGO, -MEIA_LARGURA_LAGO};
}

// ---------------------------------------------------------------- models, lights and background

bool CCena3D::mCarregaModelo(int m, const std::string& arquivo) {
    if (m < 0 || m >= NUM_MODELOS) return false;
    Malha& malha = modelos[static_cast<std::size_t>(m)];
    if (!carregaMalhaX(arquivo, malha) || (dispositivo && !dispositivo->mCarregaModelo(m, malha))) {
        malha = Malha{};
        avisaArquivoNaoEncontrado(arquivo);
        return false;
    }
    return true;
}

bool CCena3D::mDefineModelo(int m, const Malha& malha) {
    if (m < 0 || m >= NUM_MODELOS || malha.mVazia()) return false;
    modelos[static_cast<std::size_t>(m)] = malha;
    if (dispositivo && !dispositivo->mCarregaModelo(m, malha)) {
        modelos[static_cast<std::size_t>(m)] = Malha{};
        return false;
    }
    return true;
}

bool CCena3D::mCriaLuz(int tipo, int grupo, Vetor3 direcao, float r, float g, float b) {
    const std::array<float, 3> cor{r, g, b};
    if (tipo == LUZ_AMBIENTE) {
        for (Luz& luz : ambientes) {
            if (luz.ativa) continue;
            luz = {true, cor, -1, -1};
            return true;
        }
        return false;
    }
    const int slot = mCriaQuadro(grupo);
    if (slot < 0) return false;
    // A light's up vector is (dx, dz, dy) for the direction (dx, dy, dz).
    mSlot(grupo, slot)->quadro.orientacao =
        orientacaoOlhando(direcao, {direcao.x, direcao.z, direcao.y});
    for (Luz& luz : direcionais) {
        if (luz.ativa) continue;
        luz = {true, cor, grupo, slot};
        return true;
    }
    mRemoveInstancia(grupo, slot);
    return false;
}

bool CCena3D::mZBuffer(int quadro, bool ligado) {
    if (quadro < 0 || quadro >= NUM_QUADROS_TOPO) return false;
    zbuffer[static_cast<std::size_t>(quadro)] = ligado;
    return true;
}

bool CCena3D::mCarregaFundo(const std::string& arquivo) {
    if (dispositivo && !dispositivo->mCarregaFundo(arquivo)) {
        avisaArquivoNaoEncontrado(arquivo);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- instances

Instancia* CCena3D::mSlot(int g, int i) {
    if (g < 0 || g >= NUM_GRUPOS || i < 0 || i >= NUM_SLOTS_GRUPO) return nullptr;
    return &grupos[static_cast<std::size_t>(g)][static_cast<std::size_t>(i)];
}

const Instancia* CCena3D::mSlot(int g, int i) const {
    return const_cast<CCena3D*>(this)->mSlot(g, i);
}

const Instancia& CCena3D::mInstancia(int g, int i) const {
    static const Instancia VAZIA;
    const Instancia* slot = mSlot(g, i);
    return slot ? *slot : VAZIA;
}

int CCena3D::mCriaQuadro(int g) {
    if (g < 0 || g >= NUM_GRUPOS) return -1;
    auto& grupo = grupos[static_cast<std::size_t>(g)];
    for (int i = 0; i < NUM_SLOTS_GRUPO; ++i) {
        Instancia& slot = grupo[static_cast<std::size_t>(i)];
        if (slot.ocupada) continue;
        slot = Instancia{};
        slot.ocupada = true;
        slotsMudaram = true;
        return i;
    }
    return -1;
}

int CCena3D::mCriaInstancia(int g, int m, Vetor3 posicao, Vetor3 velocidade, Vetor3 eixo,
                            float theta) {
    if (m < 0 || m >= NUM_MODELOS || g < 0 || g >= NUM_GRUPOS) return -1;
    if (modelos[static_cast<std::size_t>(m)].mVazia()) return -1;
    const int i = mCriaQuadro(g);
    if (i < 0) return -1;
    Instancia& slot = *mSlot(g, i);
    slot.modelo = m;
    slot.quadro.posicao = posicao;
    slot.quadro.velocidade = velocidade;
    slot.quadro.eixoRotacao = eixo;
    slot.quadro.velocidadeRotacao = theta;
    return i;
}

void CCena3D::mRemoveInstancia(int g, int i) {
    if (Instancia* slot = mSlot(g, i)) {
        *slot = Instancia{};
        slotsMudaram = true;
    }
}

void CCena3D::mDefineVelocidade(int g, int i, Vetor3 velocidade) {
    Instancia* slot = mSlot(g, i);
    if (slot && slot->ocupada) slot->quadro.velocidade = velocidade;
}

Vetor3 CCena3D::mLeVelocidade(int g, int i) const { return mInstancia(g, i).quadro.velocidade; }

void CCena3D::mDefinePosicao(int g, int i, Vetor3 posicao) {
    Instancia* slot = mSlot(g, i);
    if (!slot || !slot->ocupada) return;
    slot->quadro.posicao = posicao;
    slotsMudaram = true;
}

Vetor3 CCena3D::mLePosicao(int g, int i) const { return mInstancia(g, i).quadro.posicao; }

void CCena3D::mGira(int g, int i, Vetor3 eixo, float angulo) {
    Instancia* slot = mSlot(g, i);
    if (!slot || !slot->ocupada) return;
    Quadro& quadro = slot->quadro;
    const Vetor3 eixoAntes = quadro.eixoRotacao;
    const float rotacaoAntes = quadro.velocidadeRotacao;
    quadro.eixoRotacao = eixo;
    quadro.velocidadeRotacao = angulo;
    quadro.mAvanca();
    slotsMudaram = true;
    quadro.eixoRotacao = eixoAntes;
    quadro.velocidadeRotacao = rotacaoAntes;
}

void CCena3D::mMudaVelocidade(int g, int i, Vetor3 velocidade) {
    const Instancia* slot = mSlot(g, i);
    if (!slot || !slot->ocupada) return;
    const bool eraPositiva = slot->quadro.velocidade.x >= 0.0f;
    if (eraPositiva != (velocidade.x >= 0.0f)) mGira(g, i, {0, 1, 0}, std::numbers::pi_v<float>);
    mDefineVelocidade(g, i, velocidade);
}

// ---------------------------------------------------------------- agents, borders and touches

int CCena3D::mAdicionaAgente(CAgente* agente, int g, int m, Vetor3 posicao, Vetor3 velocidade,
                             Vetor3 eixo, float theta) {
    const int i = mCriaInstancia(g, m, posicao, velocidade, eixo, theta);
    if (i < 0) return -1;
    Instancia& slot = *mSlot(g, i);
    slot.agente = agente;
    slot.caixa = modelos[static_cast<std::size_t>(m)].caixa;
    return i;
}

void CCena3D::mRemoveAgente(int g, int i) {
    if (Instancia* slot = mSlot(g, i)) {
        slot->agente = nullptr;
        mRemoveInstancia(g, i);
    }
}

void CCena3D::mVerificaBordas(int g) {
    if (g < 0 || g >= NUM_GRUPOS) return;
    const LimitesLago limites = mLimitesLago();
    const float acimaDe = limites.topo - margens.topo * limites.topo;
    const float abaixoDe = limites.base - margens.base * limites.base;
    const float esquerdaDe = limites.esquerda - margens.esquerda * limites.esquerda;
    const float direitaDe = limites.direita - margens.direita * limites.direita;
    for (int i = 0; i < NUM_SLOTS_GRUPO; ++i) {
        const Instancia& slot = *mSlot(g, i);
        if (!slot.ocupada || !slot.agente) continue;
        const Vetor3 p = slot.quadro.posicao;
        uint32_t bordas = 0;
        if (p.y > acimaDe) bordas |= BORDA_TOPO;
        if (p.y < abaixoDe) bordas |= BORDA_BASE;
        if (p.x < esquerdaDe) bordas |= BORDA_ESQUERDA;
        if (p.x > direitaDe) bordas |= BORDA_DIREITA;
        if (bordas) slot.agente->mEnvia(MSG_BORDA, bordas, 0);
    }
}

void CCena3D::mVerificaColisoes(int g, bool testaZ) {
    if (g < 0 || g >= NUM_GRUPOS) return;
    // The boxes in group coordinates of the slots that hold an agent's
    // instance, and which of them meet, taken again whenever a touch message
    // changes the slots (it may kill, give birth or move).
    Vizinhanca& caixas = vizinhancas[static_cast<std::size_t>(g)];
    const auto levanta = [&] {
        caixas.mLimpa();
        for (int i = 0; i < NUM_SLOTS_GRUPO; ++i) {
            const Instancia& slot = *mSlot(g, i);
            if (!slot.ocupada || !slot.agente) continue;
            const Vetor3 p = slot.quadro.posicao;
            caixas.mPoe(i, {slot.caixa.minimo + p, slot.caixa.maximo + p});
        }
        caixas.mAtualiza();
        slotsMudaram = false;
    };

    levanta();
    // The pairs (i, j), i < j, in slot order, as the slots stand when each is
    // tested.
    int i = caixas.mProximaPresente(0);
    int desde = i + 1;
    while (i >= 0) {
        bool mudou = false;
        for (int j = caixas.mProximaVizinha(i, desde); j >= 0 && !mudou; j = caixas.mProximaVizinha(i, j + 1)) {
            const Caixa& a = caixas.mCaixa(i);
            const Caixa& b = caixas.mCaixa(j);
            const bool toca = pontaDentro(a.minimo.x, a.maximo.x, b.minimo.x, b.maximo.x) &&
                              pontaDentro(a.minimo.y, a.maximo.y, b.minimo.y, b.maximo.y) &&
                              (!testaZ || pontaDentro(a.minimo.z, a.maximo.z, b.minimo.z, b.maximo.z));
            if (!toca) continue;
            if (CAgente* receptor = mSlot(g, i)->agente)
                receptor->mEnvia(MSG_TOQUE, static_cast<ArgumentoMensagem>(i),
                                 comoArgumento(mSlot(g, j)->agente));
            if (CAgente* receptor = mSlot(g, j)->agente)
                receptor->mEnvia(MSG_TOQUE, static_cast<ArgumentoMensagem>(j),
                                 comoArgumento(mSlot(g, i)->agente));
            if (!slotsMudaram) continue;
            // Carry on after (i, j) with the slots as they are now: i with
            // the slots after j, or, when i is gone, the next slot.
            mudou = true;
            levanta();
            if (caixas.mProximaPresente(i) == i) {
                desde = j + 1;
            } else {
                i = caixas.mProximaPresente(i);
                desde = i + 1;
            }
        }
        if (!mudou) {
            i = caixas.mProximaPresente(i + 1);
            desde = i + 1;
        }
    }
}

// ---------------------------------------------------------------- temporary instances

void CCena3D::mCriaTemporaria(float vida, int g, int m, Vetor3 posicao, Vetor3 velocidade,
                              Vetor3 eixo, float theta) {
    for (Temporaria& registro : temporarias) {
        if (registro.ativa) continue;
        const int slot = mCriaInstancia(g, m, posicao, velocidade, eixo, theta);
        if (slot >= 0) registro = {true, vida, g, slot};
        return;
    }
}

// ---------------------------------------------------------------- highlights

void CCena3D::mDefineRealce(int g, int i, const Realce& realce) {
    if (Instancia* slot = mSlot(g, i); slot && slot->ocupada) slot->realce = realce;
}

void CCena3D::mApagaRealces() {
    for (auto& grupo : grupos)
        for (Instancia& slot : grupo) slot.realce = Realce{};
    realceLago = realceAgua = Realce{};
}

bool CCena3D::mTemRealce() const {
    if (realceLago.sentido != 0 || realceAgua.sentido != 0) return true;
    for (const auto& grupo : grupos)
        for (const Instancia& slot : grupo)
            if (slot.ocupada && slot.realce.sentido != 0) return true;
    return false;
}

// ---------------------------------------------------------------- motion and drawing

void CCena3D::mDesenha(bool rodando) {
    if (rodando) mMove();
    if (dispositivo && !dispositivo->mRenderiza(*this)) return;
    mEnvelheceTemporarias();
    if (dispositivo) dispositivo->mApresenta(vistaX, vistaY);
}

void CCena3D::mMove() {
    for (auto& grupo : grupos)
        for (Instancia& slot : grupo)
            if (slot.ocupada) slot.quadro.mAvanca();
}

void CCena3D::mEnvelheceTemporarias() {
    for (Temporaria& registro : temporarias) {
        if (!registro.ativa) continue;
        registro.vida -= 1.0f;
        if (registro.vida < 0.0f) {
            mRemoveInstancia(registro.grupo, registro.slot);
            registro.ativa = false;
        }
    }
}

// ---------------------------------------------------------------- picking

std::optional<Escolha> CCena3D::mEscolhe(int x, int y) const {
    const int px = x - vistaX, py = y - vistaY;
    if (px < 0 || py < 0 || px >= vistaLargura || py >= vistaAltura) return std::nullopt;

    // The ray from the camera through the pixel's centre: at the distance of
    // the plane z = 0 the view spans ±125 × ±125·h/w.
    const float largura = static_cast<float>(vistaLargura);
    const float altura = static_cast<float>(vistaAltura);
    const float nx = (static_cast<float>(px) + 0.5f) / largura * 2.0f - 1.0f;
    const float ny = 1.0f - (static_cast<float>(py) + 0.5f) / altura * 2.0f;
    const Vetor3 origem{0, 0, -DISTANCIA_CAMERA};
    const Vetor3 direcao{nx * MEIA_LARGURA_LAGO / DISTANCIA_CAMERA,
                         ny * MEIA_LARGURA_LAGO * altura / largura / DISTANCIA_CAMERA, 1.0f};

    std::optional<Escolha> escolha;
    float maisPerto = std::numeric_limits<float>::infinity();
    for (int g = 0; g < NUM_GRUPOS; ++g) {
        for (int i = 0; i < NUM_SLOTS_GRUPO; ++i) {
            const Instancia& slot = *mSlot(g, i);
            if (!slot.ocupada || slot.modelo < 0) continue;
            const Malha& malha = modelos[static_cast<std::size_t>(slot.modelo)];
            if (!raioPodeTocar(origem, direcao, slot.quadro, malha.raio)) continue;
            for (const Triangulo& t : malha.triangulos) {
                const auto distancia = cruzaTriangulo(
                    origem, direcao, slot.quadro.mTransforma(malha.vertices[t.vertices[0]]),
                    slot.quadro.mTransforma(malha.vertices[t.vertices[1]]),
                    slot.quadro.mTransforma(malha.vertices[t.vertices[2]]));
                if (distancia && *distancia < maisPerto) {
                    maisPerto = *distancia;
                    escolha = Escolha{g, i};
                }
            }
        }
    }
    return escolha;
}

CAgente* CCena3D::mAgenteEm(int x, int y) const {
    const auto escolha = mEscolhe(x, y);
    return escolha ? mSlot(escolha->grupo, escolha->slot)->agente : nullptr;
}
