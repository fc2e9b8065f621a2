// The control panel without a screen: which of its pictures show, which
// button is held down, what a left click on a point does and what a
// right click on it tells, and the eco-meter's bar. Points are fractions of
// the client area (fracaoDoPonteiro). The front end paints the entries this
// state names, writes the texts at their anchors, plays the sounds and
// carries out the tools through the match.
//
// Sections: the screens · characters · clicks · tips · eco-meter.
#pragma once

#include "core/match/Ecometro.h"
#include "core/match/CPartida.h"
#include "core/panel/ListaFiguras.h"
#include "core/panel/Painel.h"

#include <optional>
#include <string>
#include <vector>

// What a left click on the panel comes to.
struct Clique {
    enum Tipo {
        NENHUM,      // no button there: the failure sound
        RECUSADO,    // a button that cannot act now: the failure sound
        AJUDA,       // "Ajuda" pressed
        MENTAL,      // "Estados Mentais" pressed (it has no other action)
        FERRAMENTA,  // tool ferramenta of character personagem pressed
    };
    Tipo tipo = NENHUM;
    int botao = -1;  // the entry pressed (9..18); its pressed image is botao + 10
    uint32_t personagem = 0;
    uint32_t ferramenta = 0;
};

// A line of text for a point: where its anchor stands (fractions of the
// client area) and which corner of the text the anchor is.
struct Dica {
    std::string texto;
    float x = 0, y = 0;
    bool alinhaDireita = false;  // the anchor is the text's right end, else its left
    bool alinhaBase = false;     // the anchor is the text's bottom, else its top
};

// What a tip tells about the match.
struct EstadoDica {
    uint32_t personagem = 0, personagemColega = 0;
    UsosFerramentas usos{}, usosColega{};
    LeituraEcometro leitura;
};

class CPainel {
public:
    // --- the screens
    // The opening screen: only picture 0 shows.
    void mExibeAbertura();
    // The match screen: background, portraits, eco-meter frame, help and
    // the tools; "Estados Mentais" only with a tutor; no bar, no frame, no
    // pressed image.
    void mMostraPainel(bool comTutor);
    // The entries a panel redraw paints, in order: 1..18 without the unused
    // portrait frame, without "Estados Mentais" when there is no tutor, and
    // of the three bars only the one shown; then the held button's pressed
    // image.
    std::vector<int> mRedesenho(bool comTutor) const;

    // --- characters
    // Entries 3, 11..14 and 21..24 take character c1's portrait, tools and
    // pressed tools; 4, 15..18 and 25..28 those of c2. The pictures change
    // when they are next read.
    void mDefinePersonagens(uint32_t c1, uint32_t c2);

    // --- clicks
    // A left click at (fx, fy): the first of buttons 9..18 holding the
    // point. The first character's tools act only while the match runs,
    // "Estados Mentais" only with a tutor; the second row always. A button
    // that acts is held down: its pressed image shows instead of it.
    Clique mClique(float fx, float fy, bool emJogo, bool comTutor, uint32_t personagem,
                   uint32_t personagemColega);
    // The left button is released: the held button shows again and the
    // answer is its entry, to draw; −1 when none was held.
    int mSolta();

    // --- tips
    // The right click's text at (fx, fy), anchored at the top-left corner of
    // the last entry holding the point; none over "Estados Mentais" or
    // outside every entry.
    std::optional<Dica> mDica(float fx, float fy, const EstadoDica& estado) const;

    // --- eco-meter
    // The bar of the reading's colour shows, its top at (1 − r) × 0.193 +
    // 0.78 (not clamped); the others are hidden. Answers the bar's entry.
    int mMostraBarra(const Ecometro& ecometro);

    ListaFiguras figuras;
    int32_t botaoPressionado = -1;  // the button held down (9..18), −1 none
};

// A client pixel as a fraction of the layout size: the window's percentage
// of the screen, not its client rectangle — unless the client is smaller
// than that by a whole pixel or more (the window could not be as large as
// asked): then the client's real size. Outside when the size is 0.
float fracaoDoPonteiro(uint32_t pixel, uint32_t tamanhoJanela, int tamanhoTela, int tamanhoCliente);

// The text of a lake body under the pointer: its name, and for the beings
// their energy in percent of a full one (25, or 46 for algae and
// micro-organisms), 0 to 100. None for the sign, the lake and the water.
std::optional<std::string> textoDoObjeto(int32_t tipo, float energia);

// A text as it is written on the panel: empty when it has at most one
// character, else followed by one space.
std::string textoEscrito(const std::string& texto);
