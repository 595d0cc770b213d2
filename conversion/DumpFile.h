#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// A screen dump opened for reading. Only regular files are opened: a folder,
// a pipe or a device "cannot be opened", so that no read can block.
class DumpFile {
public:
    DumpFile() = default;
    DumpFile(const DumpFile&) = delete;
    DumpFile& operator=(const DumpFile&) = delete;
    ~DumpFile() { close(); }

    // True when the file system holds an entry of any kind at the path.
    static bool exists(const std::string& path);

    bool open(const std::string& path);
    std::uint64_t length() const { return size; }
    // Reads up to count bytes from the start; returns how many were read.
    std::size_t readPrefix(std::uint8_t* out, std::size_t count);
    void close();

private:
    std::FILE* file = nullptr;
    std::uint64_t size = 0;
};
