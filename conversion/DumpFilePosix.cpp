#include "conversion/DumpFileCalls.h"

#include <sys/stat.h>

bool entryExists(const std::string& path) {
    struct stat entry {};
    return ::stat(path.c_str(), &entry) == 0;
}

std::FILE* openRegularFile(const std::string& path, std::uint64_t& length) {
    struct stat entry {};
    if (::stat(path.c_str(), &entry) != 0 || !S_ISREG(entry.st_mode)) {
        return nullptr;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file != nullptr) {
        length = std::uint64_t(entry.st_size);
    }
    return file;
}
