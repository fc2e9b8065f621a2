#include "tutor/Tutor.h"

#include "app/Dialogos.h"
#include "core/data/LeituraTexto.h"
#include "tutor/LigacaoTutor.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHostInfo>

#include <algorithm>
#include <chrono>

int gComTutor = 0;

namespace {

LigacaoTutor gLigacao;

// While connecting, the window's events are handled this often.
constexpr int INTERVALO_EVENTOS_MS = 20;

// The first IPv4 address the name stands for, or none.
QHostAddress enderecoDe(const std::string& nome) {
    const QHostInfo resposta = QHostInfo::fromName(QString::fromStdString(nome));
    for (const QHostAddress& endereco : resposta.addresses())
        if (endereco.protocol() == QAbstractSocket::IPv4Protocol) return endereco;
    return {};
}

// The port as atoi reads the text, its low 16 bits.
uint16_t portaDe(const std::string& texto) {
    const int32_t numero = LeituraTexto(texto).mLeInteiro().value_or(0);
    return static_cast<uint16_t>(static_cast<uint32_t>(numero));
}

}  // namespace

void ConectaTutor(Dialogos& dialogos, int limiteMs) {
    DesconectaTutor();

    std::string computador;
    if (!dialogos.mPedeComputador(computador)) return;
    const QHostAddress endereco = enderecoDe(computador);
    if (endereco.isNull()) return;
    std::string porta = PORTA_PADRAO;
    if (!dialogos.mPedePorta(porta)) return;

    // The window's events go on while the connection is made, until it is
    // made, fails, or the time is up.
    if (!gLigacao.mComeca(endereco.toIPv4Address(), portaDe(porta))) return;
    using Relogio = std::chrono::steady_clock;
    const Relogio::time_point fim = Relogio::now() + std::chrono::milliseconds(limiteMs);
    while (gLigacao.mEstado() == LigacaoTutor::Estado::CONECTANDO && Relogio::now() < fim) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        const auto falta = std::chrono::ceil<std::chrono::milliseconds>(fim - Relogio::now()).count();
        gLigacao.mAvanca(static_cast<int>(std::clamp<long long>(falta, 0, INTERVALO_EVENTOS_MS)));
    }
    if (gLigacao.mEstado() != LigacaoTutor::Estado::LIGADA) {
        gLigacao.mFecha();
        return;
    }
    gComTutor = 1;
}

void DesconectaTutor() {
    gLigacao.mFecha();
    gComTutor = 0;
}

void EnviaTutor(const std::string& texto) {
    if (gComTutor && !gLigacao.mEnvia(texto)) DesconectaTutor();
}

bool RecebeTutor(char* buffer, std::size_t capacidade, std::size_t& lidos) {
    lidos = 0;
    if (!gComTutor) return false;
    const bool leu = gLigacao.mRecebe(buffer, capacidade, lidos);
    if (gLigacao.mEstado() != LigacaoTutor::Estado::LIGADA) DesconectaTutor();
    return leu;
}
