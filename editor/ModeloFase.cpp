#include "editor/ModeloFase.h"

#include "editor/Estilo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QUndoCommand>

#include <algorithm>

namespace {

// The file's bytes as UTF-8: a text that is not UTF-8 came from an older
// editor and is read as Latin-1, so that its comment keeps its accents.
std::string comoUtf8(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString texto = utf8(bytes);
    if (!utf8.hasError()) return bytes.toStdString();
    return QString::fromLatin1(bytes).toStdString();
}

constexpr int EDICOES_LEMBRADAS = 1000;

// An edit of the phase: what does it and what undoes it, each answering the
// row to choose afterwards.
class EdicaoFase : public QUndoCommand {
public:
    EdicaoFase(const QString& texto, ModeloFase& modelo, std::function<int()> faz,
               std::function<int()> desfaz)
        : QUndoCommand(texto), modelo(modelo), faz(std::move(faz)), desfaz(std::move(desfaz)) {}
    void redo() override { Q_EMIT modelo.editou(faz()); }
    void undo() override { Q_EMIT modelo.editou(desfaz()); }

private:
    ModeloFase& modelo;
    std::function<int()> faz, desfaz;
};

}  // namespace

ModeloFase::ModeloFase(QObject* dono) : QAbstractTableModel(dono) {
    pilha.setUndoLimit(EDICOES_LEMBRADAS);
    mNovo();
}

void ModeloFase::mNovo() {
    beginResetModel();
    arquivo = {};
    salvo = mTexto();
    caminho.clear();
    pareceFase = true;
    pilha.clear();
    endResetModel();
    mAlterou();
}

bool ModeloFase::mAbre(const QString& nome, QString& erro) {
    QFile arquivoDisco(nome);
    if (!arquivoDisco.open(QIODevice::ReadOnly)) {
        erro = QString("Não foi possível abrir o arquivo de fase \"%1\":\n%2.")
                   .arg(QDir::toNativeSeparators(nome), arquivoDisco.errorString());
        return false;
    }
    if (arquivoDisco.size() > TAMANHO_MAXIMO) {
        erro = QString("O arquivo \"%1\" é grande demais para ser um arquivo de fase "
                       "(mais de 1 MB).")
                   .arg(QDir::toNativeSeparators(nome));
        return false;
    }
    const QByteArray bytes = arquivoDisco.readAll();
    if (arquivoDisco.error() != QFileDevice::NoError) {
        erro = QString("Não foi possível ler o arquivo de fase \"%1\":\n%2.")
                   .arg(QDir::toNativeSeparators(nome), arquivoDisco.errorString());
        return false;
    }
    if (bytes.contains('\0')) {
        erro = QString("O arquivo \"%1\" não é um arquivo de texto; um arquivo de fase tem "
                       "números (tempo e evento) e um comentário.")
                   .arg(QDir::toNativeSeparators(nome));
        return false;
    }
    const std::string texto = comoUtf8(bytes);
    beginResetModel();
    arquivo = leArquivoFase(texto);
    salvo = mTexto();
    caminho = nome;
    pareceFase = pareceArquivoFase(texto);
    pilha.clear();
    endResetModel();
    mAlterou();
    return true;
}

bool ModeloFase::mSalva(const QString& nome, QString& erro) {
    QSaveFile destino(nome);
    const std::string texto = mTexto();
    const bool escrito = destino.open(QIODevice::WriteOnly) &&
                         destino.write(texto.data(), static_cast<qint64>(texto.size())) ==
                             static_cast<qint64>(texto.size()) &&
                         destino.commit();
    if (!escrito) {
        erro = QString("Não foi possível salvar o arquivo de fase \"%1\":\n%2.\n\n"
                       "A fase continua aberta no editor; tente salvar em outro lugar.")
                   .arg(QDir::toNativeSeparators(nome), destino.errorString());
        return false;
    }
    salvo = texto;
    caminho = nome;
    pareceFase = true;
    Q_EMIT alterado();
    return true;
}

QString ModeloFase::mNomeArquivo() const {
    return caminho.isEmpty() ? QString("sem título") : QFileInfo(caminho).fileName();
}

bool ModeloFase::mModificado() const { return mTexto() != salvo; }

