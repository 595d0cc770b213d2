#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The files that the dumps of one call name, by device and inode, so that an
// output path reaching one of them by another name (a link, "./", "..") is
// recognised. Sixteen bytes a dump, looked up by binary search.
class DumpIdentities {
public:
    explicit DumpIdentities(const std::vector<std::string>& dumps);

    // True when the path names an existing file that is one of the dumps.
    bool contains(const std::string& path) const;

private:
    struct Identity {
        std::uint64_t device;
        std::uint64_t inode;
        friend auto operator<=>(const Identity&, const Identity&) = default;
    };
    static bool identityOf(const std::string& path, Identity& identity);

    std::vector<Identity> identities;
};
