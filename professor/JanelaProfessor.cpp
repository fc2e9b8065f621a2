#include "professor/JanelaProfessor.h"

#include "professor/RelatorioAula.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHostInfo>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QNetworkInterface>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

constexpr int MAXIMO_MENSAGEM = 500;      // characters the teacher can write at once
constexpr double PASSO_LETRAS = 1.15;     // one step of Ctrl++ / Ctrl+-

}  // namespace

PerguntasProfessor perguntasComDialogos(QWidget* dono) {
    PerguntasProfessor perguntas;
    perguntas.fecharComAlunos = [dono](int conectados) {
        const QString texto = conectados == 1 ? QString("Fechar o console? 1 aluno está conectado.")
                                              : QString("Fechar o console? %1 alunos estão conectados.").arg(conectados);
        QMessageBox caixa(QMessageBox::Question, "QELP - Professor", texto, QMessageBox::NoButton, dono);
        caixa.setInformativeText("Os jogos continuam e se conectam de novo quando o console for aberto outra vez.");
        QPushButton* fechar = caixa.addButton("&Fechar", QMessageBox::AcceptRole);
        QPushButton* cancelar = caixa.addButton("Cancelar", QMessageBox::RejectRole);
        caixa.setDefaultButton(cancelar);
        caixa.setEscapeButton(cancelar);
        caixa.exec();
        return caixa.clickedButton() == fechar;
    };
    perguntas.abreNoNavegador = [](const QUrl& arquivo) { return QDesktopServices::openUrl(arquivo); };
    perguntas.erro = [dono](const QString& texto) { QMessageBox::warning(dono, "QELP - Professor", texto); };
    return perguntas;
}

JanelaProfessor::JanelaProfessor(SalaDeAula& sala, QWidget* pai)
    : QMainWindow(pai), sala(sala), filtro(sala.mModelo()), linhaTempo(sala.mModelo()),
      perguntas(perguntasComDialogos(this)) {
    setWindowTitle("QELP - Professor");
    tamanhoBase = font().pointSizeF();
    mCriaMenus();
    setCentralWidget(mCriaCentro());
    const QString log = sala.mRegistro().mAberto()
                            ? QString("Registro da turma: %1").arg(QDir::toNativeSeparators(sala.mRegistro().mCaminho()))
                            : QString("Sem registro da turma: %1").arg(sala.mErroRegistro());
    statusBar()->addPermanentWidget(new QLabel(log));
    resize(1100, 720);
    mAjustaLinhas();
    mAtualizaEstado();
}

void JanelaProfessor::mCriaMenus() {
    QMenu* turma = menuBar()->addMenu("T&urma");
    QAction* abrir = turma->addAction("Abrir &pasta das turmas", this, &JanelaProfessor::mAbrePastaTurmas);
    abrir->setShortcut(QKeySequence("Ctrl+O"));
    QAction* relatorio = turma->addAction("&Relatório da aula...", this, &JanelaProfessor::mRelatorio);
    relatorio->setShortcut(QKeySequence("Ctrl+R"));
    turma->addSeparator();
    QAction* sair = turma->addAction("&Sair", this, &QWidget::close);
    sair->setShortcut(QKeySequence("Ctrl+Q"));

    QMenu* exibir = menuBar()->addMenu("&Exibir");
    acaoLetrasGrandes = exibir->addAction("&Letras grandes");
    acaoLetrasGrandes->setCheckable(true);
    acaoLetrasGrandes->setShortcut(QKeySequence("Ctrl+L"));
    connect(acaoLetrasGrandes, &QAction::triggered, this,
            [this](bool grandes) { mDefineFatorLetras(grandes ? FATOR_GRANDE : 1.0); });
    QAction* aumentar = exibir->addAction("&Aumentar letras", this,
                                          [this] { mDefineFatorLetras(fatorLetras * PASSO_LETRAS); });
    aumentar->setShortcuts({QKeySequence("Ctrl++"), QKeySequence("Ctrl+=")});
    QAction* diminuir = exibir->addAction("&Diminuir letras", this,
                                          [this] { mDefineFatorLetras(fatorLetras / PASSO_LETRAS); });
    diminuir->setShortcut(QKeySequence("Ctrl+-"));
    QAction* normais = exibir->addAction("Letras &normais", this, [this] { mDefineFatorLetras(1.0); });
    normais->setShortcut(QKeySequence("Ctrl+0"));
}

