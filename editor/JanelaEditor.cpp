// Sections: the questions as dialogs; building the window (actions, menus,
// the events pane, the balance pane, tab order); the file commands; the
// event commands; the balance check; keeping the views up to date.
#include "editor/JanelaEditor.h"

#include "editor/DelegadoFase.h"
#include "editor/Estilo.h"
#include "editor/GraficoEquilibrio.h"
#include "editor/LinhaTempo.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int SEMENTES_MAXIMAS = 1000;
constexpr const char* FILTRO_FASES = "Arquivos de fase (*.txt);;Todos os arquivos (*)";

// The game's buttons: the frame its character buttons show on hover and focus.
constexpr const char* ESTILO_BOTOES =
    "QPushButton:focus { border: 2px solid #5b8fc7; border-radius: 4px; padding: 3px 10px; }";

QPushButton* botaoDaAcao(QAction* acao, const QString& texto, QWidget* dono) {
    auto* botao = new QPushButton(texto, dono);
    botao->setToolTip(acao->toolTip());
    botao->setStyleSheet(ESTILO_BOTOES);
    QObject::connect(botao, &QPushButton::clicked, acao, &QAction::trigger);
    QObject::connect(acao, &QAction::enabledChanged, botao, &QPushButton::setEnabled);
    return botao;
}

QLabel* rotuloNegrito(const QString& texto, QWidget* dono) {
    auto* rotulo = new QLabel(texto, dono);
    QFont negrito = rotulo->font();
    negrito.setBold(true);
    rotulo->setFont(negrito);
    return rotulo;
}

}  // namespace

// ---------------------------------------------------------------- questions

PerguntasEditor perguntasComDialogos(QWidget* dono) {
    PerguntasEditor perguntas;
    perguntas.salvarAlteracoes = [dono](const QString& nome) {
        QMessageBox caixa(QMessageBox::Warning, "QELP - Editor de Fases",
                          QString("A fase \"%1\" foi alterada.\n\nDeseja salvar as alterações?").arg(nome),
                          QMessageBox::NoButton, dono);
        QPushButton* salvar = caixa.addButton("&Salvar", QMessageBox::AcceptRole);
        QPushButton* descartar = caixa.addButton("&Descartar", QMessageBox::DestructiveRole);
        QPushButton* cancelar = caixa.addButton("Cancelar", QMessageBox::RejectRole);
        caixa.setDefaultButton(salvar);
        caixa.setEscapeButton(cancelar);
        caixa.exec();
        if (caixa.clickedButton() == salvar) return PerguntasEditor::SALVAR;
        if (caixa.clickedButton() == descartar) return PerguntasEditor::DESCARTAR;
        return PerguntasEditor::CANCELAR;
    };
    perguntas.arquivoParaAbrir = [dono](const QString& pasta) {
        return QFileDialog::getOpenFileName(dono, "Abrir fase", pasta, FILTRO_FASES);
    };
    perguntas.arquivoParaSalvar = [dono](const QString& sugestao) {
        return QFileDialog::getSaveFileName(dono, "Salvar fase como", sugestao, FILTRO_FASES);
    };
    perguntas.confirmar = [dono](const QString& texto) {
        QMessageBox caixa(QMessageBox::Warning, "QELP - Editor de Fases", texto, QMessageBox::NoButton, dono);
        QPushButton* sim = caixa.addButton("Salvar &por cima", QMessageBox::DestructiveRole);
        QPushButton* cancelar = caixa.addButton("Cancelar", QMessageBox::RejectRole);
        caixa.setDefaultButton(cancelar);
        caixa.setEscapeButton(cancelar);
        caixa.exec();
        return caixa.clickedButton() == sim;
    };
    perguntas.erro = [dono](const QString& texto) {
        QMessageBox::warning(dono, "Aviso", texto);
    };
    return perguntas;
}

// ---------------------------------------------------------------- building

