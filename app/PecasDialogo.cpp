#include "app/PecasDialogo.h"

#include "core/data/Configuracao.h"
#include "core/data/TextoTutor.h"
#include "core/match/Personagens.h"

#include <QFrame>
#include <QPixmap>
#include <QToolButton>

namespace {
constexpr int ALTURA_RETRATO = 96;  // pixels of the portrait on a button

// A frame that shows the pointer and the keyboard focus; a chosen
// (checked) character is lit up.
constexpr const char* ESTILO_PERSONAGEM =
    "QToolButton { padding: 4px; border: 2px solid transparent; border-radius: 6px; }"
    "QToolButton:hover { border-color: #9cc3e6; }"
    "QToolButton:focus { border-color: #5b8fc7; }"
    "QToolButton:checked { background: #ffe37a; border-color: #d9a400; }";
}

QFrame* linhaSeparadora(QWidget* dono) {
    auto* linha = new QFrame(dono);
    linha->setFrameShape(QFrame::HLine);
    linha->setFrameShadow(QFrame::Sunken);
    return linha;
}

QToolButton* botaoPersonagem(const QString& legenda, uint32_t personagem, QWidget* dono) {
    auto* botao = new QToolButton(dono);
    botao->setText(legenda);
    botao->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    botao->setFocusPolicy(Qt::StrongFocus);
    botao->setStyleSheet(ESTILO_PERSONAGEM);
    const QPixmap retrato(qt(retratoPersonagem(personagem)));
    if (!retrato.isNull()) {
        const QPixmap pequeno = retrato.scaledToHeight(ALTURA_RETRATO, Qt::SmoothTransformation);
        botao->setIcon(pequeno);
        botao->setIconSize(pequeno.size());
    }
    return botao;
}

QString nomeMostrado(const std::string& bytes) { return qt(textoLegivel(bytes)); }

std::string nomeEscolhido(const QString& campo, const std::string& original) {
    if (campo == nomeMostrado(original)) return original;
    return campo.left(static_cast<qsizetype>(MAX_NOME_ARQUIVO)).toStdString();
}
