#include "imaging/ReplacementFile.h"

#include "imaging/ReplacementFileCalls.h"

#include <chrono>
#include <cstdint>
#include <random>

namespace {

std::string folderPrefixOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::string randomTag(std::mt19937_64& generator) {
    static constexpr char digits[] = "0123456789abcdef";
    std::uint64_t bits = generator();
    std::string tag(12, '0');
    for (char& c : tag) {
        c = digits[bits & 15];
        bits >>= 4;
    }
    return tag;
}

} // namespace

ReplacementFile::~ReplacementFile() {
    abandon();
}

bool ReplacementFile::open(const std::string& targetPath) {
    abandon();
    if (targetPath.empty() || targetPath.find('\0') != std::string::npos) {
        return false;
    }
    target = targetPath;
    failed = false;
    std::mt19937_64 generator(
        std::random_device{}() ^
        std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()));
    const std::string prefix = folderPrefixOf(targetPath);
    constexpr int attempts = 16;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        // A short hidden name, so that a target name near the length limit still has room.
        temporary = prefix + ".tessaview-" + randomTag(generator) + ".tmp";
        bool nameTaken = false;
        file = createNewFile(temporary, nameTaken);
        if (file != nullptr) {
            std::setvbuf(file, nullptr, _IONBF, 0);
            return true;
        }
        if (!nameTaken) {
            break;
        }
    }
    temporary.clear();
    return false;
}

bool ReplacementFile::write(const void* data, std::size_t size) {
    if (file == nullptr || failed) {
        return false;
    }
    if (size != 0 && std::fwrite(data, 1, size, file) != size) {
        failed = true;
    }
    return !failed;
}

bool ReplacementFile::commit() {
    if (file == nullptr) {
        return false;
    }
    const bool closed = std::fclose(file) == 0;
    file = nullptr;
    if (failed || !closed) {
        abandon();
        return false;
    }
    if (!moveOver(temporary, target)) {
        abandon();
        return false;
    }
    temporary.clear();
    return true;
}

void ReplacementFile::abandon() {
    if (file != nullptr) {
        std::fclose(file);
        file = nullptr;
    }
    if (!temporary.empty()) {
        removeFile(temporary);
        temporary.clear();
    }
}
