#include "imaging/ReplacementFileCalls.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

std::FILE* createNewFile(const std::string& path, bool& nameTaken) {
    errno = 0;
    // "x": fail rather than reuse a file that happens to have this name.
    std::FILE* file = std::fopen(path.c_str(), "wbx");
    nameTaken = file == nullptr && errno == EEXIST;
    return file;
}

bool moveOver(const std::string& from, const std::string& to) {
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(from), std::filesystem::path(to), error);
    return !error;
}

void removeFile(const std::string& path) {
    std::remove(path.c_str());
}
