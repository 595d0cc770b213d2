#include "cli/DumpCheck.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

DumpProblem checkDump(const std::string& path) {
    struct stat entry {};
    if (path.empty() || ::stat(path.c_str(), &entry) != 0) {
        // A path through a file that is not a folder names no entry either.
        return path.empty() || errno == ENOENT || errno == ENOTDIR ? DumpProblem::Missing
                                                                   : DumpProblem::Unreadable;
    }
    if (!S_ISREG(entry.st_mode)) {
        return DumpProblem::NotRegularFile;
    }
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return DumpProblem::Unreadable;
    }
    ::close(descriptor);
    return DumpProblem::None;
}

std::string_view reasonFor(DumpProblem problem) {
    switch (problem) {
    case DumpProblem::Missing:
        return "missing";
    case DumpProblem::NotRegularFile:
        return "not a regular file";
    case DumpProblem::Unreadable:
        return "unreadable";
    case DumpProblem::None:
        break;
    }
    return {};
}
