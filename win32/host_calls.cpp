// What trazzle, the recorder and the trainer ask of the host alike: their rc file found through it, settings read through it, status texts shown.
#include "win32/host_calls.h"

#include <cstdio>

#include "settings/rc_search.h"
#include "contract/vantrel.h"

namespace {

bool hostFileExists(void*, const char* path) { return FileExists(path) != 0; }

void hostFolder(void*, char* buffer, int size) { GetVantrelPath(buffer, size); }

int32_t hostReadInt(void* rcPath, const char* key, int32_t defaultValue) {
    return ReadInt(static_cast<const char*>(rcPath), key, defaultValue);
}

bool hostReadBool(void* rcPath, const char* key, bool defaultValue) {
    return ReadBool(static_cast<const char*>(rcPath), key, defaultValue ? TRUE : FALSE) != 0;
}

void hostReadString(void* rcPath, const char* key, const char* defaultValue, char* out, size_t outSize) {
    // The host's text lives only until its next read: copy it now, cut to the caller's size.
    const char* value = ReadString(static_cast<const char*>(rcPath), key, defaultValue);
    std::snprintf(out, outSize, "%s", value ? value : "");
}

}  // namespace

void locateRcThroughHost(HINSTANCE module, char (&rcPath)[kRcPathSize]) {
    char modulePath[kRcPathSize] = "";
    DWORD length = GetModuleFileNameA(module, modulePath, sizeof modulePath);
    // A path longer than the buffer comes back cut (and, on old systems, unterminated): it
    // names no real folder, so no candidate is looked for beside it.
    if (length >= sizeof modulePath) modulePath[0] = '\0';
    modulePath[sizeof modulePath - 1] = '\0';
    RcLocator locator = {hostFileExists, hostFolder, nullptr};
    locateRcFile(modulePath, locator, rcPath);
}

SettingsReader hostSettingsReader(const char* rcPath) {
    return {hostReadInt, hostReadBool, hostReadString, const_cast<char*>(rcPath)};
}

void sendHostStatus(HWND hostWindow, const char* text) {
    SendMessageA(hostWindow, HOST_SET_STATUS_LABEL, 0, reinterpret_cast<LPARAM>(text));
}
