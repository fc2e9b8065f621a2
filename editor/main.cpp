// editor: the phase editor for teachers. Started by the game's "Editar
// Fases..." in the run directory; a phase file may be given as argument.
#include "app/DiretorioUsuario.h"
#include "app/TraducaoQt.h"
#include "editor/JanelaEditor.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication aplicacao(argc, argv);
    QApplication::setWindowIcon(QIcon(":/icone/qelp-48.png"));
    // A file named on the command line is where the caller meant it; then the
    // editor works in the game's own data folder, also when started on its own.
    const QStringList argumentos = QApplication::arguments();
    const QString arquivo = argumentos.size() > 1 ? QFileInfo(argumentos.at(1)).absoluteFilePath() : QString();
    preparaDiretorioDeTrabalho();
    instalaTraducaoQt();
    JanelaEditor janela;
    janela.show();
    if (!arquivo.isEmpty()) janela.mAbre(arquivo);
    return QApplication::exec();
}
