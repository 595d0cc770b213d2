#include "platform/qt/QtImageControl.h"

#include "platform/qt/QtBorders.h"
#include "platform/qt/QtImageView.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// Kinds of click, as the control reports them with its events.
constexpr int clicked = 0;
constexpr int doubleClicked = 1;
constexpr int rightClicked = 2;

} // namespace

QtImageControl::QtImageControl(QWidget* parent, const ImageStore& images, bool clientEdge)
    : QWidget(parent), images(images), clientEdge(clientEdge) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

int QtImageControl::borderWidth() const {
    return clientEdge ? clientEdgeWidth : 0;
}

void QtImageControl::setImage(DisplayHandle newHandle) {
    handle = newHandle;
    if (const RasterImage* shown = images.imageFor(handle)) {
        resize(shown->width + 2 * borderWidth(), shown->height + 2 * borderWidth());
    }
    update();
}

void QtImageControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (clientEdge) {
        drawSunkenEdge(painter, rect());
    }
    if (const RasterImage* shown = images.imageFor(handle)) {
        const int border = borderWidth();
        painter.setClipRect(rect().adjusted(border, border, -border, -border));
        painter.drawImage(border, border, viewOf(*shown));
    }
}

void QtImageControl::mousePressEvent(QMouseEvent* event) {
    if (onClick && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)) {
        onClick(event->button() == Qt::LeftButton ? clicked : rightClicked);
    }
}

void QtImageControl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (onClick && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)) {
        onClick(doubleClicked);
    }
}
