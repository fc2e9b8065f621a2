// Topics about pollution: what it is and how the eco-meter shows it, and
// the nine polluters with what each one harms.
//
// Both pictures fill their window from its top-left corner; the help
// viewer puts its close button over the top-right corner, and over
// "Poluição" also the small button picture at the top left, so those
// corners stay plain. The window is a little shorter than the pictures:
// their last rows are cut off and stay plain too.
#include "tools/ajuda/Ajuda.h"

namespace ajuda {

namespace {
constexpr double MARGEM = 12;
constexpr double VAO = 8;
// Side of the square top-right corner that both pictures keep plain: a
// little more than the close button covers (FECHAR_POLUICAO and
// FECHAR_POLUIDORES).
constexpr int CANTO_FECHAR = 90;


// One kind of pollution: pictogram over its name, in a white card.
void tipoDePoluicao(QPainter& p, const QRectF& r,
                    void (*icone)(QPainter&, const QRectF&), const QString& nome) {
    cartao(p, r, cor::branco, 8);
    icone(p, QRectF(r.center().x() - 20, r.top() + 6, 40, 40));
    escreveLinha(p, QRectF(r.left() + 4, r.top() + 48, r.width() - 8, 20), nome, fonte(14),
                 cor::contorno);
}

// The eco-meter card: the gauge and what each colour means.
void cartaoEcometro(QPainter& p, const QRectF& r) {
    cartao(p, r, cor::branco);
    titulo(p, QRectF(r.left() + 12, r.top() + 6, r.width() - 24, 26), t("O ecômetro"),
           fonte(19));
    const QRectF barra(r.left() + 24, r.top() + 40, 36, 138);
    ecometro(p, barra);
    // What each band means, beside it.
    const double x = barra.right() + 14, largura = r.right() - 12 - x;
    const double meios[] = {barra.top() + barra.height() * 0.2, barra.top() + barra.height() * 0.55,
                            barra.top() + barra.height() * 0.85};
    const QString textos[] = {t("<b>Verde:</b> o lago está saudável."),
                              t("<b>Amarelo:</b> atenção!"),
                              t("<b>Vermelho:</b> o lago está em perigo!")};
    for (int i = 0; i < 3; ++i)
        escreveTexto(p, QRectF(x, meios[i] - 17, largura, 36), textos[i], 15);
    escreveTexto(p, QRectF(r.left() + 12, barra.bottom() + 8, r.width() - 24,
                           r.bottom() - barra.bottom() - 12),
                 t("Ele fica embaixo do lago e mede a energia de todos os seres vivos, do "
                   "fundo e da água."),
                 TEXTO);
}

// Little lake with fish, the middle of the energy diagram.
void laguinho(QPainter& p, const QRectF& r) {
    p.save();
    const QPainterPath forma = retangulo(r, 12);
    p.setClipPath(forma);
    p.fillRect(r, cor::branco);
    agua(p, r, r.top() + 10, cor::aguaClara, 14, 2.5);
    fundoDeAreia(p, r, r.bottom() - 14);
    alga(p, QPointF(r.left() + 14, r.bottom() - 6), 34, 5);
    peixe(p, TipoPeixe::Gordo, QPointF(r.center().x() - 6, r.top() + 38), 44);
    peixe(p, TipoPeixe::Listrado, QPointF(r.center().x() + 34, r.top() + 64), 30, true);
    micro(p, QPointF(r.right() - 12, r.top() + 22), 3.5);
    p.restore();
    preenche(p, forma, Qt::NoBrush, CONTORNO);
}

// Who changes the lake's energy: polluters take it, tools give it back.
void cartaoEnergia(QPainter& p, const QRectF& r) {
    cartao(p, r, cor::branco);
    const QString nome = t("Quem muda a energia do lago?");
    titulo(p, QRectF(r.left() + 12, r.top() + 6, r.width() - 24, 26), nome,
           fonteQueCabe(nome, r.width() - 24, 19, 15));
    const double cx = r.center().x();
    const QRectF lago(cx - 66, r.top() + 48, 132, 100);
    laguinho(p, lago);
    // A polluter on the left takes energy, a character on the right gives
    // it back with a tool.
    const QRectF lancha(r.left() + 12, r.top() + 42, 90, 63);
    poluidor(p, Poluidor::Lancha, lancha);
    seta(p, QPointF(lancha.center().x(), lancha.bottom() + 4),
         QPointF(lago.left() - 4, lago.bottom() - 18), cor::vermelho, 6);
    const QPointF mae(r.right() - 46, r.top() + 74);
    rosto(p, Personagem::Mae, mae, 31);
    seta(p, mae + QPointF(0, 32), QPointF(lago.right() + 4, lago.bottom() - 18), cor::verde, 6);

    const QRectF texto(r.left() + 14, lago.bottom() + 16, r.width() - 28,
                       r.bottom() - lago.bottom() - 18);
    const double usado = lista(p, texto, {t("Cada <b>poluidor</b> que chega <b>tira</b> energia.")},
                               TEXTO, cor::vermelho);
    lista(p, texto.adjusted(0, usado + 8, 0, 0),
          {t("As <b>ferramentas</b> dos personagens <b>devolvem</b> energia.")}, TEXTO,
          cor::verde);
}
}  // namespace

// What pollution is, the four kinds of it, the eco-meter, and how
// polluters and tools change the lake's energy.
QImage topicoPoluicao() {
    constexpr int LARGURA = 689, ALTURA = 440;
    return novaImagem(LARGURA, ALTURA, cor::fundoClaro, [](QPainter& p) {
        // Right of the button picture and left of the close button.
        const double x = CANTO_BOTAO_LARGURA + 14;
        const double larguraTopo = LARGURA - CANTO_FECHAR - x;
        tituloTopico(p, QRectF(x, 12, larguraTopo, 34), t("Poluição"), fonte(28), cor::vermelho);
        escreveTexto(p, QRectF(x, 56, larguraTopo, 36),
                     t("É tudo o que faz mal ao lago e tira energia dos seres que vivem nele."),
                     15);

        // The four kinds of pollution, under the title.
        const double larguraCartao = (LARGURA - MARGEM - x - 3 * VAO) / 4;
        const double topoTipos = CANTO_FECHAR + 6;
        void (*icones[])(QPainter&, const QRectF&) = {iconeLixo, iconeVeneno, iconeBarulho,
                                                      iconePescaDemais};
        const QString nomes[] = {t("Sujeira"), t("Veneno"), t("Barulho"), t("Pesca demais")};
        for (int i = 0; i < 4; ++i)
            tipoDePoluicao(p,
                           QRectF(x + i * (larguraCartao + VAO), topoTipos, larguraCartao, 72),
                           icones[i], nomes[i]);

        // The two cards, from under the button picture down to a margin
        // above the rows that the window cuts off.
        const double topo = CANTO_BOTAO_ALTURA + 10;
        const QRectF esquerda(MARGEM, topo, 300, CORTE_POLUICAO.top() - topo - MARGEM);
        const QRectF direita(esquerda.right() + VAO + 4, topo,
                             LARGURA - MARGEM - esquerda.right() - VAO - 4, esquerda.height());
        cartaoEcometro(p, esquerda);
        cartaoEnergia(p, direita);
    });
}

// ---------------------------------------------------------------- polluters
namespace {
struct DescricaoPoluidor {
    Poluidor qual;
    const char* nome;
    const char* oQueE;       // beside the drawing
    const char* prejudica;   // under the drawing
};

const DescricaoPoluidor POLUIDORES[] = {
    {Poluidor::Draga, "Draga", "Máquina que revolve o fundo do lago.",
     "Prejudica <b>muito</b> o fundo e as algas, e um pouco a água e os peixes."},
    {Poluidor::Agrotoxico, "Agrotóxico", "Avião que pulveriza veneno das plantações.",
     "Prejudica a água, as algas e os microorganismos, e um pouco os peixes e o fundo."},
    {Poluidor::Rede, "Rede de Arrastão", "Rede gigante de pesca.",
     "Leva <b>muitos peixes</b> de uma vez."},
    {Poluidor::Lixo, "Lixo", "Garrafas, latas e sacos jogados no lago.",
     "O lixo afunda e suja o fundo do lago, e um pouco a água."},
    {Poluidor::Lancha, "Lancha", "Barco a motor, rápido e barulhento.",
     "O barulho e o óleo do motor assustam os peixes e sujam um pouco a água."},
    {Poluidor::PescaPredatoria, "Pesca Predatória", "Pesca sem limite.",
     "Leva peixes demais, principalmente o <b>Peixe Gordo</b>."},
    {Poluidor::EsgotoCasas, "Esgoto das casas", "Água suja que sai das casas.",
     "Suja <b>muito</b> a água e o fundo, mas alimenta as algas e os microorganismos."},
    {Poluidor::EsgotoFabricas, "Esgoto das fábricas", "Água suja das fábricas.",
     "<b>Envenena tudo:</b> água, fundo, algas, microorganismos e peixes."},
    {Poluidor::Gasolina, "Vazamento de Gasolina", "Gasolina derramada.",
     "Uma mancha que <b>envenena</b> a água, o fundo e todos os seres."},
};

// One polluter's card: the drawing at the top left, and its name, what it
// is and what it harms flowing around it.
void cartaoPoluidor(QPainter& p, const QRectF& r, const DescricaoPoluidor& d) {
    constexpr double DESENHO_L = 80, DESENHO_A = 56, DENTRO = 7, VAO_DESENHO = 6;
    cartao(p, r, cor::branco);
    const QRectF desenho(r.left() + DENTRO, r.top() + DENTRO, DESENHO_L, DESENHO_A);
    poluidor(p, d.qual, desenho);
    escreveAoLado(p, r.adjusted(DENTRO, DENTRO - 2, -DENTRO, -4),
                  QSizeF(DESENHO_L + VAO_DESENHO, DESENHO_A),
                  QStringLiteral("<span style=\"font-size: 15px\"><b>%1</b></span><br>%2<br>%3")
                      .arg(t(d.nome), t(d.oQueE), t(d.prejudica)),
                  TEXTO_MINIMO);
}
}  // namespace

// The nine polluters, three by three, with what each one harms.
QImage topicoPoluidores() {
    constexpr int LARGURA = 689, ALTURA = 500;
    return novaImagem(LARGURA, ALTURA, cor::fundoClaro, [](QPainter& p) {
        const double larguraTopo = LARGURA - CANTO_FECHAR - MARGEM;
        tituloTopico(p, QRectF(MARGEM, 8, larguraTopo, 34), t("Os Poluidores"), fonte(26),
                     cor::vermelho);
        escreveTexto(p, QRectF(MARGEM, 50, larguraTopo, 38),
                     t("Eles chegam ao lago durante a partida e tiram energia dele. A maioria "
                       "atravessa o lago e vai embora; o <b>esgoto</b> fica até o fim da "
                       "partida."),
                     TEXTO);

        // The cards end a border above the rows that the window cuts off.
        constexpr double BORDA = 8, ENTRE = 4;
        const double topo = CANTO_FECHAR + 2;
        const double largura = (LARGURA - 2 * BORDA - 2 * ENTRE) / 3;
        const double altura = (CORTE_POLUIDORES.top() - topo - BORDA - 2 * ENTRE) / 3;
        for (int i = 0; i < 9; ++i) {
            const int linha = i / 3, coluna = i % 3;
            cartaoPoluidor(p,
                           QRectF(BORDA + coluna * (largura + ENTRE),
                                  topo + linha * (altura + ENTRE), largura, altura),
                           POLUIDORES[i]);
        }
    });
}

}  // namespace ajuda
