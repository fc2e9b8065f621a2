// Review sheets: contact sheet of all pictures and mock-ups of the panel.
#include "tools/figuras/Revisao.h"

#include "tools/figuras/Figuras.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace figuras {

using comum::acha;

namespace {
constexpr int FOLHA_LARGURA = 1400;
constexpr int MARGEM = 16;
constexpr int ALTURA_NOME = 22;
constexpr double ZOOM_PEQUENAS = 2.0;
constexpr double INICIO_PAINEL = 0.75;  // the panel is the lowest quarter of the client area
const QColor FUNDO_FOLHA(0x50, 0x58, 0x60);

// Rectangles of the panel pictures, in fractions of the client area.
constexpr QRectF RET_PRIMEIRO_RETRATO{QPointF(0.28, 0.78), QPointF(0.364375, 0.92791665)};
constexpr QRectF RET_SEGUNDO_RETRATO{QPointF(0.66, 0.78), QPointF(0.744375, 0.92791665)};
constexpr QRectF RET_ECOMETRO{QPointF(0.01, 0.755), QPointF(0.1178125, 0.9766216)};
constexpr QRectF RET_BARRA{QPointF(0.02875, 0.78), QPointF(0.0928125, 0.973)};
constexpr QRectF RET_MENTAL{QPointF(0.9, 0.78), QPointF(0.984375, 0.88625)};
constexpr QRectF RET_AJUDA{QPointF(0.9, 0.89), QPointF(0.984375, 0.99625)};
constexpr double X_FERRAMENTAS[] = {0.16, 0.24, 0.32, 0.40, 0.54, 0.62, 0.70, 0.78};
constexpr double LARGURA_FERRAMENTA = 0.0828125;
constexpr double TOPO_FERRAMENTA = 0.93, BASE_FERRAMENTA = 0.99041665;

// What the panel shows at one moment.
struct Estado {
    QString primeiro, segundo;  // portraits
    QStringList ferramentas;    // eight tool pictures, left to right
    QString barra;
    double nivel;  // 0..1
    bool mentalApertado, ajudaApertado;
};

// Stretches a picture to a rectangle of the client area on the panel image.
void coloca(QPainter& p, const QImage& img, QSizeF cliente, const QRectF& fracao) {
    const QRectF r(fracao.left() * cliente.width(),
                   (fracao.top() - INICIO_PAINEL) * cliente.height(),
                   fracao.width() * cliente.width(), fracao.height() * cliente.height());
    p.drawImage(r, img);
}

// The panel of a client area of the given size, as the game lays it out.
QImage montaPainel(const std::vector<Figura>& figuras, QSize cliente, const Estado& e) {
    const int altura = static_cast<int>(std::ceil(cliente.height() * (1 - INICIO_PAINEL)));
    QImage img(cliente.width(), altura, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF c(cliente);
    coloca(p, acha(figuras, "FUNDOJAN"), c, QRectF(QPointF(0, INICIO_PAINEL), QPointF(1, 1)));
    coloca(p, acha(figuras, e.primeiro), c, RET_PRIMEIRO_RETRATO);
    coloca(p, acha(figuras, e.segundo), c, RET_SEGUNDO_RETRATO);
    coloca(p, acha(figuras, "ECOMETRO"), c, RET_ECOMETRO);
    QRectF barra = RET_BARRA;
    barra.setTop(RET_BARRA.bottom() - e.nivel * RET_BARRA.height());
    if (e.nivel > 0) coloca(p, acha(figuras, e.barra), c, barra);
    coloca(p, acha(figuras, e.mentalApertado ? "bmentaap" : "MENTAL"), c, RET_MENTAL);
    coloca(p, acha(figuras, e.ajudaApertado ? "bajudape" : "AJUDA"), c, RET_AJUDA);
    for (int i = 0; i < 8; ++i)
        coloca(p, acha(figuras, e.ferramentas[i]), c,
               QRectF(QPointF(X_FERRAMENTAS[i], TOPO_FERRAMENTA),
                      QPointF(X_FERRAMENTAS[i] + LARGURA_FERRAMENTA, BASE_FERRAMENTA)));
    return img;
}

Estado estadoInicial() {
    return {"MAE",
            "PESCADOR",
            {"INTENS16", "PLANTA16", "FUNDO16", "DEGRAD16", "EQUIP16", "RELIXO16", "DEVPEI16",
             "PESCA16"},
            "ebarverd",
            0.75,
            false,
            false};
}

// Picture with its name underneath, at a corner of the sheet.
void desenhaComNome(QPainter& p, const QImage& img, QPointF canto, double zoom,
                    const QString& nome) {
    p.drawImage(QRectF(canto, QSizeF(img.width() * zoom, img.height() * zoom)), img);
    escreve(p, QRectF(canto.x(), canto.y() + img.height() * zoom, img.width() * zoom, ALTURA_NOME),
            nome + QStringLiteral(".bmp"), fonte(14), Qt::white);
}
// Colour-vision filters: a 3 x 3 matrix applied to linear RGB. The two
// dichromacies are Machado, Oliveira and Fernandes' (2009) at full
// severity; grey keeps the luminance only.
using Matriz = double[3][3];
constexpr Matriz DEUTERANOPIA = {{0.367322, 0.860646, -0.227968},
                                 {0.280085, 0.672501, 0.047413},
                                 {-0.011820, 0.042940, 0.968881}};
constexpr Matriz PROTANOPIA = {{0.152286, 1.052583, -0.204868},
                               {0.114503, 0.786281, 0.099216},
                               {-0.003882, -0.048116, 1.051998}};
constexpr Matriz CINZA = {{0.2126, 0.7152, 0.0722},
                          {0.2126, 0.7152, 0.0722},
                          {0.2126, 0.7152, 0.0722}};
constexpr Matriz IDENTIDADE = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};

double paraLinear(int v) {
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int paraSrgb(double c) {
    c = std::clamp(c, 0.0, 1.0);
    const double v = c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
    return static_cast<int>(std::lround(v * 255));
}

// The picture as seen through a colour-vision filter.
QImage filtra(const QImage& original, const Matriz& m) {
    QImage img = original.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* linha = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const double rgb[3] = {paraLinear(qRed(linha[x])), paraLinear(qGreen(linha[x])),
                                   paraLinear(qBlue(linha[x]))};
            int saida[3];
            for (int i = 0; i < 3; ++i)
                saida[i] = paraSrgb(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2]);
            linha[x] = qRgb(saida[0], saida[1], saida[2]);
        }
    }
    return img;
}
}  // namespace

