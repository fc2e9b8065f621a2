// Qt's texts as text in the suites' failure messages.
#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& texto, std::ostream* saida) { *saida << '"' << texto.toStdString() << '"'; }
inline void PrintTo(const QStringList& textos, std::ostream* saida) {
    *saida << '[' << textos.join("|").toStdString() << ']';
}
