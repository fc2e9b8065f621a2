// The colours the editor shares with the game's dialogs (the character
// buttons' yellow and blues) and the ones it adds for the phase's events.
#pragma once

#include <QColor>
#include <QString>

#include <cstdint>
#include <string>

namespace estilo {
inline const QColor DESTAQUE(0xff, 0xe3, 0x7a);        // the game's chosen character
inline const QColor DESTAQUE_BORDA(0xd9, 0xa4, 0x00);
inline const QColor AZUL_CLARO(0x9c, 0xc3, 0xe6);       // the game's hover frame
inline const QColor AZUL(0x5b, 0x8f, 0xc7);             // the game's focus frame
inline const QColor AVISO_FUNDO(0xff, 0xf1, 0xbf);      // a row the warnings are about
inline const QColor FIM(0x33, 0x33, 0x33);              // the end of the match
inline const QColor POLUIDOR(0xc0, 0x50, 0x30);         // a polluter enters the lake
inline const QColor SORTEADO(0x8a, 0x4f, 0xb0);         // a polluter drawn at random
inline const QColor NADA(0x99, 0x99, 0x99);             // an event that does nothing

// The colour of an event's marker.
inline QColor corEvento(int32_t codigo) {
    if (codigo == 1) return FIM;
    if (codigo == 2) return SORTEADO;
    if (codigo >= 3) return POLUIDOR;
    return NADA;
}
}  // namespace estilo

inline QString qt(const std::string& texto) { return QString::fromStdString(texto); }
