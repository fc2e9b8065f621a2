// qelp: the lake-ecology game.
#include "app/CApl.h"
#include "app/DiretorioUsuario.h"
#include "app/Entrada.h"
#include "app/PlataformaQt.h"
#include "app/TraducaoQt.h"

#include <QApplication>
#include <QIcon>

namespace {
CApl apl;  // the one application object, for the whole run
}

int main(int argc, char* argv[]) {
    QApplication aplicacao(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // only the main window's end ends the game
    QApplication::setWindowIcon(QIcon(":/icone/qelp-48.png"));  // the dialogs' too
    instalaTraducaoQt();
    preparaDiretorioDeTrabalho();
    PlataformaQt plataformaQt;
    instalaPlataforma(&plataformaQt);

    const int codigo = qelpEntrada(apl, [] { return QApplication::exec(); });

    apl.mEncerra();
    instalaPlataforma(nullptr);
    return codigo;
}
