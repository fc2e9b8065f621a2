// A fresh application object in a run directory of its own: a temporary
// current directory holding a copy of dp/, a scripted platform and the tutor
// flag cleared.
#pragma once

#include "app/CApl.h"
#include "tests/app/DialogosRoteiro.h"
#include "tests/comum/DiretorioTemporario.h"
#include "tests/comum/PlataformaRoteiro.h"
#include "tutor/Tutor.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <memory>

class FixtureApl : public testing::Test {
protected:
    FixtureApl() {
        std::filesystem::copy(QELP_DIR_DP, diretorio.mCaminho() / "dp",
                              std::filesystem::copy_options::recursive);
        std::filesystem::remove(diretorio.mCaminho() / "dp" / "apl.cnf");
        // The user's data folder, inside the run directory.
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString((diretorio.mCaminho() / "usuario").string()));
        gComTutor = 0;
        instalaDialogos();
    }

    ~FixtureApl() override {
        apl->mEncerra();
        QApplication::sendPostedEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DesconectaTutor();
    }

    // The end of the run, and a new application object for the next one,
    // not yet started.
    void novaExecucao() {
        apl->mEncerra();
        apl = std::make_unique<CApl>();
        instalaDialogos();
    }

    // Start-up with the tutor question answered No and the other boxes
    // answered by their default.
    bool iniciaSemTutor() {
        plataforma.respostas = {Resposta::NAO};
        return apl->mInicializa();
    }

    // Starts a match as a new match does after its dialogs, with a fixed
    // seed; the hand-driven clock starts at 0.
    bool iniciaPartida() {
        agoraMs = 0;
        plataforma.relogioMs = 0;
        if (!apl->mIniciaPartida(SEMENTE_TESTE)) return false;
        proximaFaseMs = apl->janela.mPeriodoTemporizador(TIMER_FASE);
        return true;
    }

    // Start-up without a tutor, then a match with a phase that brings
    // nothing and the shipped parameters preceded by the given entries,
    // and its first step.
    void iniciaSemFase(const std::string& primeiros = "") {
        std::ostringstream valores;
        valores << primeiros << '\n' << std::ifstream(QELP_DIR_DP "/valores.txt").rdbuf();
        diretorio.mEscreve("dp/valores.txt", valores.str());
        diretorio.mEscreve("dp/apl.cnf", "130\n70\nvazia.fase\n");
        diretorio.mEscreve("vazia.fase", "");
        ASSERT_TRUE(iniciaSemTutor());
        ASSERT_TRUE(iniciaPartida());
        apl->mPasso();
    }

    // Runs the game's two timers on a clock driven by hand, as the message
    // loop would: every step period the step runs, and the phase timer
    // fires whenever its period has gone by since it last fired (at equal
    // times before the step). Stops after passos steps or when the match no
    // longer runs.
    void rodaPassos(uint32_t passos) {
        for (uint32_t i = 0; i < passos && apl->partida.estado == EM_JOGO; ++i) {
            agoraMs += apl->janela.mPeriodoTemporizador(TIMER_PASSO);
            while (proximaFaseMs >= 0 && proximaFaseMs <= agoraMs && apl->partida.estado == EM_JOGO) {
                plataforma.relogioMs = static_cast<uint32_t>(proximaFaseMs);
                apl->mTrataMensagem({TipoMensagem::TEMPORIZADOR, TIMER_FASE});
                const int periodo = apl->janela.mPeriodoTemporizador(TIMER_FASE);
                proximaFaseMs = periodo < 0 ? -1 : proximaFaseMs + periodo;
            }
            plataforma.relogioMs = static_cast<uint32_t>(agoraMs);
            apl->mTrataMensagem({TipoMensagem::TEMPORIZADOR, TIMER_PASSO});
        }
    }

    // Runs steps until the match has made passos of them.
    void rodaAtePasso(uint32_t passos) {
        if (apl->partida.passosPartida < passos) rodaPassos(passos - apl->partida.passosPartida);
    }

    // Runs the message loop until it ends; a loop that does not end within
    // a few seconds ends with -1.
    static int rodaLaco() {
        QTimer limite;
        limite.setSingleShot(true);
        QObject::connect(&limite, &QTimer::timeout, [] { QApplication::exit(-1); });
        limite.start(5000);
        return QApplication::exec();
    }

    // The top-level window with the given title, or none.
    static QWidget* janelaComTitulo(const QString& titulo) {
        for (QWidget* janela : QApplication::topLevelWidgets())
            if (janela->windowTitle() == titulo) return janela;
        return nullptr;
    }

    void instalaDialogos() {
        auto roteiro = std::make_unique<DialogosRoteiro>();
        dialogos = roteiro.get();
        apl->mDefineDialogos(std::move(roteiro));
    }

    static constexpr uint32_t SEMENTE_TESTE = 1;

    PlataformaRoteiro plataforma;
    DiretorioTemporario diretorio;
    std::unique_ptr<CApl> apl = std::make_unique<CApl>();
    DialogosRoteiro* dialogos = nullptr;  // owned by apl
    int64_t agoraMs = 0;        // ms on the hand-driven clock
    int64_t proximaFaseMs = -1;  // when the phase timer fires next, −1 never
};
