// A dialog that asks for one line of text: a label, an edit field and the
// buttons "Aceitar" (the default) and "Cancelar". The tutor link asks for
// the tutor's computer and port with it.
#pragma once

#include <QDialog>

#include <string>

class QLineEdit;

class DlgTexto : public QDialog {
public:
    DlgTexto(QWidget* dono, const char* titulo, const char* rotulo, const std::string& inicial,
             int maxCaracteres);

    // The edit field's text, at most maxCaracteres characters.
    std::string mTexto() const;

private:
    QLineEdit* campo;
};
