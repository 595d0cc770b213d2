#pragma once

#include "imaging/ImageStore.h"

#include <QWidget>
#include <functional>

// Shows one image of the store unscaled at the top-left corner of its client
// area, optionally inside a sunken client edge. The image is looked up when
// the control paints, so changed pixels show at the next repaint.
class QtImageControl : public QWidget {
public:
    QtImageControl(QWidget* parent, const ImageStore& images, bool clientEdge);

    // Takes the image's size plus the edge, keeping the position.
    void setImage(DisplayHandle handle);
    DisplayHandle image() const { return handle; }
    int borderWidth() const;

    // Called for a left or right press and for a double click.
    std::function<void(int clickKind)> onClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const ImageStore& images;
    bool clientEdge;
    DisplayHandle handle;
};
