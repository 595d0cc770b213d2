#pragma once

#include "platform/win32/WindowsApi.h"

#include <string>
#include <vector>

// The modal dialogs, owned by owner (or by none). While one is open, every
// other of the given top-level windows that is visible and enabled is
// disabled; the same ones are enabled again when it closes.

void showMessageBox(HWND owner, const std::vector<HWND>& windows, const std::string& title,
                    const std::string& text, UINT flags);

// The path chosen in the open-file dialog, all files listed; empty text on
// cancel or failure.
std::string askOpenFileName(HWND owner, const std::vector<HWND>& windows, const std::string& title);

// The path chosen in the save-file dialog; filter in pair notation
// ("BMP|*.bmp|"), selectedEntry counting from 1. Empty text on cancel or failure.
std::string askSaveFileName(HWND owner, const std::vector<HWND>& windows, const std::string& title,
                            const std::string& initialName, const std::string& filter,
                            int selectedEntry);

// "BMP|*.bmp|" as the dialog's list: every bar a NUL, one more NUL at the end.
std::string dialogFilterOf(const std::string& pairs);
