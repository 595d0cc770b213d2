#include "cli/DumpIdentities.h"

#include <windows.h>

bool DumpIdentities::identityOf(const std::string& path, Identity& identity) {
    if (path.empty()) {
        return false;
    }
    // No access rights asked: only the file's identity is read.
    const HANDLE file =
        CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = GetFileInformationByHandle(file, &information) != 0;
    CloseHandle(file);
    if (!known) {
        return false;
    }
    identity = {information.dwVolumeSerialNumber,
                std::uint64_t(information.nFileIndexHigh) << 32 | information.nFileIndexLow};
    return true;
}
