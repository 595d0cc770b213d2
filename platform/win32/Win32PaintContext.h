#pragma once

#include "platform/WindowHook.h"
#include "platform/win32/WindowsApi.h"

// The device context a control is about to paint its text with.
class Win32PaintContext : public ControlPaintContext {
public:
    explicit Win32PaintContext(HDC dc) : dc(dc) {}

    void setTextColour(ColourValue colour) override { SetTextColor(dc, colour); }
    void setBackgroundMode(BackgroundMode mode) override {
        SetBkMode(dc, mode == BackgroundMode::Opaque ? OPAQUE : TRANSPARENT);
    }
    void setBackgroundColour(ColourValue colour) override { SetBkColor(dc, colour); }

private:
    HDC dc;
};
