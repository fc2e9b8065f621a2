// The game's entry point, apart from the window system it runs on.
#pragma once

#include <functional>

class CApl;

// Checks the screen and the graphics, starts the application and runs the
// message loop. Answers the program's exit code: 0 when start-up is refused
// or fails, else the code the message loop ends with.
int qelpEntrada(CApl& apl, const std::function<int()>& lacoMensagens);
