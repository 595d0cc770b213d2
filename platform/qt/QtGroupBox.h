#pragma once

#include <QWidget>

// A captioned etched frame around a group of controls: the frame's top line
// runs through the middle of the caption. It takes no focus and no clicks.
class QtGroupBox : public QWidget {
public:
    QtGroupBox(QWidget* parent, QString caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption;
};
