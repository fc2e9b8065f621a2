// professor: the teacher's console. Listens for the pupils' games (port 6999
// unless --porta says otherwise) and shows the whole class in one window.
#include "app/TraducaoQt.h"
#include "professor/JanelaProfessor.h"
#include "professor/Opcoes.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QStandardPaths>

#include <cstdio>

int main(int argc, char* argv[]) {
    // The options first: a wrong one is told also where no window can open.
    QStringList argumentos;
    for (int i = 0; i < argc; ++i) argumentos << QString::fromLocal8Bit(argv[i]);
    QString erro;
    const std::optional<Opcoes> opcoes = leOpcoes(argumentos, erro);
    if (!opcoes) {
        std::fprintf(stderr, "qelp-professor: %s\n\n%s", qUtf8Printable(erro), qUtf8Printable(textoUso()));
        return 2;
    }
    if (opcoes->ajuda) {
        std::fputs(qUtf8Printable(textoUso()), stdout);
        return 0;
    }
    QApplication aplicacao(argc, argv);
    QApplication::setWindowIcon(QIcon(":/icone/qelp-48.png"));
    instalaTraducaoQt();

    // The class logs live with the game's data of this user.
    const QString pasta = !opcoes->pasta.isEmpty()
                              ? opcoes->pasta
                              : QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/qelp/turmas";
    SalaDeAula sala(pasta);
    if (!sala.mInicia(opcoes->endereco, opcoes->porta)) {
        const QString texto = QString("Não foi possível receber os alunos na porta %1:\n%2\n\n"
                                      "Talvez outro console do professor já esteja aberto. "
                                      "Escolha outra porta com --porta N.")
                                  .arg(opcoes->porta)
                                  .arg(sala.mErro());
        std::fprintf(stderr, "qelp-professor: %s\n", qUtf8Printable(texto));
        QMessageBox::critical(nullptr, "QELP - Professor", texto);
        return 1;
    }
    JanelaProfessor janela(sala);
    janela.show();
    return QApplication::exec();
}
