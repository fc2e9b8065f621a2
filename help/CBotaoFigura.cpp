#include "CBotaoFigura.h"

#include <QPainter>

CBotaoFigura::CBotaoFigura(int id, QWidget* pai) : QAbstractButton(pai), id(id) {
    setFocusPolicy(Qt::NoFocus);
    setEnabled(false);
    resize(0, 0);
}

void CBotaoFigura::mDefineFigura(const QImage& nova) {
    figura = nova;
    resize(figura.size());
    setEnabled(!figura.isNull());
}

void CBotaoFigura::paintEvent(QPaintEvent*) {
    if (figura.isNull()) return;
    QPainter(this).drawImage(0, 0, figura);
}
