#include "cli/DumpIdentities.h"

#include <sys/stat.h>

bool DumpIdentities::identityOf(const std::string& path, Identity& identity) {
    struct stat entry {};
    if (path.empty() || ::stat(path.c_str(), &entry) != 0) {
        return false;
    }
    identity = {std::uint64_t(entry.st_dev), std::uint64_t(entry.st_ino)};
    return true;
}
