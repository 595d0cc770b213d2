#pragma once

#include "platform/Platform.h"
#include "platform/win32/Win32ImageControl.h"
#include "platform/win32/Win32WindowClasses.h"
#include "platform/win32/WindowsApi.h"

#include <map>
#include <memory>

// The platform on the Windows API, ANSI calls throughout. Every window and
// panel shares one window procedure, which offers each message to the hook
// first and records the menu commands, control events and close requests that
// waitForEvent reports.
class Win32Platform : public Platform, private Win32MessageTarget {
public:
    Win32Platform();
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

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

    // The handles behind the numbers, or null; for tests.
    HWND windowHandle(WindowId id) const;
    HWND controlHandle(ControlId id) const;
    HFONT fontHandle(FontId id) const;

private:
    enum class ControlKind { Panel, GroupBox, PushButton, OptionButton, Label, ImageControl };

    struct Window {
        HWND handle = nullptr;
        WindowId owner = 0;
        // The class background the program gave the window, and its pattern.
        HBRUSH background = nullptr;
        HBITMAP pattern = nullptr;
        // Controls that take the focus, in the order they were made.
        std::vector<ControlId> tabStops;
    };

    struct Control {
        HWND handle = nullptr;
        WindowId window = 0;
        ControlKind kind = ControlKind::Label;
        int optionGroup = 0;
        std::unique_ptr<Win32ImageControl> image;
    };

    LRESULT windowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    std::optional<LRESULT> offerToHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void record(EventKind kind, HWND window);
    void moveFocus(HWND window, bool backwards);

    Window* windowOf(WindowId id);
    WindowId windowIdOf(HWND handle) const;
    ControlId controlIdOf(HWND handle) const;
    std::vector<HWND> topLevelWindows() const;
    HWND foregroundWindow() const;
    bool replaceBackground(WindowId id, HBRUSH brush, HBITMAP pattern);
    void releaseBackground(Window& window);

    // Makes a control in the open list, replacing one of the same number.
    HWND place(ControlId id, ControlKind kind, const char* className, const std::string& text,
               DWORD style, DWORD extendedStyle, int x, int y, int width, int height);
    void destroyControl(ControlId id);
    void forgetControlsOf(WindowId window);

    HINSTANCE instance = nullptr;
    const ImageStore* images = nullptr;
    HFONT controlFont = nullptr;
    HACCEL focusKeys = nullptr;
    std::map<WindowId, Window> windows;
    std::map<ControlId, Control> controls;
    std::map<FontId, HFONT> fonts;
    WindowHook hook;

    // The open control list: its window and the window receiving new controls
    // (the top-level window, or a panel inside it).
    WindowId listWindow = 0;
    HWND listContainer = nullptr;
    bool lastMadeWasOption = false;
    int optionGroups = 0;

    // What the window procedure handled during the current wait.
    EventKind handledKind = EventKind::Other;
    WindowId handledWindow = noWindowId;
    std::int32_t lastIdentifier = 0;
    WindowId lastWindow = noWindowId;
};