QWidget* JanelaProfessor::mCriaCentro() {
    auto* centro = new QWidget;
    auto* coluna = new QVBoxLayout(centro);

    auto* comoConectar = new QLabel(mComoConectar());
    comoConectar->setWordWrap(true);
    comoConectar->setTextInteractionFlags(Qt::TextSelectableByMouse);
    coluna->addWidget(comoConectar);
    auto* visao = new QHBoxLayout;
    resumo = new QLabel;
    resumo->setObjectName("resumo");
    contagem = new QLabel;
    contagem->setObjectName("contagem");
    esconder = new QCheckBox("Esconder &quem saiu");
    esconder->setObjectName("esconder");
    connect(esconder, &QCheckBox::toggled, &filtro, &FiltroTurma::mEscondeQuemSaiu);
    visao->addWidget(resumo);
    visao->addSpacing(24);
    visao->addWidget(contagem, 1);
    visao->addWidget(esconder);
    coluna->addLayout(visao);

    // The pupils, red first.
    ModeloTurma& modelo = sala.mModelo();
    tabelaAlunos = new QTableView;
    tabelaAlunos->setObjectName("alunos");
    tabelaAlunos->setModel(&filtro);
    tabelaAlunos->setSortingEnabled(true);
    tabelaAlunos->sortByColumn(ModeloTurma::ECOMETRO, Qt::AscendingOrder);
    tabelaAlunos->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelaAlunos->setSelectionMode(QAbstractItemView::SingleSelection);
    tabelaAlunos->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelaAlunos->setAlternatingRowColors(true);
    tabelaAlunos->setTabKeyNavigation(false);
    tabelaAlunos->verticalHeader()->hide();
    tabelaAlunos->horizontalHeader()->setStretchLastSection(true);
    tabelaAlunos->setAccessibleName("Alunos da turma");
    connect(tabelaAlunos->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& atual) {
                const Aluno* aluno = sala.mModelo().mAlunoDaLinha(filtro.mapToSource(atual).row());
                linhaTempo.mMostra(aluno ? aluno->id : 0);
                tabelaLinhaTempo->scrollToBottom();
                linhaTempoNoFim = true;
                mAtualizaEstado();
            });
    for (auto sinal : {&ModeloTurma::rowsInserted, &ModeloTurma::rowsRemoved})
        connect(&modelo, sinal, this, &JanelaProfessor::mAtualizaEstado);
    connect(&modelo, &ModeloTurma::dataChanged, this, &JanelaProfessor::mAtualizaEstado);

    // The chosen pupil's timeline, following its end unless the teacher scrolled up.
    caixaLinhaTempo = new QGroupBox;
    auto* dentro = new QVBoxLayout(caixaLinhaTempo);
    tabelaLinhaTempo = new QTableView;
    tabelaLinhaTempo->setObjectName("linhaTempo");
    tabelaLinhaTempo->setModel(&linhaTempo);
    tabelaLinhaTempo->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelaLinhaTempo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelaLinhaTempo->setTabKeyNavigation(false);
    tabelaLinhaTempo->setWordWrap(false);
    tabelaLinhaTempo->verticalHeader()->hide();
    tabelaLinhaTempo->horizontalHeader()->setStretchLastSection(true);
    tabelaLinhaTempo->setAccessibleName("Linha do tempo do aluno");
    dentro->addWidget(tabelaLinhaTempo);
    connect(&linhaTempo, &ModeloLinhaTempo::rowsAboutToBeInserted, this, [this] {
        const QScrollBar* barra = tabelaLinhaTempo->verticalScrollBar();
        linhaTempoNoFim = barra->value() >= barra->maximum();
    });
    connect(&linhaTempo, &ModeloLinhaTempo::rowsInserted, this, [this] {
        if (linhaTempoNoFim) tabelaLinhaTempo->scrollToBottom();
    });

    auto* divisao = new QSplitter(Qt::Vertical);
    divisao->addWidget(tabelaAlunos);
    divisao->addWidget(caixaLinhaTempo);
    divisao->setStretchFactor(0, 3);
    divisao->setStretchFactor(1, 2);
    divisao->setChildrenCollapsible(false);
    coluna->addWidget(divisao, 1);

    // The teacher's message: Enter sends it to the chosen pupil, Ctrl+Enter to all.
    auto* linha = new QHBoxLayout;
    auto* rotulo = new QLabel("&Mensagem:");
    mensagem = new QLineEdit;
    mensagem->setObjectName("mensagem");
    mensagem->setMaxLength(MAXIMO_MENSAGEM);
    mensagem->setPlaceholderText("Escreva aqui; Enter envia ao aluno escolhido, Ctrl+Enter a todos");
    mensagem->setClearButtonEnabled(true);
    rotulo->setBuddy(mensagem);
    botaoAluno = new QPushButton("Enviar ao &aluno");
    botaoAluno->setObjectName("enviarAluno");
    botaoTodos = new QPushButton("Enviar a &todos");
    botaoTodos->setObjectName("enviarTodos");
    botaoTodos->setToolTip("Ctrl+Enter");
    linha->addWidget(rotulo);
    linha->addWidget(mensagem, 1);
    linha->addWidget(botaoAluno);
    linha->addWidget(botaoTodos);
    coluna->addLayout(linha);
    connect(mensagem, &QLineEdit::textChanged, this, &JanelaProfessor::mAtualizaEstado);
    connect(mensagem, &QLineEdit::returnPressed, this, &JanelaProfessor::mEnviaAoAluno);
    for (const QKeySequence& tecla : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto* atalho = new QShortcut(tecla, mensagem, nullptr, nullptr, Qt::WidgetShortcut);
        connect(atalho, &QShortcut::activated, this, &JanelaProfessor::mEnviaATodos);
    }
    connect(botaoAluno, &QPushButton::clicked, this, &JanelaProfessor::mEnviaAoAluno);
    connect(botaoTodos, &QPushButton::clicked, this, &JanelaProfessor::mEnviaATodos);

    setTabOrder(tabelaAlunos, tabelaLinhaTempo);
    setTabOrder(tabelaLinhaTempo, mensagem);
    setTabOrder(mensagem, botaoAluno);
    setTabOrder(botaoAluno, botaoTodos);
    return centro;
}

