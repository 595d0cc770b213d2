#include "imaging/ReplacementFile.h"

#include "imaging/ReplacementFileCalls.h"

#include <chrono>
#include <cstdint>
#include <functional>

namespace {

std::string folderPrefixOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

// A step of the splitmix64 sequence: enough to spread temporary names, and
// far cheaper than seeding a random engine for every file.
std::uint64_t nextTagBits(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

std::string randomTag(std::uint64_t& state) {
    static constexpr char digits[] = "0123456789abcdef";
    std::uint64_t bits = nextTagBits(state);
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
    // A name taken by another writer is detected and another one tried, so
    // the names need only differ between writers, not be unpredictable.
    std::uint64_t generator =
        std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        std::uint64_t(reinterpret_cast<std::uintptr_t>(this)) ^
        std::hash<std::string>{}(targetPath);
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
