#include "app/DlgConfigurar.h"

#include "app/PecasDialogo.h"
#include "core/data/Configuracao.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr const char* MARCA_ESCOLHIDO = ">>>";
constexpr const char* MARCA_VAZIA = " ";

// A size button with its marker to the left.
QPushButton* botaoTamanho(const char* legenda, const char* id, QLabel* marca, QHBoxLayout* linha,
                          QWidget* dono) {
    auto* botao = new QPushButton(QString::fromUtf8(legenda), dono);
    botao->setObjectName(id);
    botao->setAutoDefault(false);
    marca->setMinimumWidth(marca->fontMetrics().horizontalAdvance(MARCA_ESCOLHIDO) + 4);
    marca->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    linha->addWidget(marca);
    linha->addWidget(botao);
    return botao;
}

}  // namespace

DlgConfigurar::DlgConfigurar(QWidget* dono, const std::string& faseSugerida,
                             uint32_t tamanhoAtual)
    : QDialog(dono), faseOriginal(faseSugerida), tamanho(tamanhoAtual) {
    setWindowTitle("Configurar");
    auto* coluna = new QVBoxLayout(this);

    // The suggested phase file.
    auto* linhaFase = new QHBoxLayout;
    auto* rotuloFase = new QLabel("Arquivo de fase sugerido:", this);
    fase = new QLineEdit(nomeMostrado(faseSugerida), this);
    fase->setObjectName("1001");
    fase->setMaxLength(static_cast<int>(MAX_NOME_ARQUIVO));
    fase->setMinimumWidth(260);
    rotuloFase->setBuddy(fase);
    linhaFase->addWidget(rotuloFase);
    linhaFase->addWidget(fase, 1);
    coluna->addLayout(linhaFase);
    auto* explicacao = new QLabel(qt("Altera o nome do arquivo de fase que será inicialmente "
                                     "sugerido no começo de cada partida."),
                                  this);
    explicacao->setWordWrap(true);
    coluna->addWidget(explicacao);
    coluna->addWidget(linhaSeparadora(this));

    // The window size.
    auto* linhaTamanho = new QHBoxLayout;
    linhaTamanho->addWidget(new QLabel("Tamanho da janela principal:", this));
    marcaPequena = new QLabel(this);
    marcaPequena->setObjectName("1006");
    marcaGrande = new QLabel(this);
    marcaGrande->setObjectName("1007");
    QPushButton* pequena = botaoTamanho("&Pequena", "1002", marcaPequena, linhaTamanho, this);
    QPushButton* grande = botaoTamanho("&Grande", "1003", marcaGrande, linhaTamanho, this);
    linhaTamanho->addStretch();
    coluna->addLayout(linhaTamanho);
    auto* nota = new QLabel(qt("Alterações no tamanho da janela principal somente terão efeito na "
                               "próxima execução deste programa."),
                            this);
    nota->setWordWrap(true);
    coluna->addWidget(nota);
    coluna->addWidget(linhaSeparadora(this));

    // Closing.
    auto* botoes = new QDialogButtonBox(this);
    QPushButton* fechar = botoes->addButton("&Fechar", QDialogButtonBox::AcceptRole);
    fechar->setObjectName("1");
    fechar->setDefault(true);
    coluna->addWidget(botoes);

    connect(pequena, &QPushButton::clicked, this, [this] {
        tamanho = TAMANHO_JANELA_PEQUENA;
        mMarca();
    });
    connect(grande, &QPushButton::clicked, this, [this] {
        tamanho = TAMANHO_JANELA_GRANDE;
        mMarca();
    });
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    mMarca();
    fase->setFocus();
}

std::string DlgConfigurar::mFase() const { return nomeEscolhido(fase->text(), faseOriginal); }

void DlgConfigurar::mMarca() {
    marcaPequena->setText(tamanho == TAMANHO_JANELA_PEQUENA ? MARCA_ESCOLHIDO : MARCA_VAZIA);
    marcaGrande->setText(tamanho == TAMANHO_JANELA_GRANDE ? MARCA_ESCOLHIDO : MARCA_VAZIA);
}
