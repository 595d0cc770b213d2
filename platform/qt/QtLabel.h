#pragma once

#include "platform/WindowHook.h"

#include <QWidget>
#include <functional>

// A plain left-aligned text that wraps at word boundaries. Before it paints
// it asks for its colours; without an answer it has the platform's normal
// colours on the button-face background.
class QtLabel : public QWidget {
public:
    QtLabel(QWidget* parent, QString text);

    // Returns the background brush, or nullopt when the request is not answered.
    std::function<std::optional<QBrush>(ControlPaintContext& context)> askColours;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text;
};