bool salvaFolha(const std::vector<Figura>& figuras, const QString& caminho) {
    // Lay out the small pictures in rows first to know the sheet's height.
    struct Lugar {
        const Figura* figura;
        QPointF canto;
    };
    std::vector<Lugar> lugares;
    const double topoPequenas = MARGEM + 480 + ALTURA_NOME + MARGEM;
    double x = MARGEM, y = topoPequenas, alturaLinha = 0;
    for (const Figura& f : figuras) {
        if (f.nome == "ABERTURA" || f.nome == "FUNDOJAN") continue;
        const double l = f.imagem.width() * ZOOM_PEQUENAS, a = f.imagem.height() * ZOOM_PEQUENAS;
        if (x + l > FOLHA_LARGURA - MARGEM) {
            x = MARGEM;
            y += alturaLinha + ALTURA_NOME + MARGEM;
            alturaLinha = 0;
        }
        lugares.push_back({&f, QPointF(x, y)});
        x += std::max(l, 130.0) + MARGEM;
        alturaLinha = std::max(alturaLinha, a);
    }
    const int altura = static_cast<int>(y + alturaLinha + ALTURA_NOME + MARGEM);

    QImage folha(FOLHA_LARGURA, altura, QImage::Format_RGB32);
    folha.fill(FUNDO_FOLHA);
    QPainter p(&folha);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    desenhaComNome(p, acha(figuras, "ABERTURA"), QPointF(MARGEM, MARGEM), 0.5, "ABERTURA");
    desenhaComNome(p, acha(figuras, "FUNDOJAN"), QPointF(MARGEM * 2 + 640, MARGEM), 0.5,
                   "FUNDOJAN");
    QImage meioPainel = montaPainel(figuras, QSize(640, 480), estadoInicial());
    desenhaComNome(p, meioPainel, QPointF(MARGEM * 2 + 640, MARGEM * 2 + 120 + ALTURA_NOME), 1,
                   "painel a 640 x 480");
    for (const Lugar& l : lugares)
        desenhaComNome(p, l.figura->imagem, l.canto, ZOOM_PEQUENAS, l.figura->nome);
    p.end();
    return folha.save(caminho, "PNG");
}

bool salvaPainel(const std::vector<Figura>& figuras, const QString& caminho) {
    return montaPainel(figuras, QSize(1280, 960), estadoInicial()).save(caminho, "PNG");
}

