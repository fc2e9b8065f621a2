// gera_figuras: draws the opening screen and the control-panel pictures of
// the game and writes them as 24-bit BMP files.
//
//   gera_figuras DIRETORIO [--folha FOLHA.png] [--painel PAINEL.png]
//                          [--paineis PAINEIS.png] [--barras BARRAS.png]
//                          [--png DIRETORIO_PNG] [--icones DIRETORIO_ICONES]
//
// --icones writes the window icon as qelp-16.png ... qelp-256.png. The other
// options write sheets for checking the pictures by eye: --folha a contact
// sheet of every picture with its name, --painel a mock-up of the panel
// assembled from the pictures, --paineis the panel in other states and
// window sizes, --barras the eco-meter bars at several heights as seen
// with and without colour vision, --png a PNG copy of each picture. The
// files are the same on every run.
#include "tools/figuras/Figuras.h"
#include "tools/figuras/Revisao.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <vector>

using namespace figuras;

namespace {
constexpr char PROGRAMA[] = "gera_figuras";

// Top of the tool rows and left edges of each tool, in panel coordinates.
constexpr double TOPO_FERRAMENTAS = 172.8;
constexpr double X_PRIMEIRO[] = {204.8, 307.2, 409.6, 512.0};
constexpr double X_SEGUNDO[] = {691.2, 793.6, 896.0, 998.4};

struct Ferramenta {
    const char* normal;
    const char* apertada;
    void (*icone)(QPainter&);
};

// The characters' tools in panel order. Mãe Natureza and the Prefeito use
// the first row, the Pescador and the Turista the second.
const Ferramenta MAE[] = {{"INTENS16", "bintenap", iconeSol},
                          {"PLANTA16", "bplanape", iconeAguapes},
                          {"FUNDO16", "bfundape", iconeFundo},
                          {"DEGRAD16", "bdeapert", iconeDegradacao}};
const Ferramenta PESCADOR[] = {{"EQUIP16", "bequiape", iconeAreaProibida},
                               {"RELIXO16", "brelixoa", iconeLixoMargem},
                               {"DEVPEI16", "bdevaper", iconeAlimento},
                               {"PESCA16", "bpescape", iconeEpocaPermitida}};
const Ferramenta PREFEITO[] = {{"PROIBE16", "bproibea", iconeSilencio},
                               {"MULTA16", "bmulaper", iconeMulta},
                               {"LIXEIR16", "blixeiap", iconeLixeiras},
                               {"LICENS16", "blicenap", iconeLicenca}};
const Ferramenta TURISTA[] = {{"NADA16", "bnadaape", iconeNaoNadar},
                              {"LIXOCH16", "blixocha", iconeLixoChao},
                              {"NAOLEV16", "bnaoleva", iconeNaoLevar},
                              {"FOTO16", "bfotoape", iconeFoto}};

// Adds both tiles of each of a character's four tools.
void adicionaFerramentas(std::vector<Figura>& figuras, const Ferramenta (&lista)[4],
                         const double (&xs)[4], const QColor& cor) {
    for (int i = 0; i < 4; ++i) {
        const QPointF posicao(xs[i], TOPO_FERRAMENTAS);
        figuras.push_back({lista[i].normal, geraFerramenta(posicao, cor, lista[i].icone, false)});
        figuras.push_back({lista[i].apertada, geraFerramenta(posicao, cor, lista[i].icone, true)});
    }
}

// Every picture of the game, in the order of the contact sheet.
std::vector<Figura> geraTodas() {
    std::vector<Figura> f;
    f.push_back({"ABERTURA", geraAbertura()});
    f.push_back({"FUNDOJAN", geraFundoJanela()});
    f.push_back({"moldura", geraMoldura()});
    f.push_back({"MAE", geraRetrato(Personagem::Mae)});
    f.push_back({"PESCADOR", geraRetrato(Personagem::Pescador)});
    f.push_back({"PREFEITO", geraRetrato(Personagem::Prefeito)});
    f.push_back({"TURISTA", geraRetrato(Personagem::Turista)});
    f.push_back({"ECOMETRO", geraEcometro()});
    f.push_back({"ebarverd", geraBarra(QColor(0x43, 0xc3, 0x5a), PadraoBarra::Liso)});
    f.push_back({"ebaramar", geraBarra(QColor(0xf5, 0xb3, 0x1f), PadraoBarra::ListrasLargas)});
    f.push_back({"ebarverm", geraBarra(QColor(0xe5, 0x48, 0x4d), PadraoBarra::ListrasFinas)});
    f.push_back({"MENTAL", geraBotaoMental(false)});
    f.push_back({"bmentaap", geraBotaoMental(true)});
    f.push_back({"AJUDA", geraBotaoAjuda(false)});
    f.push_back({"bajudape", geraBotaoAjuda(true)});
    adicionaFerramentas(f, MAE, X_PRIMEIRO, cor::mae);
    adicionaFerramentas(f, PESCADOR, X_SEGUNDO, cor::pescador);
    adicionaFerramentas(f, PREFEITO, X_PRIMEIRO, cor::prefeito);
    adicionaFerramentas(f, TURISTA, X_SEGUNDO, cor::turista);
    return f;
}

// Writes a PNG copy of every picture into a directory.
bool salvaPngs(const std::vector<Figura>& figuras, const QString& diretorio) {
    if (!QDir().mkpath(diretorio)) return false;
    for (const Figura& f : figuras)
        if (!f.imagem.save(QDir(diretorio).filePath(f.nome + QStringLiteral(".png")), "PNG"))
            return false;
    return true;
}

// Writes the window icon at each of its sizes into a directory.
bool salvaIcones(const std::vector<Figura>&, const QString& diretorio) {
    if (!QDir().mkpath(diretorio)) return false;
    for (int tamanho : {16, 32, 48, 128, 256}) {
        const QString nome = QStringLiteral("qelp-%1.png").arg(tamanho);
        if (!geraIcone(tamanho).save(QDir(diretorio).filePath(nome), "PNG")) return false;
    }
    return true;
}
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args[1].startsWith(QLatin1String("--"))) {
        std::fprintf(stderr,
                     "uso: gera_figuras DIRETORIO [--folha FOLHA.png] [--painel PAINEL.png]"
                     " [--paineis PAINEIS.png] [--barras BARRAS.png] [--png DIRETORIO_PNG]"
                     " [--icones DIRETORIO_ICONES]\n");
        return 2;
    }
    if (!comum::temDejaVu(PROGRAMA, fonte(20))) return 1;

    const QDir destino(args[1]);
    if (!comum::criaDiretorio(PROGRAMA, destino)) return 1;
    const std::vector<Figura> figuras = geraTodas();
    for (const Figura& f : figuras) {
        const QString caminho = destino.filePath(f.nome + QStringLiteral(".bmp"));
        if (!f.imagem.save(caminho, "BMP")) {
            std::fprintf(stderr, "gera_figuras: não consegui gravar %s\n", qPrintable(caminho));
            return 1;
        }
    }
    std::printf("gera_figuras: %zu figuras em %s\n", figuras.size(), qPrintable(destino.path()));

    const bool ok = comum::executaOpcoes(PROGRAMA, args, figuras,
                                         {{"--folha", salvaFolha},
                                          {"--painel", salvaPainel},
                                          {"--paineis", salvaPaineis},
                                          {"--barras", salvaBarras},
                                          {"--png", salvaPngs},
                                          {"--icones", salvaIcones}});
    return ok ? 0 : 1;
}
