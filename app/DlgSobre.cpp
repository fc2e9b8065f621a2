#include "app/DlgSobre.h"

#include "app/PecasDialogo.h"
#include "app/ProgramasExternos.h"
#include "core/platform/Plataforma.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr const char* TEXTO_SEM_LICENCA =
    "Não é possível exibir a licensa, tente lê-la diretamente do arquivo dp/gnu-gpl.txt.\n"
    "Caso isso não seja possível, tente obtê-la contactando:\n"
    "   Free Software Foundation, Inc.,\n"
    "   675 Mass Ave, Cambridge, MA 02139, USA.";

struct Credito {
    const char* papel;
    const char* quem;
};
constexpr Credito CREDITOS[] = {
    {"Ideia e conteúdo de ecologia:", "Equipe QELP"},
    {"Programação:", "Equipe QELP"},
    {"Desenhos, modelos 3D e sons:", "Equipe QELP"},
};

}  // namespace

DlgSobre::DlgSobre(QWidget* dono) : QDialog(dono) {
    setWindowTitle("Sobre");
    auto* coluna = new QVBoxLayout(this);

    auto* titulo = new QLabel("QELP - Tarvelo 1.0", this);
    QFont grande = titulo->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.6);
    grande.setBold(true);
    titulo->setFont(grande);
    titulo->setAlignment(Qt::AlignHCenter);
    coluna->addWidget(titulo);
    auto* subtitulo = new QLabel(qt("A vida no lago: um jogo de ecologia para a escola"), this);
    subtitulo->setAlignment(Qt::AlignHCenter);
    coluna->addWidget(subtitulo);

    auto* grupo = new QGroupBox("Desenvolvimento", this);
    auto* creditos = new QFormLayout(grupo);
    for (const Credito& credito : CREDITOS)
        creditos->addRow(qt(credito.papel), new QLabel(qt(credito.quem), grupo));
    coluna->addWidget(grupo);

    auto* licenca = new QLabel(
        qt("Este programa é software livre; você pode redistribuí-lo e/ou modificá-lo sob os "
           "termos da Licença Pública Geral GNU, versão 2 ou (a seu critério) qualquer versão "
           "posterior, publicada pela Free Software Foundation. Ele é distribuído na esperança de "
           "que seja útil, mas SEM NENHUMA GARANTIA."),
        this);
    licenca->setWordWrap(true);
    coluna->addWidget(licenca);
    coluna->addWidget(linhaSeparadora(this));

    auto* botoes = new QDialogButtonBox(this);
    QPushButton* mostra = botoes->addButton(qt("&Licensa de Distribuição..."),
                                            QDialogButtonBox::ActionRole);
    mostra->setAutoDefault(false);
    QPushButton* fechar = botoes->addButton("&Fechar", QDialogButtonBox::RejectRole);
    fechar->setDefault(true);
    coluna->addWidget(botoes);
    connect(mostra, &QPushButton::clicked, this, &DlgSobre::mMostraLicenca);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setMinimumWidth(420);
}

void DlgSobre::mMostraLicenca() {
    ProcessoExterno visualizador;
    if (const std::string editor = editorTexto(); !editor.empty())
        plataforma().mIniciaPrograma({editor, ARQUIVO_LICENCA}, visualizador);
    if (!plataforma().mProgramaRodando(visualizador)) mostraAviso(TEXTO_SEM_LICENCA);
}
