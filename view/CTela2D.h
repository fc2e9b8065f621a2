// The 2D layer of the main window: the pictures of the list of entries
// (core/panel/ListaFiguras.h), loaded from their files, and their drawing
// into the window's retained picture. Drawing an entry stretches its
// picture to its rectangle; a line of text is written over the picture.
#pragma once

#include "core/panel/ListaFiguras.h"
#include "view/CJanela.h"

#include <QImage>

#include <array>
#include <string>

class CTela2D {
public:
    // The list whose entries this layer shows.
    explicit CTela2D(ListaFiguras& lista) : lista(lista) {}
    CTela2D(const CTela2D&) = delete;
    CTela2D& operator=(const CTela2D&) = delete;

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

    // Draws entry i, or every entry in index order for i = -1.
    void mDesenhaBitmap(int i);

    // The full repaint: every picture read again, then every shown entry
    // drawn in index order.
    void mRepinta();

    // One line of text, yellow on dark red, anchored at (fx, fy) of the
    // client area: at the text's right end or left end, bottom or top. It
    // stays until something is drawn over it.
    void mEscreveTexto(const std::string& texto, float fx, float fy, bool alinhaDireita,
                       bool alinhaBase);

    int mQuantos() const { return lista.mQuantos(); }
    const Figura& mItem(int i) const { return lista[i]; }
    // The picture of entry i at its natural size.
    const QImage& mFigura(int i) const { return figuras.at(static_cast<std::size_t>(i)); }

private:
    void mFalha();
    void mDesenhaItem(int i);

    ListaFiguras& lista;
    CJanela* janela = nullptr;
    std::array<QImage, MAX_FIGURAS> figuras;  // index for index with the list
};
