// Topics about playing: how to play, step by step with the keys, and the
// glossary of the lake's words.
#include "tools/ajuda/Ajuda.h"

#include <QFontMetricsF>

#include <cmath>
#include <numbers>

namespace ajuda {

namespace {
constexpr double MARGEM = 12;
constexpr double VAO = 8;
constexpr double FOLGA_FECHAR = 4;  // between a text and the close button's area


// ---------------------------------------------------------------- small pictures
// A sheet of paper with a folded corner and a few lines (the phase file).
void arquivo(QPainter& p, const QRectF& r) {
    const double dobra = r.width() * 0.3;
    const QPainterPath folha = poligono({r.topLeft(), {r.right() - dobra, r.top()},
                                         {r.right(), r.top() + dobra}, r.bottomRight(),
                                         r.bottomLeft()});
    preenche(p, folha, cor::branco, CONTORNO_FINO);
    QPainterPath canto;
    canto.moveTo(r.right() - dobra, r.top());
    canto.lineTo(r.right() - dobra, r.top() + dobra);
    canto.lineTo(r.right(), r.top() + dobra);
    preenche(p, canto, cor::cinza, CONTORNO_FINO);
    p.setPen(caneta(1.6, cor::agua));
    for (int i = 0; i < 3; ++i) {
        const double y = r.top() + r.height() * (0.45 + i * 0.17);
        p.drawLine(QPointF(r.left() + 5, y), QPointF(r.right() - 5, y));
    }
}

// The game's "Jogo" menu opened on "Iniciar...".
void menuJogo(QPainter& p, const QRectF& r) {
    const double barra = 17;
    preenche(p, retangulo(QRectF(r.left(), r.top(), r.width(), barra), 0), cor::fundoClaro,
             CONTORNO_FINO);
    escreveLinha(p, QRectF(r.left() + 5, r.top(), 40, barra), t("Jogo"), fonte(12),
                 cor::contorno, Qt::AlignLeft | Qt::AlignVCenter);
    const QRectF lista(r.left() + 3, r.top() + barra, r.width() - 3, r.height() - barra);
    preenche(p, retangulo(lista, 0), cor::branco, CONTORNO_FINO);
    const QRectF escolhido(lista.left() + 2, lista.top() + 2, lista.width() - 4, 17);
    p.fillRect(escolhido, cor::agua);
    escreveLinha(p, escolhido.adjusted(4, 0, 0, 0), t("Iniciar..."), fonte(12), cor::branco,
                 Qt::AlignLeft | Qt::AlignVCenter);
    escreveLinha(p, QRectF(lista.left() + 6, escolhido.bottom() + 1, lista.width() - 8, 17),
                 t("Terminar"), fonte(12, false), cor::cinza, Qt::AlignLeft | Qt::AlignVCenter);
}

// Round clock face showing a quarter past.
void relogio(QPainter& p, QPointF centro, double raio) {
    preenche(p, elipse(centro, raio, raio), cor::branco, CONTORNO);
    p.setPen(caneta(CONTORNO_FINO));
    for (int i = 0; i < 12; i += 3) {
        const double a = i * std::numbers::pi / 6;
        p.drawLine(centro + QPointF(std::cos(a), std::sin(a)) * raio * 0.72,
                   centro + QPointF(std::cos(a), std::sin(a)) * raio * 0.88);
    }
    p.setPen(caneta(2.4));
    p.drawLine(centro, centro + QPointF(0, -raio * 0.62));
    p.drawLine(centro, centro + QPointF(raio * 0.48, 0));
}

// A tool tile like the ones under the portraits, with a pictogram.
void ladrilho(QPainter& p, const QRectF& r, const QColor& base,
              const std::function<void(QPainter&, const QRectF&)>& icone) {
    preenche(p, retangulo(r, 5), base, CONTORNO_FINO);
    const QRectF dentro = r.adjusted(4, 4, -4, -4);
    preenche(p, retangulo(dentro, 3), cor::branco, 0);
    icone(p, dentro);
}

// A computer mouse with its right button marked.
void mouse(QPainter& p, const QRectF& r) {
    const QPainterPath corpo = retangulo(r, r.width() / 2);
    preenche(p, corpo, cor::branco, CONTORNO_FINO);
    p.save();
    p.setClipPath(corpo);
    p.fillRect(QRectF(r.center().x(), r.top(), r.width() / 2, r.height() * 0.42), cor::vermelho);
    p.restore();
    p.setPen(caneta(CONTORNO_FINO));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.top() + r.height() * 0.42));
    p.drawLine(QPointF(r.left(), r.top() + r.height() * 0.42),
               QPointF(r.right(), r.top() + r.height() * 0.42));
    preenche(p, corpo, Qt::NoBrush, CONTORNO_FINO);
}

