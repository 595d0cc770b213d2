#pragma once

#include <cstdio>
#include <string>

// The file-system calls behind ReplacementFile, implemented once for POSIX
// systems and once for Windows. Paths are 8-bit strings in the system's code
// page.

// Creates a file that does not exist yet and opens it for binary writing;
// null on failure, with nameTaken telling whether an entry of that name was
// in the way.
std::FILE* createNewFile(const std::string& path, bool& nameTaken);

// Renames from to to, replacing a file that to names.
bool moveOver(const std::string& from, const std::string& to);

void removeFile(const std::string& path);