std::vector<const AvisoFase*> ModeloFase::mAvisosDaLinha(int linha) const {
    std::vector<const AvisoFase*> daLinha;
    for (const AvisoFase& aviso : avisos) {
        // Past the hundredth pair every row is ignored, not only the first.
        const bool dela = aviso.tipo == AvisoFase::MAIS_DE_CEM
                              ? aviso.indice >= 0 && linha >= aviso.indice
                              : aviso.indice == linha;
        if (dela) daLinha.push_back(&aviso);
    }
    return daLinha;
}

bool ModeloFase::mInsere(int linha, ParFase par) {
    if (linha < 0 || linha > rowCount()) return false;
    mEdita("inserção de evento", [=, this] { mInsereAqui(linha, par); return linha; },
           [=, this] { mRemoveAqui(linha); return std::min(linha, rowCount() - 1); });
    return true;
}

int ModeloFase::mInsereNovo(int escolhida) {
    constexpr int32_t EVENTO_NOVO = 2;  // a polluter drawn at random
    constexpr int32_t INTERVALO = 10;   // s after the last event
    const auto& pares = arquivo.pares;
    const int total = rowCount();
    int linha = mLinhaValida(escolhida) ? escolhida + 1 : total;
    if (!mLinhaValida(escolhida) && total > 0 && pares.back().evento == 1) linha = total - 1;
    const int32_t antes = linha > 0 ? std::clamp(pares[static_cast<std::size_t>(linha - 1)].tempo, 0, TEMPO_MAXIMO) : 0;
    int32_t tempo = std::min(antes + INTERVALO, TEMPO_MAXIMO);
    if (linha < total) {
        const int32_t depois = pares[static_cast<std::size_t>(linha)].tempo;
        tempo = depois > antes ? std::min(antes + (depois - antes) / 2, TEMPO_MAXIMO) : antes;
    }
    mInsere(linha, {tempo, EVENTO_NOVO});
    return linha;
}

bool ModeloFase::mRemove(int linha) {
    if (!mLinhaValida(linha)) return false;
    const ParFase par = arquivo.pares[static_cast<std::size_t>(linha)];
    mEdita("exclusão de evento", [=, this] { mRemoveAqui(linha); return std::min(linha, rowCount() - 1); },
           [=, this] { mInsereAqui(linha, par); return linha; });
    return true;
}

bool ModeloFase::mMove(int linha, int destino) {
    if (!mLinhaValida(linha) || !mLinhaValida(destino) || linha == destino) return false;
    mEdita("mudança de posição", [=, this] { mMoveAqui(linha, destino); return destino; },
           [=, this] { mMoveAqui(destino, linha); return linha; });
    return true;
}

bool ModeloFase::mDefineTempo(int linha, int32_t tempo) {
    if (!mLinhaValida(linha)) return false;
    ParFase par = arquivo.pares[static_cast<std::size_t>(linha)];
    par.tempo = tempo;
    return mDefinePar(linha, par, "mudança de tempo");
}

bool ModeloFase::mDefineEvento(int linha, int32_t evento) {
    if (!mLinhaValida(linha)) return false;
    ParFase par = arquivo.pares[static_cast<std::size_t>(linha)];
    par.evento = evento;
    return mDefinePar(linha, par, "mudança de evento");
}

bool ModeloFase::mDefinePar(int linha, ParFase par, const QString& texto) {
    const ParFase antes = arquivo.pares[static_cast<std::size_t>(linha)];
    if (par == antes) return false;
    mEdita(texto, [=, this] { mTrocaPar(linha, par); return linha; },
           [=, this] { mTrocaPar(linha, antes); return linha; });
    return true;
}

bool ModeloFase::mOrdena() {
    // The game takes the times as unsigned: a negative time comes last.
    const auto antes = [](const ParFase& a, const ParFase& b) {
        return static_cast<uint32_t>(a.tempo) < static_cast<uint32_t>(b.tempo);
    };
    if (std::is_sorted(arquivo.pares.begin(), arquivo.pares.end(), antes)) return false;
    std::vector<ParFase> ordenados = arquivo.pares;
    std::stable_sort(ordenados.begin(), ordenados.end(), antes);
    mEdita("ordenação", [=, this] { mTrocaPares(ordenados); return -1; },
           [desordenados = arquivo.pares, this] { mTrocaPares(desordenados); return -1; });
    return true;
}

