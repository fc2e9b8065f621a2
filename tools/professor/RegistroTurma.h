// The class log: one CSV file per session of the console, in the class logs'
// folder, named by the date and time it started ("turma-2026-12-09-0105.csv").
// One row per thing that happened with any pupil, in UTF-8 (with the mark
// that spreadsheets look for), written out as the rows come so that nothing
// is lost when the console closes.
#pragma once

#include "tools/professor/Acontecimento.h"

#include <QFile>
#include <QString>

// The header row of the log.
inline constexpr const char* CABECALHO_REGISTRO = "hora,aluno,endereco,tipo,valor,evento,descricao,texto";

class RegistroTurma {
public:
    // Creates the folder when missing and a new file named for inicio (a
    // suffix keeps an earlier file of the same minute). False with mErro()
    // when it cannot; the console then runs without a log.
    bool mAbre(const QString& pasta, const QDateTime& inicio);
    bool mAberto() const { return arquivo.isOpen(); }
    QString mCaminho() const { return arquivo.fileName(); }
    QString mErro() const { return erro; }

    // One row; written out at the next mDescarrega.
    void mEscreve(const QString& aluno, const QString& endereco, const Acontecimento& acontecimento);
    void mDescarrega();

private:
    QFile arquivo;
    QString erro;
};

// A CSV field: as it is, or in double quotes (its quotes doubled) when it
// holds a comma, a quote or a line break.
QString campoCsv(const QString& campo);
