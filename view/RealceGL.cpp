#include "view/RealceGL.h"

#include <QOpenGLExtraFunctions>
#include <QOpenGLShaderProgram>
#include <QtDebug>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <utility>

namespace {

constexpr float PI = std::numbers::pi_v<float>;

// The envelope: fully in at this progress, starting out at that one.
constexpr float FIM_ENTRADA = 0.1f;
constexpr float INICIO_SAIDA = 0.6f;

// Colours of energy gained and lost, RGB 0..1: the models' glow, the
// halos, the sparkles (pale green-gold stars, red arrows pointing down).
constexpr QVector3D VERDE_BRILHO(0.30f, 0.95f, 0.35f);
constexpr QVector3D VERMELHO_BRILHO(1.0f, 0.18f, 0.12f);
constexpr QVector3D VERDE_HALO(0.45f, 1.0f, 0.50f);
constexpr QVector3D VERMELHO_HALO(1.0f, 0.25f, 0.20f);
constexpr QVector3D COR_ESTRELA(0.90f, 1.0f, 0.70f);
constexpr QVector3D COR_SETA(1.0f, 0.22f, 0.18f);
constexpr float ESCURECE_PERDA = 0.3f;  // of a model's own colour lost at full strength
// How much a sprite covers what is behind it (the rest of its colour adds
// light): halos of gain and stars mostly shine, halos of loss and arrows cover.
constexpr float COBRE_HALO_GANHO = 0.6f, COBRE_HALO_PERDA = 1.0f;
constexpr float COBRE_ESTRELA = 0.3f, COBRE_SETA = 0.9f;

// Halos: this many times the being's half size and a margin, growing by
// this much over the effect. Together they cover at most this share of the
// view: software OpenGL pays for every pixel, so when many beings glow at
// once their halos shrink, down to glows close around them.
constexpr float HALO_RAIO = 1.15f, HALO_CRESCE = 0.2f, HALO_ALFA = 0.6f;
constexpr float HALO_MARGEM = 2.0f;  // lake units
constexpr float AREA_HALOS = 0.08f;
// Sparkles: at most so many for all the beings together and so many for
// one, their size a share of the being's half size within limits.
constexpr int FAISCAS_SERES = 24, FAISCAS_SER = 4;
constexpr float FAISCA_RAIO = 0.3f, FAISCA_MINIMA = 3.0f, FAISCA_MAXIMA = 4.5f;  // lake units

// The water lights up under its surface in a fresh green or a murky red,
// in a band so deep, by these weights; so many glints drift on it, so many
// sparkles in it. The bottom's band is so high either side of its line,
// and has its own glints and sparkles.
constexpr QVector3D TOM_GANHO(0.25f, 0.85f, 0.55f);
constexpr QVector3D TOM_PERDA(0.85f, 0.18f, 0.12f);
constexpr float FAIXA_AGUA = 4.5f;  // lake units
// Bands are halos much wider than the view: they fade only up and down.
constexpr float LARGURA_FAIXA = 3.0f;
constexpr float PESO_TOM_GANHO = 0.55f, PESO_TOM_PERDA = 0.65f;
constexpr int BRILHOS_AGUA = 8, FAISCAS_AGUA = 8;
constexpr float BRILHO_LARGURA = 18.0f, BRILHO_ALTURA = 1.2f, BRILHO_DERIVA = 30.0f;  // lake units
constexpr float FAIXA_LAGO = 2.5f, PESO_FAIXA = 0.8f;
constexpr int BRILHOS_LAGO = 4, FAISCAS_LAGO = 6;
constexpr float FAISCA_FUNDO = 3.8f;  // lake units

constexpr int FLOATS_SPRITE = 9;

// Every sprite: a rectangle about its centre, facing the camera; the
// shapes get the point within it, −1..1 each way. The depth does not
// matter: the depth test is off.
const char* const SOMBREADOR_VERTICES = R"(#version 330 core
layout(location = 0) in vec3 aCentro;
layout(location = 1) in vec2 aRaio;
layout(location = 2) in vec4 aCor;
uniform mat4 uCamera;
out vec2 vLocal;
flat out vec4 vCor;
void main() {
    vec2 canto = vec2(float(gl_VertexID & 1), float(gl_VertexID >> 1)) * 2.0 - 1.0;
    vLocal = canto;
    vCor = aCor;
    gl_Position = uCamera * vec4(aCentro + vec3(canto * aRaio, 0.0), 1.0);
    gl_Position.z = 0.0;
}
)";

