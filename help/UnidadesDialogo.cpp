#include "UnidadesDialogo.h"

#include <QFontMetricsF>

#include <cmath>

namespace {
// The average width is that of the 52 letters, rounded as templates do.
const char* const ALFABETO = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// a × b / c rounded to the nearest whole number.
int multiplicaDivide(int a, int b, int c) {
    return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}
}  // namespace

QFont fonteDialogo(double pontos) {
    QFont fonte(QStringLiteral("Times New Roman"));
    fonte.setPointSizeF(pontos);
    return fonte;
}

UnidadesDialogo::UnidadesDialogo(const QFont& fonte) {
    const QFontMetricsF metricas(fonte);
    const int larguraAlfabeto = static_cast<int>(std::lround(metricas.horizontalAdvance(ALFABETO)));
    baseX = (larguraAlfabeto / 26 + 1) / 2;
    // The character height as the system measures it: ascent and descent
    // each rounded up to whole pixels.
    baseY = static_cast<int>(std::ceil(metricas.ascent()) + std::ceil(metricas.descent()));
}

int UnidadesDialogo::mX(int dlu) const { return multiplicaDivide(dlu, baseX, 4); }
int UnidadesDialogo::mY(int dlu) const { return multiplicaDivide(dlu, baseY, 8); }

QRect UnidadesDialogo::mRetangulo(int x, int y, int largura, int altura) const {
    return {mX(x), mY(y), mX(largura), mY(altura)};
}
