#include "conversion/DumpFile.h"

#include <sys/stat.h>

namespace {

bool usablePath(const std::string& path) {
    return !path.empty() && path.find('\0') == std::string::npos;
}

} // namespace

bool DumpFile::exists(const std::string& path) {
    struct stat entry {};
    return usablePath(path) && ::stat(path.c_str(), &entry) == 0;
}

bool DumpFile::open(const std::string& path) {
    close();
    struct stat entry {};
    if (!usablePath(path) || ::stat(path.c_str(), &entry) != 0 || !S_ISREG(entry.st_mode)) {
        return false;
    }
    file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    size = std::uint64_t(entry.st_size);
    return true;
}

std::size_t DumpFile::readPrefix(std::uint8_t* out, std::size_t count) {
    if (file == nullptr) {
        return 0;
    }
    return std::fread(out, 1, count, file);
}

void DumpFile::close() {
    if (file != nullptr) {
        std::fclose(file);
        file = nullptr;
    }
    size = 0;
}
