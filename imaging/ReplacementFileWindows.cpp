#include "imaging/ReplacementFileCalls.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

std::FILE* createNewFile(const std::string& path, bool& nameTaken) {
    // CREATE_NEW: fail rather than reuse a file that happens to have this name.
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        nameTaken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
        return nullptr;
    }
    nameTaken = false;
    const int descriptor =
        _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (descriptor < 0) {
        CloseHandle(handle);
        DeleteFileA(path.c_str());
        return nullptr;
    }
    std::FILE* file = _fdopen(descriptor, "wb");
    if (file == nullptr) {
        _close(descriptor);
        DeleteFileA(path.c_str());
    }
    return file;
}

bool moveOver(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

void removeFile(const std::string& path) {
    DeleteFileA(path.c_str());
}
