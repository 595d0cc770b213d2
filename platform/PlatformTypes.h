#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Windows, controls, menu items and fonts are named by small integers that the
// program chooses; a control's number is also its platform control identifier.
using WindowId = std::int32_t;
using ControlId = std::int32_t;
using MenuItemId = std::int32_t;
using FontId = std::int32_t;

// eventWindowId() for an event of a window that is none of the numbered ones.
constexpr WindowId noWindowId = -1;

struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct PixelSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(PixelSize, PixelSize) = default;
};

// The two window styles of the program.
enum class WindowFrame {
    // Title bar, system menu with its close box, minimise box; no maximise box,
    // no sizing border (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX).
    Titled,
    // A dialog frame without title bar or close box (WS_POPUP | WS_DLGFRAME).
    DialogFrame,
};

struct WindowDefinition {
    WindowId id = 0;
    std::string title;
    PixelSize clientSize;
    WindowFrame frame = WindowFrame::Titled;
    // The outer top-left corner, frame included, in screen coordinates.
    ScreenPoint position;
    // The owning window, or 0 for none. An owned window stays above its owner.
    WindowId owner = 0;
};

// One entry of a menu: an item with its identifier and text, or a separator.
struct MenuEntry {
    MenuItemId id = 0; // 0 for a separator
    std::string text;
};

struct MenuDefinition {
    std::string title;
    std::vector<MenuEntry> entries;
};

// Extended style of an image control: a sunken 2-pixel border on every side.
#ifndef WS_EX_CLIENTEDGE
constexpr std::uint32_t WS_EX_CLIENTEDGE = 0x200;
#endif

// Message box flags, with the values the platform gives them.
#ifndef MB_OK
constexpr std::uint32_t MB_OK = 0x0;
constexpr std::uint32_t MB_ICONERROR = 0x10;
constexpr std::uint32_t MB_ICONINFORMATION = 0x40;
constexpr std::uint32_t MB_TASKMODAL = 0x2000;
#endif

// How a font is asked for: the character height follows from the point size
// and the display's vertical pixels per inch.
struct FontDefinition {
    std::string faceName;
    int pointSize = 8;
    bool bold = false;
};