// ---------------------------------------------------------------- steps
// A numbered step: badge, a picture drawn by the function in the box
// beside the badge, and the text under them.
void passo(QPainter& p, const QRectF& r, int n, const QString& texto,
           const std::function<void(QPainter&, const QRectF&)>& figura) {
    constexpr double RAIO_NUMERO = 14, ALTURA_FIGURA = 54;
    cartao(p, r, cor::branco);
    numero(p, r.topLeft() + QPointF(8 + RAIO_NUMERO, 8 + RAIO_NUMERO), RAIO_NUMERO, n,
           cor::laranja);
    figura(p, QRectF(r.left() + 2 * RAIO_NUMERO + 14, r.top() + 6, r.width() - 2 * RAIO_NUMERO - 22,
                     ALTURA_FIGURA));
    escreveTexto(p, QRectF(r.left() + 10, r.top() + ALTURA_FIGURA + 12, r.width() - 20,
                           r.height() - ALTURA_FIGURA - 16),
                 texto, TEXTO);
}

// The four keys with what each does, in one row.
void linhaDeTeclas(QPainter& p, QPointF inicio) {
    const QString teclas[] = {t("F1"), t("F2"), t("F3"), t("F12")};
    const QString nomes[] = {t("Ajuda"), t("Nova partida"), t("Pausa"), t("Sair")};
    constexpr double LARGURA_TECLA = 40, ALTURA_TECLA = 30, DEPOIS_TECLA = 5, ENTRE = 14;
    const QFont f = fonte(14);
    double x = inicio.x();
    for (int i = 0; i < 4; ++i) {
        tecla(p, QRectF(x, inicio.y(), LARGURA_TECLA, ALTURA_TECLA), teclas[i], 14);
        x += LARGURA_TECLA + DEPOIS_TECLA;
        const double largura = QFontMetricsF(f).horizontalAdvance(nomes[i]) + 1;
        escreveLinha(p, QRectF(x, inicio.y(), largura, ALTURA_TECLA - 4), nomes[i], f,
                     cor::contorno, Qt::AlignLeft | Qt::AlignVCenter);
        x += largura + ENTRE;
    }
}
}  // namespace