JanelaEditor::JanelaEditor(QWidget* dono) : QMainWindow(dono) {
    perguntas = perguntasComDialogos(this);
    mCriaAcoes();
    mCriaMenus();

    auto* divisao = new QSplitter(Qt::Horizontal, this);
    divisao->addWidget(mCriaPainelEventos());
    divisao->addWidget(mCriaPainelEquilibrio());
    divisao->setStretchFactor(0, 0);
    divisao->setStretchFactor(1, 1);
    divisao->setChildrenCollapsible(false);
    setCentralWidget(divisao);
    situacao = new QLabel(this);
    statusBar()->addWidget(situacao, 1);
    mDefineOrdemTab();

    connect(&modelo, &ModeloFase::alterado, this, &JanelaEditor::mAtualiza);
    connect(tabela->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        linhaTempo->mEscolhe(mLinhaEscolhida());
        mAtualiza();
    });
    connect(linhaTempo, &LinhaTempo::escolhida, this, &JanelaEditor::mEscolhe);
    connect(&modelo, &ModeloFase::editou, this, [this](int linha) {
        if (linha >= 0) mEscolhe(linha);
    });
    connect(&execucao, &ExecucaoEquilibrio::progresso, this, [this](int feitas, int total) {
        barra->setMaximum(std::max(total, 1));
        barra->setValue(feitas);
    });
    connect(&execucao, &ExecucaoEquilibrio::terminou, this, &JanelaEditor::mTerminouEquilibrio);
    connect(&execucao, &ExecucaoEquilibrio::cancelada, this, [this] {
        mFimDaExecucao();
        situacao->setText("Verificação cancelada.");
    });

    resize(1200, 800);
    mAtualizaComentario();
    mAtualiza();
    tabela->setFocus();
}

JanelaEditor::~JanelaEditor() {
    // The thread reads nothing of the window, but its report would.
    execucao.disconnect(this);
}

void JanelaEditor::mCriaAcoes() {
    const auto acao = [this](const QString& texto, const QKeySequence& atalho, const QString& dica,
                             auto&& faz) {
        auto* nova = new QAction(texto, this);
        nova->setShortcut(atalho);
        nova->setToolTip(dica);
        nova->setStatusTip(dica);
        connect(nova, &QAction::triggered, this, std::forward<decltype(faz)>(faz));
        return nova;
    };
    acaoNovo = acao("&Novo", QKeySequence::New, "Começa uma fase nova, vazia", [this] { mNovo(); });
    acaoAbrir = acao("&Abrir...", QKeySequence::Open, "Abre um arquivo de fase",
                     [this] { mAbreEscolhendo(); });
    acaoSalvar = acao("&Salvar", QKeySequence::Save, "Salva a fase no seu arquivo", [this] { mSalva(); });
    acaoSalvarComo = acao("Salvar &como...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                          "Salva a fase num outro arquivo", [this] { mSalvaComo(); });
    acaoSair = acao("Sai&r", QKeySequence(Qt::CTRL | Qt::Key_Q), "Fecha o editor", [this] { close(); });
    acaoInserir = acao("&Inserir evento", QKeySequence(Qt::Key_Insert),
                       "Insere um evento depois do escolhido", [this] { mInsereEvento(); });
    acaoExcluir = acao("&Excluir evento", QKeySequence(Qt::Key_Delete), "Exclui o evento escolhido",
                       [this] { mExcluiEvento(); });
    acaoSubir = acao("Mover para &cima", QKeySequence(Qt::CTRL | Qt::Key_Up),
                     "Troca o evento escolhido com o de cima", [this] { mMoveEvento(-1); });
    acaoDescer = acao("Mover para &baixo", QKeySequence(Qt::CTRL | Qt::Key_Down),
                      "Troca o evento escolhido com o de baixo", [this] { mMoveEvento(+1); });
    acaoOrdenar = acao("&Ordenar por tempo", QKeySequence(Qt::CTRL | Qt::Key_T),
                       "Põe os eventos na ordem em que o jogo os executa", [this] { mOrdena(); });
    acaoVerificar = acao("&Verificar equilíbrio", QKeySequence(Qt::Key_F5),
                         "Joga a fase muitas vezes, sem cuidado e com cuidado, e mostra o ecômetro",
                         [this] { mVerificaEquilibrio(); });
    acaoCancelar = acao("&Cancelar verificação", QKeySequence(), "Interrompe a verificação",
                        [this] { mCancelaEquilibrio(); });
    acaoDesfazer = modelo.mPilha().createUndoAction(this, "&Desfazer");
    acaoDesfazer->setShortcut(QKeySequence::Undo);
    acaoRefazer = modelo.mPilha().createRedoAction(this, "&Refazer");
    // Ctrl+Shift+Z everywhere, beside what the desktop calls redo.
    QList<QKeySequence> refazer = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!refazer.contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)))
        refazer.prepend(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    acaoRefazer->setShortcuts(refazer);
    // Delete and Insert belong to the events, not to the comment being typed.
    for (QAction* evento : {acaoInserir, acaoExcluir, acaoSubir, acaoDescer})
        evento->setShortcutContext(Qt::WidgetWithChildrenShortcut);
}

