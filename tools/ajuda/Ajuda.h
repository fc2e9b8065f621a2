// Drawing helpers and picture makers of the help pictures generator.
//
// Every picture is drawn in full colour with QPainter on an image of its
// exact size, then reduced to 16 or 256 colours when it is written. The
// 16-colour pictures use only the flat colours of the palette below, so the
// reduction keeps them clean; nothing is random.
#pragma once

#include "tools/comum/Desenho.h"
#include "tools/comum/Peixes.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace ajuda {

// ---------------------------------------------------------------- palette
// The sixteen colours of the 16-colour pictures. Drawings use these names
// only, so every pixel away from an edge is already a palette colour.
namespace cor {
using comum::cor::branco;
using comum::cor::contorno;
inline const QColor fundoClaro{0xe2, 0xf3, 0xfa};
inline const QColor aguaClara{0x8d, 0xd3, 0xec};
inline const QColor agua{0x3a, 0x9f, 0xd0};
inline const QColor azulEscuro{0x1f, 0x5c, 0xa8};
inline const QColor areia{0xef, 0xd0, 0x8f};
inline const QColor marrom{0xa4, 0x68, 0x3a};
inline const QColor verdeClaro{0xa6, 0xdb, 0x6a};
inline const QColor verde{0x3c, 0x9e, 0x48};
inline const QColor amarelo{0xff, 0xcf, 0x33};
inline const QColor laranja{0xf5, 0x8a, 0x1f};
inline const QColor vermelho{0xe2, 0x3b, 0x36};
inline const QColor pele{0xf3, 0xc3, 0x9a};
inline const QColor cinza{0x9a, 0xa4, 0xab};
inline const QColor roxo{0x90, 0x63, 0xc9};
}  // namespace cor

// The palette above, in the order of the BMP colour table.
const std::vector<QColor>& paleta16();

// Outline widths of the large drawings and of the small details.
constexpr double CONTORNO = 2.5;
constexpr double CONTORNO_FINO = 1.6;

// Smallest body text size and the usual one, in pixels.
constexpr int TEXTO_MINIMO = 13;
constexpr int TEXTO = 14;

// Size of the eight button pictures.
constexpr int LARGURA_BOTAO = 131;
constexpr int ALTURA_BOTAO = 137;

// ---------------------------------------------------------------- pictures
// A text of the pictures, written in UTF-8 in the sources.
inline QString t(const char* utf8) { return QString::fromUtf8(utf8); }

// A card as cartao() drew it, in the picture's pixels. Cards may pass under
// the help viewer's close button: there their frame and plain fill count as
// free, text and drawings do not.
struct Moldura {
    QPainterPath forma;
    QColor fundo;
    double contorno;
};

// Cards drawn since the list was last cleared: the program clears it
// before each picture.
std::vector<Moldura>& molduras();

struct Figura {
    QString nome;                   // file name without ".bmp"
    QImage imagem;                  // full-colour drawing (RGB32)
    int cores;                      // 16 or 256
    std::vector<Moldura> molduras;  // the cards drawn in it
};

// Draws a picture of the given size on a background colour, antialiased,
// and returns it in 24-bit colour.
QImage novaImagem(int largura, int altura, const QColor& fundo,
                  const std::function<void(QPainter&)>& desenho);

// Complaints gathered while drawing (text that does not fit its box).
// The program prints them and fails when there is any.
QStringList& avisos();

// ---------------------------------------------------------------- shapes
// DejaVu Sans at an exact pixel size, with kerning.
QFont fonte(int pixels, bool negrito = true);

// Pens, paths and shapes shared with the game's pictures (see
// comum/Desenho.h).
using comum::caneta;
using comum::elipse;
using comum::poligono;
using comum::preenche;
using comum::retangulo;

// Rounded panel of one colour with the dark outline.
void cartao(QPainter& p, const QRectF& r, const QColor& fundo, double raio = 10,
            double contorno = CONTORNO);

// Straight thick arrow from one point to another, outlined, head at the end.
void seta(QPainter& p, QPointF de, QPointF para, const QColor& c, double largura = 6);

