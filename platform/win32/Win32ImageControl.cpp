#include "platform/win32/Win32ImageControl.h"

#include "platform/win32/Win32Bitmap.h"

namespace {

constexpr int clientEdgeGrowth = 4;

} // namespace

Win32ImageControl::Win32ImageControl(HWND control, const ImageStore& images)
    : control(control), images(images) {
    SetWindowLongPtrA(control, GWLP_USERDATA, LONG_PTR(this));
    staticProcedure =
        WNDPROC(SetWindowLongPtrA(control, GWLP_WNDPROC, LONG_PTR(&Win32ImageControl::procedure)));
}

LRESULT CALLBACK Win32ImageControl::procedure(HWND control, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    auto* self = reinterpret_cast<Win32ImageControl*>(GetWindowLongPtrA(control, GWLP_USERDATA));
    return self->onMessage(message, wParam, lParam);
}

LRESULT Win32ImageControl::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case STM_SETIMAGE:
        if (wParam == IMAGE_BITMAP) {
            const DisplayHandle previous = shown;
            takeImage(DisplayHandle{std::uint64_t(lParam)});
            return LRESULT(previous.id);
        }
        break;
    case STM_GETIMAGE:
        if (wParam == IMAGE_BITMAP) {
            return LRESULT(shown.id);
        }
        break;
    case WM_PAINT:
        paint();
        return 0;
    case WM_RBUTTONDOWN:
        notifyParent(imageControlRightClick);
        return 0;
    case WM_RBUTTONDBLCLK:
        notifyParent(STN_DBLCLK);
        return 0;
    default:
        break;
    }
    return CallWindowProcA(staticProcedure, control, message, wParam, lParam);
}

void Win32ImageControl::takeImage(DisplayHandle image) {
    shown = image;
    if (const RasterImage* picture = images.imageFor(shown)) {
        const bool clientEdge = (GetWindowLongPtrA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
        const int growth = clientEdge ? clientEdgeGrowth : 0;
        SetWindowPos(control, nullptr, 0, 0, picture->width + growth, picture->height + growth,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRgn(control, nullptr, TRUE);
    UpdateWindow(control);
}

void Win32ImageControl::paint() {
    PAINTSTRUCT paintState;
    HDC dc = BeginPaint(control, &paintState);
    if (const RasterImage* picture = images.imageFor(shown)) {
        if (HBITMAP bitmap = bitmapOf(*picture)) {
            DrawStateA(dc, nullptr, nullptr, LPARAM(bitmap), 0, 0, 0, picture->width,
                       picture->height, DST_BITMAP);
            DeleteObject(bitmap);
        }
    }
    EndPaint(control, &paintState);
}

void Win32ImageControl::notifyParent(WORD code) {
    const WORD id = WORD(GetDlgCtrlID(control));
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(id, code), LPARAM(control));
}