void ModeloFase::mEdita(const QString& texto, std::function<int()> faz, std::function<int()> desfaz) {
    pilha.push(new EdicaoFase(texto, *this, std::move(faz), std::move(desfaz)));
}

void ModeloFase::mInsereAqui(int linha, ParFase par) {
    beginInsertRows({}, linha, linha);
    arquivo.pares.insert(arquivo.pares.begin() + linha, par);
    endInsertRows();
    mAlterou();
}

void ModeloFase::mRemoveAqui(int linha) {
    beginRemoveRows({}, linha, linha);
    arquivo.pares.erase(arquivo.pares.begin() + linha);
    endRemoveRows();
    mAlterou();
}

void ModeloFase::mMoveAqui(int linha, int destino) {
    // Qt counts the destination before the move: one further when moving down.
    beginMoveRows({}, linha, linha, {}, destino > linha ? destino + 1 : destino);
    const ParFase par = arquivo.pares[static_cast<std::size_t>(linha)];
    arquivo.pares.erase(arquivo.pares.begin() + linha);
    arquivo.pares.insert(arquivo.pares.begin() + destino, par);
    endMoveRows();
    mAlterou();
}

void ModeloFase::mTrocaPar(int linha, ParFase par) {
    arquivo.pares[static_cast<std::size_t>(linha)] = par;
    Q_EMIT dataChanged(index(linha, 0), index(linha, NUM_COLUNAS - 1));
    mAlterou();
}

void ModeloFase::mTrocaPares(std::vector<ParFase> pares) {
    beginResetModel();
    arquivo.pares = std::move(pares);
    endResetModel();
    mAlterou();
}

void ModeloFase::mDefineComentario(const std::string& comentario) {
    if (arquivo.comentario == comentario) return;
    arquivo.comentario = comentario;
    Q_EMIT alterado();
}

void ModeloFase::mAlterou() {
    avisos = avisosFase(arquivo.pares);
    // The marks of every row may have changed (an order warning moves).
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, NUM_COLUNAS - 1),
                         {Qt::BackgroundRole, Qt::ToolTipRole, Qt::ForegroundRole});
    Q_EMIT alterado();
}

int ModeloFase::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(arquivo.pares.size());
}

int ModeloFase::columnCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : NUM_COLUNAS; }

QVariant ModeloFase::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid() || !mLinhaValida(indice.row())) return {};
    const ParFase& par = arquivo.pares[static_cast<std::size_t>(indice.row())];
    const bool tempo = indice.column() == COLUNA_TEMPO;
    switch (papel) {
    case Qt::DisplayRole:
        return tempo ? QVariant(par.tempo) : QVariant(qt(nomeEventoFase(par.evento)));
    case Qt::EditRole:
        return tempo ? par.tempo : par.evento;
    case Qt::TextAlignmentRole:
        return tempo ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::BackgroundRole:
        return mAvisosDaLinha(indice.row()).empty() ? QVariant() : QVariant(estilo::AVISO_FUNDO);
    case Qt::DecorationRole:
        return tempo ? QVariant() : QVariant(estilo::corEvento(par.evento));
    case Qt::ToolTipRole: {
        QStringList textos;
        for (const AvisoFase* aviso : mAvisosDaLinha(indice.row())) textos << qt(aviso->texto);
        if (!textos.isEmpty()) return textos.join("\n");
        return tempo ? QVariant() : QVariant(QString("código %1").arg(par.evento));
    }
    default:
        return {};
    }
}

bool ModeloFase::setData(const QModelIndex& indice, const QVariant& valor, int papel) {
    if (!indice.isValid() || papel != Qt::EditRole) return false;
    bool ok = false;
    const int numero = valor.toInt(&ok);
    if (!ok) return false;
    if (indice.column() == COLUNA_TEMPO)
        return mDefineTempo(indice.row(), std::clamp(numero, 0, TEMPO_MAXIMO));
    return mDefineEvento(indice.row(), numero);
}

Qt::ItemFlags ModeloFase::flags(const QModelIndex& indice) const {
    if (!indice.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant ModeloFase::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (papel != Qt::DisplayRole) return {};
    if (orientacao == Qt::Vertical) return secao + 1;
    return secao == COLUNA_TEMPO ? QString("Tempo (s)") : QString("Evento");
}
