#include "app/DiretorioUsuario.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString dadosInstalados() {
    const QString pasta = QDir(QCoreApplication::applicationDirPath())
                              .absoluteFilePath(QStringLiteral(QELP_DADOS_RELATIVOS "/dp"));
    return QFileInfo(pasta).isDir() ? QDir::cleanPath(pasta) : QString();
}

bool copiaQueFalta(const QString& origem, const QString& destino) {
    bool tudo = QDir().mkpath(destino);
    QDirIterator arquivos(origem, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (arquivos.hasNext()) {
        const QString arquivo = arquivos.next();
        const QString alvo = QDir(destino).filePath(QDir(origem).relativeFilePath(arquivo));
        if (QFileInfo::exists(alvo)) continue;
        tudo = QDir().mkpath(QFileInfo(alvo).path()) && tudo;
        // Installed files are read-only; the user's copies are the user's.
        tudo = QFile::copy(arquivo, alvo) && tudo;
        QFile::setPermissions(alvo, QFile::permissions(alvo) | QFileDevice::WriteOwner);
    }
    return tudo;
}

QString pastaDoUsuario() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/qelp");
}

QString preparaDiretorioDeTrabalho() {
    if (QFileInfo(QStringLiteral("dp")).isDir()) return QDir::currentPath();
    const QString instalados = dadosInstalados();
    if (instalados.isEmpty()) return QDir::currentPath();
    const QString usuario = pastaDoUsuario();
    copiaQueFalta(instalados, usuario + QStringLiteral("/dp"));
    if (!QDir::setCurrent(usuario)) return QDir::currentPath();
    return usuario;
}
