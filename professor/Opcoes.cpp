#include "professor/Opcoes.h"

std::optional<Opcoes> leOpcoes(const QStringList& argumentos, QString& erro) {
    Opcoes opcoes;
    for (qsizetype i = 1; i < argumentos.size(); ++i) {
        const QString& nome = argumentos.at(i);
        if (nome == "--ajuda" || nome == "-h" || nome == "--help") {
            opcoes.ajuda = true;
            continue;
        }
        if (nome != "--porta" && nome != "--endereco" && nome != "--pasta") {
            erro = QString("opção desconhecida: %1").arg(nome);
            return std::nullopt;
        }
        if (i + 1 >= argumentos.size()) {
            erro = QString("falta o valor de %1").arg(nome);
            return std::nullopt;
        }
        const QString valor = argumentos.at(++i);
        if (nome == "--porta") {
            bool ok = false;
            const uint porta = valor.toUInt(&ok);
            if (!ok || porta == 0 || porta > 65535) {
                erro = QString("porta inválida: %1 (use um número de 1 a 65535)").arg(valor);
                return std::nullopt;
            }
            opcoes.porta = static_cast<quint16>(porta);
        } else if (nome == "--endereco") {
            if (!opcoes.endereco.setAddress(valor)) {
                erro = QString("endereço inválido: %1").arg(valor);
                return std::nullopt;
            }
        } else {
            if (valor.isEmpty()) {
                erro = "pasta vazia";
                return std::nullopt;
            }
            opcoes.pasta = valor;
        }
    }
    return opcoes;
}

QString textoUso() {
    return QString(
        "Uso: qelp-professor [--porta N] [--endereco A] [--pasta P]\n"
        "\n"
        "Console do professor: recebe os jogos QELP dos alunos que escolhem\n"
        "\"Jogar com tutor\" e mostra o que cada um faz no lago.\n"
        "\n"
        "  --porta N      porta em que os jogos se conectam (padrão %1)\n"
        "  --endereco A   endereço em que escutar (padrão: todos os do computador)\n"
        "  --pasta P      pasta dos registros das turmas\n"
        "                 (padrão: a pasta de dados do QELP, subpasta turmas)\n"
        "  --ajuda        mostra este texto\n")
        .arg(PORTA_PADRAO);
}
