#include "platform/win32/Win32Platform.h"

#include "platform/win32/Win32Bitmap.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32Font.h"
#include "platform/win32/Win32PaintContext.h"

#include <algorithm>

namespace {

// Commands of the focus keys, sent by TranslateAcceleratorA with code 1.
constexpr WORD focusNextCommand = 0x7F01;
constexpr WORD focusPreviousCommand = 0x7F02;
constexpr WORD acceleratorCode = 1;

DWORD styleOf(WindowFrame frame) {
    if (frame == WindowFrame::DialogFrame) {
        return WS_POPUP | WS_DLGFRAME;
    }
    return WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
}

bool isControlColourRequest(UINT message) {
    return message == WM_CTLCOLORSTATIC || message == WM_CTLCOLOREDIT ||
           message == WM_CTLCOLORLISTBOX;
}

} // namespace

Win32Platform::Win32Platform() : instance(GetModuleHandleA(nullptr)) {}

Win32Platform::~Win32Platform() {
    closeAllWindows();
    releaseAllFonts();
    if (focusKeys) {
        DestroyAcceleratorTable(focusKeys);
    }
}

void Win32Platform::initialise(const ImageStore& store) {
    images = &store;
    INITCOMMONCONTROLSEX common{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);
    controlFont = HFONT(GetStockObject(DEFAULT_GUI_FONT));
    if (focusKeys == nullptr) {
        ACCEL keys[] = {{FVIRTKEY, VK_TAB, focusNextCommand},
                        {FVIRTKEY | FSHIFT, VK_TAB, focusPreviousCommand}};
        focusKeys = CreateAcceleratorTableA(keys, 2);
    }
}

PixelSize Win32Platform::screenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

ScreenPoint Win32Platform::cursorPosition() {
    POINT at{};
    GetCursorPos(&at);
    return {at.x, at.y};
}

