// The Conversa window: the tutor's text as a growing transcript, which the
// pupil reads but cannot write in (its "Texto:" line and "Enviar" stay
// disabled). The game opens it once a run, when it plays with a tutor;
// once closed, the tutor's text is no longer shown.
#pragma once

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

// The transcript's text, for looking at it.
std::string textoDaConversa();
