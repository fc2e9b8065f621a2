// The class log: one CSV file a day in the class logs' folder
// ("turma-2026-12-09.csv"). A console started again the same day appends to
// it and reads back what it holds, so that the class survives a restart.
// One row per thing that happened with any pupil, as a Brazilian spreadsheet
// opens it: UTF-8 with the mark spreadsheets look for, fields separated by
// ';', the date and time in each row, one line per row; the term in words
// and the bytes as they came in columns of their own. Rows are written out
// as they come, so that nothing is lost when the console closes.
#pragma once

#include "professor/Acontecimento.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The header row of the log.
inline constexpr const char* CABECALHO_REGISTRO = "data_hora;aluno;endereco;tipo;valor;evento;descricao;texto;bytes";

// A row of the log read back.
struct LinhaRegistro {
    QString aluno;
    QString endereco;
    Acontecimento acontecimento;
};

class RegistroTurma {
public:
    static constexpr qint64 MAIOR_RELEITURA = 64 << 20;  // bytes of a day's log read back at most

    // Opens the day's file of agora, creating the folder and the file when
    // missing; the rows it already held are in mLidas(). A file of that
    // name that is not a class log is left alone and a suffix taken. False
    // with mErro() when it cannot; the console then runs without a log.
    bool mAbre(const QString& pasta, const QDateTime& agora);
    bool mAberto() const { return arquivo.isOpen(); }
    QString mCaminho() const { return arquivo.fileName(); }
    QString mErro() const { return erro; }
    const std::vector<LinhaRegistro>& mLidas() const { return lidas; }

    // One row; written out at the next mDescarrega.
    void mEscreve(const QString& aluno, const QString& endereco, const Acontecimento& acontecimento);
    void mDescarrega();

private:
    // The rows of the log's text; none when it is not a class log.
    static std::optional<std::vector<LinhaRegistro>> leLinhas(const QByteArray& conteudo);

    QFile arquivo;
    QString erro;
    std::vector<LinhaRegistro> lidas;
};

// A field: as it is, or in double quotes (its quotes doubled) when it holds
// a ';' or a quote; line breaks become blanks, so a row is one line.
QString campoCsv(const QString& campo);
// The fields of one line, as campoCsv writes them; none when a quote is
// left open.
std::optional<QStringList> camposCsv(const QString& linha);