// The shapes, one a layer: a soft ellipse; a four-pointed star with a
// glow; an arrow pointing down with a glow.
const char* const CABECALHO_FORMA = R"(#version 330 core
in vec2 vLocal;
flat in vec4 vCor;
out vec4 cor;
)";
constexpr std::array<const char*, 3> FORMAS = {
    R"(void main() {
    float d = max(1.0 - dot(vLocal, vLocal), 0.0);
    cor = vCor * (d * d * (3.0 - 2.0 * d));
})",
    R"(void main() {
    vec2 q = sqrt(abs(vLocal));
    float d = max(1.0 - dot(vLocal, vLocal), 0.0);
    cor = vCor * min(max(1.0 - q.x - q.y, 0.0) * 2.0 + d * d * d * 0.6, 1.0);
})",
    R"(void main() {
    vec2 p = vec2(abs(vLocal.x), vLocal.y);
    float haste = length(vec2(p.x, p.y - clamp(p.y, -0.75, 0.8)));
    vec2 q = p - vec2(0.0, -0.8), braco = vec2(0.55, 0.55);
    float cabeca = length(q - braco * clamp(dot(q, braco) / dot(braco, braco), 0.0, 1.0));
    float d = max(1.0 - dot(vLocal, vLocal), 0.0);
    cor = vCor * min(clamp((0.17 - min(haste, cabeca)) * 10.0, 0.0, 1.0) + d * d * d * 0.35, 1.0);
})",
};

// A number 0..1 from two whole numbers, the same on every frame.
float sorteia(int a, int b) {
    uint32_t h = static_cast<uint32_t>(a) * 747796405u + static_cast<uint32_t>(b) * 2891336453u + 1u;
    h ^= h >> 15;
    h *= 2246822519u;
    h ^= h >> 13;
    return static_cast<float>(h & 0xffffu) / 65535.0f;
}

QVector3D corDe(const Realce& realce, QVector3D ganho, QVector3D perda) {
    return realce.sentido > 0 ? ganho : perda;
}

// A sparkle's twinkle 0..1 at a progress.
float cintila(float progresso, float fase) {
    return 0.55f + 0.45f * std::sin(progresso * 2.0f * PI * 3.0f + fase * 2.0f * PI);
}

bool compila(QOpenGLShaderProgram& programa, const char* vertices, const char* fragmentos) {
    if (!programa.addShaderFromSourceCode(QOpenGLShader::Vertex, vertices) ||
        !programa.addShaderFromSourceCode(QOpenGLShader::Fragment, fragmentos) ||
        !programa.link()) {
        qWarning().noquote() << "Sombreador do realce não compilou:" << programa.log();
        return false;
    }
    return true;
}

}  // namespace

float envoltoriaRealce(float progresso) {
    if (!(progresso > 0.0f && progresso < 1.0f)) return 0.0f;
    const float e = std::min({1.0f, progresso / FIM_ENTRADA,
                              (1.0f - progresso) / (1.0f - INICIO_SAIDA)});
    return e * e * (3.0f - 2.0f * e);
}

QVector4D brilhoDoModelo(const Realce& realce) {
    if (realce.sentido == 0) return {};
    // Two soft pulses while it shows.
    const float pulso = 0.8f + 0.2f * std::cos(realce.progresso * 4.0f * PI);
    const float forca = envoltoriaRealce(realce.progresso) * std::clamp(realce.forca, 0.0f, 1.0f) * pulso;
    const QVector3D cor = corDe(realce, VERDE_BRILHO, VERMELHO_BRILHO) * forca;
    return {cor, realce.sentido < 0 ? ESCURECE_PERDA * forca : 0.0f};
}

RealceGL::RealceGL() = default;

RealceGL::~RealceGL() = default;

