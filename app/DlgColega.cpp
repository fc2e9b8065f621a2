#include "app/DlgColega.h"

#include "app/PecasDialogo.h"
#include "core/match/Personagens.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>

namespace {
constexpr std::array<const char*, NUM_COLEGAS> IDS = {"1000", "1001", "1002"};
}

DlgColega::DlgColega(QWidget* dono, uint32_t personagem) : QDialog(dono) {
    setWindowTitle("QELP");
    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(new QLabel("Colega deve escolher o personagem:", this));
    auto* linha = new QHBoxLayout;
    const std::array<uint32_t, NUM_COLEGAS> colegas = colegasPossiveis(personagem);
    for (std::size_t i = 0; i < NUM_COLEGAS; ++i) {
        const uint32_t c = colegas[i];
        QToolButton* botao = botaoPersonagem(qt(nomePersonagem(c)), c, this);
        botao->setObjectName(IDS[i]);
        linha->addWidget(botao);
        connect(botao, &QToolButton::clicked, this, [this, c] {
            colega = c;
            accept();
        });
    }
    coluna->addLayout(linha);
}