QString JanelaProfessor::mComoConectar() const {
    QStringList enderecos;
    for (const QHostAddress& endereco : QNetworkInterface::allAddresses())
        if (endereco.protocol() == QAbstractSocket::IPv4Protocol && !endereco.isLoopback())
            enderecos << endereco.toString();
    const QString computador = QHostInfo::localHostName();
    const QString ondeEstou = enderecos.isEmpty()
                                  ? QString("<b>%1</b>").arg(computador.toHtmlEscaped())
                                  : QString("<b>%1</b> (ou %2)").arg(computador.toHtmlEscaped(), enderecos.join(", "));
    return QString("Para acompanhar um aluno: no jogo, ele responde <b>Sim</b> a \"Jogar com tutor?\", "
                   "digita o nome deste computador, %1, e a porta <b>%2</b>.")
        .arg(ondeEstou)
        .arg(sala.mServidor().mPorta());
}

void JanelaProfessor::mEscolhe(int id) {
    const int linha = sala.mModelo().mLinha(id);
    const QModelIndex indice = filtro.mapFromSource(sala.mModelo().index(linha, 0));
    if (linha < 0 || !indice.isValid()) {
        tabelaAlunos->clearSelection();
        tabelaAlunos->setCurrentIndex({});
        return;
    }
    tabelaAlunos->selectRow(indice.row());
}

void JanelaProfessor::mAtualizaEstado() {
    const ModeloTurma& modelo = sala.mModelo();
    const int conectados = modelo.mConectados();
    const int sairam = modelo.rowCount() - conectados;
    QString texto = conectados == 1 ? QString("1 aluno conectado") : QString("%1 alunos conectados").arg(conectados);
    if (sairam > 0) texto += sairam == 1 ? QString(", 1 saiu") : QString(", %1 saíram").arg(sairam);
    resumo->setText("<b>" + texto + "</b>");
    contagem->setText(ModeloTurma::textoContagem(modelo.mContagem()));

    const Aluno* escolhido = modelo.mAluno(linhaTempo.mMostrado());
    caixaLinhaTempo->setTitle(escolhido ? QString("Linha do tempo de %1").arg(escolhido->nome)
                                        : QString("Linha do tempo (escolha um aluno na lista)"));
    const bool temTexto = !mensagem->text().trimmed().isEmpty();
    botaoAluno->setEnabled(temTexto && escolhido && escolhido->mConectado());
    botaoTodos->setEnabled(temTexto && conectados > 0);
}

bool JanelaProfessor::mEnviaAoAluno() {
    const Aluno* escolhido = sala.mModelo().mAluno(linhaTempo.mMostrado());
    if (mensagem->text().trimmed().isEmpty()) return false;
    if (escolhido == nullptr || !escolhido->mConectado()) {
        statusBar()->showMessage(escolhido ? QString("%1 não está mais conectado.").arg(escolhido->nome)
                                           : QString("Escolha um aluno na lista, ou use Enviar a todos (Ctrl+Enter)."),
                                 8000);
        return false;
    }
    const QString nome = escolhido->nome;
    if (!sala.mEnviaAoAluno(escolhido->id, mensagem->text())) return false;
    mensagem->clear();
    statusBar()->showMessage(QString("Mensagem enviada a %1.").arg(nome), 8000);
    return true;
}

