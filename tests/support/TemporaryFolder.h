#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh folder for one test, removed with everything in it afterwards.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return folder; }
    std::string file(const std::string& name) const { return (folder / name).string(); }
    // Names of the entries in the folder, sorted.
    std::vector<std::string> entries() const;

private:
    std::filesystem::path folder;
};

std::vector<std::uint8_t> readWholeFile(const std::string& path);
void writeWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Writes a screen dump of the given length at the path whose bytes follow a
// fixed pattern with structure in every cell, and returns the path.
std::string writePatternDump(const std::string& path, std::size_t length);
