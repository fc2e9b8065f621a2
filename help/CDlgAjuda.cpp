#include "CDlgAjuda.h"

#include <QPushButton>

CDlgAjuda::CDlgAjuda(QWidget* pai) : QDialog(pai) {
    setWindowTitle(QStringLiteral("QELP - Ajuda"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(720, 430);

    auto* fechar = new QPushButton(QStringLiteral("FECHAR"), this);
    fechar->setGeometry(615, 320, 82, 76);
    fechar->setDefault(true);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
}
