// ajuda: the picture book about the game.
#include "CAplAjuda.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication aplicacao(argc, argv);
    return CAplAjuda().mExecuta();
}