bool JanelaProfessor::mEnviaATodos() {
    if (mensagem->text().trimmed().isEmpty()) return false;
    const int enviados = sala.mEnviaATodos(mensagem->text());
    if (enviados == 0) {
        statusBar()->showMessage("Nenhum aluno conectado.", 8000);
        return false;
    }
    mensagem->clear();
    statusBar()->showMessage(enviados == 1 ? QString("Mensagem enviada a 1 aluno.")
                                           : QString("Mensagem enviada a %1 alunos.").arg(enviados),
                             8000);
    return true;
}

void JanelaProfessor::mDefineFatorLetras(double fator) {
    fatorLetras = std::clamp(fator, FATOR_MINIMO, FATOR_MAXIMO);
    QFont letras = font();
    letras.setPointSizeF(tamanhoBase * fatorLetras);
    setFont(letras);
    menuBar()->setFont(letras);
    acaoLetrasGrandes->setChecked(fatorLetras > 1.0);
}

void JanelaProfessor::changeEvent(QEvent* evento) {
    QMainWindow::changeEvent(evento);
    if (evento->type() == QEvent::FontChange && tabelaAlunos) mAjustaLinhas();
}

void JanelaProfessor::mAjustaLinhas() {
    // Fixed row heights from the letters: no measuring of thousands of rows.
    const int altura = fontMetrics().height();
    tabelaAlunos->verticalHeader()->setDefaultSectionSize(altura * 8 / 5);
    tabelaLinhaTempo->verticalHeader()->setDefaultSectionSize(altura * 3 / 2);
    // Each column as wide as its longest usual text (or its title).
    const QFontMetrics medida(fontMetrics());
    const int folga = medida.averageCharWidth() * 3;
    const std::array<QString, ModeloTurma::COLUNAS> exemplos = {
        "computador-do-aluno", "dp/fase1.txt", QStringLiteral("▼ 100 % vermelho"), "terminou",
        QStringLiteral("▼ 100 % vermelho"), "Ferramentas", "Recolher lixo das margens (Pescador), passo 1000",
        "(3) acabou o lixo, professor", "saiu às 00:00:00", "00:00:00", "255.255.255.255:65535"};
    for (int coluna = 0; coluna + 1 < ModeloTurma::COLUNAS; ++coluna) {  // the last one takes the rest
        const QString titulo = sala.mModelo().headerData(coluna, Qt::Horizontal, Qt::DisplayRole).toString();
        tabelaAlunos->setColumnWidth(
            coluna, std::max(medida.horizontalAdvance(exemplos[static_cast<std::size_t>(coluna)]),
                             medida.horizontalAdvance(titulo)) + folga);
    }
    tabelaLinhaTempo->setColumnWidth(ModeloLinhaTempo::HORA, medida.horizontalAdvance("00:00:00") + folga);
}

void JanelaProfessor::mAbrePastaTurmas() {
    const QString pasta = sala.mPastaTurmas();
    QDir().mkpath(pasta);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(pasta)))
        QMessageBox::warning(this, "QELP - Professor",
                             QString("Não foi possível abrir a pasta das turmas:\n%1").arg(QDir::toNativeSeparators(pasta)));
}

QString JanelaProfessor::mRelatorio() {
    QString erro;
    const QString caminho = salvaRelatorio(sala.mModelo(), sala.mPastaTurmas(), QDateTime::currentDateTime(), erro);
    if (caminho.isEmpty()) {
        perguntas.erro(erro);
        return {};
    }
    statusBar()->showMessage(QString("Relatório salvo em %1").arg(QDir::toNativeSeparators(caminho)), 8000);
    if (!perguntas.abreNoNavegador(QUrl::fromLocalFile(caminho)))
        perguntas.erro(QString("O relatório foi salvo em %1, mas não foi possível abri-lo no navegador.")
                           .arg(QDir::toNativeSeparators(caminho)));
    return caminho;
}

void JanelaProfessor::closeEvent(QCloseEvent* evento) {
    const int conectados = sala.mModelo().mConectados();
    if (conectados > 0 && !perguntas.fecharComAlunos(conectados)) {
        evento->ignore();
        return;
    }
    evento->accept();
}
