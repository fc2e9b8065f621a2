// The table's editors: a spin box for the time in seconds, a list of the
// events by name (with the code the file holds) for the event.
#pragma once

#include <QStyledItemDelegate>

class DelegadoFase : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* dono, const QStyleOptionViewItem& opcao,
                          const QModelIndex& indice) const override;
    void setEditorData(QWidget* editor, const QModelIndex& indice) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* modelo,
                      const QModelIndex& indice) const override;
};

// "3 – draga": how the list shows an event.
QString rotuloEvento(int codigo);
