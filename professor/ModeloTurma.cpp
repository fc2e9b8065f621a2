#include "professor/ModeloTurma.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include <algorithm>

namespace {

const QColor COR_VERDE(0xa8, 0xe0, 0x9c);
const QColor COR_AMARELO(0xff, 0xe4, 0x6e);
const QColor COR_VERMELHO(0xf4, 0x9a, 0x8e);
const QColor COR_SAIU(0x80, 0x80, 0x80);  // the text of a pupil who left

QString hora(const QDateTime& momento) { return momento.toString("HH:mm:ss"); }

QColor corDeFundo(CorEcometro cor) {
    if (cor == ECOMETRO_VERDE) return COR_VERDE;
    if (cor == ECOMETRO_AMARELO) return COR_AMARELO;
    return COR_VERMELHO;
}

// A shape for each band, so the column reads without its colour.
QString simbolo(CorEcometro cor) {
    if (cor == ECOMETRO_VERDE) return QStringLiteral("▲");
    if (cor == ECOMETRO_AMARELO) return QStringLiteral("◆");
    return QStringLiteral("▼");
}

QString leitura(int64_t percentual, CorEcometro cor) {
    return QString("%1 %2 % %3").arg(simbolo(cor)).arg(percentual).arg(ModeloTurma::nomeCor(cor));
}

// Red first when sorting up, then yellow, green, and no reading last.
int gravidade(std::optional<CorEcometro> cor) {
    if (!cor) return 3;
    return cor == ECOMETRO_VERMELHO ? 0 : cor == ECOMETRO_AMARELO ? 1 : 2;
}

// The tool in words without the step: "Abrir sol (Mãe Natureza)".
QString semPasso(const QString& descricao) { return descricao.section(", passo ", 0, 0); }

}  // namespace

ModeloTurma::ModeloTurma(QObject* pai) : QAbstractTableModel(pai) {}
ModeloTurma::~ModeloTurma() = default;

QString ModeloTurma::nomeCor(CorEcometro cor) { return QString::fromUtf8(nomeCorEcometro(cor)); }

CorEcometro ModeloTurma::corDoPercentual(int64_t percentual) { return corDoTermo(percentual, std::nullopt); }

int ModeloTurma::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(alunos.size());
}

int ModeloTurma::columnCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : COLUNAS; }

QVariant ModeloTurma::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole) return {};
    switch (secao) {
        case NOME: return "Aluno";
        case FASE: return "Fase";
        case ECOMETRO: return "Ecômetro";
        case PARTIDA: return "Partida";
        case RESULTADO: return "Resultado";
        case USOS: return "Ferramentas";
        case ULTIMA_ACAO: return "Última ação";
        case MENSAGENS: return "Mensagens";
        case SITUACAO: return "Situação";
        case DESDE: return "Desde";
        case ENDERECO: return "Endereço";
        default: return {};
    }
}

QString ModeloTurma::mSituacao(const Aluno& aluno) const {
    return aluno.mConectado() ? QString("conectado") : QString("saiu às %1").arg(hora(aluno.ate));
}

QVariant ModeloTurma::mTexto(const Aluno& aluno, int coluna) const {
    const QString nada = QStringLiteral("—");
    switch (coluna) {
        case NOME: return aluno.nome;
        case FASE: return aluno.fase.isEmpty() ? nada : aluno.fase;
        case ECOMETRO:
            if (!aluno.ecometro) return nada;
            return leitura(*aluno.ecometro, aluno.cor.value_or(corDoPercentual(*aluno.ecometro)));
        case PARTIDA:
            return aluno.partida == Aluno::JOGANDO ? QString("jogando")
                   : aluno.partida == Aluno::TERMINOU ? QString("terminou") : nada;
        case RESULTADO:
            if (!aluno.resultado) return nada;
            return leitura(*aluno.resultado, aluno.corFinal.value_or(corDoPercentual(*aluno.resultado)));
        case USOS: return aluno.usos;
        case ULTIMA_ACAO: return aluno.ultimaAcao.isEmpty() ? nada : aluno.ultimaAcao;
        case MENSAGENS:
            if (aluno.mensagens.isEmpty()) return nada;
            return QString("(%1) %2").arg(aluno.totalMensagens).arg(aluno.mensagens.back());
        case SITUACAO: return mSituacao(aluno);
        case DESDE: return hora(aluno.desde);
        case ENDERECO: return aluno.endereco;
        default: return {};
    }
}

QVariant ModeloTurma::mOrdem(const Aluno& aluno, int coluna) const {
    switch (coluna) {
        case ECOMETRO: return gravidade(aluno.cor) * 100000LL + aluno.ecometro.value_or(0);
        case RESULTADO: return gravidade(aluno.corFinal) * 100000LL + aluno.resultado.value_or(0);
        case USOS: return aluno.usos;
        case MENSAGENS: return aluno.totalMensagens;
        case SITUACAO: return aluno.mConectado() ? 0 : 1;
        case DESDE: return aluno.desde;
        default: return mTexto(aluno, coluna).toString().toLower();
    }
}

