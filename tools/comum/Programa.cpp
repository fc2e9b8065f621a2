// Font check, output directory and review-sheet options of the generators.
#include "tools/comum/Programa.h"

#include <QFontInfo>

#include <cstdio>

namespace comum {

const QImage& acha(const std::vector<Quadro>& quadros, const QString& nome) {
    static const QImage vazia;
    for (const Quadro& q : quadros)
        if (q.nome == nome) return q.imagem;
    return vazia;
}

bool temDejaVu(const char* programa, const QFont& fonte) {
    const QFontInfo info(fonte);
    if (info.family() == QLatin1String("DejaVu Sans")) return true;
    std::fprintf(stderr,
                 "%s: fonte DejaVu Sans não encontrada (achou %s); "
                 "instale fonts-dejavu-core\n",
                 programa, qPrintable(info.family()));
    return false;
}

bool criaDiretorio(const char* programa, const QDir& destino) {
    if (QDir().mkpath(destino.path())) return true;
    std::fprintf(stderr, "%s: não consegui criar %s\n", programa, qPrintable(destino.path()));
    return false;
}

bool executaOpcoes(const char* programa, const QStringList& args,
                   const std::vector<Quadro>& quadros, const std::vector<Opcao>& opcoes) {
    for (int i = 2; i + 1 < args.size(); i += 2) {
        bool salvou = false;
        for (const Opcao& o : opcoes)
            if (args[i] == QLatin1String(o.nome)) salvou = o.salva(quadros, args[i + 1]);
        if (!salvou) {
            std::fprintf(stderr, "%s: falhou %s %s\n", programa, qPrintable(args[i]),
                         qPrintable(args[i + 1]));
            return false;
        }
    }
    return true;
}

}  // namespace comum
