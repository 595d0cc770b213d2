#include "platform/qt/QtProgramWindow.h"

#include "platform/qt/QtBorders.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {

Qt::WindowFlags flagsFor(WindowFrame frame) {
    if (frame == WindowFrame::DialogFrame) {
        return Qt::Window | Qt::FramelessWindowHint;
    }
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
}

std::uint32_t atomNamed(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, std::uint16_t(std::strlen(name)), name),
        nullptr);
    const std::uint32_t atom = reply ? reply->atom : 0;
    std::free(reply);
    return atom;
}

int drawnFrameWidth(WindowFrame frame) {
    return frame == WindowFrame::DialogFrame ? dialogFrameWidth : 0;
}

} // namespace

QtProgramWindow::QtProgramWindow(QWidget* owner, const WindowDefinition& definition)
    : QWidget(owner, flagsFor(definition.frame)), frame(definition.frame),
      clientSize(definition.clientSize), client(new QtClientArea(this)) {
    setWindowTitle(QString::fromLocal8Bit(definition.title.c_str()));
    const PixelSize outer = outerSizeFor(clientSize, frame);
    setFixedSize(outer.width, outer.height);
    move(definition.position.x, definition.position.y);
    placeClientArea();
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 != nullptr && x11->connection() != nullptr) {
        protocolsAtom = atomNamed(x11->connection(), "WM_PROTOCOLS");
        deleteWindowAtom = atomNamed(x11->connection(), "WM_DELETE_WINDOW");
    }
}

PixelSize QtProgramWindow::outerSizeFor(PixelSize size, WindowFrame frame) {
    // The title bar of a titled window belongs to the window manager, outside
    // the widget; a dialog frame is drawn by the window itself.
    const int border = drawnFrameWidth(frame);
    return {size.width + 2 * border, size.height + 2 * border};
}

QMenuBar* QtProgramWindow::attachMenuBar() {
    if (menus == nullptr) {
        menus = new QMenuBar(this);
        menus->setNativeMenuBar(false);
    }
    placeClientArea();
    return menus;
}

void QtProgramWindow::placeClientArea() {
    const int border = drawnFrameWidth(frame);
    int menuHeight = 0;
    if (menus != nullptr) {
        menuHeight = menus->sizeHint().height();
        menus->setGeometry(border, border, clientSize.width, menuHeight);
    }
    client->setGeometry(border, border + menuHeight, clientSize.width,
                        std::max(0, clientSize.height - menuHeight));
}

void QtProgramWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (onCloseRequest) {
        onCloseRequest();
    }
}

bool QtProgramWindow::nativeEvent(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_CLIENT_MESSAGE) {
        return false;
    }
    const auto* clientMessage = reinterpret_cast<const xcb_client_message_event_t*>(event);
    if (clientMessage->format != 32 || clientMessage->type != protocolsAtom ||
        clientMessage->data.data32[0] != deleteWindowAtom || protocolsAtom == 0) {
        return false;
    }
    if (onCloseRequest) {
        onCloseRequest();
    }
    return true;
}

void QtProgramWindow::paintEvent(QPaintEvent*) {
    if (frame == WindowFrame::DialogFrame) {
        QPainter painter(this);
        drawRaisedFrame(painter, rect());
    }
}

bool QtProgramWindow::focusNextPrevChild(bool next) {
    std::vector<QWidget*> candidates;
    for (const QPointer<QWidget>& stop : tabStops) {
        if (stop && stop->isEnabled() && stop->isVisibleTo(this)) {
            candidates.push_back(stop);
        }
    }
    if (candidates.empty()) {
        return false;
    }
    const int count = int(candidates.size());
    int current = -1;
    for (int i = 0; i < count; ++i) {
        if (candidates[i]->hasFocus()) {
            current = i;
        }
    }
    int target = 0;
    if (current < 0) {
        target = next ? 0 : count - 1;
    } else {
        target = (current + (next ? 1 : count - 1)) % count;
    }
    candidates[target]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}
