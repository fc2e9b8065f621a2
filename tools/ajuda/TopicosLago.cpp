// Topics about the lake's life: the water and the bottom, the algae and
// micro-organisms, and the fish with their food chain.
#include "tools/ajuda/Ajuda.h"

namespace ajuda {

namespace {
constexpr int TAMANHO_TITULO = 24;
constexpr double MARGEM = 12;
constexpr double ALTURA_TITULO = 30;
constexpr double FOLGA_FECHAR = 2;  // between the drawing and the close button's area
}  // namespace

// The water feeds the micro-organisms, the bottom feeds the algae; pollution
// stops that. A cross-section on the left, the explanation on the right.
QImage topicoAgua() {
    constexpr int LARGURA = 389, ALTURA = 225;
    return novaImagem(LARGURA, ALTURA, cor::fundoClaro, [](QPainter& p) {
        tituloTopico(p, QRectF(MARGEM, 4, LARGURA - 2 * MARGEM, 28), t("Água e Fundo do Lago"),
                     fonte(22), cor::agua);

        // Cross-section of the lake.
        constexpr double TOPO = 42;
        const QRectF corte(MARGEM, TOPO, 116, ALTURA - TOPO - MARGEM);
        const double superficie = corte.top() + 16, fundo = corte.bottom() - 44;
        p.save();
        p.setClipPath(retangulo(corte, 10));
        p.fillRect(corte, cor::branco);
        agua(p, corte, superficie, cor::aguaClara, 16, 3);
        fundoDeAreia(p, corte, fundo);
        alga(p, QPointF(corte.left() + 30, fundo + 6), 52, 8);
        alga(p, QPointF(corte.left() + 96, fundo + 4), 40, -6);
        micro(p, QPointF(corte.left() + 64, superficie + 22), 6);
        micro(p, QPointF(corte.left() + 96, superficie + 34), 5, cor::roxo);
        micro(p, QPointF(corte.left() + 30, superficie + 30), 4.5);
        p.restore();
        preenche(p, retangulo(corte, 10), Qt::NoBrush, CONTORNO);
        etiqueta(p, QPointF(corte.left() + 76, superficie + 62), t("água"), 13);
        etiqueta(p, QPointF(corte.center().x(), corte.bottom() - 14), t("fundo do lago"), 13);
        // What feeds whom, with small arrows.
        seta(p, QPointF(corte.left() + 72, superficie + 52),
             QPointF(corte.left() + 67, superficie + 32), cor::verde, 4);
        seta(p, QPointF(corte.left() + 52, corte.bottom() - 22),
             QPointF(corte.left() + 38, fundo - 12), cor::verde, 4);

        const QRectF texto(corte.right() + 12, TOPO, LARGURA - corte.right() - 12 - MARGEM,
                           ALTURA - TOPO - 6);
        const QStringList itens{
            t("O <b>fundo do lago</b> alimenta as <b>algas</b>."),
            t("A <b>água</b> alimenta os <b>microorganismos</b>."),
            t("Se o fundo ou a água ficam muito poluídos, param de alimentar, e as algas e "
              "os microorganismos passam fome."),
        };
        const double usado = lista(p, texto, itens, TEXTO_MINIMO, cor::agua, 4);
        escreveTexto(p, texto.adjusted(0, usado + 7, 0, 0),
                     t("<b>Limpar o fundo e a água ajuda o lago inteiro!</b>"), TEXTO_MINIMO,
                     cor::verde);
    });
}

// Algae and micro-organisms: where they live, what they eat, how they
// multiply and die, and who eats them.
QImage topicoMicro() {
    constexpr int LARGURA = 362, ALTURA = 384;
    return novaImagem(LARGURA, ALTURA, cor::fundoClaro, [](QPainter& p) {
        // The title and the two cards stop short of the window's close
        // button, over the picture's top-right corner; the list under them
        // has the whole width, and everything ends above the rows that the
        // window cuts off.
        const double direitaTopo = FECHAR_MICRO.left() - FOLGA_FECHAR;
        const QString nome = t("Microorganismos e Plantas");
        const QRectF faixaTitulo(MARGEM, 6, direitaTopo - MARGEM, ALTURA_TITULO);
        tituloTopico(p, faixaTitulo, nome,
                     fonteQueCabe(nome, faixaTitulo.width(), TAMANHO_TITULO, 18), cor::verde);

        constexpr double TOPO = 46, ALTURA_CARTAO = 146, VAO = 8;
        const double largura = (direitaTopo - MARGEM - VAO) / 2;
        const QRectF esquerda(MARGEM, TOPO, largura, ALTURA_CARTAO);
        const QRectF direita(MARGEM + largura + VAO, TOPO, largura, ALTURA_CARTAO);

        // Algae: rooted on the sandy bottom.
        cartao(p, esquerda, cor::branco);
        titulo(p, QRectF(esquerda.left() + 8, TOPO + 4, largura - 16, 22), t("Algas"), fonte(16));
        const QRectF cenaAlga(esquerda.left() + 8, TOPO + 28, largura - 16, 64);
        p.save();
        p.setClipPath(retangulo(cenaAlga, 6));
        p.fillRect(cenaAlga, cor::aguaClara);
        fundoDeAreia(p, cenaAlga, cenaAlga.bottom() - 16);
        alga(p, QPointF(cenaAlga.left() + 28, cenaAlga.bottom() - 10), 50, 7);
        alga(p, QPointF(cenaAlga.left() + 60, cenaAlga.bottom() - 12), 40, -6);
        alga(p, QPointF(cenaAlga.left() + 120, cenaAlga.bottom() - 10), 46, 6);
        p.restore();
        preenche(p, retangulo(cenaAlga, 6), Qt::NoBrush, CONTORNO_FINO);
        escreveTexto(p, QRectF(esquerda.left() + 8, cenaAlga.bottom() + 5, largura - 16, 48),
                     t("Crescem presas no <b>fundo do lago</b> e se alimentam dele."),
                     TEXTO_MINIMO);

        // Micro-organisms: floating in the water, seen through a lens.
        cartao(p, direita, cor::branco);
        titulo(p, QRectF(direita.left() + 8, TOPO + 4, largura - 16, 22),
               t("Microorganismos"), fonteQueCabe(t("Microorganismos"), largura - 16, 16, 13));
        const QRectF cenaMicro(direita.left() + 8, TOPO + 28, largura - 16, 64);
        p.save();
        p.setClipPath(retangulo(cenaMicro, 6));
        p.fillRect(cenaMicro, cor::aguaClara);
        micro(p, cenaMicro.topLeft() + QPointF(16, 18), 4);
        micro(p, cenaMicro.topLeft() + QPointF(26, 52), 3.5, cor::roxo);
        micro(p, cenaMicro.topLeft() + QPointF(132, 50), 4);
        const QPointF lente = cenaMicro.topLeft() + QPointF(76, 31);
        p.setPen(caneta(7));
        p.drawLine(lente + QPointF(20, 20), lente + QPointF(34, 34));
        p.setPen(caneta(4, cor::marrom));
        p.drawLine(lente + QPointF(21, 21), lente + QPointF(33, 33));
        preenche(p, elipse(lente, 27, 27), cor::branco, 0);
        micro(p, lente + QPointF(-9, -5), 8.5);
        micro(p, lente + QPointF(11, 8), 6.5, cor::roxo);
        micro(p, lente + QPointF(10, -12), 4.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(caneta(4, cor::cinza));
        p.drawEllipse(lente, 27, 27);
        p.setPen(caneta(CONTORNO_FINO));
        p.drawEllipse(lente, 29, 29);
        p.restore();
        preenche(p, retangulo(cenaMicro, 6), Qt::NoBrush, CONTORNO_FINO);
        escreveTexto(p, QRectF(direita.left() + 8, cenaMicro.bottom() + 5, largura - 16, 48),
                     t("São muito pequenos. Boiam e se alimentam da <b>água</b>."),
                     TEXTO_MINIMO);

        const QRectF resto(MARGEM, TOPO + ALTURA_CARTAO + 10, LARGURA - 2 * MARGEM,
                           CORTE_MICRO.top() - TOPO - ALTURA_CARTAO - 10 - MARGEM);
        const QStringList itens{
            t("Quando têm bastante energia, eles <b>brotam</b>: nascem novas algas e novos "
              "microorganismos."),
            t("Vivem um tempo e morrem de velhice."),
            t("As algas são comida do <b>Peixe Listrado</b>."),
            t("Os microorganismos são comida do <b>Peixe Listrado</b> e do <b>Peixe Azul</b>."),
        };
        const double usado = lista(p, resto, itens, TEXTO_MINIMO, cor::verde, 5);
        escreveTexto(p, resto.adjusted(0, usado + 8, 0, 0),
                     t("<b>Sem eles, os peixes passam fome!</b>"), TEXTO,
                     cor::vermelho);
    });
}

// The three fish, the food chain with "come" arrows, and how fish live.
QImage topicoPeixe() {
    constexpr int LARGURA = 407, ALTURA = 397;
    return novaImagem(LARGURA, ALTURA, cor::fundoClaro, [](QPainter& p) {
        tituloTopico(p, QRectF(MARGEM, 6, 200, ALTURA_TITULO), t("Os Peixes"), fonte(TAMANHO_TITULO),
                     cor::laranja);
        // Legend of the arrows, clear of the window's close button.
        seta(p, QPointF(244, 21), QPointF(280, 21), cor::vermelho, 5);
        constexpr double X_LEGENDA = 286;
        escreveLinha(p, QRectF(X_LEGENDA, 8, FECHAR_PEIXE.left() - FOLGA_FECHAR - X_LEGENDA, 26),
                     t("= come"), fonte(15, true), cor::contorno, Qt::AlignLeft | Qt::AlignVCenter);

        // Food chain: the big fish on top, its food below.
        const QRectF cadeia(MARGEM, 44, LARGURA - 2 * MARGEM, 192);
        cartao(p, cadeia, cor::aguaClara);
        const QPointF gordo(196, 72), azul(86, 130), listrado(318, 130);
        const QPointF micros(86, 210), algas(318, 212);
        // Arrows first, so the fish and names sit on top.
        constexpr double GROSSURA = 5;
        seta(p, QPointF(160, 88), QPointF(116, 110), cor::vermelho, GROSSURA);
        seta(p, QPointF(232, 88), QPointF(286, 110), cor::vermelho, GROSSURA);
        seta(p, QPointF(134, 130), QPointF(274, 130), cor::vermelho, GROSSURA);
        seta(p, QPointF(86, 166), QPointF(86, 194), cor::vermelho, GROSSURA);
        seta(p, QPointF(284, 166), QPointF(116, 206), cor::vermelho, GROSSURA);
        seta(p, QPointF(318, 168), QPointF(318, 190), cor::vermelho, GROSSURA);

        peixe(p, TipoPeixe::Gordo, gordo, 80);
        peixe(p, TipoPeixe::Azul, azul, 84);
        peixe(p, TipoPeixe::Listrado, listrado, 68);
        for (const QPointF d : {QPointF(-18, 0), QPointF(0, -6), QPointF(18, 2)})
            micro(p, micros + d, 6.5, d.y() < 0 ? cor::roxo : cor::verdeClaro);
        alga(p, algas + QPointF(-10, 18), 36, 5);
        alga(p, algas + QPointF(10, 18), 30, -5);

        const int nome = 13;
        etiqueta(p, gordo + QPointF(104, -10), t("Peixe Gordo"), nome);
        etiqueta(p, azul + QPointF(0, 24), t("Peixe Azul"), nome);
        etiqueta(p, listrado + QPointF(0, 26), t("Peixe Listrado"), nome);
        etiqueta(p, micros + QPointF(92, 12), t("microorganismos"), nome);
        etiqueta(p, algas + QPointF(44, 6), t("algas"), nome);

        // How fish live.
        const QRectF fatos(MARGEM, cadeia.bottom() + 8, LARGURA - 2 * MARGEM,
                           ALTURA - cadeia.bottom() - 8 - MARGEM);
        cartao(p, fatos, cor::branco);
        const QStringList itens{
            t("Um peixe só come quando está com <b>fome</b>."),
            t("Comendo, ele ganha <b>energia</b>. Mas perde um pouco de energia o tempo todo."),
            t("De vez em quando, cada peixe nada até o seu lugar no lago para <b>desovar</b>, "
              "e nascem filhotes."),
            t("Cada espécie chega a no máximo <b>16 peixes</b>."),
            t("Um peixe sem energia morre."),
        };
        lista(p, fatos.adjusted(10, 7, -10, -5), itens, TEXTO_MINIMO, cor::laranja, 3);
    });
}

}  // namespace ajuda
