// The messages of the lake model. A message is (number, a, b); the number is
// also the behaviour slot that answers it, and a and b are each a number or
// a pointer, as the message defines.
#pragma once

#include <cstdint>

using ArgumentoMensagem = std::uintptr_t;

inline constexpr uint32_t MSG_CRIA = 1;      // a: const CGabarito*, b: const float[3] position
inline constexpr uint32_t MSG_MORRE = 2;     // 0, 0
inline constexpr uint32_t MSG_BORDA = 3;     // a: border bits (BORDA_*), b: 0
inline constexpr uint32_t MSG_TOQUE = 4;     // a: own instance index, b: CAgente* of the other
inline constexpr uint32_t MSG_REPRODUZ = 5;  // a: 0, b: number of young
inline constexpr uint32_t MSG_CICLO_1 = 6;   // the step, first pass
inline constexpr uint32_t MSG_CICLO_2 = 7;   // the step, second pass
inline constexpr uint32_t MSG_CICLO_3 = 8;   // the step (b = 0), or the food query (b: float*)

inline constexpr uint32_t BORDA_TOPO = 1;
inline constexpr uint32_t BORDA_BASE = 2;
inline constexpr uint32_t BORDA_ESQUERDA = 4;
inline constexpr uint32_t BORDA_DIREITA = 8;

template <class T>
ArgumentoMensagem comoArgumento(T* ponteiro) {
    return reinterpret_cast<ArgumentoMensagem>(ponteiro);
}

template <class T>
T* comoPonteiro(ArgumentoMensagem argumento) {
    return reinterpret_cast<T*>(argumento);
}