void JanelaEditor::mCriaMenus() {
    QMenu* arquivo = menuBar()->addMenu("&Arquivo");
    arquivo->addActions({acaoNovo, acaoAbrir, acaoSalvar, acaoSalvarComo});
    arquivo->addSeparator();
    arquivo->addAction(acaoSair);
    QMenu* editar = menuBar()->addMenu("E&ditar");
    editar->addActions({acaoDesfazer, acaoRefazer});
    QMenu* evento = menuBar()->addMenu("&Evento");
    evento->addActions({acaoInserir, acaoExcluir});
    evento->addSeparator();
    evento->addActions({acaoSubir, acaoDescer, acaoOrdenar});
    QMenu* verificar = menuBar()->addMenu("&Verificar");
    verificar->addActions({acaoVerificar, acaoCancelar});
}

QWidget* JanelaEditor::mCriaPainelEventos() {
    auto* painel = new QWidget(this);
    painel->setObjectName("painelEventos");
    auto* coluna = new QVBoxLayout(painel);
    coluna->setContentsMargins(8, 8, 4, 8);

    auto* rotuloTabela = rotuloNegrito("Even&tos da fase", painel);
    tabela = new QTableView(painel);
    tabela->setObjectName("tabela");
    tabela->setModel(&modelo);
    tabela->setItemDelegate(new DelegadoFase(tabela));
    tabela->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabela->setSelectionMode(QAbstractItemView::SingleSelection);
    tabela->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    tabela->setAlternatingRowColors(true);
    tabela->horizontalHeader()->setSectionResizeMode(ModeloFase::COLUNA_TEMPO, QHeaderView::ResizeToContents);
    tabela->horizontalHeader()->setSectionResizeMode(ModeloFase::COLUNA_EVENTO, QHeaderView::Stretch);
    tabela->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    tabela->setToolTip("F2 ou duplo clique muda o tempo ou o evento; Insert insere, Delete exclui.");
    rotuloTabela->setBuddy(tabela);
    coluna->addWidget(rotuloTabela);
    coluna->addWidget(tabela, 3);

    auto* botoes = new QHBoxLayout;
    botoes->addWidget(botaoDaAcao(acaoInserir, "&Inserir", painel));
    botoes->addWidget(botaoDaAcao(acaoExcluir, "E&xcluir", painel));
    botoes->addWidget(botaoDaAcao(acaoSubir, "▲ &Subir", painel));
    botoes->addWidget(botaoDaAcao(acaoDescer, "▼ &Descer", painel));
    botoes->addWidget(botaoDaAcao(acaoOrdenar, "&Ordenar", painel));
    coluna->addLayout(botoes);

    auto* rotuloComentario = rotuloNegrito("Co&mentário", painel);
    auto* explicacao = new QLabel("Descreva a fase para os colegas; o jogo ignora este texto.", painel);
    explicacao->setWordWrap(true);
    comentario = new QPlainTextEdit(painel);
    comentario->setObjectName("comentario");
    comentario->setTabChangesFocus(true);
    comentario->setMaximumHeight(110);
    rotuloComentario->setBuddy(comentario);
    coluna->addWidget(rotuloComentario);
    coluna->addWidget(explicacao);
    coluna->addWidget(comentario, 1);
    connect(comentario, &QPlainTextEdit::textChanged, this,
            [this] { modelo.mDefineComentario(comentario->toPlainText().toStdString()); });

    auto* rotuloAvisos = rotuloNegrito("Avisos sobre a &fase", painel);
    listaAvisos = new QListWidget(painel);
    listaAvisos->setObjectName("avisos");
    listaAvisos->setWordWrap(true);
    listaAvisos->setMaximumHeight(150);
    rotuloAvisos->setBuddy(listaAvisos);
    coluna->addWidget(rotuloAvisos);
    coluna->addWidget(listaAvisos, 1);
    connect(listaAvisos, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const int linha = item->data(Qt::UserRole).toInt();
        if (linha >= 0) {
            mEscolhe(linha);
            tabela->setFocus();
        }
    });

    for (QAction* acao : {acaoInserir, acaoExcluir, acaoSubir, acaoDescer}) painel->addAction(acao);
    painel->setMinimumWidth(390);
    return painel;
}

