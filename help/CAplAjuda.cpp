#include "CAplAjuda.h"

#include "CDlgAjuda.h"

int CAplAjuda::mExecuta() {
    CDlgAjuda dialogo;
    dialogo.exec();
    return 0;
}
