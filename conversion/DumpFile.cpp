#include "conversion/DumpFile.h"

#include "conversion/DumpFileCalls.h"

namespace {

bool usablePath(const std::string& path) {
    return !path.empty() && path.find('\0') == std::string::npos;
}

} // namespace

bool DumpFile::exists(const std::string& path) {
    return usablePath(path) && entryExists(path);
}

bool DumpFile::open(const std::string& path) {
    close();
    if (!usablePath(path)) {
        return false;
    }
    file = openRegularFile(path, size);
    return file != nullptr;
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
