// Messages of the main window. Every event of the window is turned into one
// of these and given first to the application object, which hands those it
// does not take to the window object (CJanela::mMensagemJanela).
#pragma once

#include <cstdint>

enum class TipoMensagem {
    COMANDO,              // a: command id (menu entry or posted command)
    TECLA,                // a: key code (TECLA_*)
    BOTAO_ESQUERDO_DESCE, // a, b: client x, y
    BOTAO_ESQUERDO_SOBE,
    BOTAO_DIREITO_DESCE,
    BOTAO_DIREITO_SOBE,
    TEMPORIZADOR,         // a: the timer id (TIMER_PASSO, TIMER_FASE)
    TAMANHO,              // a, b: new client width, height; 0, 0 when minimised
    ATIVA,                // the window was activated or deactivated
    FECHA,                // close request (menu, F12, close box)
    DESTROI,              // the window is being destroyed
};

struct Mensagem {
    TipoMensagem tipo;
    uint32_t a = 0;
    uint32_t b = 0;
};

// Key codes of the keys the game reacts to.
inline constexpr uint32_t TECLA_F1 = 0x70;
inline constexpr uint32_t TECLA_F2 = 0x71;
inline constexpr uint32_t TECLA_F3 = 0x72;
inline constexpr uint32_t TECLA_F12 = 0x7B;
inline constexpr uint32_t TECLA_OUTRA = 0;

class OuvinteJanela {
public:
    virtual ~OuvinteJanela() = default;
    virtual void mTrataMensagem(const Mensagem& mensagem) = 0;
};