// How to play: keys and tips beside the button picture, then six
// numbered steps with small pictures.
QImage topicoComoJoga() {
    constexpr int LARGURA = 658, ALTURA = 473;
    return novaImagem(LARGURA, ALTURA, cor::fundoClaro, [](QPainter& p) {
        const double x = CANTO_BOTAO_LARGURA + 14;
        const double largura = LARGURA - MARGEM - x;
        tituloTopico(p, QRectF(x, 8, largura, 34), t("Como Jogar"), fonte(28), cor::laranja);
        linhaDeTeclas(p, QPointF(x, 54));
        escreveTexto(p, QRectF(x, 94, largura, 20),
                     t("A partida acaba quando a fase termina, ou com <b>Jogo → Terminar</b>."),
                     TEXTO);
        mouse(p, QRectF(x + 2, 122, 24, 36));
        escreveTexto(p, QRectF(x + 36, 120, largura - 36, 50),
                     t("<b>Botão direito</b> numa ferramenta: mostra o nome e quantas vezes "
                       "ainda pode usar. Num ser do lago: mostra o nome e a energia."),
                     TEXTO_MINIMO);

        const double topo = CANTO_BOTAO_ALTURA + 6;
        const double l = (LARGURA - 2 * MARGEM - 2 * VAO) / 3;
        const double a = (ALTURA - topo - MARGEM - VAO) / 2;
        auto caixa = [&](int i) {
            return QRectF(MARGEM + (i % 3) * (l + VAO), topo + (i / 3) * (a + VAO), l, a);
        };
        passo(p, caixa(0), 1, t("Aperte <b>F2</b> ou use o menu <b>Jogo → Iniciar...</b>"),
              [](QPainter& q, const QRectF& r) {
                  tecla(q, QRectF(r.left() + 4, r.top() + 10, 50, 40), t("F2"), 20);
                  menuJogo(q, QRectF(r.left() + 66, r.top() + 2, 86, 56));
              });
        passo(p, caixa(1), 2, t("Escolha o <b>seu personagem</b> e o <b>arquivo da fase</b>."),
              [](QPainter& q, const QRectF& r) {
                  rosto(q, Personagem::Pescador, QPointF(r.left() + 30, r.center().y()), 26);
                  arquivo(q, QRectF(r.left() + 82, r.top() + 6, 38, 48));
                  escreveLinha(q, QRectF(r.left() + 122, r.top() + 18, 36, 24), t("fase"),
                               fonte(13), cor::contorno, Qt::AlignLeft | Qt::AlignVCenter);
              });
        passo(p, caixa(2), 3,
              t("Escolha o personagem do <b>colega</b>. Você joga com os dois!"),
              [](QPainter& q, const QRectF& r) {
                  rosto(q, Personagem::Pescador, QPointF(r.left() + 30, r.center().y()), 26);
                  escreveLinha(q, QRectF(r.left() + 58, r.top(), 30, r.height()), t("+"),
                               fonte(26), cor::contorno);
                  rosto(q, Personagem::Prefeito, QPointF(r.left() + 116, r.center().y()), 26);
              });
        passo(p, caixa(3), 4, t("Os <b>poluidores</b> chegam na hora que a fase manda."),
              [](QPainter& q, const QRectF& r) {
                  relogio(q, QPointF(r.left() + 26, r.center().y()), 24);
                  poluidor(q, Poluidor::Lancha, QRectF(r.left() + 62, r.top() + 2, 86, 56));
              });
        passo(p, caixa(4), 5,
              t("Clique nas <b>ferramentas</b> embaixo dos retratos. Cada uma só pode ser "
                "usada <b>poucas vezes</b>."),
              [](QPainter& q, const QRectF& r) {
                  ladrilho(q, QRectF(r.left() + 2, r.top() + 8, 64, 40), cor::verde,
                           [](QPainter& s, const QRectF& d) { sol(s, d.center(), 9); });
                  ladrilho(q, QRectF(r.left() + 74, r.top() + 8, 64, 40), cor::verde,
                           [](QPainter& s, const QRectF& d) {
                               aguape(s, d.center() + QPointF(0, 12), 0.5);
                           });
                  maozinha(q, QPointF(r.left() + 40, r.top() + 32), 1.0);
              });
        passo(p, caixa(5), 6,
              t("Olhe o <b>ecômetro</b>: verde é bom, amarelo é atenção, vermelho é perigo."),
              [](QPainter& q, const QRectF& r) {
                  const QRectF barra(r.left() + 16, r.top() + 1, 24, 52);
                  ecometro(q, barra);
                  const QString nomes[] = {t("bom"), t("atenção"), t("perigo")};
                  const double meios[] = {0.2, 0.55, 0.85};
                  for (int i = 0; i < 3; ++i)
                      escreveLinha(q, QRectF(barra.right() + 8,
                                             barra.top() + barra.height() * meios[i] - 9, 90, 18),
                                   nomes[i], fonte(13), cor::contorno,
                                   Qt::AlignLeft | Qt::AlignVCenter);
              });
    });
}