QWidget* JanelaEditor::mCriaPainelEquilibrio() {
    auto* painel = new QWidget(this);
    auto* coluna = new QVBoxLayout(painel);
    coluna->setContentsMargins(4, 8, 8, 8);

    coluna->addWidget(rotuloNegrito("Linha do tempo", painel));
    linhaTempo = new LinhaTempo(modelo, painel);
    linhaTempo->setObjectName("linhaTempo");
    // The line is for the mouse; the table says the same to the keyboard.
    linhaTempo->setFocusPolicy(Qt::NoFocus);
    coluna->addWidget(linhaTempo);
    for (QAction* acao : {acaoInserir, acaoExcluir, acaoSubir, acaoDescer}) linhaTempo->addAction(acao);

    auto* grupo = new QGroupBox("Equilíbrio da fase", painel);
    auto* dentro = new QVBoxLayout(grupo);
    auto* explicacao = new QLabel(
        "Joga a fase muitas vezes sem ninguém cuidar do lago (<i>sozinho</i>) e com a Mãe Natureza "
        "e o Pescador usando suas ferramentas ao longo da partida (<i>com cuidado</i>).",
        grupo);
    explicacao->setWordWrap(true);
    dentro->addWidget(explicacao);

    auto* controles = new QHBoxLayout;
    auto* rotuloSementes = new QLabel("&Partidas de cada tipo:", grupo);
    sementes = new QSpinBox(grupo);
    sementes->setObjectName("sementes");
    sementes->setRange(1, SEMENTES_MAXIMAS);
    sementes->setValue(static_cast<int>(SEMENTES_PADRAO));
    rotuloSementes->setBuddy(sementes);
    botaoVerificar = botaoDaAcao(acaoVerificar, "Verificar e&quilíbrio (F5)", grupo);
    botaoVerificar->setObjectName("verificar");
    botaoVerificar->setDefault(true);
    barra = new QProgressBar(grupo);
    barra->setObjectName("progresso");
    barra->setFormat("%v de %m partidas");
    barra->setValue(0);
    barra->setVisible(false);
    botaoCancelar = botaoDaAcao(acaoCancelar, "Cancela&r", grupo);
    botaoCancelar->setObjectName("cancelar");
    controles->addWidget(rotuloSementes);
    controles->addWidget(sementes);
    controles->addWidget(botaoVerificar);
    controles->addWidget(barra, 1);
    controles->addWidget(botaoCancelar);
    controles->addStretch();
    dentro->addLayout(controles);

    grafico = new GraficoEquilibrio(grupo);
    grafico->setObjectName("grafico");
    grafico->setFocusPolicy(Qt::NoFocus);
    dentro->addWidget(grafico, 1);

    contagens = new QLabel(grupo);
    contagens->setObjectName("contagens");
    contagens->setWordWrap(true);
    contagens->setTextInteractionFlags(Qt::TextSelectableByMouse);
    dentro->addWidget(contagens);
    coluna->addWidget(grupo, 1);
    return painel;
}

