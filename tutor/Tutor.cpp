#include "tutor/Tutor.h"

#include "app/Dialogos.h"
#include "app/NomeAluno.h"
#include "core/data/LeituraTexto.h"
#include "core/match/TermosAluno.h"
#include "tutor/Conversa.h"
#include "tutor/LigacaoTutor.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHostInfo>

#include <algorithm>
#include <chrono>
#include <optional>

int gComTutor = 0;

namespace {

using Estado = LigacaoTutor::Estado;

LigacaoTutor gLigacao;

// While connecting at start-up, the window's events are handled this often.
constexpr int INTERVALO_EVENTOS_MS = 20;

struct Destino {
    uint32_t endereco = 0;
    uint16_t porta = 0;
};
std::optional<Destino> gDestino;  // the tutor connected to at start-up
std::string gNomeAluno;

// A link that dropped: tried again at proximaMs, or at once.
struct Reconexao {
    bool ativa = false;
    bool jaJa = false;
    uint32_t proximaMs = 0;
    uint32_t inicioMs = 0;  // when the try under way began
} gReconexao;
bool gNomeRepetido = false;  // the tutor's text ended, and it was told the name again

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

// The pupil's name, offered from the last run; "Cancelar" gives none and
// keeps what was kept.
std::string pedeNome(Dialogos& dialogos) {
    std::string nome = nomeAlunoGuardado();
    if (!dialogos.mPedeNomeAluno(nome)) return {};
    nome = linhaDeTexto(nome, MAX_NOME_ALUNO);
    guardaNomeAluno(nome);
    return nome;
}

// Up: the flag set, and the tutor told who plays.
void ligado() {
    gComTutor = 1;
    gNomeRepetido = false;
    if (!gNomeAluno.empty()) EnviaTutor(termoAluno(gNomeAluno));
}

// The link failed: the game goes on without it and tries it again.
void perdeLigacao() {
    gLigacao.mFecha();
    gComTutor = 0;
    if (!gDestino) return;
    gReconexao = {.ativa = true, .jaJa = true};
    acrescentaLinhaConversa(TEXTO_CONEXAO_PERDIDA);
}

bool chegou(uint32_t agoraMs, uint32_t momentoMs) { return static_cast<int32_t>(agoraMs - momentoMs) >= 0; }

}  // namespace

void ConectaTutor(Dialogos& dialogos, int limiteMs) {
    DesconectaTutor();

    std::string computador;
    if (!dialogos.mPedeComputador(computador)) return;
    const QHostAddress endereco = enderecoDe(computador);
    if (endereco.isNull()) return;
    std::string porta = PORTA_PADRAO;
    if (!dialogos.mPedePorta(porta)) return;
    const std::string nome = pedeNome(dialogos);

    // The window's events go on while the connection is made, until it is
    // made, fails, or the time is up.
    const Destino destino{endereco.toIPv4Address(), portaDe(porta)};
    if (!gLigacao.mComeca(destino.endereco, destino.porta)) return;
    using Relogio = std::chrono::steady_clock;
    const Relogio::time_point fim = Relogio::now() + std::chrono::milliseconds(limiteMs);
    while (gLigacao.mEstado() == Estado::CONECTANDO && Relogio::now() < fim) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        const auto falta = std::chrono::ceil<std::chrono::milliseconds>(fim - Relogio::now()).count();
        gLigacao.mAvanca(static_cast<int>(std::clamp<long long>(falta, 0, INTERVALO_EVENTOS_MS)));
    }
    if (gLigacao.mEstado() != Estado::LIGADA) {
        gLigacao.mFecha();
        return;
    }
    gDestino = destino;
    gNomeAluno = nome;
    ligado();
}

void DesconectaTutor() {
    gLigacao.mFecha();
    gComTutor = 0;
    gDestino.reset();
    gNomeAluno.clear();
    gReconexao = {};
}

const std::string& NomeAluno() { return gNomeAluno; }

bool ReconectandoTutor() { return gReconexao.ativa; }

void EnviaTutor(const std::string& texto) {
    if (gComTutor && !gLigacao.mEnvia(texto)) perdeLigacao();
}

bool RecebeTutor(char* buffer, std::size_t capacidade, std::size_t& lidos) {
    lidos = 0;
    if (!gComTutor) return false;
    const bool leu = gLigacao.mRecebe(buffer, capacidade, lidos);
    if (gLigacao.mEstado() != Estado::LIGADA) perdeLigacao();
    return leu;
}

void CuidaDoTutor(uint32_t agoraMs) {
    if (gComTutor) {
        gLigacao.mVigia();
        if (gLigacao.mEstado() != Estado::LIGADA) {
            perdeLigacao();
        } else if (gLigacao.mTutorParouDeEnviar() && !gNomeAluno.empty() && !gNomeRepetido) {
            gNomeRepetido = true;
            EnviaTutor(termoAluno(gNomeAluno));
        }
        return;
    }
    if (!gReconexao.ativa || !gDestino) return;
    if (gLigacao.mEstado() == Estado::DESLIGADA) {
        if (!gReconexao.jaJa && !chegou(agoraMs, gReconexao.proximaMs)) return;
        gReconexao.jaJa = false;
        gReconexao.inicioMs = agoraMs;
        gReconexao.proximaMs = agoraMs + INTERVALO_RECONEXAO_MS;
        if (!gLigacao.mComeca(gDestino->endereco, gDestino->porta)) return;
    }
    switch (gLigacao.mAvanca()) {
    case Estado::CONECTANDO:
        if (chegou(agoraMs, gReconexao.inicioMs + LIMITE_CONEXAO_MS)) gLigacao.mFecha();
        break;
    case Estado::LIGADA:
        gReconexao = {};
        acrescentaLinhaConversa(TEXTO_CONECTADO_DE_NOVO);
        ligado();
        break;
    case Estado::DESLIGADA:
        break;
    }
}
