// The console's command line: where it listens and where the class logs go.
#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <optional>

inline constexpr quint16 PORTA_PADRAO = 6999;  // the port the game offers

struct Opcoes {
    quint16 porta = PORTA_PADRAO;
    QHostAddress endereco = QHostAddress::Any;  // every address of the computer
    QString pasta;                              // the class logs' folder; "" = the usual one
    bool ajuda = false;                         // only the usage text was asked for
};

// The options in argumentos (the program's name first). Nothing when they are
// wrong; erro then says why, in Portuguese.
std::optional<Opcoes> leOpcoes(const QStringList& argumentos, QString& erro);

// The usage text, for --ajuda and after a wrong option.
QString textoUso();
