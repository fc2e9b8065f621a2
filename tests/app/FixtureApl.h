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
