#include "cli/DumpCheck.h"

#include <cerrno>
#include <sys/stat.h>

DumpProblem checkDump(const std::string& path) {
    struct stat entry {};
    if (path.empty() || ::stat(path.c_str(), &entry) != 0) {
        // A path through a file that is not a folder names no entry either.
        return path.empty() || errno == ENOENT || errno == ENOTDIR ? DumpProblem::Missing
                                                                   : DumpProblem::Unreadable;
    }
    // A regular file that cannot be opened is found when the decoder opens it.
    return S_ISREG(entry.st_mode) ? DumpProblem::None : DumpProblem::NotRegularFile;
}
