// gera_figuras_ajuda: draws the pictures of the help viewer and writes them
// as 4-bit (16 colours) or 8-bit (256 colours) BMP files.
//
//   gera_figuras_ajuda DIRETORIO [--folha FOLHA.png] [--principal JANELA.png]
//                                [--topicos JANELAS.png]
//
// The options write sheets for checking the pictures by eye (see
// Revisao.h), made from the files as they were read back. Every file is
// read back and compared with what was meant to be written; the program
// fails when a file differs, when a text does not fit its box or when a
// picture draws on the areas the help viewer covers or cuts off. The files
// are the same on every run.
#include "tools/ajuda/Ajuda.h"
#include "tools/ajuda/Bmp.h"
#include "tools/ajuda/Revisao.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainterPathStroker>

#include <cstdio>
#include <utility>
#include <vector>

using namespace ajuda;

namespace {
constexpr char PROGRAMA[] = "gera_figuras_ajuda";

// Draws one picture, keeping the cards drawn in it.
Figura desenha(const char* nome, QImage (*desenho)(), int cores) {
    molduras().clear();
    QImage imagem = desenho();
    return {QString::fromLatin1(nome), std::move(imagem), cores, molduras()};
}

// Every picture, in the order of the contact sheet.
std::vector<Figura> geraTodas() {
    std::vector<Figura> figuras;
    figuras.push_back(desenha("BMP_AGUA", botaoAgua, 256));
    figuras.push_back(desenha("BMP_PEIXE", botaoPeixe, 256));
    figuras.push_back(desenha("BMP_POLUICAO", botaoPoluicao, 256));
    figuras.push_back(desenha("BMP_COMOJOGA", botaoComoJoga, 16));
    figuras.push_back(desenha("BMP_DICIONARIO", botaoDicionario, 16));
    figuras.push_back(desenha("BMP_MICRO", botaoMicro, 16));
    figuras.push_back(desenha("BMP_POLUIDOR", botaoPoluidor, 16));
    figuras.push_back(desenha("BMP_TODOS", botaoTodos, 16));
    figuras.push_back(desenha("BMP_EXAGUAF", topicoAgua, 16));
    figuras.push_back(desenha("BMP_EXMICRO", topicoMicro, 16));
    figuras.push_back(desenha("BMP_EXPEIXE", topicoPeixe, 16));
    figuras.push_back(desenha("BMP_EXDICIONARIO", topicoDicionario, 16));
    figuras.push_back(desenha("BMP_EXTODOS", topicoTodos, 16));
    figuras.push_back(desenha("BMP_EXCOMOJOGA", topicoComoJoga, 16));
    figuras.push_back(desenha("BMP_EXPOLUICAO", topicoPoluicao, 16));
    figuras.push_back(desenha("BMP_EXPOLUIDOR_A", topicoPoluidores, 16));
    return figuras;
}

// Checks that the file holds exactly the indexed picture: size, colour
// count and every pixel's colour.
bool confere(const QString& caminho, const QImage& esperada, int cores) {
    const QImage lida(caminho);
    if (lida.isNull() || lida.size() != esperada.size() || lida.colorCount() == 0 ||
        lida.colorCount() > cores) {
        std::fprintf(stderr, "gera_figuras_ajuda: %s lido com tamanho ou cores errados\n",
                     qPrintable(caminho));
        return false;
    }
    for (int y = 0; y < esperada.height(); ++y)
        for (int x = 0; x < esperada.width(); ++x)
            if (lida.pixel(x, y) != esperada.pixel(x, y)) {
                std::fprintf(stderr, "gera_figuras_ajuda: %s difere no pixel (%d, %d)\n",
                             qPrintable(caminho), x, y);
                return false;
            }
    return true;
}

// A part of a picture that the help viewer covers or cuts off.
struct AreaCoberta {
    const char* figura;
    QRect area;
    bool aceitaCartoes;  // a card's frame and plain fill may pass there
    const char* onde;    // for the message
};

// Every covered area. The pictures keep even the cards out of some areas
// where they would be allowed.
const AreaCoberta AREAS_COBERTAS[] = {
    {"BMP_EXPOLUICAO", SOB_O_BOTAO, false, "sob o botão"},
    {"BMP_EXCOMOJOGA", SOB_O_BOTAO, false, "sob o botão"},
    {"BMP_EXMICRO", CORTE_MICRO, false, "abaixo da janela"},
    {"BMP_EXPOLUIDOR_A", CORTE_POLUIDORES, false, "abaixo da janela"},
    {"BMP_EXPOLUICAO", CORTE_POLUICAO, false, "abaixo da janela"},
    {"BMP_EXMICRO", FECHAR_MICRO, true, "sob o FECHAR"},
    {"BMP_EXPOLUIDOR_A", FECHAR_POLUIDORES, false, "sob o FECHAR"},
    {"BMP_EXPOLUICAO", FECHAR_POLUICAO, false, "sob o FECHAR"},
    {"BMP_EXPEIXE", FECHAR_PEIXE, true, "sob o FECHAR"},
    {"BMP_EXTODOS", FECHAR_TODOS, true, "sob o FECHAR"},
    {"BMP_EXDICIONARIO", FECHAR_DICIONARIO, true, "sob o FECHAR"},
};

// The plain background of the topic pictures.
const QColor& FUNDO_TOPICO = cor::fundoClaro;

// Pixels around a card's outline that count as its frame, beyond the
// outline's own width (antialiasing spreads it a little).
constexpr double FOLGA_MOLDURA = 3;

// Rectangle around the pixels of an area that show something other than
// the plain background or, where cards may pass, a card's frame or its
// plain fill; empty when the area is free.
QRect desenhoNaArea(const QImage& img, const AreaCoberta& coberta,
                    const std::vector<Moldura>& molduras) {
    std::vector<QPainterPath> faixas;
    if (coberta.aceitaCartoes)
        for (const Moldura& m : molduras) {
            QPainterPathStroker tracado;
            tracado.setWidth(m.contorno + 2 * FOLGA_MOLDURA);
            faixas.push_back(tracado.createStroke(m.forma));
        }
    QRect sujo;
    const QRect area = coberta.area & img.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPointF centro(x + 0.5, y + 0.5);
            QColor esperada = FUNDO_TOPICO;
            bool naMoldura = false;
            if (coberta.aceitaCartoes)
                for (std::size_t i = 0; i < molduras.size(); ++i) {
                    if (faixas[i].contains(centro))
                        naMoldura = true;
                    else if (molduras[i].forma.contains(centro))
                        esperada = molduras[i].fundo;
                }
            if (!naMoldura && img.pixel(x, y) != esperada.rgb()) sujo |= QRect(x, y, 1, 1);
        }
    return sujo;
}