// Thick arrow along a path, outlined, head at the path's end.
void setaCaminho(QPainter& p, const QPainterPath& caminho, const QColor& c, double largura = 6);

// Round badge with a number in it (for numbered steps).
void numero(QPainter& p, QPointF centro, double raio, int n, const QColor& fundo);

// ---------------------------------------------------------------- text
// One line of text in a rectangle with the given alignment. Complains when
// it is wider than the rectangle.
void escreveLinha(QPainter& p, const QRectF& r, const QString& texto, const QFont& f,
                  const QColor& c = cor::contorno, Qt::Alignment alinhamento = Qt::AlignCenter);

// Largest bold font, from maior down to menor pixels, in which the text fits
// the width; at each size the letters may first come up to half a pixel
// closer.
QFont fonteQueCabe(const QString& texto, double largura, int maior, int menor);

// Rich text (a small HTML subset: <b>, <br>, <p>) wrapped in a box, top
// aligned. Returns the height used; complains when it does not fit.
double escreveTexto(QPainter& p, const QRectF& caixa, const QString& html,
                    int pixels = TEXTO, const QColor& c = cor::contorno,
                    Qt::Alignment alinhamento = Qt::AlignLeft);

// Height that rich text takes when wrapped to the given width.
double alturaTexto(const QString& html, int pixels, double largura);

// Rich text flowing around a free space of the given size at the box's
// top-left corner (where a drawing goes). Returns the height used;
// complains when it does not fit.
double escreveAoLado(QPainter& p, const QRectF& caixa, QSizeF espaco, const QString& html,
                     int pixels = TEXTO, const QColor& c = cor::contorno);

// Title in one line, vertically centred in the rectangle.
void titulo(QPainter& p, const QRectF& r, const QString& texto, const QFont& f,
            Qt::Alignment alinhamento = Qt::AlignLeft, const QColor& c = cor::contorno);

// Topic title in bold with a short coloured bar under it.
void tituloTopico(QPainter& p, const QRectF& r, const QString& texto, const QFont& f,
                  const QColor& destaque);

// Small rounded tag with a word in it, centred on a point (for example the
// "come" on the arrows of a food chain).
void etiqueta(QPainter& p, QPointF centro, const QString& texto, int pixels,
              const QColor& fundo = cor::branco, const QColor& c = cor::contorno);

// Bulleted list: a coloured dot before each item, items one under the other
// with a small gap. Returns the height used; complains when it does not fit.
double lista(QPainter& p, const QRectF& caixa, const QStringList& itens, int pixels,
             const QColor& marcador, double intervalo = 5);

// ---------------------------------------------------------------- lake scenery
// Water from a wavy surface line down to the bottom of the area.
void agua(QPainter& p, const QRectF& area, double superficie, const QColor& c,
          double onda = 16, double altura = 3);

// Sandy lake bottom from a gently wavy top line down to the bottom of the
// area, with a few pebbles.
void fundoDeAreia(QPainter& p, const QRectF& area, double topo, const QColor& areia = cor::areia);

// Sun with triangular rays and a smile.
void sol(QPainter& p, QPointF centro, double raio);

// Fluffy cloud with a flat bottom.
void nuvem(QPainter& p, const QRectF& r, const QColor& c = cor::branco);

// Air bubble.
void bolha(QPainter& p, QPointF centro, double raio);

// Simple face (eyes and a smiling or sad mouth) drawn on anything round.
void carinha(QPainter& p, QPointF centro, double raio, bool feliz);

// ---------------------------------------------------------------- beings
using comum::TipoPeixe;

// One fish of a kind, centred, with the given length from tail to mouth.
void peixe(QPainter& p, TipoPeixe tipo, QPointF centro, double comprimento,
           bool paraEsquerda = false);

// Rooted alga: a wavy stem with leaves, from its foot upwards.
void alga(QPainter& p, QPointF pe, double altura, double balanco, double contorno = CONTORNO_FINO);

// Micro-organism: round cell with little hairs and a nucleus.
void micro(QPainter& p, QPointF centro, double raio, const QColor& c = cor::verdeClaro);

