// Pens, paths and shapes shared by the picture generators.
#include "tools/comum/Desenho.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace comum {

QFont fonteDejaVu(int pixels, bool negrito) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(negrito);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPen caneta(double largura, const QColor& c) {
    QPen k(c, largura);
    k.setJoinStyle(Qt::RoundJoin);
    k.setCapStyle(Qt::RoundCap);
    return k;
}

void preenche(QPainter& p, const QPainterPath& caminho, const QBrush& pincel, double contorno) {
    p.setBrush(pincel);
    if (contorno > 0)
        p.setPen(caneta(contorno));
    else
        p.setPen(Qt::NoPen);
    p.drawPath(caminho);
}

QPainterPath elipse(QPointF centro, double rx, double ry) {
    QPainterPath c;
    c.addEllipse(centro, rx, ry);
    return c;
}

QPainterPath retangulo(const QRectF& r, double raio) {
    QPainterPath c;
    if (raio > 0)
        c.addRoundedRect(r, raio, raio);
    else
        c.addRect(r);
    return c;
}

QPainterPath poligono(const QPolygonF& pontos) {
    QPainterPath c;
    c.moveTo(pontos.first());
    for (qsizetype i = 1; i < pontos.size(); ++i) c.lineTo(pontos[i]);
    c.closeSubpath();
    return c;
}

void ondas(QPainterPath& caminho, double de, double ate, double nivel, double onda,
           double altura) {
    for (double x = de; x < ate; x += onda) {
        caminho.quadTo(x + onda / 4, nivel - altura, x + onda / 2, nivel);
        caminho.quadTo(x + onda * 3 / 4, nivel + altura, x + onda, nivel);
    }
}

QPainterPath raiosDeSol(double raio, int quantos, double abertura, double longoPar,
                        double longoImpar) {
    QPainterPath raios;
    for (int i = 0; i < quantos; ++i) {
        const double a = i * 2 * std::numbers::pi / quantos;
        const double meia = std::numbers::pi / quantos * abertura;
        const double longo = raio * (i % 2 == 0 ? longoPar : longoImpar);
        QPolygonF t;
        t << QPointF(std::cos(a - meia) * raio * 0.9, std::sin(a - meia) * raio * 0.9)
          << QPointF(std::cos(a) * longo, std::sin(a) * longo)
          << QPointF(std::cos(a + meia) * raio * 0.9, std::sin(a + meia) * raio * 0.9);
        raios.addPolygon(t);
        raios.closeSubpath();
    }
    return raios;
}

QPainterPath folhaPontuda(double tamanho, double bojoBase, double bojoPonta) {
    QPainterPath folha;
    folha.moveTo(0, 0);
    folha.cubicTo(tamanho * bojoBase, -tamanho * 0.3, tamanho * bojoPonta, -tamanho * 0.8, 0,
                  -tamanho);
    folha.cubicTo(-tamanho * bojoPonta, -tamanho * 0.8, -tamanho * bojoBase, -tamanho * 0.3, 0,
                  0);
    return folha;
}

QPainterPath folhaDeAguape(double t) {
    QPainterPath folha;
    folha.moveTo(0, 0);
    folha.cubicTo(-t * 0.9, -t * 0.5, -t * 0.8, -t * 1.7, 0, -t * 1.7);
    folha.cubicTo(t * 0.8, -t * 1.7, t * 0.9, -t * 0.5, 0, 0);
    return folha;
}

PontaDeCaminho pontaDe(const QPainterPath& caminho) {
    const QPointF ponta = caminho.pointAtPercent(1);
    const double angulo = -caminho.angleAtPercent(1) * std::numbers::pi / 180;
    const QPointF frente(std::cos(angulo), std::sin(angulo));
    return {ponta, frente, QPointF(-frente.y(), frente.x())};
}

void alga(QPainter& p, QPointF pe, double altura, double balanco, const EstiloAlga& estilo) {
    auto ponto = [&](double t) {
        return QPointF(pe.x() + balanco * std::sin(t * std::numbers::pi * 1.3) * t,
                       pe.y() - altura * t);
    };
    QPainterPath caule;
    caule.moveTo(pe);
    constexpr int PASSOS = 24;
    for (int i = 1; i <= PASSOS; ++i) caule.lineTo(ponto(static_cast<double>(i) / PASSOS));
    const double grossura = std::max(estilo.grossuraMinima, altura * estilo.grossuraRelativa);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(caneta(grossura + 2 * estilo.contorno));
    p.drawPath(caule);
    for (int i = 0; i < estilo.folhas; ++i) {
        const double t = 0.15 + 0.8 * i / estilo.folhas;
        const double lado = i % 2 == 0 ? 1.0 : -1.0;
        const double tamanho = altura * estilo.folhaRelativa * (1.1 - t * 0.6);
        p.save();
        p.translate(ponto(t));
        p.rotate(lado * 55 - 10 * lado * t);
        estilo.pintaFolha(p, folhaPontuda(tamanho, estilo.bojoFolha, estilo.bojoFolha), tamanho);
        p.restore();
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(estilo.caule, grossura, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(caule);
    p.restore();
}

}  // namespace comum
