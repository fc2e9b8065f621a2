// gera_modelos: builds the game's 17 DirectX (.x) models and the 3D scene's
// background picture FUNDOCEN.bmp and writes them into a directory.
//
//   gera_modelos DIRETORIO
//
// Every model is checked before it is written: each of its parts must be a
// closed solid with outward normals, its box must be within 10 % of the size
// the game expects, and it must stay within the triangle budget. A table of
// boxes and triangle counts is printed. The files are the same on every run.
#include "tools/modelos/Modelos.h"

#include <QDir>
#include <QGuiApplication>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

using namespace modelos;

namespace {
// Most triangles a model may have (the game may draw in software), and the
// fewer allowed for drops and litter.
constexpr std::size_t TRIANGULOS_MAXIMO = 1500;
constexpr std::size_t TRIANGULOS_PEQUENOS = 600;
// How far a box may be from the expected size.
constexpr double TOLERANCIA_TAMANHO = 0.10;

struct Gerador {
    const char* arquivo;
    std::function<Malha()> gera;
    bool pequeno;  // a drop or litter
};

const Gerador GERADORES[] = {
    {"gordo.x", geraPeixeGordo, false},
    {"azul.x", geraPeixeAzul, false},
    {"listrado.x", geraPeixeListrado, false},
    {"algave.x", geraAlga, false},
    {"micro.x", geraMicroorganismo, false},
    {"draga.x", geraDraga, false},
    {"agrotox.x", geraAgrotoxico, false},
    {"rede.x", geraRedeArrastao, false},
    {"partterm.x", geraPlacaFimDePartida, false},
    {"lixo.x", geraLixo, true},
    {"lancha.x", geraLancha, false},
    {"pescap.x", geraPescaPredatoria, false},
    {"gasolina.x", geraGasolina, false},
    {"esgre-d.x", [] { return geraGota(TipoGota::EsgotoResidencial); }, true},
    {"esgin-d.x", [] { return geraGota(TipoGota::EsgotoIndustrial); }, true},
    {"gasol-d.x", [] { return geraGota(TipoGota::Gasolina); }, true},
    {"agrot-d.x", [] { return geraGota(TipoGota::Agrotoxico); }, true},
};

// What the game expects of a file, or null.
const Catalogo* catalogoDe(const std::string& arquivo) {
    for (const Catalogo& c : CATALOGO)
        if (arquivo == c.arquivo) return &c;
    return nullptr;
}

// Problems of a finished model against what the game expects of it.
std::string confere(const Malha& malha, const Catalogo& esperado, bool pequeno) {
    std::string problemas;
    const Caixa caixa = malha.caixa();
    const Vetor t = caixa.tamanho();
    const double medidas[3][2] = {{t.x, esperado.tamanho.x}, {t.y, esperado.tamanho.y},
                                  {t.z, esperado.tamanho.z}};
    const char* eixos = "xyz";
    for (int i = 0; i < 3; ++i)
        if (std::fabs(medidas[i][0] - medidas[i][1]) > TOLERANCIA_TAMANHO * medidas[i][1])
            problemas += std::string("tamanho em ") + eixos[i] + " fora do esperado\n";
    // Turning about y must not move it: symmetric box in x and z.
    if (std::fabs(caixa.minimo.x + caixa.maximo.x) > 0.01 ||
        std::fabs(caixa.minimo.z + caixa.maximo.z) > 0.01)
        problemas += "caixa fora do centro em x ou z\n";
    if (esperado.centradoY && std::fabs(caixa.minimo.y + caixa.maximo.y) > 0.01)
        problemas += "caixa fora do centro em y\n";
    if (malha.numTriangulos() > (pequeno ? TRIANGULOS_PEQUENOS : TRIANGULOS_MAXIMO))
        problemas += "triângulos demais\n";
    return problemas;
}
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: gera_modelos DIRETORIO\n");
        return 2;
    }
    const QDir destino(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(destino.path())) {
        std::fprintf(stderr, "gera_modelos: não consegui criar %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    std::printf("%-12s %8s %8s %8s   %8s %8s %8s  %s\n", "modelo", "min x", "min y", "min z",
                "max x", "max y", "max z", "triângulos");
    for (const Gerador& g : GERADORES) {
        Malha malha = g.gera();
        const Catalogo* esperado = catalogoDe(g.arquivo);
        std::string problemas = malha.finaliza();
        if (esperado)
            problemas += confere(malha, *esperado, g.pequeno);
        else
            problemas += "modelo fora do catálogo\n";
        const Caixa c = malha.caixa();
        std::printf("%-12s %8.2f %8.2f %8.2f   %8.2f %8.2f %8.2f  %zu\n", g.arquivo, c.minimo.x,
                    c.minimo.y, c.minimo.z, c.maximo.x, c.maximo.y, c.maximo.z,
                    malha.numTriangulos());
        if (!problemas.empty()) {
            std::fprintf(stderr, "gera_modelos: %s:\n%s", g.arquivo, problemas.c_str());
            ok = false;
        }
        const std::string caminho = destino.filePath(QString::fromLatin1(g.arquivo)).toStdString();
        if (!malha.escreveX(caminho)) {
            std::fprintf(stderr, "gera_modelos: não consegui gravar %s\n", caminho.c_str());
            return 1;
        }
    }

    const QString fundo = destino.filePath(QStringLiteral("FUNDOCEN.bmp"));
    if (!geraFundoCena().save(fundo, "BMP")) {
        std::fprintf(stderr, "gera_modelos: não consegui gravar %s\n", qPrintable(fundo));
        return 1;
    }
    std::printf("gera_modelos: %zu modelos e FUNDOCEN.bmp em %s\n", std::size(GERADORES),
                qPrintable(destino.path()));
    return ok ? 0 : 1;
}
