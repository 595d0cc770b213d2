#pragma once

#include <QWidget>

// A child panel: a raised dialog-frame border drawn inside its outer size and
// the button-face background. Its controls go into clientArea(), which lies
// inside the border.
class QtPanel : public QWidget {
public:
    explicit QtPanel(QWidget* parent);

    QWidget* clientArea() const { return client; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* client;
};
