// ajuda: the picture book about the game.
#include "CDlgAjuda.h"

#include <QApplication>

namespace {

// The help viewer's application: runs the main dialog; its end is the end
// of the program.
class CAplAjuda {
public:
    int mExecuta() {
        CDlgAjuda dialogo;
        dialogo.exec();
        return 0;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication aplicacao(argc, argv);
    return CAplAjuda().mExecuta();
}