void JanelaEditor::mDefineOrdemTab() {
    QWidget* ordem[] = {tabela, nullptr, comentario, listaAvisos, sementes, botaoVerificar, botaoCancelar};
    // The event buttons come right after the table, in the order shown.
    QList<QPushButton*> botoes = centralWidget()->findChild<QWidget*>("painelEventos")
                                     ->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
    QWidget* anterior = ordem[0];
    for (QPushButton* botao : botoes) {
        setTabOrder(anterior, botao);
        anterior = botao;
    }
    for (QWidget* proximo : ordem) {
        if (proximo == nullptr || proximo == tabela) continue;
        setTabOrder(anterior, proximo);
        anterior = proximo;
    }
}

// ---------------------------------------------------------------- files

bool JanelaEditor::mNovo() {
    if (!mPodeDescartar()) return false;
    modelo.mNovo();
    mAtualizaComentario();
    situacao->setText("Fase nova.");
    return true;
}

bool JanelaEditor::mAbre(const QString& caminho) {
    return mPodeDescartar() && mAbreArquivo(caminho);
}

bool JanelaEditor::mAbreArquivo(const QString& caminho) {
    QString erro;
    if (!modelo.mAbre(caminho, erro)) {
        perguntas.erro(erro);
        return false;
    }
    mAtualizaComentario();
    mEscolhe(modelo.rowCount() > 0 ? 0 : -1);
    situacao->setText(QString("Fase aberta: %1").arg(QDir::toNativeSeparators(caminho)));
    if (!modelo.mPareceFase())
        perguntas.erro(QString("O arquivo \"%1\" não parece um arquivo de fase: uma fase começa com "
                               "pares de números (o tempo e o evento), e ele não começa assim.\n\n"
                               "O texto dele aparece como comentário, e o editor só salva por cima "
                               "dele se você confirmar.")
                           .arg(modelo.mNomeArquivo()));
    return true;
}

bool JanelaEditor::mAbreEscolhendo() {
    if (!mPodeDescartar()) return false;
    const QString pasta = modelo.mCaminho().isEmpty() ? QString("dp") : QFileInfo(modelo.mCaminho()).path();
    const QString caminho = perguntas.arquivoParaAbrir(pasta);
    if (caminho.isEmpty()) return false;
    return mAbreArquivo(caminho);  // the changes were already saved or given up
}

bool JanelaEditor::mSalva() {
    if (modelo.mCaminho().isEmpty()) return mSalvaComo();
    return mSalvaEm(modelo.mCaminho());
}

bool JanelaEditor::mSalvaComo() {
    const QString sugestao = modelo.mCaminho().isEmpty() ? QString("dp/fase.txt") : modelo.mCaminho();
    const QString caminho = perguntas.arquivoParaSalvar(sugestao);
    return !caminho.isEmpty() && mSalvaEm(caminho);
}

bool JanelaEditor::mSalvaEm(const QString& caminho) {
    const bool porCimaDeOutraCoisa =
        !modelo.mPareceFase() && QFileInfo(caminho) == QFileInfo(modelo.mCaminho());
    if (porCimaDeOutraCoisa &&
        !perguntas.confirmar(QString("O arquivo \"%1\" não parecia um arquivo de fase quando foi "
                                     "aberto.\n\nSalvar a fase por cima dele? O que ele tem hoje "
                                     "será perdido.\n\n(Para guardar a fase em outro arquivo, use \"Salvar como...\".)")
                                 .arg(modelo.mNomeArquivo())))
        return false;
    QString erro;
    if (!modelo.mSalva(caminho, erro)) {
        perguntas.erro(erro);
        return false;
    }
    situacao->setText(QString("Fase salva em %1").arg(QDir::toNativeSeparators(caminho)));
    return true;
}

