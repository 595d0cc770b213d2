#pragma once

#include "platform/Platform.h"
#include "platform/qt/QtProgramWindow.h"

#include <QBrush>
#include <QButtonGroup>
#include <QFont>
#include <QPointer>
#include <deque>
#include <map>

// The platform on Qt 6 Widgets. Qt's signals and event handlers only queue
// translated events; the program takes them one at a time with waitForEvent,
// so a command always runs to its end before the next event is taken.
// Needs a QApplication made before it.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    void initialise(const ImageStore& images) override;

    PixelSize screenSize() override;
    ScreenPoint cursorPosition() override;
    PixelSize outerSizeFor(PixelSize clientSize, WindowFrame frame) override;
    bool openWindow(const WindowDefinition& definition) override;
    bool setPatternBackground(WindowId window, DisplayHandle image) override;
    bool setSolidBackground(WindowId window, ColourValue colour) override;
    bool setMenuBar(WindowId window, const std::vector<MenuDefinition>& menus) override;
    void showWindow(WindowId window) override;
    void closeWindow(WindowId window) override;
    void closeAllWindows() override;
    bool windowExists(WindowId window) override;

    bool openControlList(WindowId window) override;
    bool makePanel(ControlId id, int x, int y, int width, int height) override;
    void closePanel() override;
    bool makeGroupBox(ControlId id, int x, int y, int width, int height,
                      const std::string& text) override;
    bool makePushButton(ControlId id, int x, int y, int width, int height,
                        const std::string& text) override;
    bool makeOptionButton(ControlId id, int x, int y, int width, int height,
                          const std::string& text) override;
    bool makeLabel(ControlId id, int x, int y, int width, int height,
                   const std::string& text) override;
    bool makeImageControl(ControlId id, int x, int y, int width, int height,
                          std::uint32_t extendedStyle) override;
    bool setControlImage(ControlId id, DisplayHandle image) override;
    bool controlExists(ControlId id) override;
    std::optional<PixelSize> controlClientSize(ControlId id) override;
    bool invalidateControl(ControlId id) override;
    void selectOption(ControlId id) override;

    bool makeFont(FontId id, const FontDefinition& definition) override;
    bool setControlFont(ControlId control, FontId font) override;
    void releaseAllFonts() override;

    BrushHandle makeSolidBrush(ColourValue colour) override;
    BrushHandle hollowBrush() override;
    void releaseBrush(BrushHandle brush) override;
    ColourValue buttonFaceColour() override;
    void installWindowHook(WindowHook hook) override;

    EventKind waitForEvent() override;
    std::int32_t eventIdentifier() override;
    WindowId eventWindowId() override;

    void showMessageBox(const std::string& title, const std::string& text,
                        std::uint32_t flags) override;
    std::string askOpenFileName(const std::string& title) override;
    std::string askSaveFileName(const std::string& title, const std::string& initialName,
                                const std::string& filter, int selectedEntry) override;

    // The widgets behind the numbers, for tests and benchmarks.
    QWidget* widgetOf(ControlId id) const;
    QtProgramWindow* windowOf(WindowId id) const;
    // Events translated but not taken yet.
    std::size_t queuedEventCount() const { return queue.size(); }
    // The font controls get unless they are given one of their own.
    QFont defaultControlFont() const { return controlFont; }

private:
    enum class ControlKind { Panel, GroupBox, PushButton, OptionButton, Label, ImageControl };

    struct Control {
        QPointer<QWidget> widget;
        WindowId window = 0;
        ControlKind kind = ControlKind::Label;
    };

    struct QueuedEvent {
        EventKind kind = EventKind::Other;
        std::int32_t identifier = 0;
        WindowId window = noWindowId;
    };

    void post(EventKind kind, std::int32_t identifier, WindowId window);
    // Runs a modal dialog's own loop; every event queued meanwhile, and any
    // still waiting, is consumed there.
    int runModal(class QDialog& dialog);
    QWidget* foregroundWindow() const;
    // Places a new control in the open list, replacing one of the same number.
    bool place(ControlId id, QWidget* widget, ControlKind kind, int x, int y, int width,
               int height);
    void forgetControlsOf(WindowId window);
    std::optional<QBrush> answerColourRequest(WindowId window, ControlId id,
                                              ControlPaintContext& context);

    const ImageStore* images = nullptr;
    QFont controlFont;
    std::map<WindowId, QPointer<QtProgramWindow>> windows;
    std::map<ControlId, Control> controls;
    std::map<FontId, QFont> fonts;
    std::map<BrushHandle, QBrush> brushes;
    BrushHandle lastBrush = 0;
    BrushHandle hollow = 0;
    WindowHook hook;

    // The open control list: the window it belongs to and the widget that
    // receives new controls (the window's client area or a panel's).
    WindowId listWindow = 0;
    QPointer<QWidget> listContainer;
    QPointer<QWidget> windowContainer;
    bool lastMadeWasOption = false;
    QButtonGroup* optionGroup = nullptr;

    std::deque<QueuedEvent> queue;
    std::int32_t lastIdentifier = 0;
    WindowId lastWindow = noWindowId;
};
