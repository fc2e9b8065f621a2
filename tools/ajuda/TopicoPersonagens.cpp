// Topic about the four characters: a row for each one with its face and
// name on the left and its four tools, one per line, with what each does
// for the lake.
#include "tools/ajuda/Ajuda.h"

#include <algorithm>
#include <array>

namespace ajuda {

namespace {
constexpr int LARGURA = 636;
constexpr int ALTURA = 363;
constexpr double BORDA = 6;
constexpr double ENTRE = 3;           // between the rows
constexpr double RODAPE = 22;         // line under the rows
constexpr double COLUNA_ROSTO = 108;  // coloured column with face and name
constexpr double RAIO_ROSTO = 24;
constexpr double ALTURA_NOME = 18;
constexpr double DENTRO = 4;          // padding inside a row
constexpr double RECUO = 13;          // tool text starts after its dot
constexpr double ENTRE_FERRAMENTAS = 1;


struct Ferramenta {
    const char* nome;
    const char* efeito;
};

struct Ficha {
    Personagem quem;
    Ferramenta ferramentas[4];
};

// The tools in the order of the game's panel, with the names it shows.
const Ficha FICHAS[] = {
    {Personagem::Mae,
     {{"Abrir sol", "mais energia para as algas, os microorganismos e a água."},
      {"Colocar Aguapés", "eles limpam a água."},
      {"Trocar o fundo do lago", "fundo limpo; incomoda um pouco as algas."},
      {"Acelerar degradação", "a sujeira do lago se desfaz mais rápido."}}},
    {Personagem::Pescador,
     {{"Não pescar em área proibida", "os peixes se recuperam."},
      {"Recolher lixo das margens", "o fundo e a água ficam mais limpos."},
      {"Pescar para se alimentar", "menos Peixe Gordo, e os menores crescem."},
      {"Pescar em época permitida", "os peixes conseguem se reproduzir."}}},
    {Personagem::Prefeito,
     {{"Proibir poluição sonora", "os peixes ficam mais tranquilos."},
      {"Multa (campanha de conscientização)",
       "todos ganham um pouco; o fundo e a água ficam mais limpos."},
      {"Colocar lixeiras", "menos lixo no fundo e na água."},
      {"Cobrar licença (filtro nas fábricas)", "a água fica muito mais limpa."}}},
    {Personagem::Turista,
     {{"Não nadar no lago", "menos agitação para os peixes e as algas."},
      {"Recolher lixo do chão", "o fundo e a água ficam mais limpos."},
      {"Não levar lembrança do lago", "as algas e o fundo ficam no lugar."},
      {"Fotografar", "mais gente vê como o lago é bonito e cuida dele."}}},
};

// Width of the tools' text in a row.
double larguraFerramenta() { return LARGURA - 2 * BORDA - COLUNA_ROSTO - 2 * DENTRO - RECUO; }

QString textoFerramenta(const Ferramenta& f) {
    return QStringLiteral("<b>%1:</b> %2").arg(t(f.nome), t(f.efeito));
}

// Height of each of a character's tools.
std::array<double, 4> alturasFerramentas(const Ficha& f) {
    std::array<double, 4> h{};
    for (int i = 0; i < 4; ++i)
        h[i] = alturaTexto(textoFerramenta(f.ferramentas[i]), TEXTO_MINIMO, larguraFerramenta());
    return h;
}

// Smallest height of a character's row.
double alturaMinima(const Ficha& f) {
    const auto h = alturasFerramentas(f);
    return std::max(2 * RAIO_ROSTO + ALTURA_NOME + 2 * DENTRO,
                    h[0] + h[1] + h[2] + h[3] + 3 * ENTRE_FERRAMENTAS + 2 * DENTRO);
}

// A character's row: face and name on a band of its colour, then its four
// tools one under the other.
void linhaPersonagem(QPainter& p, const QRectF& r, const Ficha& f) {
    const QColor base = corDe(f.quem);
    cartao(p, r, cor::branco, 8);
    p.save();
    p.setClipPath(retangulo(r, 8));
    p.fillRect(QRectF(r.left(), r.top(), COLUNA_ROSTO, r.height()), base);
    p.fillRect(QRectF(r.left() + COLUNA_ROSTO - 1, r.top(), 2, r.height()), cor::contorno);
    p.restore();
    preenche(p, retangulo(r, 8), Qt::NoBrush, CONTORNO);
    const double meio = r.center().y() - ALTURA_NOME / 2;
    rosto(p, f.quem, QPointF(r.left() + COLUNA_ROSTO / 2, meio), RAIO_ROSTO);
    titulo(p, QRectF(r.left() + 2, meio + RAIO_ROSTO + 1, COLUNA_ROSTO - 4, ALTURA_NOME),
           nomeDe(f.quem), fonte(13), Qt::AlignHCenter, cor::branco);

    const auto alturas = alturasFerramentas(f);
    double ocupado = 3 * ENTRE_FERRAMENTAS;
    for (double h : alturas) ocupado += h;
    // The spare height goes evenly between and around the tools.
    const double folga = (r.height() - 2 * DENTRO - ocupado) / 4;
    const double x = r.left() + COLUNA_ROSTO + DENTRO;
    double y = r.top() + DENTRO + folga / 2;
    for (int i = 0; i < 4; ++i) {
        preenche(p, elipse(QPointF(x + 4.5, y + 8), 3.5, 3.5), base, 1.2);
        escreveTexto(p, QRectF(x + RECUO, y, larguraFerramenta(), alturas[i]),
                     textoFerramenta(f.ferramentas[i]), TEXTO_MINIMO);
        y += alturas[i] + ENTRE_FERRAMENTAS + folga;
    }
}
}  // namespace

// The four characters one under the other, and how often a tool can be used.
QImage topicoTodos() {
    return novaImagem(LARGURA, ALTURA, cor::fundoClaro, [](QPainter& p) {
        // Rows get their smallest height plus an even share of what is left.
        std::array<double, 4> alturas{};
        double total = 0;
        for (int i = 0; i < 4; ++i) total += alturas[i] = alturaMinima(FICHAS[i]);
        const double disponivel = ALTURA - 2 * BORDA - RODAPE - 3 * ENTRE;
        if (total > disponivel)
            avisos() << QStringLiteral("personagens não cabem (%1 > %2)").arg(total).arg(disponivel);
        const double extra = std::max(0.0, (disponivel - total) / 4);
        double y = BORDA;
        for (int i = 0; i < 4; ++i) {
            linhaPersonagem(p, QRectF(BORDA, y, LARGURA - 2 * BORDA, alturas[i] + extra),
                            FICHAS[i]);
            y += alturas[i] + extra + ENTRE;
        }
        escreveTexto(p, QRectF(BORDA, ALTURA - BORDA - RODAPE + 3, LARGURA - 2 * BORDA, RODAPE),
                     t("Cada ferramenta só pode ser usada <b>poucas vezes</b> em uma partida "
                       "(2 ou 3 vezes)."),
                     TEXTO, cor::contorno, Qt::AlignCenter);
    });
}

}  // namespace ajuda
