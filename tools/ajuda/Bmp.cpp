// Palette reduction and the BMP writer.
#include "tools/ajuda/Bmp.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <unordered_map>

namespace ajuda {

namespace {
constexpr int TAMANHO_CABECALHO_ARQUIVO = 14;  // BITMAPFILEHEADER
constexpr int TAMANHO_CABECALHO_INFO = 40;     // BITMAPINFOHEADER
constexpr int BYTES_POR_COR = 4;               // blue, green, red, 0
constexpr quint32 PIXELS_POR_METRO = 2835;     // 72 dpi

// One distinct colour of a picture and how many pixels have it.
struct CorContada {
    std::array<int, 3> rgb;
    double quantidade;
};

// A median-cut box: a range [inicio, fim) of the colour list.
struct Caixa {
    std::size_t inicio;
    std::size_t fim;
};

// Widest channel of a box and its width.
std::pair<int, int> canalMaisLargo(const std::vector<CorContada>& cores, const Caixa& c) {
    std::array<int, 3> menor{255, 255, 255}, maior{0, 0, 0};
    for (std::size_t i = c.inicio; i < c.fim; ++i)
        for (int k = 0; k < 3; ++k) {
            menor[k] = std::min(menor[k], cores[i].rgb[k]);
            maior[k] = std::max(maior[k], cores[i].rgb[k]);
        }
    int canal = 0;
    for (int k = 1; k < 3; ++k)
        if (maior[k] - menor[k] > maior[canal] - menor[canal]) canal = k;
    return {canal, maior[canal] - menor[canal]};
}

// How much a box deserves to be split: its width weighted by the square
// root of its pixel count, so big areas get finer shades.
double prioridade(const std::vector<CorContada>& cores, const Caixa& c) {
    if (c.fim - c.inicio < 2) return -1;
    double pixels = 0;
    for (std::size_t i = c.inicio; i < c.fim; ++i) pixels += cores[i].quantidade;
    return canalMaisLargo(cores, c).second * std::sqrt(pixels);
}

// Distance between two colours, weighted for the eye ("red mean" formula).
double distancia(QRgb a, QRgb b) {
    const double mediaVermelho = (qRed(a) + qRed(b)) / 2.0;
    const double dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return (2 + mediaVermelho / 256) * dr * dr + 4 * dg * dg +
           (2 + (255 - mediaVermelho) / 256) * db * db;
}

// Index of the palette colour nearest to a colour (first one on a tie).
int maisProxima(QRgb c, const QVector<QRgb>& paleta) {
    int melhor = 0;
    double menor = std::numeric_limits<double>::max();
    for (int i = 0; i < paleta.size(); ++i) {
        const double d = distancia(c, paleta[i]);
        if (d < menor) {
            menor = d;
            melhor = i;
        }
    }
    return melhor;
}

void poe16(QByteArray& b, quint16 v) {
    b.append(static_cast<char>(v & 0xff));
    b.append(static_cast<char>(v >> 8));
}

void poe32(QByteArray& b, quint32 v) {
    for (int i = 0; i < 4; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xff));
}
}  // namespace

QVector<QRgb> paletaDe(const std::vector<QColor>& cores) {
    QVector<QRgb> p;
    for (const QColor& c : cores) p.append(c.rgb());
    return p;
}

QVector<QRgb> paletaMedianCut(const QImage& imagem, int maximo) {
    const QImage rgb = imagem.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, double> contagem;  // ordered: the same list on every run
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* linha = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) contagem[linha[x] | 0xff000000u] += 1;
    }
    std::vector<CorContada> cores;
    for (const auto& [c, n] : contagem) cores.push_back({{qRed(c), qGreen(c), qBlue(c)}, n});

    std::vector<Caixa> caixas{{0, cores.size()}};
    while (static_cast<int>(caixas.size()) < maximo) {
        std::size_t escolhida = 0;
        double maior = -1;
        for (std::size_t i = 0; i < caixas.size(); ++i) {
            const double pr = prioridade(cores, caixas[i]);
            if (pr > maior) {
                maior = pr;
                escolhida = i;
            }
        }
        if (maior < 0) break;  // every box holds a single colour
        const Caixa c = caixas[escolhida];
        const int canal = canalMaisLargo(cores, c).first;
        std::stable_sort(cores.begin() + static_cast<std::ptrdiff_t>(c.inicio),
                         cores.begin() + static_cast<std::ptrdiff_t>(c.fim),
                         [canal](const CorContada& a, const CorContada& b) {
                             return a.rgb[canal] < b.rgb[canal];
                         });
        double total = 0;
        for (std::size_t i = c.inicio; i < c.fim; ++i) total += cores[i].quantidade;
        // Split at the pixel median, leaving at least one colour on each side.
        std::size_t corte = c.inicio + 1;
        double acumulado = cores[c.inicio].quantidade;
        while (corte < c.fim - 1 && acumulado < total / 2) acumulado += cores[corte++].quantidade;
        caixas[escolhida] = {c.inicio, corte};
        caixas.push_back({corte, c.fim});
    }

    QVector<QRgb> paleta;
    for (const Caixa& c : caixas) {
        std::array<double, 3> soma{0, 0, 0};
        double n = 0;
        for (std::size_t i = c.inicio; i < c.fim; ++i) {
            for (int k = 0; k < 3; ++k) soma[k] += cores[i].rgb[k] * cores[i].quantidade;
            n += cores[i].quantidade;
        }
        paleta.append(qRgb(static_cast<int>(std::lround(soma[0] / n)),
                           static_cast<int>(std::lround(soma[1] / n)),
                           static_cast<int>(std::lround(soma[2] / n))));
    }
    return paleta;
}

