// What the trainer asks of the host and of trazzle: status texts, trazzle's configuration read through the host, rc writes, reconfiguration.
#include "trainer/trainer_host.h"

#include <cstdio>

#include "host/rc_search.h"
#include "host/settings_loader.h"
#include "host/vantrel.h"
#include "trainer/trainer_state.h"

namespace {

constexpr char kKeyTrainerX[] = "trazzle.trainer.x:";
constexpr char kKeyTrainerY[] = "trazzle.trainer.y:";
constexpr char kToolSquareClass[] = "trazzle";

bool hostFileExists(void*, const char* path) { return FileExists(path) != 0; }
void hostFolder(void*, char* buffer, int size) { GetVantrelPath(buffer, size); }
int32_t hostInt(void*, const char* key, int32_t fallback) { return ReadInt(trainer.rcPath, key, fallback); }
bool hostBool(void*, const char* key, bool fallback) { return ReadBool(trainer.rcPath, key, fallback) != 0; }
void hostString(void*, const char* key, const char* fallback, char* out, size_t size) {
    std::snprintf(out, size, "%s", ReadString(trainer.rcPath, key, fallback));
}

}  // namespace

bool locateTrainerFiles(HINSTANCE module) {
    char modulePath[MAX_PATH] = "";
    DWORD length = GetModuleFileNameA(module, modulePath, sizeof modulePath);
    if (length == 0 || length >= sizeof modulePath) return false;
    RcLocator locator = {hostFileExists, hostFolder, nullptr};
    locateRcFile(modulePath, locator, trainer.rcPath);
    rcCandidatePath(trainer.rcPath, "trazzle-examples", trainer.examplesDir);
    return true;
}

void loadTrazzleConfiguration() {
    SettingsReader reader = {hostInt, hostBool, hostString, nullptr};
    readPluginSettings(reader, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), trainer.settings);
    readGestureSlots(reader, trainer.table);
}

void showStatus(const char* text) {
    SendMessageA(trainer.hostWindow, HOST_SET_STATUS_LABEL, 0, reinterpret_cast<LPARAM>(text));
}

bool writeAndReconfigure(const std::vector<RcChange>& changes, const GestureTable* readAt, RcWriteResult& result) {
    // The rc writer reads the file again under the writers' lock and replaces only these keys,
    // so values the host has yet to put in the file are neither lost nor waited for.
    if (!writeRcChanges(trainer.rcPath, changes, readAt, result)) return false;
    if (HWND toolSquare = FindWindowA(kToolSquareClass, nullptr)) SendMessageA(toolSquare, HOST_RECONFIGURE, 0, 0);
    loadTrazzleConfiguration();
    return true;
}

void readTrainerPosition(int& x, int& y) {
    x = ReadInt(trainer.rcPath, kKeyTrainerX, 100);
    y = ReadInt(trainer.rcPath, kKeyTrainerY, 60);
}

void writeTrainerPosition(int x, int y) {
    WriteInt(trainer.rcPath, kKeyTrainerX, x);
    WriteInt(trainer.rcPath, kKeyTrainerY, y);
}