namespace {
constexpr double NIVEIS_BARRA[] = {1.0, 0.5, 0.25, 0.1};

// The eco-meters of a window, side by side: each bar at each level, with
// the level written underneath.
QImage tiraDeEcometros(const std::vector<Figura>& figuras, QSize janela) {
    const int largura = static_cast<int>(std::ceil(0.125 * janela.width()));
    std::vector<QImage> ecometros;
    for (const char* barra : {"ebarverd", "ebaramar", "ebarverm"})
        for (double nivel : NIVEIS_BARRA) {
            Estado e = estadoInicial();
            e.barra = barra;
            e.nivel = nivel;
            const QImage painel = montaPainel(figuras, janela, e);
            ecometros.push_back(painel.copy(0, 0, largura, painel.height()));
        }
    const int alturaEcometro = ecometros.front().height();
    const int passo = largura + MARGEM / 2;
    QImage tira(passo * static_cast<int>(ecometros.size()), alturaEcometro + ALTURA_NOME,
                QImage::Format_RGB32);
    tira.fill(FUNDO_FOLHA);
    QPainter p(&tira);
    for (std::size_t i = 0; i < ecometros.size(); ++i) {
        const int x = static_cast<int>(i) * passo;
        p.drawImage(x, 0, ecometros[i]);
        const double nivel = NIVEIS_BARRA[i % std::size(NIVEIS_BARRA)];
        escreve(p, QRectF(x, alturaEcometro, largura, ALTURA_NOME),
                QString::number(std::lround(nivel * 100)) + QStringLiteral(" %"), fonte(12),
                Qt::white);
    }
    return tira;
}
}  // namespace

bool salvaBarras(const std::vector<Figura>& figuras, const QString& caminho) {
    struct Filtro {
        const char* nome;
        const Matriz& matriz;
    };
    const Filtro filtros[] = {{"cores normais", IDENTIDADE},
                              {"deuteranopia (sem cones verdes)", DEUTERANOPIA},
                              {"protanopia (sem cones vermelhos)", PROTANOPIA},
                              {"cinza", CINZA}};
    const QImage tiras[] = {tiraDeEcometros(figuras, QSize(896, 717)),
                            tiraDeEcometros(figuras, QSize(560, 420))};

    int largura = 0, alturaLinha = ALTURA_NOME;
    for (const QImage& t : tiras) {
        largura = std::max(largura, t.width());
        alturaLinha += t.height() + MARGEM / 2;
    }
    alturaLinha += MARGEM;
    const int linhas = static_cast<int>(std::size(filtros));
    QImage folha(largura + 2 * MARGEM, MARGEM + linhas * alturaLinha, QImage::Format_RGB32);
    folha.fill(FUNDO_FOLHA);
    QPainter p(&folha);
    for (int i = 0; i < linhas; ++i) {
        int y = MARGEM + i * alturaLinha;
        escreve(p, QRectF(MARGEM, y, largura, ALTURA_NOME), QString::fromUtf8(filtros[i].nome),
                fonte(15), Qt::white);
        y += ALTURA_NOME;
        for (const QImage& t : tiras) {
            p.drawImage(MARGEM, y, filtra(t, filtros[i].matriz));
            y += t.height() + MARGEM / 2;
        }
    }
    p.end();
    return folha.save(caminho, "PNG");
}

bool salvaPaineis(const std::vector<Figura>& figuras, const QString& caminho) {
    Estado outro{"PREFEITO",
                 "TURISTA",
                 {"PROIBE16", "bmulaper", "LIXEIR16", "LICENS16", "NADA16", "LIXOCH16", "bnaoleva",
                  "FOTO16"},
                 "ebaramar",
                 0.5,
                 true,
                 false};
    Estado baixo = estadoInicial();
    baixo.ferramentas = QStringList{"bintenap", "bplanape", "bfundape", "bdeapert",
                                    "bequiape", "brelixoa", "bdevaper", "bpescape"};
    baixo.barra = "ebarverm";
    baixo.nivel = 0.2;
    baixo.ajudaApertado = true;
    const QImage paineis[] = {montaPainel(figuras, QSize(1280, 960), outro),
                              montaPainel(figuras, QSize(1280, 960), baixo),
                              montaPainel(figuras, QSize(896, 717), estadoInicial()),
                              montaPainel(figuras, QSize(560, 420), outro)};
    int altura = MARGEM;
    for (const QImage& i : paineis) altura += i.height() + MARGEM;
    QImage folha(1280 + 2 * MARGEM, altura, QImage::Format_RGB32);
    folha.fill(FUNDO_FOLHA);
    QPainter p(&folha);
    int y = MARGEM;
    for (const QImage& i : paineis) {
        p.drawImage(MARGEM, y, i);
        y += i.height() + MARGEM;
    }
    p.end();
    return folha.save(caminho, "PNG");
}

}  // namespace figuras
