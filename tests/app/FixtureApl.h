// A fresh application object in a run directory of its own: a temporary
// current directory holding a copy of dp/, a scripted platform and the tutor
// flag cleared.
#pragma once

#include "app/CApl.h"
#include "tests/comum/DiretorioTemporario.h"
#include "tests/comum/PlataformaRoteiro.h"
#include "tutor/Tutor.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

class FixtureApl : public testing::Test {
protected:
    FixtureApl() {
        std::filesystem::copy(QELP_DIR_DP, diretorio.mCaminho() / "dp",
                              std::filesystem::copy_options::recursive);
        std::filesystem::remove(diretorio.mCaminho() / "dp" / "apl.cnf");
        gComTutor = 0;
    }

    ~FixtureApl() override {
        apl->mEncerra();
        QApplication::sendPostedEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        gComTutor = 0;
    }

    // Start-up with the tutor question answered No and the other boxes
    // answered by their default.
    bool iniciaSemTutor() {
        plataforma.respostas = {Resposta::NAO};
        return apl->mInicializa();
    }

    // Starts a match the way the match start does, without its dialogs:
    // parameters, lake, panel, clock.
    bool iniciaPartidaEmProcesso() {
        if (!apl->mLeParametros()) return false;
        if (!apl->agentes.mConstroiLago(apl->cena, populacaoDosParametros())) return false;
        apl->mMostraPainel();
        apl->janela.mRepinta();
        apl->estado = EM_JOGO;
        apl->mExecEventosFase(ORIGEM_INICIO);
        apl->passosPartida = 0;
        return true;
    }

    // Runs the message loop, with the real timers, until the match has made
    // passos steps or is no longer running (or 20 s have gone by).
    void rodaAtePasso(uint32_t passos) {
        QTimer vigia;
        QObject::connect(&vigia, &QTimer::timeout, [&] {
            if (apl->passosPartida >= passos || apl->estado != EM_JOGO) QApplication::exit(0);
        });
        vigia.start(1);
        QTimer limite;
        limite.setSingleShot(true);
        QObject::connect(&limite, &QTimer::timeout, [] { QApplication::exit(-1); });
        limite.start(20000);
        QApplication::exec();
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

    PlataformaRoteiro plataforma;
    DiretorioTemporario diretorio;
    std::unique_ptr<CApl> apl = std::make_unique<CApl>();
};
