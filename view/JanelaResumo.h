// "QELP - Resumo da Partida": what happened in the match that just ended,
// for the pupil. A chart of the eco-meter and of each kind's energy over
// the match's time, the polluters' arrivals and the tools used marked and
// named; how long the lake was green, yellow and red, how it ended and the
// beings left; the debrief's sentences; and buttons that save the chart as
// a picture and the readings for a spreadsheet. Not modal: the game goes on
// beside it, and it goes when the main window goes.
#pragma once

#include "core/match/RegistroPartida.h"
#include "core/match/ResumoPartida.h"

#include <QStringList>
#include <QWidget>

#include <string>

class GraficoEcometro;
class QLabel;

inline constexpr const char* TITULO_RESUMO = "QELP - Resumo da Partida";

class JanelaResumo : public QWidget {
public:
    explicit JanelaResumo(QWidget* principal);

    // Shows the match of the record (its phase file as the pupil named it)
    // and places the window beside the main window, without taking the
    // keyboard from it.
    void mMostra(const RegistroPartida& registro, const std::string& fase);

    // The chart as a PNG picture; the readings as a spreadsheet's CSV. False,
    // after telling the pupil, when the file cannot be written.
    bool mSalvaImagem(const QString& arquivo) const;
    bool mSalvaDados(const QString& arquivo) const;

    const ResumoPartida& mResumo() const { return resumo; }
    GraficoEcometro* mGrafico() const { return grafico; }

protected:
    void keyPressEvent(QKeyEvent* evento) override;  // Esc closes it

private:
    void mDesenhaGrafico();
    void mPreencheTextos(const std::string& fase);
    void mPosiciona();
    // Asks for a file and saves into it.
    void mPedeArquivo(const QString& titulo, const QString& nome, const QString& filtro,
                      bool (JanelaResumo::*salva)(const QString&) const);

    RegistroPartida registro;
    ResumoPartida resumo;
    GraficoEcometro* grafico;
    QLabel* legenda;
    QLabel* titulo;
    QLabel* cores;
    QLabel* seres;
    QLabel* frases;
};
