// Where the game runs: the directory that holds dp/. Started from a directory
// that has dp/ (the build's run directory, make play), the game uses it as it
// is. An installed game started anywhere else runs in the user's own data
// folder (on Linux ~/.local/share/qelp), whose dp/ is filled from the
// installed data on the first run; later runs only add files that are
// missing, so a pupil's apl.cnf and a teacher's phases and valores.txt stay.
#pragma once

#include <QString>

// The installed data, relative to the folder of the running program
// (bin/../share/qelp/dp), or "" when there is none.
QString dadosInstalados();

// The user's own data folder (on Linux ~/.local/share/qelp).
QString pastaDoUsuario();

// Makes the working directory the one that holds dp/, as above. Answers the
// directory chosen; when neither holds dp/ the working directory stays, and
// the game reports its missing files as usual.
QString preparaDiretorioDeTrabalho();

// Copies every file of origem missing in destino (folders too); never
// overwrites. False when a copy failed.
bool copiaQueFalta(const QString& origem, const QString& destino);
