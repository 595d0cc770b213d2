#include "cli/DumpCheck.h"

#include <windows.h>

DumpProblem checkDump(const std::string& path) {
    const DWORD attributes =
        path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        // A path through a file that is not a folder names no entry either.
        const DWORD error = path.empty() ? ERROR_FILE_NOT_FOUND : GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? DumpProblem::Missing
                   : DumpProblem::Unreadable;
    }
    if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0) {
        return DumpProblem::NotRegularFile;
    }
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return DumpProblem::Unreadable;
    }
    // Devices such as NUL and CON pass for files until they are opened.
    const bool onDisk = GetFileType(file) == FILE_TYPE_DISK;
    CloseHandle(file);
    return onDisk ? DumpProblem::None : DumpProblem::NotRegularFile;
}
