// editor: the phase editor for teachers. Started by the game's "Editar
// Fases..." in the run directory; a phase file may be given as argument.
#include "tools/editor/JanelaEditor.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication aplicacao(argc, argv);
    QApplication::setWindowIcon(QIcon(":/icone/qelp-48.png"));
    // Qt's own texts (the file dialog's) in Portuguese, like everything else.
    QTranslator traducaoQt;
    if (traducaoQt.load(QLocale(QLocale::Portuguese, QLocale::Brazil), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traducaoQt);
    JanelaEditor janela;
    janela.show();
    const QStringList argumentos = QApplication::arguments();
    if (argumentos.size() > 1) janela.mAbre(argumentos.at(1));
    return QApplication::exec();
}
