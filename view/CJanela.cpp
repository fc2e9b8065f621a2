#include "view/CJanela.h"

#include "core/scene/CCena3D.h"
#include "view/CTela2D.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <map>

namespace {

constexpr int TAMANHO_INICIAL = 128;          // pixels, before the window is placed
constexpr int ELEVACAO_CENTRO = 25;           // pixels the centred window is raised
const QColor COR_FUNDO_JANELA(200, 200, 200); // the window's background brush

// The game's icon, a fish in a drop of water, at every size drawn for it.
QIcon iconeDoJogo() {
    QIcon icone;
    for (const int lado : {16, 32, 48, 128, 256})
        icone.addFile(QString(":/icone/qelp-%1.png").arg(lado), QSize(lado, lado));
    return icone;
}

uint32_t codigoTecla(int tecla) {
    switch (tecla) {
    case Qt::Key_F1: return TECLA_F1;
    case Qt::Key_F2: return TECLA_F2;
    case Qt::Key_F3: return TECLA_F3;
    case Qt::Key_F12: return TECLA_F12;
    default: return TECLA_OUTRA;
    }
}

}  // namespace

// The client area: shows the retained picture and reports the mouse.
class QuadroCliente : public QWidget {
public:
    QuadroCliente(CJanela& dona, OuvinteJanela& ouvinte) : dona(dona), ouvinte(ouvinte) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    // The retained picture keeps everything drawn, so showing it again is
    // all a paint needs: nothing is lost when the window is covered.
    void paintEvent(QPaintEvent* evento) override {
        QPainter pintor(this);
        pintor.fillRect(evento->rect(), COR_FUNDO_JANELA);
        pintor.drawImage(evento->rect(), dona.imagem, evento->rect());
    }

    void resizeEvent(QResizeEvent*) override {
        dona.mRedimensionaImagem(width(), height());
        ouvinte.mTrataMensagem({TipoMensagem::TAMANHO, static_cast<uint32_t>(width()),
                                static_cast<uint32_t>(height())});
    }

    void mousePressEvent(QMouseEvent* evento) override { botao(evento, true); }
    void mouseReleaseEvent(QMouseEvent* evento) override { botao(evento, false); }

private:
    void botao(QMouseEvent* evento, bool desce) {
        TipoMensagem tipo;
        if (evento->button() == Qt::LeftButton)
            tipo = desce ? TipoMensagem::BOTAO_ESQUERDO_DESCE : TipoMensagem::BOTAO_ESQUERDO_SOBE;
        else if (evento->button() == Qt::RightButton)
            tipo = desce ? TipoMensagem::BOTAO_DIREITO_DESCE : TipoMensagem::BOTAO_DIREITO_SOBE;
        else
            return;
        const QPoint ponto = evento->position().toPoint();
        // Client coordinates travel as two unsigned 16-bit values.
        ouvinte.mTrataMensagem({tipo, static_cast<uint16_t>(ponto.x()),
                                static_cast<uint16_t>(ponto.y())});
    }

    CJanela& dona;
    OuvinteJanela& ouvinte;
};

// The top-level window: menu bar, keys, activation, closing.
class JanelaPrincipal : public QMainWindow {
public:
    JanelaPrincipal(CJanela& dona, OuvinteJanela& ouvinte) : ouvinte(&ouvinte) {
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
        cliente = new QuadroCliente(dona, ouvinte);
        setCentralWidget(cliente);
    }

    ~JanelaPrincipal() override {
        if (ouvinte) ouvinte->mTrataMensagem({TipoMensagem::DESTROI});
    }

    void mEsqueceOuvinte() { ouvinte = nullptr; }

    QuadroCliente* cliente;
    std::map<int, QAction*> acoes;
    std::map<int, QTimer*> temporizadores;  // children of the window

protected:
    void keyPressEvent(QKeyEvent* evento) override {
        if (ouvinte) ouvinte->mTrataMensagem({TipoMensagem::TECLA, codigoTecla(evento->key())});
    }

    void closeEvent(QCloseEvent* evento) override {
        if (ouvinte) ouvinte->mTrataMensagem({TipoMensagem::FECHA});
        evento->accept();  // the window is destroyed
    }

