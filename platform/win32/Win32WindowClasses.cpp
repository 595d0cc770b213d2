#include "platform/win32/Win32WindowClasses.h"

namespace {

Win32MessageTarget* targetOf(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, LONG_PTR(creation->lpCreateParams));
    }
    return reinterpret_cast<Win32MessageTarget*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK sharedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (Win32MessageTarget* target = targetOf(window, message, lParam)) {
        return target->windowMessage(window, message, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK panelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        PostMessageA(GetAncestor(panel, GA_ROOT), WM_COMMAND, wParam, lParam);
        return 0;
    }
    return sharedProcedure(panel, message, wParam, lParam);
}

bool registerClass(const char* name, WNDPROC procedure) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, name, &existing)) {
        return true;
    }
    WNDCLASSEXA definition{};
    definition.cbSize = sizeof definition;
    definition.lpfnWndProc = procedure;
    definition.hInstance = instance;
    definition.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    definition.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    definition.lpszClassName = name;
    return RegisterClassExA(&definition) != 0;
}

} // namespace

std::string programWindowClass(WindowId window) {
    const std::string name = "TessaviewWindow" + std::to_string(window);
    return registerClass(name.c_str(), sharedProcedure) ? name : std::string();
}

const char* panelWindowClass() {
    static const char* const name = "TessaviewPanel";
    return registerClass(name, panelProcedure) ? name : nullptr;
}
