#include "editor/DelegadoFase.h"

#include "editor/Estilo.h"
#include "editor/ModeloFase.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QSpinBox>

namespace {

QIcon iconeEvento(int codigo) {
    QPixmap quadro(12, 12);
    quadro.fill(Qt::transparent);
    QPainter pintor(&quadro);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setBrush(estilo::corEvento(codigo));
    pintor.setPen(estilo::corEvento(codigo).darker(140));
    pintor.drawEllipse(1, 1, 10, 10);
    return QIcon(quadro);
}

// The events by code: digits typed one soon after the other pick the code
// they spell ("1" the end of the match, "1" "0" the industrial sewage),
// not the next name that begins with the digit.
class CaixaEvento : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void keyPressEvent(QKeyEvent* tecla) override {
        const QString texto = tecla->text();
        if (texto.size() != 1 || !texto[0].isDigit()) {
            QComboBox::keyPressEvent(tecla);
            return;
        }
        if (!digitado.isValid() || digitado.elapsed() > QApplication::keyboardInputInterval()) codigo.clear();
        digitado.start();
        codigo += texto;
        if (findData(codigo.toInt()) < 0) codigo = texto;  // a new code begins
        const int posicao = findData(codigo.toInt());
        if (posicao >= 0) setCurrentIndex(posicao);
        tecla->accept();
    }

private:
    QString codigo;  // the digits typed so far
    QElapsedTimer digitado;
};

}  // namespace

QString rotuloEvento(int codigo) {
    return QString("%1 – %2").arg(codigo).arg(qt(nomeEventoFase(codigo)));
}

QWidget* DelegadoFase::createEditor(QWidget* dono, const QStyleOptionViewItem&,
                                   const QModelIndex& indice) const {
    if (indice.column() == ModeloFase::COLUNA_TEMPO) {
        auto* tempo = new QSpinBox(dono);
        tempo->setRange(0, ModeloFase::TEMPO_MAXIMO);
        tempo->setSuffix(" s");
        tempo->setAccelerated(true);
        return tempo;
    }
    auto* evento = new CaixaEvento(dono);
    for (int codigo = 0; codigo < NUM_CODIGOS_EVENTO; ++codigo)
        evento->addItem(iconeEvento(codigo), rotuloEvento(codigo), codigo);
    return evento;
}

void DelegadoFase::setEditorData(QWidget* editor, const QModelIndex& indice) const {
    const int valor = indice.data(Qt::EditRole).toInt();
    if (auto* tempo = qobject_cast<QSpinBox*>(editor)) {
        tempo->setValue(valor);
        return;
    }
    auto* evento = qobject_cast<QComboBox*>(editor);
    int posicao = evento->findData(valor);
    if (posicao < 0) {  // a code the game does not know, as the file holds it
        evento->addItem(iconeEvento(valor), rotuloEvento(valor), valor);
        posicao = evento->count() - 1;
    }
    evento->setCurrentIndex(posicao);
}

void DelegadoFase::setModelData(QWidget* editor, QAbstractItemModel* modelo,
                                const QModelIndex& indice) const {
    if (auto* tempo = qobject_cast<QSpinBox*>(editor)) {
        tempo->interpretText();
        modelo->setData(indice, tempo->value());
        return;
    }
    auto* evento = qobject_cast<QComboBox*>(editor);
    modelo->setData(indice, evento->currentData());
}
