#include "professor/SalaDeAula.h"

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

// A name or a line the pupil's game sent, as one line without control characters.
QString linhaLimpa(const std::string& texto, int maximo) {
    QString linha = qt(texto);
    for (QChar& c : linha)
        if (c.category() == QChar::Other_Control) c = ' ';
    return encurta(linha.simplified(), maximo);
}

Acontecimento::Tipo tipoDoTermo(TermoLido::Tipo tipo) {
    switch (tipo) {
        case TermoLido::ECOMETRO: return Acontecimento::ECOMETRO;
        case TermoLido::ACAO: return Acontecimento::ACAO;
        case TermoLido::ALUNO: return Acontecimento::ALUNO;
        case TermoLido::INICIO_PARTIDA: return Acontecimento::INICIO;
        case TermoLido::FIM_PARTIDA: return Acontecimento::FIM;
        case TermoLido::DIZ: return Acontecimento::DIZ;
        case TermoLido::TEXTO: break;
    }
    return Acontecimento::TEXTO;
}

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
    if (registro.mAbre(pastaTurmas, relogio())) mRele(registro.mLidas());
    if (servidor.mEscuta(endereco, porta)) return true;
    erro = servidor.mErro();
    return false;
}

void SalaDeAula::mRele(const std::vector<LinhaRegistro>& linhas) {
    // Each connection of the log gets an id the server never gives.
    std::map<QString, int> ids;
    std::map<int, QDateTime> ultimaHora;
    int proximo = 0;
    for (const LinhaRegistro& linha : linhas) {
        const Acontecimento& acontecimento = linha.acontecimento;
        auto achado = ids.find(linha.endereco);
        if (achado == ids.end() || acontecimento.tipo == Acontecimento::ENTRADA) {
            const int id = --proximo;
            achado = ids.insert_or_assign(linha.endereco, id).first;
            modelo.mChegou(id, linha.endereco, acontecimento.hora);
            if (linha.aluno != linha.endereco) modelo.mNomeia(id, linha.aluno);
            ultimaHora[id] = acontecimento.hora;
            if (acontecimento.tipo == Acontecimento::ENTRADA) continue;
        }
        modelo.mRegistra(achado->second, {acontecimento});
        ultimaHora[achado->second] = acontecimento.hora;
    }
    // Whoever was still connected when the console closed left then.
    for (const auto& [id, hora] : ultimaHora) {
        const Aluno* aluno = modelo.mAluno(id);
        if (aluno && aluno->mConectado())
            modelo.mRegistra(id, {Acontecimento{Acontecimento::SAIDA, hora, 0, {}, "desconectou (console fechado)", {}, {}}});
    }
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
        Acontecimento a{Acontecimento::TEXTO, agora, 0, {}, {}, encurta(decodificado, MAXIMO_TEXTO),
                        encurta(decodificado, MAXIMO_TEXTO)};
        a.descricao = "texto: " + emUmaLinha(encurta(decodificado, MAXIMO_DESCRICAO));
        acontecimentos.push_back(std::move(a));
    };
    // The colour the game shows, followed through the terms.
    const Aluno* aluno = modelo.mAluno(id);
    std::optional<CorEcometro> cor = aluno ? aluno->cor : std::nullopt;
    for (const TermoLido& termo : termos) {
        const QString conteudo = linhaLimpa(termo.conteudo, termo.tipo == TermoLido::ALUNO ? MAXIMO_NOME : MAXIMO_TEXTO);
        if (termo.tipo == TermoLido::TEXTO || (termo.tipo == TermoLido::ALUNO && conteudo.isEmpty())) {
            texto += termo.texto;
            continue;
        }
        fechaTexto();
        Acontecimento a{tipoDoTermo(termo.tipo), agora, termo.valor, encurta(qt(termo.evento), MAXIMO_DESCRICAO),
                        emUmaLinha(encurta(qt(termoEmPalavras(termo)), MAXIMO_DESCRICAO)), conteudo,
                        encurta(qt(termo.texto), MAXIMO_TEXTO)};
        if (termo.tipo == TermoLido::ECOMETRO) {
            cor = corDoTermo(termo.valor, cor);
            a.evento = ModeloTurma::nomeCor(*cor);
            a.descricao = QString("ecômetro %1 % (%2)").arg(termo.valor).arg(a.evento);
        } else if (termo.tipo == TermoLido::FIM_PARTIDA) {
            cor = corDoNome(termo.evento).value_or(corDoTermo(termo.valor, cor));
            a.evento = ModeloTurma::nomeCor(*cor);
        }
        acontecimentos.push_back(std::move(a));
    }
    fechaTexto();
    mRegistra(id, acontecimentos);
}

void SalaDeAula::mSaiu(int id) {
    decodificadores.erase(id);
    mRegistra(id, {Acontecimento{Acontecimento::SAIDA, relogio(), 0, {}, "desconectou", {}, {}}});
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
                         "mensagem do professor: " + encurta(linha, MAXIMO_DESCRICAO), encurta(linha, MAXIMO_TEXTO), {}};
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
