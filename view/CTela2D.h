// The 2D layer of the main window: a list of up to 50 pictures, each with a
// rectangle in fractions of the client area. Drawing an entry stretches its
// picture to its rectangle in the window's retained picture.
#pragma once

#include "view/CJanela.h"

#include <QImage>

#include <array>
#include <string>

inline constexpr std::size_t MAX_NOME_BITMAP = 51;  // characters of a picture's file name

struct ItemBitmap {
    QImage imagem;        // the picture at its natural size
    std::string arquivo;
    // Fractions of the client width (esquerda, direita) and height (topo,
    // base). A direita or base of -1 means the picture's natural size.
    float esquerda = 0, direita = 0, topo = 0, base = 0;
};

class CTela2D {
public:
    // Ties the layer to the window. Fails with "Problemas ao iniciar a tela"
    // and destroys the window when the window has no client picture.
    bool mIniciaTela(CJanela& janela);

    // Releases every entry's picture; the entries keep their names and rectangles.
    void mLiberaTela();

    // Appends an entry (note the argument order: left, top, right, bottom).
    // A 51st entry, or a picture that cannot be loaded ("Arquivo '%s' não
    // encontrado."), fails with "Problemas ao iniciar a tela": all pictures
    // are released and the window is destroyed.
    bool mRegistraBitmap(const std::string& arquivo, float esquerda, float topo, float direita,
                         float base);

    // Reads every entry's file again; a file that cannot be read leaves the
    // entry's old picture.
    void mRecarregaBitmaps();

    // Moves entry i's top edge (a fraction of the client height).
    void mDefineTopo(int i, float topo);

    // Draws entry i, or every entry in index order for i = -1.
    void mDesenhaBitmap(int i);

    int mQuantos() const { return quantos; }
    const ItemBitmap& mItem(int i) const { return itens.at(static_cast<std::size_t>(i)); }

private:
    void mFalha();
    void mDesenhaItem(const ItemBitmap& item);

    CJanela* janela = nullptr;
    std::array<ItemBitmap, MAX_BITMAPS> itens;
    int quantos = 0;
};
