#pragma once

#include "imaging/ImageStore.h"
#include "platform/win32/WindowsApi.h"

// Notification code of a right click on an image control; a left click is
// STN_CLICKED and a double click with either button STN_DBLCLK.
constexpr WORD imageControlRightClick = 2;

// Turns a STATIC control with SS_NOTIFY into one that shows an image of the
// store unscaled at the top-left corner of its client area. STM_SETIMAGE with
// IMAGE_BITMAP hands it a display handle (its id in the LPARAM): the control
// takes the image's size, plus 4 in each dimension with WS_EX_CLIENTEDGE, and
// repaints. Each paint makes a bitmap from the store's pixels as they are then
// and draws it with DrawStateA, so changed pixels show at the next repaint.
// The object must outlive the control's window.
class Win32ImageControl {
public:
    Win32ImageControl(HWND control, const ImageStore& images);
    Win32ImageControl(const Win32ImageControl&) = delete;
    Win32ImageControl& operator=(const Win32ImageControl&) = delete;

    DisplayHandle image() const { return shown; }

private:
    static LRESULT CALLBACK procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void takeImage(DisplayHandle image);
    void paint();
    void notifyParent(WORD code);

    HWND control;
    const ImageStore& images;
    WNDPROC staticProcedure = nullptr;
    DisplayHandle shown;
};