bool RealceGL::mCria(QOpenGLExtraFunctions* funcoes) {
    gl = funcoes;
    static_assert(FORMAS.size() == NUM_CAMADAS, "one shape for every layer");
    for (std::size_t c = 0; c < NUM_CAMADAS; ++c) {
        programas[c] = std::make_unique<QOpenGLShaderProgram>();
        const QByteArray fragmentos = QByteArray(CABECALHO_FORMA) + FORMAS[c];
        if (!compila(*programas[c], SOMBREADOR_VERTICES, fragmentos.constData())) {
            mLibera();
            return false;
        }
    }
    gl->glGenVertexArrays(1, &vao);
    gl->glGenBuffers(1, &vbo);
    gl->glBindVertexArray(vao);
    for (GLuint i = 0; i < 3; ++i) {
        gl->glEnableVertexAttribArray(i);
        gl->glVertexAttribDivisor(i, 1);  // one set an instance
    }
    gl->glBindVertexArray(0);
    return gl->glGetError() == GL_NO_ERROR;
}

void RealceGL::mLibera() {
    if (gl) {
        if (vbo) gl->glDeleteBuffers(1, &vbo);
        if (vao) gl->glDeleteVertexArrays(1, &vao);
    }
    vao = vbo = 0;
    for (auto& programa : programas) programa.reset();
    for (auto& camada : camadas) camada.clear();
    gl = nullptr;
}

