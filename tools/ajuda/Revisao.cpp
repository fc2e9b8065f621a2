// Contact sheet and window mock-ups of the help pictures.
#include "tools/ajuda/Revisao.h"

#include "tools/ajuda/Ajuda.h"

#include <algorithm>

namespace ajuda {

using comum::acha;

namespace {
constexpr int MARGEM = 16;
constexpr int ALTURA_NOME = 32;  // two lines: name, then size
constexpr int LARGURA_FOLHA = 1460;
const QColor FUNDO_FOLHA(0x70, 0x78, 0x80);
const QColor FUNDO_JANELA(0xf0, 0xee, 0xe8);
constexpr int LARGURA_PRINCIPAL = 960;
constexpr int ALTURA_PRINCIPAL = 630;
const int X_BOTOES[] = {16, 206, 402, 608};
const int Y_BOTOES[] = {38, 283};
constexpr int POSICAO_BOTAO = 18;  // the small picture in a topic window
constexpr int LARGURA_FECHAR = 76;
constexpr int ALTURA_FECHAR = 28;

// The "FECHAR" push button at the top right of a window.
void fechar(QPainter& p, int larguraJanela) {
    const QRectF r(larguraJanela - LARGURA_FECHAR - 8, 8, LARGURA_FECHAR, ALTURA_FECHAR);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.setBrush(QColor(0xe4, 0xe4, 0xe4));
    p.drawRoundedRect(r, 3, 3);
    p.setFont(fonte(12));
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("FECHAR"));
}

// A window title bar above a client area.
QImage janela(int largura, int altura, const QString& titulo) {
    constexpr int BARRA = 26;
    QImage img(largura, altura + BARRA, QImage::Format_RGB32);
    img.fill(FUNDO_JANELA);
    QPainter p(&img);
    p.fillRect(QRect(0, 0, largura, BARRA), QColor(0x3c, 0x4a, 0x5a));
    p.setFont(fonte(13));
    p.setPen(Qt::white);
    p.drawText(QRect(10, 0, largura - 20, BARRA), Qt::AlignVCenter, titulo);
    return img;
}
}  // namespace

bool salvaFolha(const std::vector<Lida>& figuras, const QString& caminho) {
    // Shelf layout: pictures left to right, a new row when the width runs out.
    struct Lugar {
        QPoint posicao;
        const Lida* figura;
    };
    std::vector<Lugar> lugares;
    int x = MARGEM, y = MARGEM, alturaLinha = 0;
    for (const Lida& f : figuras) {
        if (x + f.imagem.width() > LARGURA_FOLHA - MARGEM && x > MARGEM) {
            x = MARGEM;
            y += alturaLinha + ALTURA_NOME + MARGEM;
            alturaLinha = 0;
        }
        lugares.push_back({QPoint(x, y), &f});
        x += f.imagem.width() + MARGEM;
        alturaLinha = std::max(alturaLinha, f.imagem.height());
    }
    QImage folha(LARGURA_FOLHA, y + alturaLinha + ALTURA_NOME + MARGEM, QImage::Format_RGB32);
    folha.fill(FUNDO_FOLHA);
    QPainter p(&folha);
    p.setFont(fonte(12));
    for (const Lugar& l : lugares) {
        p.drawImage(l.posicao, l.figura->imagem);
        p.setPen(Qt::white);
        p.drawText(QRect(l.posicao.x(), l.posicao.y() + l.figura->imagem.height() + 2, 400,
                         ALTURA_NOME - 2),
                   Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("%1\n%2×%3")
                       .arg(l.figura->nome)
                       .arg(l.figura->imagem.width())
                       .arg(l.figura->imagem.height()));
    }
    p.end();
    return folha.save(caminho, "PNG");
}

bool salvaPrincipal(const std::vector<Lida>& figuras, const QString& caminho) {
    const char* ordem[2][4] = {{"BMP_AGUA", "BMP_PEIXE", "BMP_MICRO", "BMP_POLUICAO"},
                               {"BMP_POLUIDOR", "BMP_TODOS", "BMP_COMOJOGA", "BMP_DICIONARIO"}};
    QImage img = janela(LARGURA_PRINCIPAL, ALTURA_PRINCIPAL, QStringLiteral("Ajuda do QELP"));
    QPainter p(&img);
    p.translate(0, img.height() - ALTURA_PRINCIPAL);
    for (int linha = 0; linha < 2; ++linha)
        for (int coluna = 0; coluna < 4; ++coluna)
            p.drawImage(X_BOTOES[coluna], Y_BOTOES[linha],
                        acha(figuras, QString::fromLatin1(ordem[linha][coluna])));
    fechar(p, LARGURA_PRINCIPAL);
    p.end();
    return img.save(caminho, "PNG");
}

bool salvaTopicos(const std::vector<Lida>& figuras, const QString& caminho) {
    // Poluição: the large picture fills the window from its corner and the
    // button is drawn on top of it.
    const QImage grande = acha(figuras, QStringLiteral("BMP_EXPOLUICAO"));
    QImage a = janela(grande.width(), grande.height(), QString::fromUtf8("Poluição"));
    {
        QPainter p(&a);
        p.translate(0, a.height() - grande.height());
        p.drawImage(0, 0, grande);
        p.drawImage(POSICAO_BOTAO, POSICAO_BOTAO, acha(figuras, QStringLiteral("BMP_POLUICAO")));
        fechar(p, grande.width());
    }
    // Peixes: the button at the corner and the large picture to its right.
    const QImage peixes = acha(figuras, QStringLiteral("BMP_EXPEIXE"));
    const int xGrande = POSICAO_BOTAO + LARGURA_BOTAO + POSICAO_BOTAO;
    const int largura = xGrande + peixes.width() + POSICAO_BOTAO + LARGURA_FECHAR;
    const int altura = peixes.height() + 2 * POSICAO_BOTAO;
    QImage b = janela(largura, altura, QStringLiteral("Peixes"));
    {
        QPainter p(&b);
        p.translate(0, b.height() - altura);
        p.drawImage(POSICAO_BOTAO, POSICAO_BOTAO, acha(figuras, QStringLiteral("BMP_PEIXE")));
        p.drawImage(xGrande, POSICAO_BOTAO, peixes);
        fechar(p, largura);
    }
    QImage folha(a.width() + b.width() + 3 * MARGEM, std::max(a.height(), b.height()) + 2 * MARGEM,
                 QImage::Format_RGB32);
    folha.fill(FUNDO_FOLHA);
    QPainter p(&folha);
    p.drawImage(MARGEM, MARGEM, a);
    p.drawImage(2 * MARGEM + a.width(), MARGEM, b);
    p.end();
    return folha.save(caminho, "PNG");
}

}  // namespace ajuda
