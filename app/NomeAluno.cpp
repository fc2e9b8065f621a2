#include "app/NomeAluno.h"

#include "app/DiretorioUsuario.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {
QString arquivoNome() { return pastaDoUsuario() + QStringLiteral("/aluno.txt"); }
}  // namespace

std::string nomeAlunoGuardado() {
    QFile arquivo(arquivoNome());
    if (!arquivo.open(QIODevice::ReadOnly)) return {};
    return arquivo.readLine(1024).trimmed().toStdString();
}

bool guardaNomeAluno(const std::string& nome) {
    if (!QDir().mkpath(pastaDoUsuario())) return false;
    QSaveFile arquivo(arquivoNome());
    if (!arquivo.open(QIODevice::WriteOnly)) return false;
    arquivo.write(QByteArray::fromStdString(nome + "\n"));
    return arquivo.commit();
}