void RealceGL::mPrepara(const std::vector<AlvoRealce>& alvos, const CCena3D& cena) {
    for (auto& camada : camadas) camada.clear();
    if (!vbo) return;
    // The sparkles are shared out evenly: being i has those from i·n/N to (i + 1)·n/N.
    const int quantos = static_cast<int>(alvos.size());
    const int faiscas = std::min(FAISCAS_SERES, quantos * FAISCAS_SER);
    const LimitesLago limites = cena.mLimitesLago();
    const auto meiosHalo = [](const AlvoRealce& alvo) {
        const float halo = HALO_RAIO + HALO_CRESCE * alvo.realce.progresso;
        return std::pair{alvo.meiaLargura * halo + HALO_MARGEM, alvo.meiaAltura * halo + HALO_MARGEM};
    };
    float area = 0;  // lake units²
    for (const AlvoRealce& alvo : alvos) {
        const auto [hx, hy] = meiosHalo(alvo);
        area += 4.0f * hx * hy;
    }
    const float areaMaxima = AREA_HALOS * 4.0f * limites.direita * limites.topo;
    const float escalaHalos = area > areaMaxima ? std::sqrt(areaMaxima / area) : 1.0f;
    for (int i = 0; i < quantos; ++i) {
        const AlvoRealce& alvo = alvos[static_cast<std::size_t>(i)];
        const Realce& realce = alvo.realce;
        const float forca = envoltoriaRealce(realce.progresso) * std::clamp(realce.forca, 0.0f, 1.0f);
        if (forca <= 0.0f) continue;
        const bool ganho = realce.sentido > 0;
        const Vetor3 c = alvo.centro;
        const float rx = alvo.meiaLargura, ry = alvo.meiaAltura;
        const auto [hx, hy] = meiosHalo(alvo);
        mAcrescenta(HALOS, c, hx * escalaHalos, hy * escalaHalos, corDe(realce, VERDE_HALO, VERMELHO_HALO),
                    HALO_ALFA * forca, ganho ? COBRE_HALO_GANHO : COBRE_HALO_PERDA);

        // Stars rise, arrows sink, each from its own place around the being.
        const float tamanho = std::clamp(FAISCA_RAIO * std::max(rx, ry), FAISCA_MINIMA, FAISCA_MAXIMA);
        const float deriva = ry * 1.2f * (realce.progresso - 0.3f) * (ganho ? 1.0f : -1.0f);
        const int porSer = (i + 1) * faiscas / quantos - i * faiscas / quantos;
        for (int k = 0; k < porSer; ++k) {
            const float angulo = 2.0f * PI * (static_cast<float>(k) + sorteia(alvo.semente, k)) / porSer;
            const float distancia = 0.6f + 0.5f * sorteia(alvo.semente, k + 17);
            mFaisca({c.x + std::cos(angulo) * rx * distancia, c.y + std::sin(angulo) * ry * distancia + deriva, c.z},
                    tamanho, forca * cintila(realce.progresso, sorteia(alvo.semente, k + 31)), ganho);
        }
    }

    // The surface and bottom lines, from the scene's margins.
    const MargensLago& margens = cena.mMargens();
    const float superficie = limites.topo * (1.0f - margens.topo);
    const float fundo = limites.base * (1.0f - margens.base);
    mAgua(cena.mRealceAgua(), superficie, fundo, limites.direita);
    mLago(cena.mRealceLago(), fundo, limites.direita);

    // Every layer in one buffer, one after the other.
    std::vector<Sprite> todos;
    for (std::size_t c = 0; c < NUM_CAMADAS; ++c) {
        inicio[c] = todos.size();
        todos.insert(todos.end(), camadas[c].begin(), camadas[c].end());
    }
    if (todos.empty()) return;
    // A new store every frame: the previous one may still be being drawn from.
    gl->glBindBuffer(GL_ARRAY_BUFFER, vbo);
    gl->glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(todos.size() * sizeof(Sprite)),
                     todos.data(), GL_STREAM_DRAW);
    gl->glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void RealceGL::mAgua(const Realce& realce, float ySuperficie, float yFundo, float xLimite) {
    const float forca = envoltoriaRealce(realce.progresso) * std::clamp(realce.forca, 0.0f, 1.0f);
    if (forca <= 0.0f || ySuperficie <= yFundo) return;
    const bool ganho = realce.sentido > 0;
    const float altura = ySuperficie - yFundo;
    const float faixa = std::min(FAIXA_AGUA, altura / 2);
    mAcrescenta(HALOS, {0, ySuperficie - faixa, 0}, xLimite * LARGURA_FAIXA, faixa, ganho ? TOM_GANHO : TOM_PERDA,
                (ganho ? PESO_TOM_GANHO : PESO_TOM_PERDA) * forca, 1.0f);
    // Glints drift along the ripples, by turns one way and the other.
    for (int k = 0; k < BRILHOS_AGUA; ++k) {
        const float sentido = k % 2 ? 1.0f : -1.0f;
        const float x = -xLimite + 2.0f * xLimite * (static_cast<float>(k) + sorteia(3000, k)) / BRILHOS_AGUA +
                        sentido * BRILHO_DERIVA * realce.progresso;
        const float y = yFundo + altura * (0.08f + 0.84f * sorteia(3000, k + 7));
        mAcrescenta(HALOS, {x, y, 0}, BRILHO_LARGURA, BRILHO_ALTURA, corDe(realce, VERDE_HALO, VERMELHO_HALO),
                    forca * cintila(realce.progresso, sorteia(3000, k + 13)), 0.25f);
    }
    const float deriva = altura * 0.2f * (realce.progresso - 0.3f) * (ganho ? 1.0f : -1.0f);
    for (int k = 0; k < FAISCAS_AGUA; ++k) {
        const float x = -xLimite + 2.0f * xLimite * (static_cast<float>(k) + sorteia(1000, k)) / FAISCAS_AGUA;
        const float y = std::clamp(yFundo + altura * sorteia(1000, k + 101) + deriva, yFundo + FAISCA_FUNDO,
                                   ySuperficie - FAISCA_FUNDO);
        mFaisca({x, y, 0}, FAISCA_FUNDO, forca * cintila(realce.progresso, sorteia(1000, k + 53)), ganho);
    }
}

