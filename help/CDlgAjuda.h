// The help viewer's main dialog.
#pragma once

#include <QDialog>

class CDlgAjuda : public QDialog {
public:
    explicit CDlgAjuda(QWidget* pai = nullptr);
};