PixelSize Win32Platform::outerSizeFor(PixelSize clientSize, WindowFrame frame) {
    RECT outer{0, 0, clientSize.width, clientSize.height};
    AdjustWindowRect(&outer, styleOf(frame), FALSE);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

bool Win32Platform::openWindow(const WindowDefinition& definition) {
    closeWindow(definition.id);
    const std::string className = programWindowClass(definition.id);
    if (className.empty()) {
        return false;
    }
    const PixelSize outer = outerSizeFor(definition.clientSize, definition.frame);
    const Window* owner = windowOf(definition.owner);
    HWND handle = CreateWindowExA(
        0, className.c_str(), definition.title.c_str(), styleOf(definition.frame),
        definition.position.x, definition.position.y, outer.width, outer.height,
        owner ? owner->handle : nullptr, nullptr, instance, static_cast<Win32MessageTarget*>(this));
    if (handle == nullptr) {
        return false;
    }
    windows[definition.id] = Window{handle, definition.owner, nullptr, nullptr, {}};
    return true;
}

bool Win32Platform::replaceBackground(WindowId id, HBRUSH brush, HBITMAP pattern) {
    Window* window = windowOf(id);
    if (window == nullptr || brush == nullptr) {
        if (brush) {
            DeleteObject(brush);
        }
        if (pattern) {
            DeleteObject(pattern);
        }
        return false;
    }
    SetClassLongPtrA(window->handle, GCLP_HBRBACKGROUND, LONG_PTR(brush));
    releaseBackground(*window);
    window->background = brush;
    window->pattern = pattern;
    InvalidateRect(window->handle, nullptr, TRUE);
    return true;
}

void Win32Platform::releaseBackground(Window& window) {
    if (window.background) {
        DeleteObject(window.background);
    }
    if (window.pattern) {
        DeleteObject(window.pattern);
    }
    window.background = nullptr;
    window.pattern = nullptr;
}

bool Win32Platform::setPatternBackground(WindowId window, DisplayHandle image) {
    const RasterImage* tile = images ? images->imageFor(image) : nullptr;
    if (tile == nullptr || windowOf(window) == nullptr) {
        return false;
    }
    HBITMAP pattern = bitmapOf(*tile);
    if (pattern == nullptr) {
        return false;
    }
    const LOGBRUSH definition{BS_PATTERN, 0, ULONG_PTR(pattern)};
    return replaceBackground(window, CreateBrushIndirect(&definition), pattern);
}

bool Win32Platform::setSolidBackground(WindowId window, ColourValue colour) {
    if (windowOf(window) == nullptr) {
        return false;
    }
    return replaceBackground(window, CreateSolidBrush(colour), nullptr);
}

bool Win32Platform::setMenuBar(WindowId window, const std::vector<MenuDefinition>& menus) {
    Window* target = windowOf(window);
    if (target == nullptr) {
        return false;
    }
    HMENU bar = CreateMenu();
    if (bar == nullptr) {
        return false;
    }
    for (const MenuDefinition& definition : menus) {
        HMENU menu = CreatePopupMenu();
        for (const MenuEntry& entry : definition.entries) {
            if (entry.id == 0) {
                AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            } else {
                AppendMenuA(menu, MF_STRING, UINT_PTR(entry.id), entry.text.c_str());
            }
        }
        AppendMenuA(bar, MF_POPUP, UINT_PTR(menu), definition.title.c_str());
    }
    HMENU former = GetMenu(target->handle);
    const bool attached = SetMenu(target->handle, bar) != FALSE;
    if (former && attached) {
        DestroyMenu(former);
    }
    return attached;
}

void Win32Platform::showWindow(WindowId window) {
    if (Window* target = windowOf(window)) {
        ShowWindow(target->handle, SW_SHOWNORMAL);
    }
}

void Win32Platform::closeWindow(WindowId window) {
    // Destroying a window destroys the windows it owns: those are closed first.
    std::vector<WindowId> owned;
    for (const auto& [id, record] : windows) {
        if (record.owner == window && id != window) {
            owned.push_back(id);
        }
    }
    for (WindowId id : owned) {
        closeWindow(id);
    }
    auto found = windows.find(window);
    if (found == windows.end()) {
        return;
    }
    Window record = std::move(found->second);
    windows.erase(found);
    if (Window* owner = windowOf(record.owner)) {
        SetActiveWindow(owner->handle);
    }
    // The next window of this number starts with the class's own background.
    SetClassLongPtrA(record.handle, GCLP_HBRBACKGROUND, LONG_PTR(COLOR_BTNFACE + 1));
    HMENU menu = GetMenu(record.handle);
    DestroyWindow(record.handle);
    if (menu) {
        DestroyMenu(menu);
    }
    forgetControlsOf(window);
    releaseBackground(record);
    if (listWindow == window) {
        listWindow = 0;
        listContainer = nullptr;
    }
}

void Win32Platform::closeAllWindows() {
    while (!windows.empty()) {
        closeWindow(windows.rbegin()->first);
    }
}

bool Win32Platform::windowExists(WindowId window) {
    const Window* target = windowOf(window);
    return target != nullptr && IsWindow(target->handle);
}

bool Win32Platform::openControlList(WindowId window) {
    Window* target = windowOf(window);
    if (target == nullptr) {
        return false;
    }
    listWindow = window;
    listContainer = target->handle;
    lastMadeWasOption = false;
    return true;
}

HWND Win32Platform::place(ControlId id, ControlKind kind, const char* className,
                          const std::string& text, DWORD style, DWORD extendedStyle, int x, int y,
                          int width, int height) {
    if (listContainer == nullptr || className == nullptr) {
        return nullptr;
    }
    destroyControl(id);
    HWND handle = CreateWindowExA(
        extendedStyle, className, text.c_str(), style, x, y, std::max(0, width),
        std::max(0, height), listContainer, HMENU(INT_PTR(id)), instance,
        kind == ControlKind::Panel ? static_cast<Win32MessageTarget*>(this) : nullptr);
    if (handle == nullptr) {
        return nullptr;
    }
    if (kind != ControlKind::Panel && kind != ControlKind::ImageControl) {
        SendMessageA(handle, WM_SETFONT, WPARAM(controlFont), FALSE);
    }
    Control& control = controls[id];
    control = Control{handle, listWindow, kind, 0, nullptr};
    if ((style & WS_TABSTOP) != 0) {
        windowOf(listWindow)->tabStops.push_back(id);
    }
    lastMadeWasOption = kind == ControlKind::OptionButton;
    return handle;
}

bool Win32Platform::makePanel(ControlId id, int x, int y, int width, int height) {
    HWND panel = place(id, ControlKind::Panel, panelWindowClass(), "",
                       WS_CHILD | WS_VISIBLE | WS_DLGFRAME, 0, x, y, width, height);
    if (panel == nullptr) {
        return false;
    }
    listContainer = panel;
    return true;
}

void Win32Platform::closePanel() {
    const Window* window = windowOf(listWindow);
    listContainer = window ? window->handle : nullptr;
    lastMadeWasOption = false;
}

bool Win32Platform::makeGroupBox(ControlId id, int x, int y, int width, int height,
                                 const std::string& text) {
    return place(id, ControlKind::GroupBox, "BUTTON", text,
                 WS_CHILD | WS_VISIBLE | WS_GROUP | BS_GROUPBOX, 0, x, y, width, height);
}

bool Win32Platform::makePushButton(ControlId id, int x, int y, int width, int height,
                                   const std::string& text) {
    return place(id, ControlKind::PushButton, "BUTTON", text,
                 WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON, 0, x, y, width,
                 height);
}

bool Win32Platform::makeOptionButton(ControlId id, int x, int y, int width, int height,
                                     const std::string& text) {
    const bool startsGroup = !lastMadeWasOption;
    const DWORD style =
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON | (startsGroup ? WS_GROUP : 0);
    if (!place(id, ControlKind::OptionButton, "BUTTON", text, style, 0, x, y, width, height)) {
        return false;
    }
    if (startsGroup) {
        ++optionGroups;
    }
    controls[id].optionGroup = optionGroups;
    return true;
}

bool Win32Platform::makeLabel(ControlId id, int x, int y, int width, int height,
                              const std::string& text) {
    return place(id, ControlKind::Label, "STATIC", text, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT,
                 0, x, y, width, height);
}

bool Win32Platform::makeImageControl(ControlId id, int x, int y, int width, int height,
                                     std::uint32_t extendedStyle) {
    if (images == nullptr) {
        return false;
    }
    HWND handle = place(id, ControlKind::ImageControl, "STATIC", "",
                        WS_CHILD | WS_VISIBLE | SS_NOTIFY, extendedStyle, x, y, width, height);
    if (handle == nullptr) {
        return false;
    }
    controls[id].image = std::make_unique<Win32ImageControl>(handle, *images);
    return true;
}

bool Win32Platform::setControlImage(ControlId id, DisplayHandle image) {
    auto found = controls.find(id);
    if (found == controls.end() || found->second.kind != ControlKind::ImageControl) {
        return false;
    }
    SendMessageA(found->second.handle, STM_SETIMAGE, IMAGE_BITMAP, LPARAM(image.id));
    return true;
}

bool Win32Platform::controlExists(ControlId id) {
    HWND handle = controlHandle(id);
    return handle != nullptr && IsWindow(handle);
}

std::optional<PixelSize> Win32Platform::controlClientSize(ControlId id) {
    RECT client{};
    HWND handle = controlHandle(id);
    if (handle == nullptr || !GetClientRect(handle, &client)) {
        return std::nullopt;
    }
    return PixelSize{client.right - client.left, client.bottom - client.top};
}

bool Win32Platform::invalidateControl(ControlId id) {
    HWND handle = controlHandle(id);
    if (handle == nullptr) {
        return false;
    }
    InvalidateRgn(handle, nullptr, TRUE);
    return true;
}

void Win32Platform::selectOption(ControlId id) {
    auto found = controls.find(id);
    if (found == controls.end() || found->second.kind != ControlKind::OptionButton) {
        return;
    }
    const int group = found->second.optionGroup;
    for (const auto& [otherId, control] : controls) {
        if (control.kind == ControlKind::OptionButton && control.optionGroup == group) {
            SendMessageA(control.handle, BM_SETCHECK, otherId == id ? BST_CHECKED : BST_UNCHECKED,
                         0);
        }
    }
}

bool Win32Platform::makeFont(FontId id, const FontDefinition& definition) {
    HFONT font = createFontFor(definition);
    if (font == nullptr) {
        return false;
    }
    auto found = fonts.find(id);
    if (found != fonts.end()) {
        DeleteObject(found->second);
    }
    fonts[id] = font;
    return true;
}

bool Win32Platform::setControlFont(ControlId control, FontId font) {
    HWND handle = controlHandle(control);
    HFONT chosen = fontHandle(font);
    if (handle == nullptr || chosen == nullptr) {
        return false;
    }
    SendMessageA(handle, WM_SETFONT, WPARAM(chosen), TRUE);
    return true;
}

void Win32Platform::releaseAllFonts() {
    for (const auto& [id, font] : fonts) {
        DeleteObject(font);
    }
    fonts.clear();
}

BrushHandle Win32Platform::makeSolidBrush(ColourValue colour) {
    return BrushHandle(CreateSolidBrush(colour));
}

BrushHandle Win32Platform::hollowBrush() {
    return BrushHandle(GetStockObject(NULL_BRUSH));
}

void Win32Platform::releaseBrush(BrushHandle brush) {
    // Deleting a stock object such as the hollow brush does nothing.
    if (brush != 0) {
        DeleteObject(HGDIOBJ(brush));
    }
}

ColourValue Win32Platform::buttonFaceColour() {
    return ColourValue(GetSysColor(COLOR_BTNFACE));
}

void Win32Platform::installWindowHook(WindowHook newHook) {
    hook = std::move(newHook);
}

std::optional<LRESULT> Win32Platform::offerToHook(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
    if (!hook) {
        return std::nullopt;
    }
    WindowMessage offered{windowIdOf(GetAncestor(window, GA_ROOT)), WindowMessageKind::Other, 0,
                          nullptr};
    Win32PaintContext context{HDC(wParam)};
    if (isControlColourRequest(message)) {
        offered.kind = WindowMessageKind::ControlColour;
        offered.control = controlIdOf(HWND(lParam));
        offered.context = &context;
    }
    const std::optional<BrushHandle> answer = hook(offered);
    if (!answer) {
        return std::nullopt;
    }
    return LRESULT(*answer);
}

LRESULT Win32Platform::windowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const std::optional<LRESULT> answer = offerToHook(window, message, wParam, lParam)) {
        return *answer;
    }
    switch (message) {
    case WM_COMMAND:
        if (lParam == 0 && HIWORD(wParam) == acceleratorCode) {
            moveFocus(window, LOWORD(wParam) == focusPreviousCommand);
            return 0;
        }
        if (lParam == 0 && HIWORD(wParam) != 0) {
            break;
        }
        lastIdentifier = std::int32_t(LOWORD(wParam));
        record(lParam == 0 ? EventKind::MenuCommand : EventKind::ControlEvent, window);
        return 0;
    case WM_CLOSE:
        record(EventKind::CloseRequest, window);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void Win32Platform::record(EventKind kind, HWND window) {
    handledKind = kind;
    handledWindow = windowIdOf(GetAncestor(window, GA_ROOT));
}

void Win32Platform::moveFocus(HWND window, bool backwards) {
    Window* target = windowOf(windowIdOf(window));
    if (target == nullptr) {
        return;
    }
    std::vector<HWND> candidates;
    for (ControlId id : target->tabStops) {
        HWND handle = controlHandle(id);
        if (handle && IsWindowEnabled(handle) && IsWindowVisible(handle)) {
            candidates.push_back(handle);
        }
    }
    if (candidates.empty()) {
        return;
    }
    const int count = int(candidates.size());
    const auto focused = std::find(candidates.begin(), candidates.end(), GetFocus());
    int next = backwards ? count - 1 : 0;
    if (focused != candidates.end()) {
        const int current = int(focused - candidates.begin());
        next = (current + (backwards ? count - 1 : 1)) % count;
    }
    SetFocus(candidates[std::size_t(next)]);
}

EventKind Win32Platform::waitForEvent() {
    handledKind = EventKind::Other;
    handledWindow = noWindowId;
    MSG message{};
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
        lastWindow = noWindowId;
        return EventKind::Other;
    }
    HWND active = GetActiveWindow();
    if (!(focusKeys && windowIdOf(active) != noWindowId &&
          TranslateAcceleratorA(active, focusKeys, &message))) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (handledKind != EventKind::Other) {
        lastWindow = handledWindow;
        return handledKind;
    }
    lastWindow = message.hwnd ? windowIdOf(GetAncestor(message.hwnd, GA_ROOT)) : noWindowId;
    return EventKind::Other;
}

