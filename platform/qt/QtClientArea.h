#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <optional>

// The client area of a program window below its menu bar: paints the
// window's background, a tiled pattern from its top-left corner or a solid
// colour, and holds the window's controls.
class QtClientArea : public QWidget {
public:
    explicit QtClientArea(QWidget* parent);

    void setPattern(QImage tile);
    void setSolid(QColor colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage pattern;
    std::optional<QColor> solid;
};
