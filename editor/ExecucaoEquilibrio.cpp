#include "editor/ExecucaoEquilibrio.h"

ExecucaoEquilibrio::ExecucaoEquilibrio(QObject* dono) : QObject(dono) {
    relogio.setInterval(INTERVALO_MS);
    connect(&relogio, &QTimer::timeout, this, &ExecucaoEquilibrio::mConfere);
}

ExecucaoEquilibrio::~ExecucaoEquilibrio() {
    if (!trabalho.joinable()) return;
    controle->cancelar = true;
    trabalho.join();
}

bool ExecucaoEquilibrio::mInicia(const PedidoEquilibrio& pedido) {
    if (mRodando()) return false;
    controle = std::make_unique<ControleLote>();
    total = 2 * pedido.sementes;
    pronto = false;
    resultado = {};
    trabalho = std::thread([this, pedido, lote = controle.get()] {
        resultado = verificaEquilibrio(pedido, *lote);
        pronto = true;
    });
    relogio.start();
    Q_EMIT progresso(0, static_cast<int>(total));
    return true;
}

void ExecucaoEquilibrio::mCancela() {
    if (mRodando()) controle->cancelar = true;
}

uint32_t ExecucaoEquilibrio::mFeitas() const { return controle ? controle->feitas.load() : 0; }

void ExecucaoEquilibrio::mAguarda() {
    if (!mRodando()) return;
    trabalho.join();
    mReporta();
}

void ExecucaoEquilibrio::mConfere() {
    Q_EMIT progresso(static_cast<int>(mFeitas()), static_cast<int>(total));
    if (pronto && trabalho.joinable()) {
        trabalho.join();
        mReporta();
    }
}

void ExecucaoEquilibrio::mReporta() {
    relogio.stop();
    const ResultadoEquilibrio fim = std::move(resultado);
    resultado = {};
    if (fim.cancelado)
        Q_EMIT cancelada();
    else
        Q_EMIT terminou(fim);
}
