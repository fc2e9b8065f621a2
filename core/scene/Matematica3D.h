// Small 3D arithmetic for the scene model: vectors, rotation matrices and
// the frame of an instance.
#pragma once

#include <array>
#include <cmath>
#include <cstring>

struct Vetor3 {
    float x = 0, y = 0, z = 0;

    friend Vetor3 operator+(Vetor3 a, Vetor3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
    friend Vetor3 operator-(Vetor3 a, Vetor3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
    friend Vetor3 operator*(Vetor3 a, float k) { return {a.x * k, a.y * k, a.z * k}; }
    friend bool operator==(Vetor3 a, Vetor3 b) = default;
};

inline float produtoEscalar(Vetor3 a, Vetor3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vetor3 produtoVetorial(Vetor3 a, Vetor3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline float comprimento(Vetor3 a) { return std::sqrt(produtoEscalar(a, a)); }

// A 3 × 3 matrix, row-major; applied to column vectors.
struct Matriz3 {
    std::array<float, 9> m{1, 0, 0, 0, 1, 0, 0, 0, 1};

    static Matriz3 identidade() { return {}; }

    // Rotation by angulo radians about eixo (any length but zero; a zero
    // axis gives the identity), counter-clockwise looking down the axis.
    static Matriz3 rotacao(Vetor3 eixo, float angulo) {
        const float tamanho = comprimento(eixo);
        if (tamanho == 0.0f || angulo == 0.0f) return {};
        const Vetor3 u = eixo * (1.0f / tamanho);
        const float c = std::cos(angulo), s = std::sin(angulo), t = 1.0f - c;
        return {{t * u.x * u.x + c, t * u.x * u.y - s * u.z, t * u.x * u.z + s * u.y,
                 t * u.x * u.y + s * u.z, t * u.y * u.y + c, t * u.y * u.z - s * u.x,
                 t * u.x * u.z - s * u.y, t * u.y * u.z + s * u.x, t * u.z * u.z + c}};
    }

    friend Vetor3 operator*(const Matriz3& a, Vetor3 v) {
        return {a.m[0] * v.x + a.m[1] * v.y + a.m[2] * v.z,
                a.m[3] * v.x + a.m[4] * v.y + a.m[5] * v.z,
                a.m[6] * v.x + a.m[7] * v.y + a.m[8] * v.z};
    }

    friend Matriz3 operator*(const Matriz3& a, const Matriz3& b) {
        Matriz3 r;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                r.m[i * 3 + j] = a.m[i * 3] * b.m[j] + a.m[i * 3 + 1] * b.m[3 + j] +
                                 a.m[i * 3 + 2] * b.m[6 + j];
        return r;
    }
};

// Where an instance stands and how it moves, relative to its group frame.
// One time unit turns it by velocidadeRotacao radians about eixoRotacao
// (through its own origin) and moves it by velocidade.
struct Quadro {
    Vetor3 posicao;
    Matriz3 orientacao;
    Vetor3 velocidade;     // lake units per time unit
    Vetor3 eixoRotacao;
    float velocidadeRotacao = 0;  // radians per time unit

    void mAvanca() {
        // No turn is the identity, which leaves the orientation as it is.
        if (velocidadeRotacao != 0.0f)
            if (const Matriz3* giro = mGiro()) orientacao = *giro * orientacao;
        posicao = posicao + velocidade;
    }

    // A point of the instance's model in group coordinates.
    Vetor3 mTransforma(Vetor3 pontoModelo) const { return orientacao * pontoModelo + posicao; }

private:
    // The turn of one time unit, or none when it is the identity; worked out
    // again only when the axis or the speed changed, to the bit.
    const Matriz3* mGiro() {
        const std::array<float, 4> chave{eixoRotacao.x, eixoRotacao.y, eixoRotacao.z, velocidadeRotacao};
        if (std::memcmp(chave.data(), chaveDoGiro.data(), sizeof chave) != 0) {
            giro = Matriz3::rotacao(eixoRotacao, velocidadeRotacao);
            giroNulo = comprimento(eixoRotacao) == 0.0f || velocidadeRotacao == 0.0f;
            chaveDoGiro = chave;
        }
        return giroNulo ? nullptr : &giro;
    }
    Matriz3 giro;
    bool giroNulo = true;
    std::array<float, 4> chaveDoGiro{0, 0, 0, 0};  // the identity's
};

