// Pieces the game's dialogs share: the separator line, a character's button
// with its portrait, and texts in and out of Qt.
#pragma once

#include <QString>

#include <cstdint>
#include <string>

class QFrame;
class QToolButton;
class QWidget;

// A sunken horizontal line between groups of controls.
QFrame* linhaSeparadora(QWidget* dono);

// A large button showing the character's portrait above its caption.
QToolButton* botaoPersonagem(const QString& legenda, uint32_t personagem, QWidget* dono);

inline QString qt(const std::string& texto) { return QString::fromStdString(texto); }

// A file name read from a file, as the pupil reads it: its bytes as UTF-8
// when they are, else as Windows-1252 (an older program wrote it).
QString nomeMostrado(const std::string& bytes);
// The name a dialog hands back: the original bytes when the pupil left it
// as shown, else what is in the field (at most 299 characters).
std::string nomeEscolhido(const QString& campo, const std::string& original);
inline QString qt(const char* texto) { return QString::fromUtf8(texto); }
