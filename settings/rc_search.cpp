// Where the plugin's rc file is: "trazzlerc" or "trazzle.rc" beside the plugin, then beside the host.
#include "settings/rc_search.h"

#include <cstring>

namespace {

constexpr const char* kRcNames[] = {"trazzlerc", "trazzle.rc"};

// The first candidate in `base`'s folder that exists, into `found`; the "trazzle.rc"
// candidate, when it fits, into `fallback` if that is still empty.
bool searchFolder(const char* base, const RcLocator& locator, char (&found)[kRcPathSize],
                  char (&fallback)[kRcPathSize]) {
    if (!base[0]) return false;  // no folder known: a bare name would be looked up anywhere
    for (const char* name : kRcNames) {
        char candidate[kRcPathSize];
        if (!rcCandidatePath(base, name, candidate)) continue;
        if (locator.fileExists(locator.context, candidate)) {
            std::memcpy(found, candidate, sizeof found);
            return true;
        }
        if (!fallback[0] && std::strcmp(name, "trazzle.rc") == 0)
            std::memcpy(fallback, candidate, sizeof fallback);
    }
    return false;
}

}  // namespace

bool rcCandidatePath(const char* base, const char* name, char (&path)[kRcPathSize]) {
    const char* slash = std::strrchr(base, '\\');
    size_t keep = slash ? static_cast<size_t>(slash - base) + 1 : 0;
    size_t length = std::strlen(name);
    path[0] = '\0';
    if (keep + length >= sizeof path) return false;
    std::memcpy(path, base, keep);
    std::memcpy(path + keep, name, length + 1);
    return true;
}

void locateRcFile(const char* modulePath, const RcLocator& locator, char (&rcPath)[kRcPathSize]) {
    char fallback[kRcPathSize] = "";
    if (searchFolder(modulePath, locator, rcPath, fallback)) return;
    char hostFolder[kRcPathSize] = "";
    locator.hostFolder(locator.context, hostFolder, kRcPathSize);
    hostFolder[kRcPathSize - 1] = '\0';  // a host that fills the whole buffer leaves no terminator
    if (searchFolder(hostFolder, locator, rcPath, fallback)) return;
    std::memcpy(rcPath, fallback, sizeof rcPath);
}
