#include "platform/qt/QtBorders.h"

#include <QColor>

namespace {

const QColor highlight(255, 255, 255);
const QColor light(227, 227, 227);
const QColor shadow(160, 160, 160);
const QColor darkShadow(105, 105, 105);
const QColor face(240, 240, 240);

// One ring of a 3-D edge: topLeft along the top and left, bottomRight along
// the bottom and right.
void drawRing(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

} // namespace

void drawRaisedFrame(QPainter& painter, const QRect& outer) {
    drawRing(painter, outer, light, darkShadow);
    drawRing(painter, outer.adjusted(1, 1, -1, -1), highlight, shadow);
    drawRing(painter, outer.adjusted(2, 2, -2, -2), face, face);
}

void drawSunkenEdge(QPainter& painter, const QRect& outer) {
    drawRing(painter, outer, shadow, highlight);
    drawRing(painter, outer.adjusted(1, 1, -1, -1), darkShadow, light);
}