    void changeEvent(QEvent* evento) override {
        QMainWindow::changeEvent(evento);
        if (!ouvinte) return;
        if (evento->type() == QEvent::WindowStateChange) {
            const bool minimizada = isMinimized();
            ouvinte->mTrataMensagem({TipoMensagem::TAMANHO,
                                     minimizada ? 0u : static_cast<uint32_t>(cliente->width()),
                                     minimizada ? 0u : static_cast<uint32_t>(cliente->height())});
        } else if (evento->type() == QEvent::ActivationChange) {
            ouvinte->mTrataMensagem({TipoMensagem::ATIVA});
        }
    }

private:
    OuvinteJanela* ouvinte;
};

CJanela::CJanela() = default;

QWidget* CJanela::mWidget() const { return janela.data(); }

CJanela::~CJanela() {
    if (janela) {
        janela->mEsqueceOuvinte();
        delete janela.data();
    }
}

bool CJanela::mCriaJanela(const std::vector<MenuJanela>& menu, const std::string& titulo,
                          OuvinteJanela& ouvinte) {
    janela = new JanelaPrincipal(*this, ouvinte);
    this->ouvinte = &ouvinte;
    janela->setWindowIcon(iconeDoJogo());
    for (const MenuJanela& submenu : menu) {
        QMenu* qmenu = janela->menuBar()->addMenu(QString::fromStdString(submenu.titulo));
        for (const ItemMenu& item : submenu.itens) {
            if (item.id == 0) {
                qmenu->addSeparator();
                continue;
            }
            QAction* acao = qmenu->addAction(QString::fromStdString(item.texto));
            const int id = item.id;
            QObject::connect(acao, &QAction::triggered, janela, [&ouvinte, id] {
                ouvinte.mTrataMensagem({TipoMensagem::COMANDO, static_cast<uint32_t>(id)});
            });
            janela->acoes[id] = acao;
        }
    }
    janela->setWindowTitle(QString::fromStdString(titulo));
    janela->resize(TAMANHO_INICIAL, TAMANHO_INICIAL);
    minimizada = false;
    tela = nullptr;
    cena = nullptr;
    return true;
}

void CJanela::mMostraJanela() {
    if (!janela) return;
    janela->show();
    janela->cliente->setFocus();
    janela->cliente->update();
}

void CJanela::mPosicionaJanela(ModoPosicao modo, int x, int y, int largura, int altura,
                               TamanhoTela telaPrimaria) {
    if (!janela) return;
    if (modo != POSICAO_PIXELS) {
        // Percentages of the screen, truncated; never beyond the screen itself.
        largura = static_cast<int>(int64_t{largura} * telaPrimaria.largura / 100);
        altura = static_cast<int>(int64_t{altura} * telaPrimaria.altura / 100);
        largura = std::clamp(largura, 1, std::max(1, telaPrimaria.largura));
        altura = std::clamp(altura, 1, std::max(1, telaPrimaria.altura));
        x = (telaPrimaria.largura - largura) / 2;
        if (modo == POSICAO_CENTRO) y = (telaPrimaria.altura - altura) / 2 - ELEVACAO_CENTRO;
    }
    janela->cliente->setFixedSize(largura, altura);
    const int alturaMenu = janela->menuBar()->heightForWidth(largura) > 0
                               ? janela->menuBar()->heightForWidth(largura)
                               : janela->menuBar()->sizeHint().height();
    janela->setFixedSize(largura, altura + alturaMenu);
    janela->move(x, y);
}

void CJanela::mDefineVista3D(float esquerda, float direita, float topo, float base,
                             CCena3D* novaCena) {
    margemEsquerda = esquerda;
    margemDireita = direita;
    margemTopo = topo;
    margemBase = base;
    cena = novaCena;
}

void CJanela::mRepinta() {
    if (tela) tela->mRepinta();
}

void CJanela::mAtualizaJanela() {
    mRepinta();
    if (!cena || !cena->mAtiva()) return;

    // The view: the client area less the margins, in truncated pixels.
    cena->mDefineAtiva(false);
    const int larguraCliente = imagem.width();
    const int alturaCliente = imagem.height();
    const int x = static_cast<int>(margemEsquerda * static_cast<float>(larguraCliente));
    const int y = static_cast<int>(margemTopo * static_cast<float>(alturaCliente));
    const int largura =
        larguraCliente - (x + static_cast<int>(margemDireita * static_cast<float>(larguraCliente)));
    const int altura =
        alturaCliente - (y + static_cast<int>(margemBase * static_cast<float>(alturaCliente)));
    const bool reaproveita = cena->mVistaConstruida();
    if (!cena->mCriaVista(x, y, largura, altura, reaproveita) &&
        !cena->mCriaVista(x, y, largura, altura, reaproveita)) {
        mostraAviso("Impossível criar janela de visualização para exibir grafícos 3D.");
        return;
    }
    cena->mDefineAtiva(true);
    cena->mMarcaVistaConstruida();
}

