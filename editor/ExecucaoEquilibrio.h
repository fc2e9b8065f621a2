// The balance check run on a thread of its own, so that the window keeps
// answering: a timer on the window's thread reads the progress and, once
// the matches are done, reports the result there.
#pragma once

#include "editor/Equilibrio.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <memory>
#include <thread>

class ExecucaoEquilibrio : public QObject {
    Q_OBJECT
public:
    static constexpr int INTERVALO_MS = 100;  // how often the progress is read

    explicit ExecucaoEquilibrio(QObject* dono = nullptr);
    ~ExecucaoEquilibrio() override;  // cancels and waits for the thread

    // Starts the check; false when one is still running.
    bool mInicia(const PedidoEquilibrio& pedido);
    // Asks the running check to stop; cancelada follows once it has.
    void mCancela();
    bool mRodando() const { return trabalho.joinable(); }
    // Matches done and to do, both kinds together.
    uint32_t mFeitas() const;
    uint32_t mTotal() const { return total; }
    // Waits for the thread, then reports at once (tests; closing).
    void mAguarda();

Q_SIGNALS:
    void progresso(int feitas, int total);
    void terminou(const ResultadoEquilibrio& resultado);
    void cancelada();

private:
    // The timer: the progress, and the report once the thread is done.
    void mConfere();
    void mReporta();

    QTimer relogio;
    std::unique_ptr<ControleLote> controle;
    std::thread trabalho;
    std::atomic<bool> pronto{false};
    ResultadoEquilibrio resultado;  // written by the thread until pronto
    uint32_t total = 0;
};
