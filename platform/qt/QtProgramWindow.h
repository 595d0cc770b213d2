#pragma once

#include "platform/PlatformTypes.h"
#include "platform/qt/QtClientArea.h"

#include <QMenuBar>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

// A top-level window of the program with a fixed client area. A menu bar,
// once attached, takes its height from the top of the client area. Closing
// it by the window system only reports a close request; the window stays.
class QtProgramWindow : public QWidget {
public:
    QtProgramWindow(QWidget* owner, const WindowDefinition& definition);

    // The outer size of a window of the frame around the client area.
    static PixelSize outerSizeFor(PixelSize clientSize, WindowFrame frame);

    QtClientArea* clientArea() const { return client; }
    QMenuBar* attachMenuBar();
    QMenuBar* menuBar() const { return menus; }
    // Controls that Tab and Shift+Tab move the focus through, in this order.
    void addTabStop(QWidget* control) { tabStops.emplace_back(control); }

    std::function<void()> onCloseRequest;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    // The window system's own close request (on X11 WM_DELETE_WINDOW), taken
    // before Qt's handling so that it always becomes a close request.
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void placeClientArea();

    WindowFrame frame;
    PixelSize clientSize;
    QtClientArea* client;
    QMenuBar* menus = nullptr;
    std::vector<QPointer<QWidget>> tabStops;
    // The X11 atoms of a close request; 0 on other window systems.
    std::uint32_t protocolsAtom = 0;
    std::uint32_t deleteWindowAtom = 0;
};
