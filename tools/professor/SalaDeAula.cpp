#include "tools/professor/SalaDeAula.h"

#include "core/match/TermoEmPalavras.h"

#include <QHostInfo>

#include <utility>

namespace {

// At most maximo characters, with "…" when cut; a character outside the
// basic plane is never cut in half.
QString encurta(const QString& texto, int maximo) {
    if (texto.size() <= maximo) return texto;
    qsizetype corte = maximo;
    if (texto.at(corte - 1).isHighSurrogate()) --corte;
    return texto.left(corte) + QStringLiteral("…");
}

// The pupil's text on one line, for a row of a table.
QString emUmaLinha(QString texto) {
    texto.replace('\n', QStringLiteral(" ⏎ "));
    return texto;
}

QString qt(const std::string& texto) { return QString::fromStdString(texto); }

// The address as people write it: IPv4 also when it came mapped into IPv6.
QString textoEndereco(const QHostAddress& endereco, quint16 porta) {
    bool ipv4 = false;
    const quint32 quatro = endereco.toIPv4Address(&ipv4);
    if (ipv4) return QString("%1:%2").arg(QHostAddress(quatro).toString()).arg(porta);
    return QString("[%1]:%2").arg(endereco.toString()).arg(porta);
}

}  // namespace

SalaDeAula::SalaDeAula(QString pastaTurmas, Relogio relogio, QObject* pai)
    : QObject(pai), pastaTurmas(std::move(pastaTurmas)), relogio(std::move(relogio)) {
    connect(&servidor, &ServidorTurma::chegou, this, &SalaDeAula::mChegou);
    connect(&servidor, &ServidorTurma::leu, this, &SalaDeAula::mLeu);
    connect(&servidor, &ServidorTurma::saiu, this, &SalaDeAula::mSaiu);
}

bool SalaDeAula::mInicia(const QHostAddress& endereco, quint16 porta) {
    registro.mAbre(pastaTurmas, relogio());
    if (servidor.mEscuta(endereco, porta)) return true;
    erro = servidor.mErro();
    return false;
}

void SalaDeAula::mChegou(int id, const QHostAddress& endereco, quint16 porta) {
    const QString texto = textoEndereco(endereco, porta);
    decodificadores[id] = DecodificadorTutor();
    modelo.mChegou(id, texto, relogio());
    if (const Aluno* aluno = modelo.mAluno(id)) {
        registro.mEscreve(aluno->nome, aluno->endereco, aluno->linhaTempo.back());
        registro.mDescarrega();
    }
    // The computer's name, when the network knows it; the address stays otherwise.
    QHostInfo::lookupHost(endereco.toString(), this, [this, id](const QHostInfo& resposta) {
        mNomeDescoberto(id, resposta);
    });
}

void SalaDeAula::mNomeDescoberto(int id, const QHostInfo& resposta) {
    if (resposta.error() != QHostInfo::NoError || resposta.hostName().isEmpty()) return;
    QHostAddress comoNumero;
    if (comoNumero.setAddress(resposta.hostName())) return;  // no name, only the address again
    modelo.mNomeia(id, resposta.hostName());
}

void SalaDeAula::mLeu(int id, const std::vector<TermoLido>& termos) {
    const QDateTime agora = relogio();
    std::vector<Acontecimento> acontecimentos;
    std::string texto;  // text between terms, taken together
    auto fechaTexto = [&] {
        if (texto.empty()) return;
        const QString decodificado = qt(decodificadores[id].mDecodifica(texto));
        texto.clear();
        if (decodificado.isEmpty()) return;  // held back until the rest of a character comes
        Acontecimento a{Acontecimento::TEXTO, agora, 0, {}, {}, encurta(decodificado, MAXIMO_TEXTO)};
        a.descricao = "texto: " + emUmaLinha(encurta(decodificado, MAXIMO_DESCRICAO));
        acontecimentos.push_back(std::move(a));
    };
    for (const TermoLido& termo : termos) {
        if (termo.tipo == TermoLido::TEXTO) {
            texto += termo.texto;
            continue;
        }
        fechaTexto();
        const auto tipo = termo.tipo == TermoLido::ECOMETRO ? Acontecimento::ECOMETRO : Acontecimento::ACAO;
        acontecimentos.push_back(Acontecimento{tipo, agora, termo.valor, encurta(qt(termo.evento), MAXIMO_DESCRICAO),
                                               encurta(qt(termoEmPalavras(termo)), MAXIMO_DESCRICAO),
                                               encurta(qt(termo.texto), MAXIMO_TEXTO)});
    }
    fechaTexto();
    mRegistra(id, acontecimentos);
}

void SalaDeAula::mSaiu(int id) {
    decodificadores.erase(id);
    mRegistra(id, {Acontecimento{Acontecimento::SAIDA, relogio(), 0, {}, "desconectou", {}}});
}

void SalaDeAula::mRegistra(int id, const std::vector<Acontecimento>& acontecimentos) {
    if (acontecimentos.empty()) return;
    modelo.mRegistra(id, acontecimentos);
    const Aluno* aluno = modelo.mAluno(id);
    const QString nome = aluno ? aluno->nome : QString();
    const QString endereco = aluno ? aluno->endereco : QString();
    for (const Acontecimento& acontecimento : acontecimentos) registro.mEscreve(nome, endereco, acontecimento);
    registro.mDescarrega();
}

QByteArray SalaDeAula::bytesDaMensagem(const QString& mensagem) {
    QString linha = mensagem;
    linha.replace('\r', ' ').replace('\n', ' ');
    return linha.trimmed().toUtf8() + "\r\n";
}

Acontecimento SalaDeAula::mMensagem(const QString& mensagem) const {
    const QString linha = QString::fromUtf8(bytesDaMensagem(mensagem)).trimmed();
    return Acontecimento{Acontecimento::MENSAGEM, relogio(), 0, {},
                         "mensagem do professor: " + encurta(linha, MAXIMO_DESCRICAO), encurta(linha, MAXIMO_TEXTO)};
}

bool SalaDeAula::mEnviaAoAluno(int id, const QString& mensagem) {
    if (mensagem.trimmed().isEmpty()) return false;
    if (!servidor.mEnvia(id, bytesDaMensagem(mensagem))) return false;
    mRegistra(id, {mMensagem(mensagem)});
    return true;
}

int SalaDeAula::mEnviaATodos(const QString& mensagem) {
    if (mensagem.trimmed().isEmpty()) return 0;
    const Acontecimento registroMensagem = mMensagem(mensagem);
    const std::vector<int> enviados = servidor.mEnviaATodos(bytesDaMensagem(mensagem));
    for (const int id : enviados) mRegistra(id, {registroMensagem});
    return static_cast<int>(enviados.size());
}
