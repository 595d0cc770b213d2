#include "platform/win32/Win32Font.h"

HFONT createFontFor(const FontDefinition& definition) {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    // A negative height asks for the character height, not the cell height.
    const int height = -MulDiv(definition.pointSize, dotsPerInch, 72);
    return CreateFontA(height, 0, 0, 0, definition.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH, definition.faceName.c_str());
}