bool JanelaEditor::mPodeDescartar() {
    if (!modelo.mModificado()) return true;
    switch (perguntas.salvarAlteracoes(modelo.mNomeArquivo())) {
    case PerguntasEditor::SALVAR:
        return mSalva();
    case PerguntasEditor::DESCARTAR:
        return true;
    case PerguntasEditor::CANCELAR:
        break;
    }
    return false;
}

void JanelaEditor::closeEvent(QCloseEvent* evento) {
    if (!mPodeDescartar()) {
        evento->ignore();
        return;
    }
    // The matches already running finish first; no new one starts.
    execucao.mCancela();
    execucao.mAguarda();
    evento->accept();
}

// ---------------------------------------------------------------- events

int JanelaEditor::mLinhaEscolhida() const {
    const QModelIndex atual = tabela->currentIndex();
    return atual.isValid() ? atual.row() : -1;
}

void JanelaEditor::mEscolhe(int linha) {
    if (linha < 0 || linha >= modelo.rowCount()) {
        tabela->setCurrentIndex({});
        tabela->clearSelection();
        return;
    }
    const int coluna = tabela->currentIndex().isValid() ? tabela->currentIndex().column() : 0;
    tabela->setCurrentIndex(modelo.index(linha, coluna));
    tabela->scrollTo(modelo.index(linha, coluna));
}

void JanelaEditor::mInsereEvento() {
    const int linha = modelo.mInsereNovo(mLinhaEscolhida());
    const QModelIndex tempo = modelo.index(linha, ModeloFase::COLUNA_TEMPO);
    tabela->setFocus();
    tabela->setCurrentIndex(tempo);
    tabela->edit(tempo);
}

void JanelaEditor::mExcluiEvento() { modelo.mRemove(mLinhaEscolhida()); }

void JanelaEditor::mMoveEvento(int sentido) {
    const int linha = mLinhaEscolhida();
    modelo.mMove(linha, linha + sentido);
}

void JanelaEditor::mOrdena() {
    const int linha = mLinhaEscolhida();
    const ParFase escolhido = linha >= 0 ? modelo.mPares()[static_cast<std::size_t>(linha)] : ParFase{};
    if (!modelo.mOrdena() || linha < 0) return;
    // Keep the same event chosen where it went.
    const auto& pares = modelo.mPares();
    const auto onde = std::find(pares.begin(), pares.end(), escolhido);
    mEscolhe(static_cast<int>(onde - pares.begin()));
}

// ---------------------------------------------------------------- balance check

void JanelaEditor::mDefineDados(std::string valores, std::string modelos) {
    pedido.valores = std::move(valores);
    pedido.modelos = std::move(modelos);
}

void JanelaEditor::mVerificaEquilibrio() {
    if (execucao.mRodando()) return;
    pedido.pares = modelo.mPares();
    pedido.sementes = static_cast<uint32_t>(sementes->value());
    faseEmVerificacao = modelo.mTexto();
    if (!execucao.mInicia(pedido)) return;
    barra->setVisible(true);
    barra->setValue(0);
    contagens->setText("Jogando as partidas...");
    situacao->setText("Verificando o equilíbrio da fase...");
    mAtualiza();
}

void JanelaEditor::mCancelaEquilibrio() {
    if (!execucao.mRodando()) return;
    execucao.mCancela();
    contagens->setText("Cancelando: esperando as partidas que já começaram...");
    acaoCancelar->setEnabled(false);
}

