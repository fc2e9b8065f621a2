#include "CDlgFiguras.h"

#include "UnidadesDialogo.h"

#include <QMessageBox>

#include <map>

namespace {
// Room left after a picture that reaches the window's edge: the margin the
// templates give the pictures placed at their corner.
constexpr int MARGEM_FIGURA = 2;  // dialog units

// The template's size, grown where needed to hold every picture whole and
// the margin after it.
QSize tamanhoJanela(const ModeloDialogo& modelo, const UnidadesDialogo& unidades,
                    const std::vector<CBotaoFigura*>& botoes) {
    QSize tamanho(unidades.mX(modelo.largura), unidades.mY(modelo.altura));
    const QSize margem(unidades.mX(MARGEM_FIGURA), unidades.mY(MARGEM_FIGURA));
    for (const CBotaoFigura* botao : botoes)
        if (!botao->size().isEmpty())
            tamanho = tamanho.expandedTo(QSize(botao->x() + botao->width(),
                                               botao->y() + botao->height()) + margem);
    return tamanho;
}
}  // namespace

CDlgFiguras::CDlgFiguras(const ModeloDialogo& modelo, FonteFiguras fonte, QWidget* pai)
    : QDialog(pai) {
    setWindowTitle(modelo.titulo);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(fonteDialogo(modelo.pontosFonte));
    const UnidadesDialogo unidades(font());

    for (const BotaoModelo& b : modelo.botoes) {
        auto* botao = new CBotaoFigura(b.id, this);
        botao->move(unidades.mX(b.x), unidades.mY(b.y));
        botoes.push_back(botao);
    }
    fechar = new QPushButton(QStringLiteral("FECHAR"), this);
    fechar->setGeometry(unidades.mRetangulo(modelo.fechar.x, modelo.fechar.y,
                                            modelo.fechar.largura, modelo.fechar.altura));
    fechar->setDefault(true);
    fechar->setFocus();
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);

    mCarregaFiguras(modelo, fonte);
    setFixedSize(tamanhoJanela(modelo, unidades, botoes));
}

void CDlgFiguras::mCarregaFiguras(const ModeloDialogo& modelo, const FonteFiguras& fonte) {
    std::map<QString, QImage> figuras;
    for (const QString& nome : modelo.ordemCarga) {
        QImage figura = fonte(nome);
        if (figura.isNull()) {
            QMessageBox::warning(this, modelo.titulo,
                                 QStringLiteral("A required resource was unavailable."));
            return;
        }
        figuras[nome] = std::move(figura);
    }
    for (std::size_t i = 0; i < botoes.size(); ++i) {
        const auto achada = figuras.find(modelo.botoes[i].bitmap);
        if (achada != figuras.end()) botoes[i]->mDefineFigura(achada->second);
    }
}

CBotaoFigura* CDlgFiguras::mBotao(int id) const {
    for (CBotaoFigura* botao : botoes)
        if (botao->mId() == id) return botao;
    return nullptr;
}