QVariant ModeloTurma::data(const QModelIndex& indice, int papel) const {
    const Aluno* aluno = mAlunoDaLinha(indice.row());
    if (aluno == nullptr) return {};
    const int coluna = indice.column();
    if (papel == Qt::DisplayRole) return mTexto(*aluno, coluna);
    if (papel == PAPEL_ORDEM) return mOrdem(*aluno, coluna);
    if (papel == Qt::ToolTipRole) {
        if (coluna == ULTIMA_ACAO && !aluno->ultimaAcao.isEmpty()) return aluno->ultimaAcao;
        if (coluna == MENSAGENS && !aluno->mensagens.isEmpty()) return aluno->mensagens.join('\n');
        return QString("%1 (%2), %3").arg(aluno->nome, aluno->endereco, mSituacao(*aluno));
    }
    const std::optional<CorEcometro> cor = coluna == ECOMETRO ? aluno->cor : coluna == RESULTADO ? aluno->corFinal : std::nullopt;
    if (papel == Qt::BackgroundRole && cor)
        return QBrush(aluno->mConectado() ? corDeFundo(*cor) : corDeFundo(*cor).lighter(125));
    if (papel == Qt::ForegroundRole) {
        if (!aluno->mConectado()) return QBrush(COR_SAIU);
        if (cor) return QBrush(Qt::black);  // on its light band
        return {};
    }
    if (papel == Qt::FontRole && !aluno->mConectado()) {
        QFont italico;
        italico.setItalic(true);
        return italico;
    }
    if (papel == Qt::TextAlignmentRole && (coluna == USOS || coluna == DESDE))
        return QVariant::fromValue(Qt::AlignCenter);
    return {};
}

void ModeloTurma::mChegou(int id, const QString& endereco, const QDateTime& momento) {
    if (static_cast<int>(alunos.size()) >= MAXIMO_ALUNOS) {
        const auto primeiroQueSaiu = std::min_element(alunos.begin(), alunos.end(), [](const auto& a, const auto& b) {
            if (a->mConectado() != b->mConectado()) return !a->mConectado();
            return a->ate < b->ate;
        });
        if ((*primeiroQueSaiu)->mConectado()) return;  // the server keeps fewer connections than rows
        mRemoveLinha(static_cast<int>(primeiroQueSaiu - alunos.begin()));
    }
    auto aluno = std::make_unique<Aluno>();
    aluno->id = id;
    aluno->endereco = endereco;
    aluno->nome = endereco;
    aluno->desde = momento;
    aluno->desdeCor = momento;
    const int linha = static_cast<int>(alunos.size());
    beginInsertRows({}, linha, linha);
    alunos.push_back(std::move(aluno));
    endInsertRows();
    mRegistra(id, {Acontecimento{Acontecimento::ENTRADA, momento, 0, {}, QString("conectou de %1").arg(endereco), {}, {}}});
}

void ModeloTurma::mRemoveLinha(int linha) {
    Q_EMIT alunoRemovido(alunos[static_cast<std::size_t>(linha)]->id);
    beginRemoveRows({}, linha, linha);
    alunos.erase(alunos.begin() + linha);
    endRemoveRows();
}

void ModeloTurma::mNomeia(int id, const QString& nome) {
    const int linha = mLinha(id);
    if (linha < 0 || nome.isEmpty()) return;
    Aluno& aluno = *alunos[static_cast<std::size_t>(linha)];
    if (!aluno.nomeAluno.isEmpty()) return;
    aluno.nome = nome;
    mMudouLinha(linha);
}

int ModeloTurma::mJuntaAoAnterior(int linha, const QString& nomeAluno) {
    const Aluno& novo = *alunos[static_cast<std::size_t>(linha)];
    const auto anterior = std::find_if(alunos.begin(), alunos.end(), [&](const auto& outro) {
        return outro.get() != &novo && !outro->mConectado() && outro->nomeAluno == nomeAluno &&
               outro->mComputador() == novo.mComputador();
    });
    if (anterior == alunos.end()) return linha;
    // The older row takes the connection and what it brought so far.
    Aluno& volta = **anterior;
    const int idAntigo = volta.id;
    const int id = novo.id;
    const std::deque<Acontecimento> trazidos = novo.linhaTempo;
    volta.endereco = novo.endereco;
    volta.ate = {};
    mRemoveLinha(linha);
    volta.id = id;
    Q_EMIT alunoRenumerado(idAntigo, id);
    for (const Acontecimento& acontecimento : trazidos) {
        aplica(volta, acontecimento);
        volta.linhaTempo.push_back(acontecimento);
    }
    return mLinha(id);
}

