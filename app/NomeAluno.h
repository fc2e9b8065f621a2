// The name the pupil gave the tutor last time on this account, kept in the
// user's own data folder (aluno.txt), so that the next run offers it.
#pragma once

#include <string>

// The name kept, or "" when there is none.
std::string nomeAlunoGuardado();

// Keeps the name for the next run (an empty one too); false when the file
// cannot be written.
bool guardaNomeAluno(const std::string& nome);
