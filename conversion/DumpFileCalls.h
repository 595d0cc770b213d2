#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// The file-system calls behind DumpFile, implemented once for POSIX systems
// and once for Windows. Paths are 8-bit strings in the system's code page.

// True when the file system holds an entry of any kind at the path.
bool entryExists(const std::string& path);

// Opens a regular file for binary reading and gives its length; null for a
// folder, a pipe or a device, and when the file cannot be opened.
std::FILE* openRegularFile(const std::string& path, std::uint64_t& length);
