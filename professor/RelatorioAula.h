// The lesson's report: one page of HTML that prints well, for the teacher's
// records or the school's: the class's counts, then each pupil's name,
// phase, how the last match ended, the time the eco-meter showed each
// colour, the tools used and the pupil's messages.
#pragma once

#include <QDateTime>
#include <QString>

class ModeloTurma;

QString htmlRelatorio(const ModeloTurma& turma, const QDateTime& agora);

// Writes the report into the folder ("relatorio-2026-12-09-1403.html", a
// suffix keeping an earlier one of the same minute). Answers its path, or
// "" with erro set.
QString salvaRelatorio(const ModeloTurma& turma, const QString& pasta, const QDateTime& agora, QString& erro);
