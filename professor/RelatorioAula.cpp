#include "professor/RelatorioAula.h"

#include "professor/ModeloTurma.h"

#include <QDir>
#include <QSaveFile>

namespace {

constexpr const char* ESTILO = R"(
body { font-family: "DejaVu Sans", Arial, sans-serif; font-size: 11pt; color: #222; margin: 2em; }
h1 { font-size: 18pt; margin-bottom: 0.2em; }
.contagem { font-size: 13pt; margin: 0.5em 0 1em; }
table { border-collapse: collapse; width: 100%; }
th, td { border: 1px solid #999; padding: 4px 6px; text-align: left; vertical-align: top; }
th { background: #e8eef4; }
.verde { background: #dcf2d6; } .amarelo { background: #fff3b8; } .vermelho { background: #fbd5cf; }
ul { margin: 0; padding-left: 1.2em; }
@media print { body { margin: 0; font-size: 9pt; } tr { page-break-inside: avoid; } }
)";

QString html(const QString& texto) { return texto.toHtmlEscaped(); }

QString duracao(int64_t segundos) {
    return QString("%1:%2").arg(segundos / 60).arg(segundos % 60, 2, 10, QChar('0'));
}

QString celulaCor(const std::optional<int64_t>& percentual, const std::optional<CorEcometro>& cor) {
    if (!percentual || !cor) return "<td>—</td>";
    const QString nome = ModeloTurma::nomeCor(*cor);
    return QString("<td class=\"%1\">%2 % %1</td>").arg(nome).arg(*percentual);
}

QString lista(const QStringList& itens) {
    if (itens.isEmpty()) return "—";
    QString texto = "<ul>";
    for (const QString& item : itens) texto += "<li>" + html(item) + "</li>";
    return texto + "</ul>";
}

QString linhaAluno(const Aluno& aluno) {
    QStringList cores;
    for (const CorEcometro cor : {ECOMETRO_VERDE, ECOMETRO_AMARELO, ECOMETRO_VERMELHO}) {
        const auto achado = aluno.segundosNaCor.find(cor);
        cores << QString("%1 %2").arg(ModeloTurma::nomeCor(cor), duracao(achado == aluno.segundosNaCor.end() ? 0 : achado->second));
    }
    QStringList ferramentas;
    for (const auto& [nome, usos] : aluno.ferramentas) ferramentas << QString("%1 × %2").arg(usos).arg(nome);
    const QString partida = aluno.partida == Aluno::TERMINOU ? "terminou"
                            : aluno.partida == Aluno::JOGANDO ? "jogando" : "—";
    return QString("<tr><td>%1</td><td>%2</td><td>%3</td>%4<td>%5</td><td>%6</td><td>%7</td></tr>\n")
        .arg(html(aluno.nome), html(aluno.fase.isEmpty() ? "—" : aluno.fase), partida,
             celulaCor(aluno.resultado, aluno.corFinal), cores.join("<br>"), lista(ferramentas), lista(aluno.mensagens));
}

}  // namespace

QString htmlRelatorio(const ModeloTurma& turma, const QDateTime& agora) {
    QString corpo;
    for (int linha = 0; linha < turma.rowCount(); ++linha) corpo += linhaAluno(*turma.mAlunoDaLinha(linha));
    const ContagemTurma contagem = turma.mContagem();
    return QString("<!DOCTYPE html>\n<html lang=\"pt-BR\">\n<head>\n<meta charset=\"utf-8\">\n"
                   "<title>QELP - Relatório da aula de %1</title>\n<style>%2</style>\n</head>\n<body>\n"
                   "<h1>QELP - Relatório da aula</h1>\n<p>%3 · %4 alunos</p>\n"
                   "<p class=\"contagem\">Agora: %5</p>\n"
                   "<table>\n<tr><th>Aluno</th><th>Fase</th><th>Partida</th><th>Cor final</th>"
                   "<th>Tempo em cada cor (min:s)</th><th>Ferramentas usadas</th><th>Mensagens</th></tr>\n"
                   "%6</table>\n</body>\n</html>\n")
        .arg(agora.toString("dd/MM/yyyy"), ESTILO, agora.toString("dd/MM/yyyy HH:mm"))
        .arg(turma.rowCount())
        .arg(html(ModeloTurma::textoContagem(contagem)), corpo);
}

QString salvaRelatorio(const ModeloTurma& turma, const QString& pasta, const QDateTime& agora, QString& erro) {
    if (!QDir().mkpath(pasta)) {
        erro = QString("Não foi possível criar a pasta %1").arg(QDir::toNativeSeparators(pasta));
        return {};
    }
    const QString base = QDir(pasta).filePath("relatorio-" + agora.toString("yyyy-MM-dd-HHmm"));
    QString caminho = base + ".html";
    for (int n = 2; QFile::exists(caminho); ++n) caminho = QString("%1-%2.html").arg(base).arg(n);
    QSaveFile arquivo(caminho);
    const QByteArray bytes = htmlRelatorio(turma, agora).toUtf8();
    if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(bytes) != bytes.size() || !arquivo.commit()) {
        erro = QString("Não foi possível salvar o relatório %1: %2")
                   .arg(QDir::toNativeSeparators(caminho), arquivo.errorString());
        return {};
    }
    return caminho;
}
