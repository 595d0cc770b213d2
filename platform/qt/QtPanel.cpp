#include "platform/qt/QtPanel.h"

#include "platform/qt/QtBorders.h"

#include <QPainter>

QtPanel::QtPanel(QWidget* parent) : QWidget(parent), client(new QWidget(this)) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    client->setBackgroundRole(QPalette::Button);
}

void QtPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawRaisedFrame(painter, rect());
}

void QtPanel::resizeEvent(QResizeEvent*) {
    client->setGeometry(
        rect().adjusted(dialogFrameWidth, dialogFrameWidth, -dialogFrameWidth, -dialogFrameWidth));
}
