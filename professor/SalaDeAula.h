// A class session: the server the games connect to, the pupils' model and
// the class log, tied together. Terms become things that happened (in words,
// the pupil's text decoded the way the game decodes the teacher's), shown in
// the model and written to the log; the teacher's messages go out as UTF-8
// lines. Knows no widget, so the tests drive it as the window does.
#pragma once

#include "core/data/TextoTutor.h"
#include "professor/ModeloTurma.h"
#include "professor/RegistroTurma.h"
#include "professor/ServidorTurma.h"

#include <QDateTime>
#include <QHostAddress>
#include <QObject>
#include <QString>

#include <functional>
#include <map>

class QHostInfo;

class SalaDeAula : public QObject {
    Q_OBJECT
public:
    using Relogio = std::function<QDateTime()>;
    static constexpr int MAXIMO_TEXTO = 2000;     // characters of a pupil's text kept and logged
    static constexpr int MAXIMO_DESCRICAO = 160;  // characters of it shown in a row
    static constexpr int MAXIMO_NOME = 40;        // characters of a pupil's name

    // pastaTurmas: where the class log goes; relogio: the time of each entry.
    explicit SalaDeAula(QString pastaTurmas, Relogio relogio = &QDateTime::currentDateTime,
                        QObject* pai = nullptr);

    // Opens the day's class log and takes back the rows it holds (as pupils
    // who left), then listens. False with mErro() when the port cannot be
    // opened; a log that cannot be written only leaves mErroRegistro().
    bool mInicia(const QHostAddress& endereco, quint16 porta);
    QString mErro() const { return erro; }
    QString mErroRegistro() const { return registro.mErro(); }
    QString mPastaTurmas() const { return pastaTurmas; }

    // The teacher's message to one pupil, or to every connected pupil; it
    // goes into their timelines and the log. False / 0 when nobody got it.
    bool mEnviaAoAluno(int id, const QString& mensagem);
    int mEnviaATodos(const QString& mensagem);

    ModeloTurma& mModelo() { return modelo; }
    ServidorTurma& mServidor() { return servidor; }
    const RegistroTurma& mRegistro() const { return registro; }

    // The bytes a message goes out as: UTF-8, one line ending in CR LF.
    static QByteArray bytesDaMensagem(const QString& mensagem);

private:
    void mRele(const std::vector<LinhaRegistro>& linhas);
    void mChegou(int id, const QHostAddress& endereco, quint16 porta);
    void mLeu(int id, const std::vector<TermoLido>& termos);
    void mSaiu(int id);
    void mNomeDescoberto(int id, const QHostInfo& resposta);
    void mRegistra(int id, const std::vector<Acontecimento>& acontecimentos);
    Acontecimento mMensagem(const QString& mensagem) const;

    QString pastaTurmas;
    Relogio relogio;
    ServidorTurma servidor;
    ModeloTurma modelo;
    RegistroTurma registro;
    std::map<int, DecodificadorTutor> decodificadores;  // per connected pupil
    QString erro;
};