void RealceGL::mLago(const Realce& realce, float yFundo, float xLimite) {
    const float forca = envoltoriaRealce(realce.progresso) * std::clamp(realce.forca, 0.0f, 1.0f);
    if (forca <= 0.0f) return;
    const bool ganho = realce.sentido > 0;
    const QVector3D cor = corDe(realce, VERDE_HALO, VERMELHO_HALO);
    mAcrescenta(HALOS, {0, yFundo, 0}, xLimite * LARGURA_FAIXA, FAIXA_LAGO, cor, PESO_FAIXA * forca, 0.5f);
    for (int k = 0; k < BRILHOS_LAGO; ++k) {
        const float x = -xLimite + 2.0f * xLimite * (static_cast<float>(k) + sorteia(4000, k)) / BRILHOS_LAGO +
                        (k % 2 ? 1.0f : -1.0f) * BRILHO_DERIVA * realce.progresso;
        mAcrescenta(HALOS, {x, yFundo, 0}, BRILHO_LARGURA, BRILHO_ALTURA * 1.5f, cor,
                    forca * cintila(realce.progresso, sorteia(4000, k + 13)), 0.25f);
    }
    const float deriva = FAIXA_LAGO * (realce.progresso - 0.3f) * (ganho ? 1.0f : -1.0f);
    for (int k = 0; k < FAISCAS_LAGO; ++k) {
        const float x = -xLimite + 2.0f * xLimite * (static_cast<float>(k) + sorteia(2000, k)) / FAISCAS_LAGO;
        const float y = yFundo + FAIXA_LAGO * (sorteia(2000, k + 101) - 0.3f) + deriva;
        mFaisca({x, y, 0}, FAISCA_FUNDO, forca * cintila(realce.progresso, sorteia(2000, k + 53)), ganho);
    }
}

void RealceGL::mFaisca(Vetor3 centro, float tamanho, float brilho, bool ganho) {
    const float raio = tamanho * (0.7f + 0.3f * brilho);
    mAcrescenta(ganho ? ESTRELAS : SETAS, centro, raio, raio, ganho ? COR_ESTRELA : COR_SETA, brilho,
                ganho ? COBRE_ESTRELA : COBRE_SETA);
}

void RealceGL::mAcrescenta(Camada camada, Vetor3 centro, float raioX, float raioY, QVector3D cor,
                           float peso, float cobre) {
    camadas[camada].push_back({{centro.x, centro.y, centro.z},
                               {raioX, raioY},
                               {cor.x() * peso, cor.y() * peso, cor.z() * peso, peso * cobre}});
}

void RealceGL::mDesenhaAtras(const QMatrix4x4& camera) { mDesenha(HALOS, camera); }

void RealceGL::mDesenhaFrente(const QMatrix4x4& camera) {
    mDesenha(ESTRELAS, camera);
    mDesenha(SETAS, camera);
}

void RealceGL::mDesenha(Camada camada, const QMatrix4x4& camera) {
    const std::vector<Sprite>& sprites = camadas[camada];
    QOpenGLShaderProgram* programa = programas[camada].get();
    if (!programa || sprites.empty()) return;
    gl->glDisable(GL_DEPTH_TEST);
    gl->glDisable(GL_CULL_FACE);
    gl->glEnable(GL_BLEND);
    gl->glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    programa->bind();
    programa->setUniformValue("uCamera", camera);
    // The layer's place in the buffer: GL 3.3 draws instances from the
    // attributes' own start.
    gl->glBindVertexArray(vao);
    gl->glBindBuffer(GL_ARRAY_BUFFER, vbo);
    constexpr GLsizei PASSO = sizeof(Sprite);
    static_assert(sizeof(Sprite) == FLOATS_SPRITE * sizeof(float));
    const std::size_t base = inicio[camada] * sizeof(Sprite);
    const std::array<std::pair<int, std::size_t>, 3> atributos = {
        {{3, offsetof(Sprite, centro)}, {2, offsetof(Sprite, raio)}, {4, offsetof(Sprite, cor)}}};
    for (GLuint i = 0; i < atributos.size(); ++i)
        gl->glVertexAttribPointer(i, atributos[i].first, GL_FLOAT, GL_FALSE, PASSO,
                                  reinterpret_cast<const void*>(base + atributos[i].second));
    gl->glDrawArraysInstanced(GL_TRIANGLE_STRIP, 0, 4, static_cast<GLsizei>(sprites.size()));
    gl->glBindBuffer(GL_ARRAY_BUFFER, 0);
    gl->glBindVertexArray(0);
    programa->release();
    gl->glDisable(GL_BLEND);
}
