#include "platform/qt/QtLabel.h"

#include <QPainter>

namespace {

class LabelPaintContext : public ControlPaintContext {
public:
    void setTextColour(ColourValue colour) override { text = colour; }
    void setBackgroundMode(BackgroundMode newMode) override { mode = newMode; }
    void setBackgroundColour(ColourValue colour) override { background = colour; }

    ColourValue text = 0x000000;
    BackgroundMode mode = BackgroundMode::Opaque;
    std::optional<ColourValue> background;
};

QColor qColourOf(ColourValue value) {
    return QColor(redOf(value), greenOf(value), blueOf(value));
}

} // namespace

QtLabel::QtLabel(QWidget* parent, QString text) : QWidget(parent), text(std::move(text)) {
    setFocusPolicy(Qt::NoFocus);
}

void QtLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    LabelPaintContext context;
    std::optional<QBrush> brush = askColours ? askColours(context) : std::nullopt;
    painter.fillRect(rect(), brush ? *brush : palette().button());
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    if (context.mode == BackgroundMode::Opaque) {
        const QColor back =
            context.background ? qColourOf(*context.background) : palette().button().color();
        painter.fillRect(painter.boundingRect(rect(), flags, text).intersected(rect()), back);
    }
    painter.setPen(qColourOf(context.text));
    painter.drawText(rect(), flags, text);
}
