#include "view/CTela2D.h"

#include "core/platform/Plataforma.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor COR_TEXTO(255, 255, 0);  // yellow
const QColor COR_FUNDO_TEXTO(128, 0, 0);  // on dark red

// A fraction of the client size in pixels, truncated. Fractions far outside
// the window (an eco-meter bar of a lake with absurd energies) are held a
// few window sizes away, so that the conversion stays defined.
int pixel(float fracao, int tamanho) {
    constexpr float LONGE = 4.0f;
    if (std::isnan(fracao)) return 0;
    return static_cast<int>(std::clamp(fracao, -LONGE, LONGE) * static_cast<float>(tamanho));
}

}  // namespace

bool CTela2D::mIniciaTela(CJanela& novaJanela) {
    mLiberaTela();
    janela = &novaJanela;
    if (!janela->mExiste()) {
        mFalha();
        return false;
    }
    return true;
}

void CTela2D::mLiberaTela() {
    for (QImage& figura : figuras) figura = QImage();
}

void CTela2D::mFalha() {
    mostraAviso("Problemas ao iniciar a tela");
    mLiberaTela();
    if (janela) janela->mDestroiJanela();
}

bool CTela2D::mRegistraBitmap(const std::string& arquivo, float esquerda, float topo,
                              float direita, float base) {
    if (lista.mQuantos() >= static_cast<int>(MAX_FIGURAS)) {
        mFalha();
        return false;
    }
    QImage figura(QString::fromStdString(arquivo));
    if (figura.isNull()) {
        avisaArquivoNaoEncontrado(arquivo);
        mFalha();
        return false;
    }
    figuras[static_cast<std::size_t>(lista.mQuantos())] = std::move(figura);
    lista.mRegistra(arquivo, esquerda, topo, direita, base);
    return true;
}

void CTela2D::mRecarregaBitmaps() {
    for (int i = 0; i < lista.mQuantos(); ++i) {
        QImage figura(QString::fromStdString(lista[i].arquivo));
        if (!figura.isNull()) figuras[static_cast<std::size_t>(i)] = std::move(figura);
    }
}

void CTela2D::mDesenhaBitmap(int i) {
    if (i == -1) {
        for (int j = 0; j < lista.mQuantos(); ++j) mDesenhaItem(j);
    } else if (i >= 0 && i < lista.mQuantos()) {
        mDesenhaItem(i);
    }
}

void CTela2D::mRepinta() {
    mRecarregaBitmaps();
    for (int i = 0; i < lista.mQuantos(); ++i)
        if (lista.visivel[static_cast<std::size_t>(i)]) mDesenhaItem(i);
}

void CTela2D::mDesenhaItem(int i) {
    const QImage& figura = figuras[static_cast<std::size_t>(i)];
    if (!janela || figura.isNull()) return;
    QImage& destino = janela->mImagem();
    if (destino.isNull()) return;

    // Client pixels: truncated products of the fractions and the client size.
    const Figura& item = lista[i];
    const int largura = destino.width();
    const int altura = destino.height();
    const int esquerda = pixel(item.esquerda, largura);
    const int topo = pixel(item.topo, altura);
    const int direita = item.direita == TAMANHO_NATURAL ? esquerda + figura.width()
                                                        : pixel(item.direita, largura);
    const int base = item.base == TAMANHO_NATURAL ? topo + figura.height()
                                                  : pixel(item.base, altura);
    if (direita <= esquerda || base <= topo) return;

    const QRect retangulo(esquerda, topo, direita - esquerda, base - topo);
    QPainter pintor(&destino);
    pintor.setRenderHint(QPainter::SmoothPixmapTransform);
    pintor.drawImage(retangulo, figura);
    pintor.end();
    janela->mMostraImagem(retangulo);
}

void CTela2D::mEscreveTexto(const std::string& texto, float fx, float fy, bool alinhaDireita,
                            bool alinhaBase) {
    if (!janela) return;
    QImage& destino = janela->mImagem();
    if (destino.isNull() || texto.empty()) return;

    const QString linha = QString::fromStdString(texto);
    QPainter pintor(&destino);
    const QFontMetrics medidas(pintor.font());
    const int x = pixel(fx, destino.width());
    const int y = pixel(fy, destino.height());
    QRect caixa(0, 0, medidas.horizontalAdvance(linha), medidas.height());
    caixa.moveLeft(alinhaDireita ? x - caixa.width() : x);
    caixa.moveTop(alinhaBase ? y - caixa.height() : y);
    pintor.fillRect(caixa, COR_FUNDO_TEXTO);
    pintor.setPen(COR_TEXTO);
    pintor.drawText(caixa, Qt::AlignLeft | Qt::AlignVCenter, linha);
    pintor.end();
    janela->mMostraImagem(caixa);
}
