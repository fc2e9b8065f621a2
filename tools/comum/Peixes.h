// The three fish of the lake as both picture generators draw them: the same
// outlines in a model about 114 long (tail tip at x = -64, mouth at x = 50),
// facing right. Each generator paints the parts in its own colours.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <vector>

namespace comum {

enum class TipoPeixe { Gordo, Azul, Listrado };

// Outline parts of one kind of fish in the model.
struct FormaPeixe {
    QPainterPath cauda;
    QPainterPath dorsal;
    QPainterPath corpo;
    QPainterPath peitoral;
    std::vector<QPainterPath> listras;  // dark stripes across the body, if any
    QPointF olho;
    double raioOlho;
    QRectF boca;     // the smile is an arc of this box, from 200 degrees,
    int arcoBoca;    // this many degrees long (0: no mouth drawn)
};

// The outlines of a kind of fish, made afresh.
FormaPeixe formaDe(TipoPeixe tipo);

// Round eye with pupil and highlight, looking forward, at the fish's eye.
void olhoDePeixe(QPainter& p, const FormaPeixe& forma, double contorno);

// The fish's smile in the outline colour (nothing when it has none).
void bocaDePeixe(QPainter& p, const FormaPeixe& forma, double contorno);

// The stripes in one colour, kept inside the body.
void listrasDePeixe(QPainter& p, const FormaPeixe& forma, const QColor& c);

}  // namespace comum