void CJanela::mDesenhaQuadro(bool rodando) {
    if (!minimizada && cena && cena->mAtiva()) cena->mDesenha(rodando);
}

bool CJanela::mMensagemJanela(const Mensagem& mensagem) {
    switch (mensagem.tipo) {
    case TipoMensagem::TAMANHO:
        if (mensagem.a == 0 || mensagem.b == 0) {
            minimizada = true;
            if (cena) cena->mDefineAtiva(false);
        } else {
            minimizada = false;
            mRepinta();
            if (cena) cena->mDefineAtiva(true);
            mAtualizaJanela();
        }
        return true;
    case TipoMensagem::ATIVA:
        if (janela && cena && cena->mAtiva() && cena->mTemDispositivo()) janela->cliente->update();
        return true;
    case TipoMensagem::DESTROI:
        QCoreApplication::exit(0);  // the quit message: the message loop ends with code 0
        return true;
    default:
        return false;
    }
}

void CJanela::mPostaFechamento() {
    if (!janela) return;
    QMetaObject::invokeMethod(janela, &QWidget::close, Qt::QueuedConnection);
}

void CJanela::mPostaComando(int id) {
    if (!janela) return;
    QMetaObject::invokeMethod(
        janela,
        [this, id] {
            if (ouvinte) ouvinte->mTrataMensagem({TipoMensagem::COMANDO, static_cast<uint32_t>(id)});
        },
        Qt::QueuedConnection);
}

void CJanela::mDefineTemporizador(int id, uint32_t periodoMs) {
    if (!janela) return;
    QTimer*& temporizador = janela->temporizadores[id];
    if (!temporizador) {
        temporizador = new QTimer(janela);
        temporizador->setTimerType(Qt::PreciseTimer);
        QObject::connect(temporizador, &QTimer::timeout, janela, [this, id] {
            if (ouvinte) ouvinte->mTrataMensagem({TipoMensagem::TEMPORIZADOR, static_cast<uint32_t>(id)});
        });
    }
    temporizador->start(static_cast<int>(periodoMs));
}

void CJanela::mParaTemporizador(int id) {
    if (!janela) return;
    if (const auto achado = janela->temporizadores.find(id); achado != janela->temporizadores.end())
        achado->second->stop();
}

int CJanela::mPeriodoTemporizador(int id) const {
    if (!janela) return -1;
    const auto achado = janela->temporizadores.find(id);
    if (achado == janela->temporizadores.end() || !achado->second->isActive()) return -1;
    return achado->second->interval();
}

void CJanela::mMarcaComando(int id, bool marcado) {
    if (!janela) return;
    // Unmarked, the entry is not checkable at all: no empty box shows.
    if (const auto acao = janela->acoes.find(id); acao != janela->acoes.end()) {
        acao->second->setCheckable(marcado);
        acao->second->setChecked(marcado);
    }
}

void CJanela::mHabilitaComando(int id, bool habilitado) {
    if (!janela) return;
    if (const auto acao = janela->acoes.find(id); acao != janela->acoes.end()) acao->second->setEnabled(habilitado);
}

bool CJanela::mComandoHabilitado(int id) const {
    if (!janela) return false;
    const auto acao = janela->acoes.find(id);
    return acao != janela->acoes.end() && acao->second->isEnabled();
}

void CJanela::mDestroiJanela() {
    if (janela) delete janela.data();
}

void CJanela::mMostraImagem(const QRect& regiao) {
    if (janela) janela->cliente->update(regiao);
}

void CJanela::mRedimensionaImagem(int largura, int altura) {
    if (largura <= 0 || altura <= 0 || imagem.size() == QSize(largura, altura)) return;
    QImage nova(largura, altura, QImage::Format_RGB32);
    nova.fill(COR_FUNDO_JANELA);
    QPainter(&nova).drawImage(0, 0, imagem);
    imagem = std::move(nova);
}
