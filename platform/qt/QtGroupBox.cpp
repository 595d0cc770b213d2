#include "platform/qt/QtGroupBox.h"

#include <QPainter>

namespace {

constexpr int captionIndent = 8;
constexpr int captionPadding = 2;

} // namespace

QtGroupBox::QtGroupBox(QWidget* parent, QString caption)
    : QWidget(parent), caption(std::move(caption)) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void QtGroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int top = metrics.height() / 2;
    const QRect frame = rect().adjusted(0, top, -1, -1);
    const QColor shadow(160, 160, 160);
    const QColor highlight(255, 255, 255);
    painter.setPen(shadow);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(highlight);
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
    if (!caption.isEmpty()) {
        const int width = metrics.horizontalAdvance(caption) + 2 * captionPadding;
        const QRect captionArea(captionIndent - captionPadding, 0, width, metrics.height());
        painter.fillRect(captionArea, palette().button());
        painter.setPen(palette().buttonText().color());
        painter.drawText(captionArea, Qt::AlignCenter, caption);
    }
}
