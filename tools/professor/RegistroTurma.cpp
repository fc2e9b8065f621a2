#include "tools/professor/RegistroTurma.h"

#include <QDir>

bool RegistroTurma::mAbre(const QString& pasta, const QDateTime& inicio) {
    if (!QDir().mkpath(pasta)) {
        erro = QString("Não foi possível criar a pasta %1").arg(QDir::toNativeSeparators(pasta));
        return false;
    }
    const QString base = QDir(pasta).filePath("turma-" + inicio.toString("yyyy-MM-dd-HHmm"));
    QString caminho = base + ".csv";
    for (int n = 2; QFile::exists(caminho); ++n) caminho = QString("%1-%2.csv").arg(base).arg(n);
    arquivo.setFileName(caminho);
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        erro = QString("Não foi possível criar %1: %2").arg(QDir::toNativeSeparators(caminho), arquivo.errorString());
        return false;
    }
    arquivo.write("\xEF\xBB\xBF");  // UTF-8, for spreadsheets that would guess otherwise
    arquivo.write(CABECALHO_REGISTRO);
    arquivo.write("\r\n");
    arquivo.flush();
    return true;
}

void RegistroTurma::mEscreve(const QString& aluno, const QString& endereco, const Acontecimento& acontecimento) {
    if (!arquivo.isOpen()) return;
    const bool temValor = acontecimento.tipo == Acontecimento::ECOMETRO || acontecimento.tipo == Acontecimento::ACAO;
    const QStringList campos = {
        acontecimento.hora.toString("HH:mm:ss"),
        aluno,
        endereco,
        nomeTipo(acontecimento.tipo),
        temValor ? QString::number(acontecimento.valor) : QString(),
        acontecimento.evento,
        acontecimento.descricao,
        acontecimento.texto,
    };
    QStringList linha;
    for (const QString& campo : campos) linha << campoCsv(campo);
    arquivo.write((linha.join(',') + "\r\n").toUtf8());
}

void RegistroTurma::mDescarrega() {
    if (arquivo.isOpen()) arquivo.flush();
}

QString campoCsv(const QString& campo) {
    if (!campo.contains(',') && !campo.contains('"') && !campo.contains('\n') && !campo.contains('\r')) return campo;
    QString entre = campo;
    entre.replace('"', "\"\"");
    return '"' + entre + '"';
}