// ---------------------------------------------------------------- glossary
namespace {
struct Verbete {
    const char* palavra;
    const char* significado;
    void (*figura)(QPainter&, const QRectF&);
};

const Verbete VERBETES[] = {
    {"Aguapé", "planta que boia no lago e ajuda a limpar a água.",
     [](QPainter& p, const QRectF& r) {
         aguape(p, QPointF(r.center().x(), r.bottom() - 6), 0.5);
     }},
    {"Alga", "planta que vive presa no fundo do lago e se alimenta dele.",
     [](QPainter& p, const QRectF& r) {
         alga(p, QPointF(r.center().x(), r.bottom() - 2), r.height() - 4, 4, 1.2);
     }},
    {"Cadeia alimentar",
     "quem come quem. O Peixe Gordo come o Azul, que come o Listrado, que come algas.",
     [](QPainter& p, const QRectF& r) {
         peixe(p, TipoPeixe::Gordo, r.center() + QPointF(0, -6), 26);
         peixe(p, TipoPeixe::Listrado, r.center() + QPointF(4, 11), 15);
     }},
    {"Desova", "quando os peixes põem ovos, de onde nascem os filhotes.",
     [](QPainter& p, const QRectF& r) { ovas(p, r.center(), 8); }},
    {"Ecômetro",
     "a barra embaixo do lago que mostra a saúde dele: verde, amarelo ou vermelho.",
     [](QPainter& p, const QRectF& r) {
         ecometro(p, QRectF(r.center().x() - 9, r.top() + 1, 18, r.height() - 2));
     }},
    {"Ecossistema", "os seres vivos e o lugar onde vivem, juntos. O lago é um ecossistema.",
     [](QPainter& p, const QRectF& r) {
         p.save();
         const double raio = r.height() / 2 - 1;
         p.setClipPath(elipse(r.center(), raio, raio));
         p.fillRect(r, cor::branco);
         agua(p, r, r.top() + 10, cor::aguaClara, 10, 1.5);
         fundoDeAreia(p, r, r.bottom() - 9);
         peixe(p, TipoPeixe::Azul, r.center() + QPointF(0, -1), 22);
         p.restore();
         preenche(p, elipse(r.center(), raio, raio), Qt::NoBrush, CONTORNO_FINO);
     }},
    {"Energia",
     "a força de cada ser. Comer dá energia; o ser que fica sem energia morre.",
     [](QPainter& p, const QRectF& r) {
         const QPointF c = r.center();
         QPolygonF raio;
         raio << c + QPointF(3, -17) << c + QPointF(-9, 3) << c + QPointF(-1, 3)
              << c + QPointF(-4, 17) << c + QPointF(9, -4) << c + QPointF(1, -4);
         QPainterPath forma;
         forma.addPolygon(raio);
         forma.closeSubpath();
         preenche(p, forma, cor::amarelo, CONTORNO_FINO);
     }},
    {"Esgoto", "a água suja que sai das casas e das fábricas pelos canos.",
     [](QPainter& p, const QRectF& r) {
         preenche(p, retangulo(QRectF(r.left() + 2, r.top() + 8, 22, 9), 0), cor::cinza,
                  CONTORNO_FINO);
         QPainterPath jato;
         jato.moveTo(r.left() + 24, r.top() + 10);
         jato.cubicTo(r.left() + 32, r.top() + 12, r.left() + 34, r.top() + 22,
                      r.left() + 32, r.bottom() - 8);
         jato.cubicTo(r.left() + 40, r.bottom() - 2, r.right() - 2, r.bottom() - 6,
                      r.right() - 4, r.bottom() - 12);
         jato.cubicTo(r.left() + 36, r.bottom() - 14, r.left() + 30, r.top() + 16,
                      r.left() + 24, r.top() + 16);
         jato.closeSubpath();
         preenche(p, jato, cor::marrom, 1.2);
         preenche(p, retangulo(QRectF(r.left() + 22, r.top() + 6, 5, 13), 0), cor::cinza,
                  CONTORNO_FINO);
     }},
    {"Microorganismo",
     "ser vivo tão pequeno que só se vê no microscópio. Boia na água e se alimenta dela.",
     [](QPainter& p, const QRectF& r) {
         micro(p, r.center() + QPointF(-5, -4), 8);
         micro(p, r.center() + QPointF(10, 9), 5, cor::roxo);
     }},
    {"Poluição", "tudo o que suja o ambiente ou faz mal aos seres vivos.",
     [](QPainter& p, const QRectF& r) { iconeLixo(p, r.adjusted(2, 2, -2, -2)); }},
};
}  // namespace

// The glossary: each word with a small picture and what it means.
QImage topicoDicionario() {
    constexpr int LARGURA = 467, ALTURA = 484;
    return novaImagem(LARGURA, ALTURA, cor::fundoClaro, [](QPainter& p) {
        tituloTopico(p, QRectF(MARGEM, 4, LARGURA - 2 * MARGEM, 30), t("Dicionário do Lago"),
                     fonte(26), cor::azulEscuro);
        constexpr double TOPO = 44, ENTRE = 3, FIGURA = 34, DENTRO = 6;
        constexpr int N = sizeof(VERBETES) / sizeof(VERBETES[0]);
        const double altura = (ALTURA - TOPO - MARGEM - (N - 1) * ENTRE) / N;
        for (int i = 0; i < N; ++i) {
            const QRectF linha(MARGEM, TOPO + i * (altura + ENTRE), LARGURA - 2 * MARGEM, altura);
            cartao(p, linha, cor::branco, 8, CONTORNO_FINO);
            const QRectF figura(linha.left() + DENTRO, linha.center().y() - FIGURA / 2, FIGURA,
                                FIGURA);
            VERBETES[i].figura(p, figura);
            const QString html = QStringLiteral("<b>%1:</b> %2")
                                     .arg(t(VERBETES[i].palavra), t(VERBETES[i].significado));
            // Rows beside the window's close button keep their text clear of it.
            const double direita = linha.top() <= FECHAR_DICIONARIO.bottom()
                                       ? FECHAR_DICIONARIO.left() - FOLGA_FECHAR
                                       : linha.right() - 8;
            const QRectF texto(figura.right() + 10, linha.top(), direita - figura.right() - 10,
                               linha.height());
            const double h = alturaTexto(html, TEXTO, texto.width());
            escreveTexto(p, texto.adjusted(0, (texto.height() - h) / 2, 0, 0), html, TEXTO);
        }
    });
}

}  // namespace ajuda
