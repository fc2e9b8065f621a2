// The outside programs the game starts: its own programs beside it, and
// the desktop's text editor for the parameters file and the licence.
#pragma once

#include <string>

// "./ajuda", "./editor" ("./ajuda.exe" on Windows): a program of the game in
// the working directory (the platform looks beside the game when it is not
// there).
std::string programaLocal(const char* nome);

// The first text editor found on the PATH from a fixed list, or "" when
// there is none.
std::string editorTexto();

// The editors editorTexto looks for, in its order: "gnome-text-editor, gedit, …".
std::string editoresProcurados();
