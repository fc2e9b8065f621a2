// previa_modelos: reads the .x models back through Assimp, as the game does,
// and draws them for checking by eye.
//
//   previa_modelos DIRETORIO_DP DIRETORIO_SAIDA
//
// Writes into DIRETORIO_SAIDA:
//   folha.png   every model in the game's side view and in a view from above
//               and to the side, with its box and triangle count;
//   cena1.png   beings, boats and drops over FUNDOCEN.bmp, placed as the game
//   cena2.png   places them (boats on the surface line, algae on the bottom);
//   cena3.png   the end-of-match sign over the lake.
// Triangles are lit with the game's lights (one colour per triangle, the
// mean of its corners), back faces culled, and drawn far to near. It also
// prints each model's box and triangle count as read by Assimp and answers
// non-zero when a file cannot be read or a box is not the expected size.
#include "tools/modelos/Modelos.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <numbers>
#include <string>
#include <vector>

using namespace modelos;

namespace {
constexpr double PI = std::numbers::pi;
constexpr int LARGURA_CENA = 1024, ALTURA_CENA = 640;
constexpr double DISTANCIA_CAMERA = 250, MEIA_LARGURA = 125;
constexpr double AMBIENTE = 0.4;
constexpr int CELULA = 300, ROTULO = 44;

struct Luz {
    Vetor direcao;
    double intensidade;
};
const Luz LUZES[] = {{normaliza({1, -1, 0}), 0.4},
                     {normaliza({0, 0, 1}), 0.15},
                     {normaliza({0, 1, 0.1}), 0.4},
                     {normaliza({0, -1, 0.1}), 0.65}};

struct MaterialLido {
    Cor difusa, emissiva;
};

struct TrianguloLido {
    Vetor p[3], n[3];
    int material;
};

struct ModeloLido {
    std::vector<TrianguloLido> triangulos;
    std::vector<MaterialLido> materiais;
    Caixa caixa;
};

// Reads a model with the game's Assimp steps; false when it cannot.
bool carrega(const std::string& arquivo, ModeloLido& modelo) {
    Assimp::Importer importador;
    const unsigned passos = aiProcess_Triangulate | aiProcess_PreTransformVertices |
                            aiProcess_MakeLeftHanded | aiProcess_FlipWindingOrder |
                            aiProcess_GenSmoothNormals | aiProcess_SortByPType;
    const aiScene* cena = importador.ReadFile(arquivo, passos);
    if (!cena || !cena->mRootNode || (cena->mFlags & AI_SCENE_FLAGS_INCOMPLETE)) {
        std::fprintf(stderr, "previa: %s: %s\n", arquivo.c_str(), importador.GetErrorString());
        return false;
    }
    for (unsigned i = 0; i < cena->mNumMaterials; ++i) {
        aiColor4D d(1, 1, 1, 1), e(0, 0, 0, 0);
        aiGetMaterialColor(cena->mMaterials[i], AI_MATKEY_COLOR_DIFFUSE, &d);
        aiGetMaterialColor(cena->mMaterials[i], AI_MATKEY_COLOR_EMISSIVE, &e);
        modelo.materiais.push_back({{d.r, d.g, d.b}, {e.r, e.g, e.b}});
    }
    constexpr double INF = std::numeric_limits<double>::infinity();
    modelo.caixa = {{INF, INF, INF}, {-INF, -INF, -INF}};
    for (unsigned i = 0; i < cena->mNumMeshes; ++i) {
        const aiMesh& m = *cena->mMeshes[i];
        for (unsigned v = 0; v < m.mNumVertices; ++v) {
            const aiVector3D& p = m.mVertices[v];
            modelo.caixa.minimo = {std::min<double>(modelo.caixa.minimo.x, p.x),
                                   std::min<double>(modelo.caixa.minimo.y, p.y),
                                   std::min<double>(modelo.caixa.minimo.z, p.z)};
            modelo.caixa.maximo = {std::max<double>(modelo.caixa.maximo.x, p.x),
                                   std::max<double>(modelo.caixa.maximo.y, p.y),
                                   std::max<double>(modelo.caixa.maximo.z, p.z)};
        }
        for (unsigned f = 0; f < m.mNumFaces; ++f) {
            const aiFace& face = m.mFaces[f];
            if (face.mNumIndices != 3) continue;
            TrianguloLido t;
            for (int k = 0; k < 3; ++k) {
                const aiVector3D& p = m.mVertices[face.mIndices[k]];
                const aiVector3D n = m.mNormals ? m.mNormals[face.mIndices[k]] : aiVector3D(0, 0, -1);
                t.p[k] = {p.x, p.y, p.z};
                t.n[k] = {n.x, n.y, n.z};
            }
            t.material = static_cast<int>(m.mMaterialIndex);
            modelo.triangulos.push_back(t);
        }
    }
    return !modelo.triangulos.empty();
}

// Colour of a corner with the game's lights.
Cor ilumina(const MaterialLido& m, Vetor n) {
    double luz = AMBIENTE;
    for (const Luz& l : LUZES) luz += l.intensidade * std::max(0.0, escalar(n, -l.direcao));
    return {std::min(1.0, m.emissiva.r + m.difusa.r * luz),
            std::min(1.0, m.emissiva.g + m.difusa.g * luz),
            std::min(1.0, m.emissiva.b + m.difusa.b * luz)};
}

// How a model is put in the world and how the world is put on the picture.
struct Posicao {
    Vetor lugar;
    double giroY = 0;  // radians about y (π: facing −x)
    double giroX = 0;  // radians about x, after giroY (views from above)
};

// Turns a model vector as the placement says.
Vetor gira(const Posicao& pos, Vetor v) {
    const Vetor a = rotacaoY(pos.giroY).aplica(v);
    return rotacaoX(pos.giroX).aplica(a);
}

// Projection: world point to picture point and its depth.
using Projecao = std::function<QPointF(Vetor, double& profundidade)>;

// Draws a placed model: lit, back faces culled, far triangles first.
void desenha(QPainter& p, const ModeloLido& modelo, const Posicao& pos, const Projecao& projeta,
             Vetor olho, bool perspectiva) {
    struct Desenho {
        QPolygonF poligono;
        double profundidade;
        QColor cor;
    };
    std::vector<Desenho> desenhos;
    for (const TrianguloLido& t : modelo.triangulos) {
        Vetor w[3];
        for (int k = 0; k < 3; ++k) w[k] = gira(pos, t.p[k]) + pos.lugar;
        const Vetor normal = vetorial(w[1] - w[0], w[2] - w[0]);
        const Vetor visada = perspectiva ? w[0] - olho : Vetor{0, 0, 1};
        if (escalar(normal, visada) >= 0) continue;  // back face
        Desenho d;
        d.profundidade = 0;
        Cor soma;
        for (int k = 0; k < 3; ++k) {
            double prof = 0;
            d.poligono << projeta(w[k], prof);
            d.profundidade += prof / 3;
            const Cor c = ilumina(modelo.materiais.at(static_cast<std::size_t>(t.material)),
                                  normaliza(gira(pos, t.n[k])));
            soma = {soma.r + c.r / 3, soma.g + c.g / 3, soma.b + c.b / 3};
        }
        d.cor = QColor::fromRgbF(static_cast<float>(soma.r), static_cast<float>(soma.g),
                                 static_cast<float>(soma.b));
        desenhos.push_back(d);
    }
    std::stable_sort(desenhos.begin(), desenhos.end(),
                     [](const Desenho& a, const Desenho& b) { return a.profundidade > b.profundidade; });
    for (const Desenho& d : desenhos) {
        p.setPen(QPen(d.cor, 0.8));
        p.setBrush(d.cor);
        p.drawPolygon(d.poligono);
    }
}

// ---------------------------------------------------------------- scenes

struct Colocacao {
    const char* arquivo;
    Vetor lugar;
    bool paraEsquerda;
};

// The background with models placed in the game's view.
void desenhaCena(const std::map<std::string, ModeloLido>& modelos, const QImage& fundo,
                 const std::vector<Colocacao>& colocacoes, const QString& saida) {
    QImage imagem(LARGURA_CENA, ALTURA_CENA, QImage::Format_RGB32);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(QRectF(0, 0, LARGURA_CENA, ALTURA_CENA), fundo);
    const double topo = MEIA_LARGURA * ALTURA_CENA / LARGURA_CENA;
    const Vetor olho{0, 0, -DISTANCIA_CAMERA};
    const Projecao projeta = [topo](Vetor w, double& prof) {
        prof = w.z + DISTANCIA_CAMERA;
        const double k = DISTANCIA_CAMERA / prof;
        return QPointF((w.x * k / MEIA_LARGURA + 1) / 2 * LARGURA_CENA,
                       (1 - w.y * k / topo) / 2 * ALTURA_CENA);
    };
    for (const Colocacao& c : colocacoes) {
        const auto m = modelos.find(c.arquivo);
        if (m == modelos.end()) continue;
        desenha(p, m->second, {c.lugar, c.paraEsquerda ? PI : 0.0, 0.0}, projeta, olho, true);
    }
    p.end();
    imagem.save(saida, "PNG");
}

// ---------------------------------------------------------------- sheet

// Every model in two views, with its box and triangle count.
void desenhaFolha(const std::map<std::string, ModeloLido>& modelos, const QString& saida) {
    constexpr int COLUNAS = 3;
    const int linhas = (static_cast<int>(CATALOGO.size()) + COLUNAS - 1) / COLUNAS;
    QImage imagem(COLUNAS * 2 * CELULA, linhas * (CELULA + ROTULO), QImage::Format_RGB32);
    imagem.fill(QColor(0x3a, 0x7f, 0xa6));
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    QFont fonte(QStringLiteral("DejaVu Sans"));
    fonte.setPixelSize(15);
    p.setFont(fonte);
    for (std::size_t i = 0; i < CATALOGO.size(); ++i) {
        const auto m = modelos.find(CATALOGO[i].arquivo);
        if (m == modelos.end()) continue;
        const ModeloLido& modelo = m->second;
        const double x0 = static_cast<double>(i % COLUNAS) * 2 * CELULA;
        const double y0 = static_cast<double>(i / COLUNAS) * (CELULA + ROTULO);
        p.setPen(QColor(0x2a, 0x5f, 0x80));
        p.setBrush(QColor(0x4f, 0x9d, 0xc4));
        p.drawRect(QRectF(x0 + 2, y0 + 2, 2 * CELULA - 4, CELULA + ROTULO - 4));

        const Vetor t = modelo.caixa.tamanho();
        const double raio = 0.5 * comprimento(t);
        const Vetor meio = (modelo.caixa.minimo + modelo.caixa.maximo) * 0.5;
        const Posicao vistas[] = {{-meio, 0, 0}, {-meio, -0.6, -0.45}};
        for (int v = 0; v < 2; ++v) {
            // Side view fits the box's x–y; the other view fits its diagonal.
            const double alcance = v == 0 ? std::max(t.x, t.y) / 2 : raio;
            const double escalaPx = (CELULA / 2 - 14) / alcance;
            const QPointF centro(x0 + v * CELULA + CELULA / 2.0, y0 + CELULA / 2.0 + 6);
            const Projecao projeta = [=](Vetor w, double& prof) {
                prof = w.z;
                return centro + QPointF(w.x * escalaPx, -w.y * escalaPx);
            };
            desenha(p, modelo, vistas[v], projeta, {}, false);
        }
        const Caixa& c = modelo.caixa;
        const QString texto =
            QStringLiteral("%1  %2 tri  %3×%4×%5\nx %6..%7  y %8..%9  z %10..%11")
                .arg(QString::fromLatin1(CATALOGO[i].arquivo))
                .arg(modelo.triangulos.size())
                .arg(t.x, 0, 'f', 1)
                .arg(t.y, 0, 'f', 1)
                .arg(t.z, 0, 'f', 1)
                .arg(c.minimo.x, 0, 'f', 1)
                .arg(c.maximo.x, 0, 'f', 1)
                .arg(c.minimo.y, 0, 'f', 1)
                .arg(c.maximo.y, 0, 'f', 1)
                .arg(c.minimo.z, 0, 'f', 1)
                .arg(c.maximo.z, 0, 'f', 1);
        p.setPen(Qt::white);
        p.drawText(QRectF(x0 + 10, y0 + CELULA - 4, 2 * CELULA - 20, ROTULO), Qt::AlignLeft, texto);
    }
    p.end();
    imagem.save(saida, "PNG");
}
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "uso: previa_modelos DIRETORIO_DP DIRETORIO_SAIDA\n");
        return 2;
    }
    const QDir dp(QString::fromLocal8Bit(argv[1]));
    const QDir saida(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(saida.path());

    bool ok = true;
    std::map<std::string, ModeloLido> modelos;
    for (const Catalogo& c : CATALOGO) {
        ModeloLido m;
        if (!carrega(dp.filePath(QString::fromLatin1(c.arquivo)).toStdString(), m)) {
            ok = false;
            continue;
        }
        const Vetor t = m.caixa.tamanho();
        const bool tamanhoCerto = std::fabs(t.x - c.tamanho.x) <= 0.1 * c.tamanho.x &&
                                  std::fabs(t.y - c.tamanho.y) <= 0.1 * c.tamanho.y &&
                                  std::fabs(t.z - c.tamanho.z) <= 0.1 * c.tamanho.z;
        std::printf("%-12s %5zu tri  caixa (%7.2f %7.2f %7.2f)..(%7.2f %7.2f %7.2f)  %s\n",
                    c.arquivo, m.triangulos.size(), m.caixa.minimo.x, m.caixa.minimo.y,
                    m.caixa.minimo.z, m.caixa.maximo.x, m.caixa.maximo.y, m.caixa.maximo.z,
                    tamanhoCerto ? "ok" : "TAMANHO ERRADO");
        ok = ok && tamanhoCerto;
        modelos[c.arquivo] = std::move(m);
    }

    const QImage fundo(dp.filePath(QStringLiteral("FUNDOCEN.bmp")));
    const double topo = MEIA_LARGURA * ALTURA_CENA / LARGURA_CENA;
    const double superficie = 0.32 * topo + ALTURA_ORIGEM_BARCO;
    const double leito = -0.85 * topo + 3;
    desenhaFolha(modelos, saida.filePath(QStringLiteral("folha.png")));
    desenhaCena(modelos, fundo,
                {{"algave.x", {-100, leito, 10}, false},
                 {"algave.x", {-88, leito, 20}, true},
                 {"algave.x", {95, leito, 5}, false},
                 {"lancha.x", {-75, superficie, 0}, false},
                 {"draga.x", {40, superficie, 0}, true},
                 {"gordo.x", {-55, -12, 0}, false},
                 {"azul.x", {35, -5, 0}, true},
                 {"listrado.x", {60, -40, 0}, false},
                 {"listrado.x", {-15, -45, 0}, true},
                 {"micro.x", {-5, -20, 0}, false},
                 {"micro.x", {85, -25, 0}, false},
                 {"esgre-d.x", {-20, 8, 0}, false},
                 {"esgin-d.x", {-12, 2, 0}, false},
                 {"gasol-d.x", {-4, 10, 0}, false},
                 {"agrot-d.x", {4, 4, 0}, false}},
                saida.filePath(QStringLiteral("cena1.png")));
    desenhaCena(modelos, fundo,
                {{"algave.x", {-40, leito, 10}, false},
                 {"rede.x", {-70, superficie, 0}, false},
                 {"pescap.x", {20, superficie, 0}, true},
                 {"gasolina.x", {80, 0.32 * topo, 0}, false},
                 {"agrotox.x", {60, 55, 0}, true},
                 {"agrot-d.x", {55, 42, 0}, false},
                 {"agrot-d.x", {62, 36, 0}, false},
                 {"lixo.x", {-10, -30, 0}, false},
                 {"gordo.x", {70, -35, 0}, true},
                 {"azul.x", {-20, -55, 0}, false}},
                saida.filePath(QStringLiteral("cena2.png")));
    desenhaCena(modelos, fundo,
                {{"gordo.x", {-70, -40, 0}, false},
                 {"partterm.x", {0, 0, 0}, false}},
                saida.filePath(QStringLiteral("cena3.png")));
    return ok ? 0 : 1;
}