void JanelaEditor::mTerminouEquilibrio(const ResultadoEquilibrio& resultado) {
    faseVerificada = faseEmVerificacao;
    mFimDaExecucao();
    if (nenhumaComecou(resultado)) {
        grafico->mLimpa();
        temResultado = false;
        textoResultado.clear();
        const QString texto = QString("Nenhuma partida pôde começar: verifique se \"%1\" e os modelos "
                                      "em \"%2\" existem e estão corretos.")
                                  .arg(qt(pedido.valores), qt(pedido.modelos));
        contagens->setText(texto);
        perguntas.erro(texto);
        return;
    }
    grafico->mMostra(resultado, pedido.pares);
    temResultado = true;
    const QString veredito = qt(textoVeredito(resultado));
    textoResultado =
        veredito.isEmpty() ? QString() : QString("<b>%1</b><br>").arg(veredito.toHtmlEscaped());
    textoResultado += QString("Cor final do ecômetro em %1 partidas de cada tipo:<br>%2")
                          .arg(pedido.sementes)
                          .arg(qt(textoContagens(resultado)).toHtmlEscaped());
    contagens->setText(textoResultado);
    contagens->setProperty("contagens", qt(textoContagens(resultado)));
    contagens->setProperty("veredito", veredito);
    situacao->setText("Verificação concluída.");
    mMarcaVerificacaoAntiga();
}

void JanelaEditor::mFimDaExecucao() {
    barra->setVisible(false);
    if (!temResultado) contagens->clear();
    mAtualiza();
}

void JanelaEditor::mMarcaVerificacaoAntiga() {
    if (!temResultado || execucao.mRodando()) return;
    const bool atual = modelo.mTexto() == faseVerificada;
    const QString aviso = "A fase mudou depois desta verificação; aperte F5 para verificar de novo.";
    grafico->setToolTip(atual ? QString() : aviso);
    grafico->setEnabled(atual);
    contagens->setText(atual ? textoResultado
                             : textoResultado + QString("<br><i style=\"color:#a04000\">%1</i>").arg(aviso));
}

// ---------------------------------------------------------------- views

void JanelaEditor::mAtualiza() {
    setWindowTitle(QString("QELP - Editor de Fases - %1[*]").arg(modelo.mNomeArquivo()));
    setWindowModified(modelo.mModificado());
    const int linha = mLinhaEscolhida();
    const bool escolhida = linha >= 0;
    acaoExcluir->setEnabled(escolhida);
    acaoSubir->setEnabled(escolhida && linha > 0);
    acaoDescer->setEnabled(escolhida && linha + 1 < modelo.rowCount());
    acaoOrdenar->setEnabled(modelo.rowCount() > 1);
    const bool rodando = execucao.mRodando();
    acaoVerificar->setEnabled(!rodando);
    acaoCancelar->setEnabled(rodando);
    sementes->setEnabled(!rodando);
    linhaTempo->mEscolhe(linha);
    mAtualizaAvisos();
    mMarcaVerificacaoAntiga();
}

void JanelaEditor::mAtualizaAvisos() {
    listaAvisos->clear();
    const QIcon icone = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const AvisoFase& aviso : modelo.mAvisos()) {
        auto* item = new QListWidgetItem(icone, qt(aviso.texto), listaAvisos);
        item->setData(Qt::UserRole, aviso.indice);
        item->setBackground(estilo::AVISO_FUNDO);
    }
    if (modelo.mAvisos().empty()) {
        auto* item = new QListWidgetItem(style()->standardIcon(QStyle::SP_DialogApplyButton),
                                         "Nenhum aviso: o jogo usará a fase como ela está.", listaAvisos);
        item->setData(Qt::UserRole, -1);
    }
}

void JanelaEditor::mAtualizaComentario() {
    QString texto = qt(modelo.mArquivo().comentario);
    while (texto.endsWith('\n')) texto.chop(1);
    const QSignalBlocker bloqueio(comentario);
    comentario->setPlainText(texto);
}