// Water hyacinth floating on the surface: glossy leaves and a purple flower.
void aguape(QPainter& p, QPointF base, double escala);

// Small fish egg cluster (spawn).
void ovas(QPainter& p, QPointF centro, double raio);

enum class Personagem { Mae, Pescador, Prefeito, Turista };

// Colour of a character (tool tiles and portrait backgrounds in the game).
QColor corDe(Personagem quem);

// Name of a character as the game writes it.
QString nomeDe(Personagem quem);

// Head and shoulders of a character inside a round badge of its colour.
void rosto(QPainter& p, Personagem quem, QPointF centro, double raio);

// ---------------------------------------------------------------- polluters
enum class Poluidor {
    Draga,
    Agrotoxico,
    Rede,
    Lixo,
    Lancha,
    PescaPredatoria,
    EsgotoCasas,
    EsgotoFabricas,
    Gasolina
};

// A polluter drawn to fill a box about 100 x 70 (scaled to the box).
void poluidor(QPainter& p, Poluidor qual, const QRectF& caixa);

// Small pictograms for the kinds of pollution, each in a square box.
void iconeLixo(QPainter& p, const QRectF& caixa);
void iconeVeneno(QPainter& p, const QRectF& caixa);
void iconeBarulho(QPainter& p, const QRectF& caixa);
void iconePescaDemais(QPainter& p, const QRectF& caixa);

// The eco-meter gauge in a rectangle: green at the top, yellow, red at the
// bottom, with a face in each band.
void ecometro(QPainter& p, const QRectF& r);

// A keyboard key with its label.
void tecla(QPainter& p, const QRectF& r, const QString& rotulo, int pixels);

// Mouse pointer shaped like a pointing hand, finger tip at the point.
void maozinha(QPainter& p, QPointF ponta, double escala);

// ---------------------------------------------------------------- picture makers
// The eight buttons of the help's main window.
QImage botaoAgua();
QImage botaoPeixe();
QImage botaoPoluicao();
QImage botaoComoJoga();
QImage botaoDicionario();
QImage botaoMicro();
QImage botaoPoluidor();
QImage botaoTodos();

// The topic pictures.
QImage topicoAgua();
QImage topicoMicro();
QImage topicoPeixe();
QImage topicoPoluicao();
QImage topicoPoluidores();
QImage topicoTodos();
QImage topicoComoJoga();
QImage topicoDicionario();

// ---------------------------------------------------------------- covered areas
// Parts of the pictures that the help viewer covers or cuts off, in each
// picture's own pixels. The program checks that they stay free.

// Rectangle from (x0, y0) up to, but not including, (x1, y1).
constexpr QRect areaEntre(int x0, int y0, int x1, int y1) {
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

// The small button picture, over the top-left corner of the pictures that
// start at their window's corner ("Poluição" and "Como Jogar").
constexpr int CANTO_BOTAO_LARGURA = 160;
constexpr int CANTO_BOTAO_ALTURA = 165;
constexpr QRect SOB_O_BOTAO = areaEntre(0, 0, CANTO_BOTAO_LARGURA, CANTO_BOTAO_ALTURA);

// Rows below the window's bottom edge: nothing may be drawn there.
constexpr QRect CORTE_MICRO = areaEntre(0, 356, 362, 384);
constexpr QRect CORTE_POLUIDORES = areaEntre(0, 482, 689, 500);
constexpr QRect CORTE_POLUICAO = areaEntre(0, 434, 689, 440);

// Under the window's "FECHAR" button: a card may pass, but no text and no
// drawing.
constexpr QRect FECHAR_MICRO = areaEntre(336, 0, 362, 96);
constexpr QRect FECHAR_POLUIDORES = areaEntre(612, 0, 689, 88);
constexpr QRect FECHAR_POLUICAO = areaEntre(620, 0, 689, 88);
constexpr QRect FECHAR_PEIXE = areaEntre(360, 0, 407, 85);
constexpr QRect FECHAR_TODOS = areaEntre(592, 0, 636, 72);
constexpr QRect FECHAR_DICIONARIO = areaEntre(426, 0, 467, 74);

}  // namespace ajuda
