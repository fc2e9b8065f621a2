#include "app/DlgTexto.h"

#include "app/PecasDialogo.h"
#include "core/data/Configuracao.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

DlgTexto::DlgTexto(QWidget* dono, const char* titulo, const char* rotulo, const std::string& inicial,
                   int maxCaracteres)
    : QDialog(dono) {
    setWindowTitle(qt(titulo));
    auto* coluna = new QVBoxLayout(this);
    auto* legenda = new QLabel(qt(rotulo), this);
    campo = new QLineEdit(qt(inicial), this);
    campo->setObjectName("1000");
    campo->setMaxLength(maxCaracteres);
    campo->setMinimumWidth(320);
    legenda->setBuddy(campo);
    coluna->addWidget(legenda);
    coluna->addWidget(campo);

    auto* botoes = new QDialogButtonBox(this);
    QPushButton* aceitar = botoes->addButton("Aceitar", QDialogButtonBox::AcceptRole);
    aceitar->setObjectName("1");
    aceitar->setDefault(true);
    botoes->addButton("Cancelar", QDialogButtonBox::RejectRole)->setObjectName("2");
    coluna->addWidget(botoes);
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    campo->setFocus();
}

std::string DlgTexto::mTexto() const { return campo->text().left(campo->maxLength()).toStdString(); }
