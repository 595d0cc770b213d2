#include "cli/DumpIdentities.h"

#include <algorithm>

DumpIdentities::DumpIdentities(const std::vector<std::string>& dumps) {
    identities.reserve(dumps.size());
    for (const std::string& dump : dumps) {
        Identity identity{};
        if (identityOf(dump, identity)) {
            identities.push_back(identity);
        }
    }
    std::sort(identities.begin(), identities.end());
}

bool DumpIdentities::contains(const std::string& path) const {
    Identity identity{};
    return identityOf(path, identity) &&
           std::binary_search(identities.begin(), identities.end(), identity);
}