QImage reduzParaPaleta(const QImage& imagem, const QVector<QRgb>& paleta) {
    const QImage rgb = imagem.convertToFormat(QImage::Format_RGB32);
    QImage saida(rgb.size(), QImage::Format_Indexed8);
    saida.setColorTable(paleta);
    std::unordered_map<QRgb, int> jaVistas;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* entrada = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* linha = saida.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = entrada[x] | 0xff000000u;
            auto it = jaVistas.find(c);
            if (it == jaVistas.end()) it = jaVistas.emplace(c, maisProxima(c, paleta)).first;
            linha[x] = static_cast<uchar>(it->second);
        }
    }
    return saida;
}

bool gravaBmp(const QImage& indexada, int bitsPorPixel, const QString& caminho) {
    const int entradas = 1 << bitsPorPixel;
    if (indexada.format() != QImage::Format_Indexed8 || indexada.colorCount() > entradas ||
        (bitsPorPixel != 4 && bitsPorPixel != 8))
        return false;
    const int largura = indexada.width(), altura = indexada.height();
    const int bytesPorLinha = ((largura * bitsPorPixel + 31) / 32) * 4;
    const quint32 inicioPixels = TAMANHO_CABECALHO_ARQUIVO + TAMANHO_CABECALHO_INFO +
                                 entradas * BYTES_POR_COR;
    const quint32 tamanhoPixels = static_cast<quint32>(bytesPorLinha * altura);

    QByteArray b;
    b.append("BM");
    poe32(b, inicioPixels + tamanhoPixels);
    poe16(b, 0);
    poe16(b, 0);
    poe32(b, inicioPixels);

    poe32(b, TAMANHO_CABECALHO_INFO);
    poe32(b, static_cast<quint32>(largura));
    poe32(b, static_cast<quint32>(altura));  // positive: rows go bottom-up
    poe16(b, 1);                             // planes
    poe16(b, static_cast<quint16>(bitsPorPixel));
    poe32(b, 0);  // no compression
    poe32(b, tamanhoPixels);
    poe32(b, PIXELS_POR_METRO);
    poe32(b, PIXELS_POR_METRO);
    poe32(b, static_cast<quint32>(entradas));  // colours used
    poe32(b, 0);                               // all of them important

    const QVector<QRgb> tabela = indexada.colorTable();
    for (int i = 0; i < entradas; ++i) {
        const QRgb c = i < tabela.size() ? tabela[i] : qRgb(0, 0, 0);
        b.append(static_cast<char>(qBlue(c)));
        b.append(static_cast<char>(qGreen(c)));
        b.append(static_cast<char>(qRed(c)));
        b.append('\0');
    }

    for (int y = altura - 1; y >= 0; --y) {
        const uchar* linha = indexada.constScanLine(y);
        QByteArray saida(bytesPorLinha, '\0');
        for (int x = 0; x < largura; ++x) {
            if (bitsPorPixel == 8) {
                saida[x] = static_cast<char>(linha[x]);
            } else {
                // Two pixels per byte, the left one in the high nibble.
                const int deslocamento = x % 2 == 0 ? 4 : 0;
                saida[x / 2] = static_cast<char>(static_cast<uchar>(saida[x / 2]) |
                                                 ((linha[x] & 0x0f) << deslocamento));
            }
        }
        b.append(saida);
    }

    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return f.write(b) == b.size();
}

}  // namespace ajuda
