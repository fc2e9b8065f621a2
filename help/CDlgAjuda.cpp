#include "CDlgAjuda.h"

#include "CDlgTopico.h"

#include <QTimer>

CDlgAjuda::CDlgAjuda(FonteFiguras novaFonte, QWidget* pai)
    : CDlgFiguras(modeloPrincipal(), novaFonte, pai), fonte(std::move(novaFonte)) {
    for (const EntradaPrincipal& entrada : entradasPrincipais()) {
        const int topico = entrada.topico;
        CBotaoFigura* botao = mBotao(entrada.botao.id);
        connect(botao, &QAbstractButton::clicked, this, [this, topico] { mAbreTopico(topico); });
        // The hand says "click here" over a picture that opens a topic.
        if (botao->isEnabled()) botao->setCursor(Qt::PointingHandCursor);
    }
}

void CDlgAjuda::mAbreTopico(int modelo) {
    const ModeloDialogo* topico = modeloTopico(modelo);
    if (!topico) return;
    CDlgTopico dialogo(*topico, fonte, this);
    if (aoAbrirTopico) QTimer::singleShot(0, &dialogo, [this, &dialogo] { aoAbrirTopico(dialogo); });
    dialogo.exec();
}