std::int32_t Win32Platform::eventIdentifier() {
    return lastIdentifier;
}

WindowId Win32Platform::eventWindowId() {
    return lastWindow;
}

HWND Win32Platform::foregroundWindow() const {
    HWND foreground = GetForegroundWindow();
    return windowIdOf(foreground) != noWindowId ? foreground : nullptr;
}

std::vector<HWND> Win32Platform::topLevelWindows() const {
    std::vector<HWND> handles;
    for (const auto& [id, window] : windows) {
        handles.push_back(window.handle);
    }
    return handles;
}

void Win32Platform::showMessageBox(const std::string& title, const std::string& text,
                                   std::uint32_t flags) {
    ::showMessageBox(foregroundWindow(), topLevelWindows(), title, text, flags);
}

std::string Win32Platform::askOpenFileName(const std::string& title) {
    return ::askOpenFileName(foregroundWindow(), topLevelWindows(), title);
}

std::string Win32Platform::askSaveFileName(const std::string& title, const std::string& initialName,
                                           const std::string& filter, int selectedEntry) {
    return ::askSaveFileName(foregroundWindow(), topLevelWindows(), title, initialName, filter,
                             selectedEntry);
}

HWND Win32Platform::windowHandle(WindowId id) const {
    auto found = windows.find(id);
    return found == windows.end() ? nullptr : found->second.handle;
}

