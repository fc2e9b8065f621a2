// What the two picture generators' programs share around the drawing: the
// font check, the output directory, the options that write review sheets,
// and the named pictures those sheets are made of.
#pragma once

#include <QDir>
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace comum {

// A picture and its file name without extension.
struct Quadro {
    QString nome;
    QImage imagem;
};

// The picture with this name (an empty image when missing).
const QImage& acha(const std::vector<Quadro>& quadros, const QString& nome);

// Stops with a message when the font did not come out as DejaVu Sans:
// another font would change the pictures from machine to machine.
bool temDejaVu(const char* programa, const QFont& fonte);

// Creates the output directory, or says it could not.
bool criaDiretorio(const char* programa, const QDir& destino);

// An option "--nome FILE" and what writes that file from the pictures.
struct Opcao {
    const char* nome;
    bool (*salva)(const std::vector<Quadro>& quadros, const QString& caminho);
};

// Runs the options that follow the directory (args[2] on, in pairs) on the
// pictures. Says which one failed, an unknown option included, and stops
// there.
bool executaOpcoes(const char* programa, const QStringList& args,
                   const std::vector<Quadro>& quadros, const std::vector<Opcao>& opcoes);

}  // namespace comum
