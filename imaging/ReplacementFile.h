#pragma once

#include <cstdio>
#include <string>

// Writes a file so that the path holds either its old content or the whole
// new content, never a part: the bytes go to a temporary file in the same
// folder, which replaces the target only when every write succeeded.
class ReplacementFile {
public:
    ReplacementFile() = default;
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;
    ~ReplacementFile(); // abandons an uncommitted file

    // Creates the temporary file beside the target.
    bool open(const std::string& targetPath);
    // False once any write has failed; the later writes are then skipped.
    bool write(const void* data, std::size_t size);
    std::FILE* stream() { return file; }
    // Closes the temporary file and moves it over the target. On any failure
    // the temporary file is removed and the target left as it was.
    bool commit();
    void abandon();

private:
    std::string target;
    std::string temporary;
    std::FILE* file = nullptr;
    bool failed = false;
};
