// Drawing helpers and the picture makers of the picture generator.
//
// Every picture is drawn with QPainter on a QImage of its exact size in the
// reference client area (1280 x 960); the game stretches each one to its
// rectangle. Nothing here is random: textures use a fixed-seed generator.
#pragma once

#include "tools/comum/Desenho.h"
#include "tools/comum/Peixes.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <functional>

namespace figuras {

// ---------------------------------------------------------------- palette
namespace cor {
using comum::cor::branco;
using comum::cor::contorno;
inline const QColor ceuTopo{0x6f, 0xc2, 0xf0};
inline const QColor ceuBase{0xd6, 0xf2, 0xff};
inline const QColor sol{0xff, 0xd8, 0x3a};
inline const QColor solBorda{0xf2, 0x9c, 0x10};
inline const QColor nuvem{0xff, 0xff, 0xff};
inline const QColor nuvemSombra{0xd8, 0xe8, 0xf2};
inline const QColor aguaClara{0x7c, 0xd6, 0xde};
inline const QColor aguaMedia{0x2b, 0x9c, 0xb8};
inline const QColor aguaFunda{0x10, 0x55, 0x7a};
inline const QColor aguaAbismo{0x08, 0x33, 0x4f};
inline const QColor areia{0xec, 0xcd, 0x8c};
inline const QColor areiaEscura{0xc9, 0x9c, 0x5a};
inline const QColor lama{0x8a, 0x66, 0x40};
inline const QColor pedra{0x9a, 0xa3, 0xa8};
inline const QColor verdeClaro{0xa6, 0xdb, 0x6a};
inline const QColor verde{0x4f, 0xb3, 0x4f};
inline const QColor verdeEscuro{0x2b, 0x7a, 0x35};
inline const QColor madeiraClara{0xf0, 0xd4, 0xa0};
inline const QColor madeira{0xdc, 0xb0, 0x70};
inline const QColor madeiraEscura{0xa5, 0x6f, 0x38};
inline const QColor vermelho{0xe5, 0x39, 0x35};
inline const QColor amarelo{0xff, 0xc8, 0x2e};
inline const QColor laranja{0xf5, 0x8a, 0x1f};
inline const QColor roxo{0x9b, 0x6b, 0xd6};
inline const QColor pele{0xf6, 0xc9, 0x9f};
inline const QColor peleMorena{0xc6, 0x8a, 0x5c};
inline const QColor bochecha{0xf2, 0x8b, 0x82};
// Tile colour of each character's tools and background of the portraits.
inline const QColor mae{0x4c, 0xaf, 0x50};
inline const QColor pescador{0x2f, 0x80, 0xd1};
inline const QColor prefeito{0x8e, 0x5c, 0xc9};
inline const QColor turista{0xf0, 0x8a, 0x24};
}  // namespace cor

// Outline width used on the large pictures and on the small ones.
constexpr double CONTORNO_GROSSO = 3.0;
constexpr double CONTORNO_FINO = 2.0;

// ---------------------------------------------------------------- helpers

// Small linear congruential generator: same sequence on every machine.
class Sorteio {
public:
    explicit Sorteio(std::uint32_t semente) : estado_(semente) {}
    // Next value in [0, 1).
    double proximo();
    // Next value in [minimo, maximo).
    double entre(double minimo, double maximo) { return minimo + (maximo - minimo) * proximo(); }

private:
    std::uint32_t estado_;
};

// DejaVu Sans at an exact pixel size, preferring antialiased glyphs.
QFont fonte(int pixels, bool negrito = true);

// Pens, paths and shapes shared with the help pictures (see comum/Desenho.h).
using comum::caneta;
using comum::elipse;
using comum::folhaPontuda;
using comum::poligono;
using comum::preenche;
using comum::retangulo;

// Vertical gradient over a rectangle, from the top colour to the bottom one.
QLinearGradient degradeVertical(const QRectF& r, const QColor& topo, const QColor& base);

// Horizontal gradient over a rectangle, from the left colour to the right one.
QLinearGradient degradeHorizontal(const QRectF& r, const QColor& esquerda, const QColor& direita);

// Text centred in a rectangle, filled with one colour and outlined with
// another (outline drawn under the fill so the letters keep their shape).
void escreveContornado(QPainter& p, const QRectF& r, const QString& texto, const QFont& f,
                       const QColor& preenchimento, const QColor& borda, double larguraBorda);

// Plain text centred in a rectangle.
void escreve(QPainter& p, const QRectF& r, const QString& texto, const QFont& f, const QColor& c);

// Red prohibition sign (ring and diagonal bar) with a white rim.
void desenhaProibido(QPainter& p, QPointF centro, double raio);

// Prohibition sign on a white disc at the right of a tool tile, next to
// the scene it forbids.
void desenhaPlacaProibido(QPainter& p);

// Green round badge with a white check mark.
void desenhaCertinho(QPainter& p, QPointF centro, double raio);

// Five-petal flower with a yellow centre.
void desenhaFlor(QPainter& p, QPointF centro, double raio, const QColor& petala);

// Pointed leaf growing from a point, turned by an angle in degrees.
void desenhaFolha(QPainter& p, QPointF base, double angulo, double tamanho, const QColor& c);

// Thick arrow along a path, outlined, with its head at the path's end.
void desenhaSeta(QPainter& p, const QPainterPath& caminho, const QColor& c, double largura);

// Band of water from a wavy top line down to the bottom of an area,
// clipped to the area's rounded shape.
void desenhaFaixaAgua(QPainter& p, const QRectF& area, double topo);

// Fluffy cloud whose bottom edge is flat, spanning the given rectangle.
void desenhaNuvem(QPainter& p, const QRectF& r, double contorno);

// Sun disc with triangular rays.
void desenhaSol(QPainter& p, QPointF centro, double raio, double contorno, bool comRosto);

// Colour made lighter (fator > 0) or darker (fator < 0) by mixing with
// white or black; fator in -1..1.
QColor clareia(const QColor& c, double fator);

// Creates an image of the given size, lets the function draw it with
// antialiasing on, and returns it in 24-bit colour (no alpha).
QImage geraImagem(int largura, int altura, const std::function<void(QPainter&)>& desenho);

// ---------------------------------------------------------------- shared scene parts
using comum::TipoPeixe;

// One fish of a kind, centred on a point, with the given body length.
void desenhaPeixe(QPainter& p, TipoPeixe tipo, QPointF centro, double comprimento,
                  bool paraEsquerda, double contorno = CONTORNO_GROSSO);

// A rooted waterweed: swaying stem with leaves, from its foot upwards.
void desenhaAlga(QPainter& p, QPointF pe, double altura, double balanco, const QColor& c,
                 double contorno);

// Air bubble with a small highlight.
void desenhaBolha(QPainter& p, QPointF centro, double raio);

// Tiny micro-organism: round cell with cilia and a nucleus.
void desenhaMicroorganismo(QPainter& p, QPointF centro, double raio, const QColor& c);

// Water hyacinth rosette: swollen glossy leaves and a purple flower spike.
void desenhaAguape(QPainter& p, QPointF base, double escala, double contorno);

// ---------------------------------------------------------------- panel
// Full panel background (1280 x 240). Pictures placed on the panel draw it
// first, shifted to their own place, so their rounded corners blend in.
void desenhaFundoPainel(QPainter& p);

// Draws the part of the panel background that lies under a picture whose
// top-left corner is at the given panel coordinates.
void desenhaFundoSob(QPainter& p, QPointF origem, QSizeF tamanho);

// Raised (or pushed-in) rounded button body on the panel. With a positive
// margin the face gets a pale inner area of that inset. Then calls the
// content function, shifted 2 px down-right when pushed in.
void desenhaBotaoPainel(QPainter& p, const QRectF& corpo, const QColor& base, double raio,
                        bool apertado, double margemInterna,
                        const std::function<void(QPainter&)>& conteudo);

// ---------------------------------------------------------------- picture makers
QImage geraAbertura();
QImage geraFundoJanela();
QImage geraMoldura();
QImage geraEcometro();
// Pattern of an eco-meter bar, so the three bars differ without their colour.
enum class PadraoBarra {
    Liso,           // plain tube
    ListrasLargas,  // a few bold dark vertical bands
    ListrasFinas,   // many thin light vertical lines
};
QImage geraBarra(const QColor& base, PadraoBarra padrao);
QImage geraBotaoMental(bool apertado);
QImage geraBotaoAjuda(bool apertado);

enum class Personagem { Mae, Pescador, Prefeito, Turista };
QImage geraRetrato(Personagem quem);

// Tool pictograms, drawn in the 106 x 58 tile's own coordinates.
void iconeSol(QPainter& p);
void iconeAguapes(QPainter& p);
void iconeFundo(QPainter& p);
void iconeDegradacao(QPainter& p);
void iconeAreaProibida(QPainter& p);
void iconeLixoMargem(QPainter& p);
void iconeAlimento(QPainter& p);
void iconeEpocaPermitida(QPainter& p);
void iconeSilencio(QPainter& p);
void iconeMulta(QPainter& p);
void iconeLixeiras(QPainter& p);
void iconeLicenca(QPainter& p);
void iconeNaoNadar(QPainter& p);
void iconeLixoChao(QPainter& p);
void iconeNaoLevar(QPainter& p);
void iconeFoto(QPainter& p);

// Tool tile of a character's colour at a panel position, with a pictogram.
QImage geraFerramenta(QPointF posicaoPainel, const QColor& base,
                      const std::function<void(QPainter&)>& icone, bool apertado);

// The game's window icon, square, of the given size in pixels: transparent
// outside the drop.
QImage geraIcone(int tamanho);

}  // namespace figuras
