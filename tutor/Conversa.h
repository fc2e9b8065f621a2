// The Conversa window: the tutor's text as a growing transcript, which the
// pupil reads. Its "Texto:" line and "Enviar" stay disabled unless the pupil
// gave the tutor a name: then the pupil writes there too. The game opens it
// once a run, when it plays with a tutor; once closed, the tutor's text is
// no longer shown.
#pragma once

#include <functional>
#include <string>

class QWidget;

// Opens the window below the main window.
void abreConversa(QWidget* principal);

// Closes the window, as the pupil does.
void fechaConversa();

// Whether the window is open.
bool conversaAberta();

// Appends text (UTF-8) at the end of the transcript, exactly as it is,
// and scrolls to it. Shown as plain text: nothing in it is markup. The
// transcript keeps its last 200,000 characters.
void acrescentaConversa(const std::string& texto);

// Appends a line of the game's own (UTF-8), on a line of its own.
void acrescentaLinhaConversa(const std::string& linha);

// Lets the pupil write: "Texto:" and "Enviar" enabled, at most 200
// characters; Enter or "Enviar" hands a line that is not blank to aoEnviar
// and empties the field.
void habilitaEscritaConversa(std::function<void(const std::string&)> aoEnviar);

// The transcript's text, for looking at it.
std::string textoDaConversa();
