#include "Figuras.h"

QImage figuraEmbutida(const QString& nome) {
    return QImage(QStringLiteral(":/figuras/%1.bmp").arg(nome));
}