// The covered areas must stay free.
bool confereAreas(const Figura& figura, const QImage& indexada) {
    bool ok = true;
    for (const AreaCoberta& coberta : AREAS_COBERTAS) {
        if (figura.nome != QLatin1String(coberta.figura)) continue;
        const QRect sujo = desenhoNaArea(indexada, coberta, figura.molduras);
        if (sujo.isEmpty()) continue;
        std::fprintf(stderr, "gera_figuras_ajuda: %s desenha %s, em (%d, %d)–(%d, %d)\n",
                     coberta.figura, coberta.onde, sujo.left(), sujo.top(),
                     sujo.right() + 1, sujo.bottom() + 1);
        ok = false;
    }
    return ok;
}
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args[1].startsWith(QLatin1String("--")) || args.size() % 2 != 0) {
        std::fprintf(stderr,
                     "uso: gera_figuras_ajuda DIRETORIO [--folha FOLHA.png]"
                     " [--principal JANELA.png] [--topicos JANELAS.png]\n");
        return 2;
    }
    if (!comum::temDejaVu(PROGRAMA, fonte(20))) return 1;
    const QDir destino(args[1]);
    if (!comum::criaDiretorio(PROGRAMA, destino)) return 1;

    const std::vector<Figura> figuras = geraTodas();
    bool ok = true;
    for (const QString& aviso : avisos()) {
        std::fprintf(stderr, "gera_figuras_ajuda: %s\n", qPrintable(aviso));
        ok = false;
    }
    std::vector<Lida> lidas;
    for (const Figura& f : figuras) {
        const QVector<QRgb> paleta =
            f.cores == 16 ? paletaDe(paleta16()) : paletaMedianCut(f.imagem, f.cores);
        const QImage indexada = reduzParaPaleta(f.imagem, paleta);
        const QString caminho = destino.filePath(f.nome + QStringLiteral(".bmp"));
        if (!gravaBmp(indexada, f.cores == 16 ? 4 : 8, caminho)) {
            std::fprintf(stderr, "gera_figuras_ajuda: não consegui gravar %s\n",
                         qPrintable(caminho));
            return 1;
        }
        if (!confere(caminho, indexada, f.cores)) return 1;
        ok = confereAreas(f, indexada) && ok;
        lidas.push_back({f.nome, QImage(caminho).convertToFormat(QImage::Format_RGB32)});
    }
    std::printf("gera_figuras_ajuda: %zu figuras em %s\n", figuras.size(),
                qPrintable(destino.path()));

    if (!comum::executaOpcoes(PROGRAMA, args, lidas,
                              {{"--folha", salvaFolha},
                               {"--principal", salvaPrincipal},
                               {"--topicos", salvaTopicos}}))
        return 1;
    return ok ? 0 : 1;
}
