#include "tools/professor/ModeloTurma.h"

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

}  // namespace

ModeloTurma::ModeloTurma(QObject* pai) : QAbstractTableModel(pai) {}
ModeloTurma::~ModeloTurma() = default;

QString ModeloTurma::nomeCor(CorEcometro cor) { return QString::fromUtf8(nomeCorEcometro(cor)); }

CorEcometro ModeloTurma::corDoPercentual(int64_t percentual) {
    return corEcometro(static_cast<float>(percentual) / 100.0f);
}

int ModeloTurma::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(alunos.size());
}

int ModeloTurma::columnCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : COLUNAS; }

QVariant ModeloTurma::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole) return {};
    switch (secao) {
        case NOME: return "Aluno";
        case ENDERECO: return "Endereço";
        case DESDE: return "Desde";
        case SITUACAO: return "Situação";
        case ECOMETRO: return "Ecômetro";
        case USOS: return "Ferramentas";
        case ULTIMA_ACAO: return "Última ação";
        default: return {};
    }
}

QString ModeloTurma::mSituacao(const Aluno& aluno) const {
    return aluno.mConectado() ? QString("conectado") : QString("saiu às %1").arg(hora(aluno.ate));
}

QVariant ModeloTurma::data(const QModelIndex& indice, int papel) const {
    const Aluno* aluno = mAlunoDaLinha(indice.row());
    if (aluno == nullptr) return {};
    const int coluna = indice.column();
    if (papel == Qt::DisplayRole) {
        switch (coluna) {
            case NOME: return aluno->nome;
            case ENDERECO: return aluno->endereco;
            case DESDE: return hora(aluno->desde);
            case SITUACAO: return mSituacao(*aluno);
            case ECOMETRO: {
                if (!aluno->ecometro) return QStringLiteral("—");
                const CorEcometro cor = corDoPercentual(*aluno->ecometro);
                return QString("%1 %2 % %3").arg(simbolo(cor)).arg(*aluno->ecometro).arg(nomeCor(cor));
            }
            case USOS: return aluno->usos;
            case ULTIMA_ACAO: return aluno->ultimaAcao.isEmpty() ? QStringLiteral("—") : aluno->ultimaAcao;
            default: return {};
        }
    }
    if (papel == Qt::ToolTipRole) {
        if (coluna == ULTIMA_ACAO && !aluno->ultimaAcao.isEmpty()) return aluno->ultimaAcao;
        return QString("%1 (%2), %3").arg(aluno->nome, aluno->endereco, mSituacao(*aluno));
    }
    if (papel == Qt::BackgroundRole && coluna == ECOMETRO && aluno->ecometro) {
        const QColor cor = corDeFundo(corDoPercentual(*aluno->ecometro));
        return QBrush(aluno->mConectado() ? cor : cor.lighter(125));
    }
    if (papel == Qt::ForegroundRole) {
        if (!aluno->mConectado()) return QBrush(COR_SAIU);
        if (coluna == ECOMETRO && aluno->ecometro) return QBrush(Qt::black);  // on its light band
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
        const int linha = static_cast<int>(primeiroQueSaiu - alunos.begin());
        Q_EMIT alunoRemovido((*primeiroQueSaiu)->id);
        beginRemoveRows({}, linha, linha);
        alunos.erase(alunos.begin() + linha);
        endRemoveRows();
    }
    auto aluno = std::make_unique<Aluno>();
    aluno->id = id;
    aluno->endereco = endereco;
    aluno->nome = endereco;
    aluno->desde = momento;
    const int linha = static_cast<int>(alunos.size());
    beginInsertRows({}, linha, linha);
    alunos.push_back(std::move(aluno));
    endInsertRows();
    mRegistra(id, {Acontecimento{Acontecimento::ENTRADA, momento, 0, {}, QString("conectou de %1").arg(endereco), {}}});
}

void ModeloTurma::mNomeia(int id, const QString& nome) {
    const int linha = mLinha(id);
    if (linha < 0 || nome.isEmpty()) return;
    alunos[static_cast<std::size_t>(linha)]->nome = nome;
    mMudouLinha(linha);
}

void ModeloTurma::mRegistra(int id, const std::vector<Acontecimento>& acontecimentos) {
    const int linha = mLinha(id);
    if (linha < 0 || acontecimentos.empty()) return;
    Aluno& aluno = *alunos[static_cast<std::size_t>(linha)];
    for (const Acontecimento& acontecimento : acontecimentos) {
        if (acontecimento.tipo == Acontecimento::ECOMETRO) {
            aluno.ecometro = acontecimento.valor;
        } else if (acontecimento.tipo == Acontecimento::ACAO) {
            ++aluno.usos;
            aluno.ultimaAcao = acontecimento.descricao;
        } else if (acontecimento.tipo == Acontecimento::SAIDA) {
            aluno.ate = acontecimento.hora;
        }
        aluno.linhaTempo.push_back(acontecimento);
    }
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
    // Rows keep the order of arrival, and ids grow with it.
    const auto achado = std::lower_bound(alunos.begin(), alunos.end(), id,
                                         [](const auto& aluno, int procurado) { return aluno->id < procurado; });
    if (achado == alunos.end() || (*achado)->id != id) return -1;
    return static_cast<int>(achado - alunos.begin());
}

int ModeloTurma::mConectados() const {
    return static_cast<int>(std::count_if(alunos.begin(), alunos.end(), [](const auto& a) { return a->mConectado(); }));
}
