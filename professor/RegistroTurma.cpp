#include "professor/RegistroTurma.h"

#include <QDir>

namespace {

constexpr const char* FORMATO_HORA = "yyyy-MM-dd HH:mm:ss";
constexpr const char* BOM = "\xEF\xBB\xBF";
constexpr int NUM_CAMPOS = 9;

bool temValor(Acontecimento::Tipo tipo) {
    return tipo == Acontecimento::ECOMETRO || tipo == Acontecimento::ACAO || tipo == Acontecimento::FIM ||
           tipo == Acontecimento::INICIO;
}

std::optional<LinhaRegistro> linhaDosCampos(const QStringList& campos) {
    if (campos.size() != NUM_CAMPOS) return std::nullopt;
    const QDateTime hora = QDateTime::fromString(campos[0], FORMATO_HORA);
    const auto tipo = tipoDoNome(campos[3]);
    if (!hora.isValid() || !tipo) return std::nullopt;
    LinhaRegistro linha{campos[1], campos[2], {}};
    linha.acontecimento = {*tipo, hora, campos[4].toLongLong(), campos[5], campos[6], campos[7], campos[8]};
    return linha;
}

}  // namespace

bool RegistroTurma::mAbre(const QString& pasta, const QDateTime& agora) {
    if (!QDir().mkpath(pasta)) {
        erro = QString("Não foi possível criar a pasta %1").arg(QDir::toNativeSeparators(pasta));
        return false;
    }
    const QString base = QDir(pasta).filePath("turma-" + agora.toString("yyyy-MM-dd"));
    QString caminho = base + ".csv";
    for (int n = 2;; ++n) {
        QFile existente(caminho);
        if (!existente.exists()) break;
        if (existente.size() <= MAIOR_RELEITURA && existente.open(QIODevice::ReadOnly)) {
            if (auto linhas = leLinhas(existente.readAll())) {
                lidas = std::move(*linhas);
                break;
            }
        }
        caminho = QString("%1-%2.csv").arg(base).arg(n);
    }
    arquivo.setFileName(caminho);
    const bool novo = !arquivo.exists();
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Append)) {
        erro = QString("Não foi possível abrir %1: %2").arg(QDir::toNativeSeparators(caminho), arquivo.errorString());
        lidas.clear();
        return false;
    }
    if (novo) {
        arquivo.write(BOM);  // UTF-8, for spreadsheets that would guess otherwise
        arquivo.write(CABECALHO_REGISTRO);
        arquivo.write("\r\n");
        arquivo.flush();
    }
    return true;
}

std::optional<std::vector<LinhaRegistro>> RegistroTurma::leLinhas(const QByteArray& conteudo) {
    QString texto = QString::fromUtf8(conteudo);
    if (texto.startsWith(QChar(0xFEFF))) texto.remove(0, 1);
    const QStringList linhas = texto.split('\n');
    if (linhas.isEmpty() || linhas[0].trimmed() != CABECALHO_REGISTRO) return std::nullopt;
    std::vector<LinhaRegistro> lidas;
    for (qsizetype i = 1; i < linhas.size(); ++i) {
        QString linha = linhas[i];
        if (linha.endsWith('\r')) linha.chop(1);
        if (const auto campos = camposCsv(linha))
            if (auto lida = linhaDosCampos(*campos)) lidas.push_back(std::move(*lida));
    }
    return lidas;
}

void RegistroTurma::mEscreve(const QString& aluno, const QString& endereco, const Acontecimento& acontecimento) {
    if (!arquivo.isOpen()) return;
    const QStringList campos = {
        acontecimento.hora.toString(FORMATO_HORA),
        aluno,
        endereco,
        nomeTipo(acontecimento.tipo),
        temValor(acontecimento.tipo) ? QString::number(acontecimento.valor) : QString(),
        acontecimento.evento,
        acontecimento.descricao,
        acontecimento.texto,
        acontecimento.bytes,
    };
    QStringList linha;
    for (const QString& campo : campos) linha << campoCsv(campo);
    arquivo.write((linha.join(';') + "\r\n").toUtf8());
}

void RegistroTurma::mDescarrega() {
    if (arquivo.isOpen()) arquivo.flush();
}

QString campoCsv(const QString& campo) {
    QString linha = campo;
    linha.replace("\r\n", " ").replace('\r', ' ').replace('\n', ' ');
    if (!linha.contains(';') && !linha.contains('"')) return linha;
    linha.replace('"', "\"\"");
    return '"' + linha + '"';
}

std::optional<QStringList> camposCsv(const QString& linha) {
    QStringList campos;
    QString campo;
    bool entreAspas = false;
    for (qsizetype i = 0; i < linha.size(); ++i) {
        const QChar c = linha[i];
        if (entreAspas) {
            if (c != '"') campo += c;
            else if (i + 1 < linha.size() && linha[i + 1] == '"') campo += c, ++i;
            else entreAspas = false;
        } else if (c == '"') {
            entreAspas = true;
        } else if (c == ';') {
            campos << campo;
            campo.clear();
        } else {
            campo += c;
        }
    }
    if (entreAspas) return std::nullopt;
    campos << campo;
    return campos;
}
