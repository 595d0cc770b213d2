#pragma once

#include "imaging/ImageStore.h"
#include "platform/EventKind.h"
#include "platform/PlatformTypes.h"
#include "platform/WindowHook.h"

#include <optional>
#include <string>
#include <vector>

// What the program needs of a windowing system. Windows, controls, menu items
// and fonts are addressed by the numbers the program gives them. New controls
// go into the container whose control list is open: a window's list after
// openControlList, a panel's list from makePanel until closePanel.
class Platform {
public:
    virtual ~Platform() = default;

    // Sets the platform up: controls made from now on get the default control
    // font, and images handed to controls are read from the store when painted.
    virtual void initialise(const ImageStore& images) = 0;

    // Windows. A window is made hidden; a window made with a number in use
    // replaces the one that had it.
    virtual PixelSize screenSize() = 0;
    virtual ScreenPoint cursorPosition() = 0;
    // The outer size of a window of the frame around a client area of the size.
    virtual PixelSize outerSizeFor(PixelSize clientSize, WindowFrame frame) = 0;
    virtual bool openWindow(const WindowDefinition& definition) = 0;
    // The window's background becomes the image, tiled from the client
    // area's top-left corner; the window keeps its own copy of the pixels.
    virtual bool setPatternBackground(WindowId window, DisplayHandle image) = 0;
    virtual bool setSolidBackground(WindowId window, ColourValue colour) = 0;
    // Makes the menu bar and attaches it; it takes its height from the client area.
    virtual bool setMenuBar(WindowId window, const std::vector<MenuDefinition>& menus) = 0;
    // Shows the window in its normal state and activates it.
    virtual void showWindow(WindowId window) = 0;
    // Activates the window's owner, if any, then destroys the window with its controls.
    virtual void closeWindow(WindowId window) = 0;
    virtual void closeAllWindows() = 0;
    virtual bool windowExists(WindowId window) = 0;

    // Controls. Positions are in the client area of the open container.
    virtual bool openControlList(WindowId window) = 0;
    // A child panel with a raised dialog-frame border and the button-face
    // background; its control list receives the controls made next.
    virtual bool makePanel(ControlId id, int x, int y, int width, int height) = 0;
    // Controls made from now on go to the window whose panel was open.
    virtual void closePanel() = 0;
    virtual bool makeGroupBox(ControlId id, int x, int y, int width, int height,
                              const std::string& text) = 0;
    virtual bool makePushButton(ControlId id, int x, int y, int width, int height,
                                const std::string& text) = 0;
    // Option buttons made one after the other form one group; an option made
    // first in its list or after a control of another kind starts a new one.
    virtual bool makeOptionButton(ControlId id, int x, int y, int width, int height,
                                  const std::string& text) = 0;
    // A plain left-aligned text that wraps at word boundaries within its width.
    virtual bool makeLabel(ControlId id, int x, int y, int width, int height,
                           const std::string& text) = 0;
    // A control that shows one image unscaled at its top-left corner and
    // reports every kind of mouse click. extendedStyle may hold WS_EX_CLIENTEDGE.
    virtual bool makeImageControl(ControlId id, int x, int y, int width, int height,
                                  std::uint32_t extendedStyle) = 0;
    // Hands an image to an image control, which takes the image's size (plus
    // twice its border) and repaints at once.
    virtual bool setControlImage(ControlId id, DisplayHandle image) = 0;
    virtual bool controlExists(ControlId id) = 0;
    virtual std::optional<PixelSize> controlClientSize(ControlId id) = 0;
    // Marks the whole control for repainting at the next paint.
    virtual bool invalidateControl(ControlId id) = 0;
    virtual void selectOption(ControlId id) = 0;

    // Fonts. Making a font with a number in use releases the former one.
    virtual bool makeFont(FontId id, const FontDefinition& definition) = 0;
    virtual bool setControlFont(ControlId control, FontId font) = 0;
    virtual void releaseAllFonts() = 0;

    // Brushes for answers to colour requests.
    virtual BrushHandle makeSolidBrush(ColourValue colour) = 0;
    virtual BrushHandle hollowBrush() = 0;
    virtual void releaseBrush(BrushHandle brush) = 0;
    virtual ColourValue buttonFaceColour() = 0;
    // The program's one window message hook.
    virtual void installWindowHook(WindowHook hook) = 0;

    // Events. Blocks until one message has been taken and handled.
    virtual EventKind waitForEvent() = 0;
    // The identifier of the most recent MenuCommand or ControlEvent.
    virtual std::int32_t eventIdentifier() = 0;
    // The window of the most recent event, or noWindowId.
    virtual WindowId eventWindowId() = 0;

    // Modal dialogs, owned by the program's foreground window. While one is
    // open, events of the program's windows are consumed.
    virtual void showMessageBox(const std::string& title, const std::string& text,
                                std::uint32_t flags) = 0;
    // The chosen path, or empty text on cancel. All files are listed.
    virtual std::string askOpenFileName(const std::string& title) = 0;
    // filter in pair notation, "BMP|*.bmp|"; selectedEntry counts from 1. No
    // question when the file exists, no extension added.
    virtual std::string askSaveFileName(const std::string& title, const std::string& initialName,
                                        const std::string& filter, int selectedEntry) = 0;
};