HWND Win32Platform::controlHandle(ControlId id) const {
    auto found = controls.find(id);
    return found == controls.end() ? nullptr : found->second.handle;
}

HFONT Win32Platform::fontHandle(FontId id) const {
    auto found = fonts.find(id);
    return found == fonts.end() ? nullptr : found->second;
}

Win32Platform::Window* Win32Platform::windowOf(WindowId id) {
    auto found = windows.find(id);
    return found == windows.end() ? nullptr : &found->second;
}

WindowId Win32Platform::windowIdOf(HWND handle) const {
    if (handle == nullptr) {
        return noWindowId;
    }
    for (const auto& [id, window] : windows) {
        if (window.handle == handle) {
            return id;
        }
    }
    return noWindowId;
}

ControlId Win32Platform::controlIdOf(HWND handle) const {
    for (const auto& [id, control] : controls) {
        if (control.handle == handle) {
            return id;
        }
    }
    return 0;
}

void Win32Platform::destroyControl(ControlId id) {
    auto found = controls.find(id);
    if (found == controls.end()) {
        return;
    }
    if (Window* window = windowOf(found->second.window)) {
        std::erase(window->tabStops, id);
    }
    if (listContainer == found->second.handle) {
        closePanel();
    }
    DestroyWindow(found->second.handle);
    // A panel takes the controls inside it along.
    std::erase_if(controls, [](const auto& entry) { return !IsWindow(entry.second.handle); });
}

void Win32Platform::forgetControlsOf(WindowId window) {
    std::erase_if(controls, [window](const auto& entry) { return entry.second.window == window; });
}
