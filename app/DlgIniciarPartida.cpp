#include "app/DlgIniciarPartida.h"

#include "app/PecasDialogo.h"
#include "core/data/ArquivoFase.h"
#include "core/data/Configuracao.h"
#include "core/data/Fase.h"
#include "core/match/Personagens.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>

namespace {

// The character buttons, by character, with their control ids.
constexpr std::array<const char*, NUM_PERSONAGENS> LEGENDAS = {"&Mãe Natureza", "Pe&scador",
                                                               "&Prefeito", "&Turista"};
constexpr std::array<const char*, NUM_PERSONAGENS> IDS = {"1000", "1001", "1002", "1003"};

// Folders, and files that begin with a pair of numbers: the phase files
// among the game's other data (valores.txt, the licence).
class SoFases : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int linha, const QModelIndex& pai) const override {
        const auto* arquivos = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!arquivos) return true;
        const QModelIndex indice = arquivos->index(linha, 0, pai);
        if (arquivos->isDir(indice)) return true;
        QFile arquivo(arquivos->filePath(indice));
        if (!arquivo.open(QIODevice::ReadOnly)) return false;
        constexpr qint64 INICIO = 256;  // bytes: enough for the first pair
        const QByteArray bytes = arquivo.read(INICIO);
        return !leArquivoFase(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))
                    .pares.empty();
    }
};

}  // namespace

DlgIniciarPartida::DlgIniciarPartida(QWidget* dono, uint32_t personagemAtual,
                                     const std::string& faseAtual)
    : QDialog(dono), personagem(personagemAtual), faseOriginal(faseAtual), fase(faseAtual) {
    setWindowTitle("Iniciar Partida");
    auto* coluna = new QVBoxLayout(this);

    // The characters.
    coluna->addWidget(new QLabel("Escolhe teu personagem:", this));
    auto* grade = new QGridLayout;
    for (uint32_t c = 0; c < NUM_PERSONAGENS; ++c) {
        QToolButton* botao = botaoPersonagem(qt(LEGENDAS[c]), c, this);
        botao->setObjectName(IDS[c]);
        botao->setCheckable(true);  // the chosen one stays pressed, lit up
        botao->setAutoExclusive(true);
        grade->addWidget(botao, 0, static_cast<int>(c));
        connect(botao, &QToolButton::clicked, this, [this, c] { mEscolhe(c); });
    }
    coluna->addLayout(grade);
    auto* rotulo = new QLabel("Escolhido", this);
    rotulo->setAlignment(Qt::AlignHCenter);
    coluna->addWidget(rotulo);
    escolhido = new QLabel("nenhum", this);
    escolhido->setObjectName("1004");
    escolhido->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    escolhido->setAlignment(Qt::AlignCenter);
    QFont destaque = escolhido->font();
    destaque.setBold(true);
    escolhido->setFont(destaque);
    coluna->addWidget(escolhido);
    coluna->addWidget(linhaSeparadora(this));

    // The phase file.
    auto* linhaFase = new QHBoxLayout;
    auto* rotuloFase = new QLabel("Arquivo de Fase:", this);
    campoFase = new QLineEdit(nomeMostrado(fase), this);
    campoFase->setObjectName("1005");
    campoFase->setMaxLength(static_cast<int>(MAX_NOME_ARQUIVO));
    rotuloFase->setBuddy(campoFase);
    auto* procurar = new QToolButton(this);
    procurar->setObjectName("1006");
    procurar->setText("...");
    procurar->setToolTip("Escolher um arquivo de fase da pasta dp");
    linhaFase->addWidget(rotuloFase);
    linhaFase->addWidget(campoFase, 1);
    linhaFase->addWidget(procurar);
    coluna->addLayout(linhaFase);
    connect(campoFase, &QLineEdit::textChanged, this,
            [this](const QString& texto) { fase = nomeEscolhido(texto, faseOriginal); });
    connect(procurar, &QToolButton::clicked, this, &DlgIniciarPartida::mProcuraFase);

    // Starting or not.
    auto* botoes = new QDialogButtonBox(this);
    QPushButton* iniciar = botoes->addButton("&Iniciar Partida", QDialogButtonBox::AcceptRole);
    iniciar->setObjectName("1");
    iniciar->setDefault(true);
    QPushButton* cancelar = botoes->addButton("&Cancelar", QDialogButtonBox::RejectRole);
    cancelar->setObjectName("2");
    coluna->addWidget(botoes);
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);

    mEscolhe(personagem);
    QToolButton* atual = findChild<QToolButton*>(IDS[personagem]);
    atual->setChecked(true);
    atual->setFocus();
}

void DlgIniciarPartida::mProcuraFase() {
    QFileDialog dialogo(this, "Escolher arquivo de fase", QDir::current().filePath(PASTA_FASES),
                        "Arquivos de fase (*.txt *.fase)");
    dialogo.setOption(QFileDialog::DontUseNativeDialog);  // the filter below needs Qt's own
    dialogo.setFileMode(QFileDialog::ExistingFile);
    dialogo.setProxyModel(new SoFases(&dialogo));
    if (dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty())
        campoFase->setText(nomeDaFaseEscolhida(dialogo.selectedFiles().front()));
}

QString nomeDaFaseEscolhida(const QString& caminho) {
    const QString relativo = QDir::current().relativeFilePath(caminho);
    return relativo.startsWith("..") || QDir::isAbsolutePath(relativo) ? QDir::cleanPath(caminho) : relativo;
}

void DlgIniciarPartida::mEscolhe(uint32_t novo) {
    personagem = novo;
    escolhido->setText(qt(nomePersonagem(personagem)));
}
