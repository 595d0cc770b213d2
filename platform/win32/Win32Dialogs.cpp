#include "platform/win32/Win32Dialogs.h"

#include <algorithm>

namespace {

// Room for a path of up to 9,999 characters.
constexpr DWORD pathBufferLength = 10000;

constexpr DWORD fileDialogFlags =
    OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;

// Disables the other program windows for the life of a modal dialog.
class ModalScope {
public:
    ModalScope(HWND owner, const std::vector<HWND>& windows) {
        for (HWND window : windows) {
            if (window != owner && IsWindowVisible(window) && IsWindowEnabled(window)) {
                EnableWindow(window, FALSE);
                disabled.push_back(window);
            }
        }
    }
    ~ModalScope() {
        for (HWND window : disabled) {
            if (IsWindow(window)) {
                EnableWindow(window, TRUE);
            }
        }
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    std::vector<HWND> disabled;
};

OPENFILENAMEA fileDialogOf(HWND owner, const std::string& title, std::vector<char>& path) {
    OPENFILENAMEA dialog{};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = owner;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = DWORD(path.size());
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = fileDialogFlags;
    return dialog;
}

} // namespace

void showMessageBox(HWND owner, const std::vector<HWND>& windows, const std::string& title,
                    const std::string& text, UINT flags) {
    const ModalScope scope(owner, windows);
    MessageBoxA(owner, text.c_str(), title.c_str(), flags);
}

std::string askOpenFileName(HWND owner, const std::vector<HWND>& windows,
                            const std::string& title) {
    std::vector<char> path(pathBufferLength, '\0');
    OPENFILENAMEA dialog = fileDialogOf(owner, title, path);
    const ModalScope scope(owner, windows);
    if (!GetOpenFileNameA(&dialog)) {
        return {};
    }
    return path.data();
}

std::string askSaveFileName(HWND owner, const std::vector<HWND>& windows, const std::string& title,
                            const std::string& initialName, const std::string& filter,
                            int selectedEntry) {
    std::vector<char> path(pathBufferLength, '\0');
    std::copy_n(initialName.begin(), std::min<std::size_t>(initialName.size(), path.size() - 1),
                path.begin());
    const std::string filterList = dialogFilterOf(filter);
    OPENFILENAMEA dialog = fileDialogOf(owner, title, path);
    dialog.lpstrFilter = filterList.empty() ? nullptr : filterList.c_str();
    dialog.nFilterIndex = DWORD(std::max(selectedEntry, 0));
    const ModalScope scope(owner, windows);
    if (!GetSaveFileNameA(&dialog)) {
        return {};
    }
    return path.data();
}

std::string dialogFilterOf(const std::string& pairs) {
    if (pairs.empty()) {
        return {};
    }
    std::string list = pairs;
    std::replace(list.begin(), list.end(), '|', '\0');
    list.push_back('\0');
    return list;
}