void ModeloTurma::aplica(Aluno& aluno, const Acontecimento& acontecimento) {
    const QDateTime& hora = acontecimento.hora;
    // The time in the colour shown until now.
    const auto contaCor = [&] {
        if (aluno.cor && aluno.desdeCor.isValid() && aluno.desdeCor <= hora)
            aluno.segundosNaCor[*aluno.cor] += aluno.desdeCor.secsTo(hora);
        aluno.desdeCor = hora;
    };
    switch (acontecimento.tipo) {
        case Acontecimento::ECOMETRO:
            contaCor();
            aluno.ecometro = acontecimento.valor;
            aluno.cor = corDoNome(acontecimento.evento.toStdString()).value_or(corDoPercentual(acontecimento.valor));
            break;
        case Acontecimento::ACAO:
            ++aluno.usos;
            aluno.ultimaAcao = acontecimento.descricao;
            ++aluno.ferramentas[semPasso(acontecimento.descricao)];
            break;
        case Acontecimento::ALUNO:
            aluno.nomeAluno = acontecimento.texto;
            aluno.nome = acontecimento.texto;
            break;
        case Acontecimento::INICIO:
            aluno.desdeCor = hora;
            aluno.fase = acontecimento.texto;
            aluno.partida = Aluno::JOGANDO;
            break;
        case Acontecimento::FIM:
            contaCor();
            aluno.desdeCor = {};
            aluno.partida = Aluno::TERMINOU;
            aluno.resultado = aluno.ecometro = acontecimento.valor;
            aluno.corFinal = aluno.cor =
                corDoNome(acontecimento.evento.toStdString()).value_or(corDoPercentual(acontecimento.valor));
            break;
        case Acontecimento::DIZ:
            aluno.mensagens << acontecimento.texto;
            if (aluno.mensagens.size() > Aluno::MAXIMO_MENSAGENS) aluno.mensagens.removeFirst();
            ++aluno.totalMensagens;
            break;
        case Acontecimento::SAIDA:
            if (aluno.partida != Aluno::TERMINOU) contaCor();
            aluno.desdeCor = {};
            aluno.ate = hora;
            break;
        case Acontecimento::ENTRADA:
            aluno.ate = {};
            if (aluno.partida != Aluno::TERMINOU) aluno.desdeCor = hora;
            break;
        case Acontecimento::TEXTO:
        case Acontecimento::MENSAGEM:
            break;
    }
}

void ModeloTurma::mRegistra(int id, const std::vector<Acontecimento>& acontecimentos) {
    int linha = mLinha(id);
    if (linha < 0 || acontecimentos.empty()) return;
    for (const Acontecimento& acontecimento : acontecimentos) {
        Aluno& aluno = *alunos[static_cast<std::size_t>(linha)];
        aplica(aluno, acontecimento);
        aluno.linhaTempo.push_back(acontecimento);
        if (acontecimento.tipo == Acontecimento::ALUNO) linha = mJuntaAoAnterior(linha, acontecimento.texto);
    }
    Aluno& aluno = *alunos[static_cast<std::size_t>(linha)];
    while (aluno.linhaTempo.size() > static_cast<std::size_t>(MAXIMO_LINHA_TEMPO)) {
        aluno.linhaTempo.pop_front();
        ++aluno.descartadas;
    }
    mMudouLinha(linha);
    Q_EMIT linhaTempoMudou(id);
}

void ModeloTurma::mMudouLinha(int linha) {
    Q_EMIT dataChanged(index(linha, 0), index(linha, COLUNAS - 1));
}

const Aluno* ModeloTurma::mAluno(int id) const { return mAlunoDaLinha(mLinha(id)); }

const Aluno* ModeloTurma::mAlunoDaLinha(int linha) const {
    if (linha < 0 || linha >= static_cast<int>(alunos.size())) return nullptr;
    return alunos[static_cast<std::size_t>(linha)].get();
}

int ModeloTurma::mLinha(int id) const {
    const auto achado = std::find_if(alunos.begin(), alunos.end(), [id](const auto& aluno) { return aluno->id == id; });
    return achado == alunos.end() ? -1 : static_cast<int>(achado - alunos.begin());
}

int ModeloTurma::mConectados() const {
    return static_cast<int>(std::count_if(alunos.begin(), alunos.end(), [](const auto& a) { return a->mConectado(); }));
}

ContagemTurma ModeloTurma::mContagem() const {
    ContagemTurma contagem;
    for (const auto& aluno : alunos) {
        if (!aluno->mConectado()) continue;
        if (aluno->partida == Aluno::TERMINOU) ++contagem.terminaram;
        else if (aluno->cor == ECOMETRO_VERDE) ++contagem.verde;
        else if (aluno->cor == ECOMETRO_AMARELO) ++contagem.amarelo;
        else if (aluno->cor == ECOMETRO_VERMELHO) ++contagem.vermelho;
    }
    return contagem;
}

QString ModeloTurma::textoContagem(const ContagemTurma& contagem) {
    return QString("%1 verde · %2 amarelo · %3 vermelho · %4 %5")
        .arg(contagem.verde)
        .arg(contagem.amarelo)
        .arg(contagem.vermelho)
        .arg(contagem.terminaram)
        .arg(contagem.terminaram == 1 ? "terminou" : "terminaram");
}
