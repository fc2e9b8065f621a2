// A button that shows one bitmap, the same in every state (normal, pressed,
// focused, disabled), sized to the bitmap. Without a bitmap it takes no
// space, draws nothing and reacts to nothing. It shows the ordinary mouse
// pointer: only a window that gives its clicks a meaning shows the
// pointing hand over it.
#pragma once

#include <QAbstractButton>
#include <QImage>

class CBotaoFigura : public QAbstractButton {
public:
    CBotaoFigura(int id, QWidget* pai);

    // Attaches the bitmap and sizes the button to it.
    void mDefineFigura(const QImage& figura);

    int mId() const { return id; }
    const QImage& mFigura() const { return figura; }
    QSize sizeHint() const override { return figura.size(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int id;
    QImage figura;
};
