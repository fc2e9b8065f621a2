#include "view/CTela2D.h"

#include "core/platform/Plataforma.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr float TAMANHO_NATURAL = -1.0f;  // a right or bottom fraction meaning "natural size"

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
    for (ItemBitmap& item : itens) item.imagem = QImage();
}

void CTela2D::mFalha() {
    mostraAviso("Problemas ao iniciar a tela");
    mLiberaTela();
    if (janela) janela->mDestroiJanela();
}

bool CTela2D::mRegistraBitmap(const std::string& arquivo, float esquerda, float topo,
                              float direita, float base) {
    if (quantos >= static_cast<int>(MAX_BITMAPS)) {
        mFalha();
        return false;
    }
    QImage imagem(QString::fromStdString(arquivo));
    if (imagem.isNull()) {
        avisaArquivoNaoEncontrado(arquivo);
        mFalha();
        return false;
    }
    ItemBitmap& item = itens[static_cast<std::size_t>(quantos++)];
    item.imagem = std::move(imagem);
    item.arquivo = arquivo.substr(0, MAX_NOME_BITMAP);
    item.esquerda = esquerda;
    item.direita = direita;
    item.topo = topo;
    item.base = base;
    return true;
}

void CTela2D::mRecarregaBitmaps() {
    for (int i = 0; i < quantos; ++i) {
        ItemBitmap& item = itens[static_cast<std::size_t>(i)];
        QImage imagem(QString::fromStdString(item.arquivo));
        if (!imagem.isNull()) item.imagem = std::move(imagem);
    }
}

void CTela2D::mDefineTopo(int i, float topo) {
    if (i >= 0 && i < quantos) itens[static_cast<std::size_t>(i)].topo = topo;
}

void CTela2D::mDesenhaBitmap(int i) {
    if (i == -1) {
        for (int j = 0; j < quantos; ++j) mDesenhaItem(itens[static_cast<std::size_t>(j)]);
    } else if (i >= 0 && i < quantos) {
        mDesenhaItem(itens[static_cast<std::size_t>(i)]);
    }
}

void CTela2D::mDesenhaItem(const ItemBitmap& item) {
    if (!janela || item.imagem.isNull()) return;
    QImage& destino = janela->mImagem();
    if (destino.isNull()) return;

    // Client pixels: truncated products of the fractions and the client size.
    const int largura = destino.width();
    const int altura = destino.height();
    const int esquerda = pixel(item.esquerda, largura);
    const int topo = pixel(item.topo, altura);
    const int direita = item.direita == TAMANHO_NATURAL ? esquerda + item.imagem.width()
                                                        : pixel(item.direita, largura);
    const int base = item.base == TAMANHO_NATURAL ? topo + item.imagem.height()
                                                  : pixel(item.base, altura);
    if (direita <= esquerda || base <= topo) return;

    const QRect retangulo(esquerda, topo, direita - esquerda, base - topo);
    QPainter pintor(&destino);
    pintor.setRenderHint(QPainter::SmoothPixmapTransform);
    pintor.drawImage(retangulo, item.imagem);
    pintor.end();
    janela->mMostraImagem(retangulo);
}
