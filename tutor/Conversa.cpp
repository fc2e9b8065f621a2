#include "tutor/Conversa.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextBlock>
#include <QVBoxLayout>
#include <QWidget>

namespace {

constexpr int ALTURA_CONVERSA = 120;  // pixels of the window's client area
constexpr int LINHAS_VISIVEIS = 4;
constexpr int MAX_CARACTERES = 200000;  // what the transcript keeps, the newest
// The longest line the transcript holds: a line is laid out again whenever
// it changes, so a tutor's text without line breaks is broken here, at its
// last blank when there is one.
constexpr int MAX_LINHA = 2000;
constexpr int MAX_ESCRITA = 200;  // characters the pupil writes at once

// The text with a line break wherever a line, which already holds jaNaLinha
// characters, would grow longer than MAX_LINHA.
QString comLinhasCurtas(QString texto, int jaNaLinha) {
    int inicioLinha = -jaNaLinha;  // where the current line starts, in texto
    int espaco = -1;               // its last blank, in texto
    for (int i = 0; i < texto.size(); ++i) {
        if (texto[i] == u'\n') {
            inicioLinha = i + 1;
            espaco = -1;
            continue;
        }
        if (texto[i] == u' ') espaco = i;
        if (i - inicioLinha < MAX_LINHA) continue;
        if (espaco >= 0 && espaco >= inicioLinha) {
            texto[espaco] = u'\n';
            inicioLinha = espaco + 1;
        } else {
            texto.insert(i, u'\n');
            inicioLinha = i + 1;
        }
        espaco = -1;
    }
    return texto;
}

class JanelaConversa : public QWidget {
public:
    JanelaConversa() : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                            Qt::WindowCloseButtonHint) {
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle("QELP - Conversa");
        auto* coluna = new QVBoxLayout(this);
        coluna->setContentsMargins(4, 4, 4, 4);
        transcricao = new QPlainTextEdit(this);
        transcricao->setObjectName("1000");
        transcricao->setReadOnly(true);
        transcricao->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        transcricao->setMinimumHeight(transcricao->fontMetrics().lineSpacing() * LINHAS_VISIVEIS);
        coluna->addWidget(transcricao, 1);

        auto* linha = new QHBoxLayout;
        rotulo = new QLabel("Texto:", this);
        rotulo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rotulo->setEnabled(false);
        entrada = new QLineEdit(this);
        entrada->setObjectName("1001");
        entrada->setEnabled(false);
        entrada->setMaxLength(MAX_ESCRITA);
        enviar = new QPushButton("Enviar", this);
        enviar->setObjectName("1002");
        enviar->setDefault(true);
        enviar->setEnabled(false);
        linha->addWidget(rotulo);
        linha->addWidget(entrada, 1);
        linha->addWidget(enviar);
        coluna->addLayout(linha);
        connect(entrada, &QLineEdit::returnPressed, this, &JanelaConversa::mEnvia);
        connect(enviar, &QPushButton::clicked, this, &JanelaConversa::mEnvia);
    }

    void mHabilitaEscrita(std::function<void(const std::string&)> funcao) {
        aoEnviar = std::move(funcao);
        rotulo->setEnabled(true);
        entrada->setEnabled(true);
        enviar->setEnabled(true);
        entrada->setFocus();
    }

    // Whether the transcript ends a line (or holds nothing).
    bool mNoInicioDeLinha() const {
        const QTextDocument* documento = transcricao->document();
        const int fim = documento->characterCount() - 2;  // the last character, before the document's end
        return fim < 0 || documento->characterAt(fim) == QChar::ParagraphSeparator;
    }

    void mAcrescenta(const QString& texto) {
        QTextCursor fim = transcricao->textCursor();
        fim.movePosition(QTextCursor::End);
        fim.insertText(comLinhasCurtas(texto, transcricao->document()->lastBlock().length() - 1));
        const int excesso = transcricao->document()->characterCount() - MAX_CARACTERES;
        if (excesso > 0) {
            QTextCursor inicio(transcricao->document());
            inicio.setPosition(excesso, QTextCursor::KeepAnchor);
            inicio.removeSelectedText();
        }
        fim.movePosition(QTextCursor::End);
        transcricao->setTextCursor(fim);
        transcricao->verticalScrollBar()->setValue(transcricao->verticalScrollBar()->maximum());
    }

    QString mTexto() const { return transcricao->toPlainText(); }

protected:
    void keyPressEvent(QKeyEvent* evento) override {
        if (evento->key() == Qt::Key_Escape) close();
        else QWidget::keyPressEvent(evento);
    }

private:
    void mEnvia() {
        const QString texto = entrada->text();
        if (texto.trimmed().isEmpty() || !aoEnviar) return;
        entrada->clear();
        aoEnviar(texto.toStdString());
    }

    QPlainTextEdit* transcricao;
    QLabel* rotulo;
    QLineEdit* entrada;
    QPushButton* enviar;
    std::function<void(const std::string&)> aoEnviar;
};

QPointer<JanelaConversa> gConversa;

}  // namespace

void abreConversa(QWidget* principal) {
    fechaConversa();
    gConversa = new JanelaConversa;
    // Below the main window, as wide as it, within the screen.
    const QRect moldura = principal ? principal->frameGeometry() : QRect(0, 0, 640, 0);
    const QScreen* tela = QGuiApplication::primaryScreen();
    const QRect area = tela ? tela->availableGeometry() : QRect(0, 0, 800, 600);
    const int altura = std::min(ALTURA_CONVERSA, std::max(60, area.bottom() - moldura.bottom() - 40));
    gConversa->resize(moldura.width(), altura);
    gConversa->move(moldura.left(), std::min(moldura.bottom() + 1, area.bottom() - altura));
    gConversa->show();
}

void fechaConversa() {
    if (gConversa) delete gConversa.data();
}

bool conversaAberta() { return !gConversa.isNull(); }

void acrescentaConversa(const std::string& texto) {
    if (gConversa) gConversa->mAcrescenta(QString::fromStdString(texto));
}

void acrescentaLinhaConversa(const std::string& linha) {
    if (!gConversa) return;
    gConversa->mAcrescenta((gConversa->mNoInicioDeLinha() ? QString() : QStringLiteral("\n")) +
                           QString::fromStdString(linha) + QStringLiteral("\n"));
}

void habilitaEscritaConversa(std::function<void(const std::string&)> aoEnviar) {
    if (gConversa) gConversa->mHabilitaEscrita(std::move(aoEnviar));
}

std::string textoDaConversa() { return gConversa ? gConversa->mTexto().toStdString() : std::string(); }
