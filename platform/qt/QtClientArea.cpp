#include "platform/qt/QtClientArea.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>

QtClientArea::QtClientArea(QWidget* parent) : QWidget(parent) {
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
}

void QtClientArea::setPattern(QImage tile) {
    pattern = std::move(tile);
    solid.reset();
    update();
}

void QtClientArea::setSolid(QColor colour) {
    solid = colour;
    pattern = QImage();
    update();
}

void QtClientArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (solid) {
        painter.fillRect(event->rect(), *solid);
    } else if (!pattern.isNull()) {
        painter.drawTiledPixmap(rect(), QPixmap::fromImage(pattern));
    }
}
