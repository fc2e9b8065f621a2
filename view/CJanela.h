// The main window: a fixed-size top-level window with a menu bar whose client
// area shows one retained picture. Whatever is drawn into that picture (the
// 2D layer's bitmaps, a rendered 3D frame, a line of text) stays until
// something draws over it. Window events arrive as Mensagem values at the
// application object first.
#pragma once

#include "core/platform/Plataforma.h"
#include "view/Mensagem.h"

#include <QImage>
#include <QPointer>

#include <array>
#include <string>
#include <vector>

class CCena3D;
class CTela2D;
class JanelaPrincipal;
class QuadroCliente;


// A menu of the menu bar; an entry with id 0 is a separator.
struct ItemMenu {
    std::string texto;  // with & mnemonic and \t before the key shown
    int id = 0;
};
struct MenuJanela {
    std::string titulo;
    std::vector<ItemMenu> itens;
};

// How mPosicionaJanela reads its arguments.
enum ModoPosicao {
    POSICAO_PIXELS = 0,      // x, y, width, height in pixels
    POSICAO_CENTRO = 1,      // width, height in % of the screen; centred, raised by 25 px
    POSICAO_TOPO = 2,        // width, height in %; centred horizontally, at y
};

class CJanela {
public:
    CJanela();
    ~CJanela();
    CJanela(const CJanela&) = delete;
    CJanela& operator=(const CJanela&) = delete;

    // Creates the window (128 × 128, not shown) with the menu bar and title;
    // the 2D layer and the scene are forgotten.
    bool mCriaJanela(const std::vector<MenuJanela>& menu, const std::string& titulo,
                     OuvinteJanela& ouvinte);

    // Shows the window and paints it once.
    void mMostraJanela();

    // Sizes and places the window so that its client area is exactly
    // largura × altura (see ModoPosicao), on a screen of the given size.
    void mPosicionaJanela(ModoPosicao modo, int x, int y, int largura, int altura,
                          TamanhoTela tela);

    // The 3D view's margins, fractions of the client width and height.
    void mDefineVista3D(float esquerda, float direita, float topo, float base, CCena3D* cena);
    void mDefineTela(CTela2D* novaTela) { tela = novaTela; }

    // Full repaint of the 2D layer: every entry whose shown flag is set.
    void mRepinta();

    // The refresh: full repaint, then the 3D view is rebuilt at the top of
    // the client area (retried once; "Impossível criar janela de visualização
    // para exibir grafícos 3D." when it cannot be).
    void mAtualizaJanela();

    // One frame of the 3D view, unless the window is minimised or the scene
    // inactive; the scene moves only when rodando.
    void mDesenhaQuadro(bool rodando);

    // The window's own handling of the messages the application passes on.
    bool mMensagemJanela(const Mensagem& mensagem);

    // Posts a close request, or a command, to the window.
    void mPostaFechamento();
    void mPostaComando(int id);

    // Starts (or restarts) the window's timer id with a period in ms; each
    // expiry reaches the application as TEMPORIZADOR with a = id.
    void mDefineTemporizador(int id, uint32_t periodoMs);
    void mParaTemporizador(int id);
    // The period of a running timer in ms, or −1 when it does not run.
    int mPeriodoTemporizador(int id) const;

    // The check mark of a menu entry; an unmarked entry shows no box.
    void mMarcaComando(int id, bool marcado);
    // Whether a menu entry can be chosen.
    void mHabilitaComando(int id, bool habilitado);
    bool mComandoHabilitado(int id) const;

    // Destroys the window at once (the destroy message ends the program).
    void mDestroiJanela();

    bool mExiste() const { return !janela.isNull(); }
    // The top-level window, owner of the game's dialogs; none before
    // mCriaJanela and after the window is gone.
    QWidget* mWidget() const;

    // The retained picture, the size of the client area.
    QImage& mImagem() { return imagem; }
    const QImage& mImagem() const { return imagem; }
    // Shows the part of the retained picture that was drawn into.
    void mMostraImagem(const QRect& regiao);


private:
    friend class JanelaPrincipal;
    friend class QuadroCliente;
    void mRedimensionaImagem(int largura, int altura);

    QPointer<JanelaPrincipal> janela;
    OuvinteJanela* ouvinte = nullptr;
    QImage imagem;
    bool minimizada = false;
    CTela2D* tela = nullptr;
    CCena3D* cena = nullptr;
    float margemEsquerda = 0, margemDireita = 0, margemTopo = 0, margemBase = 0;
};
