// What the trainer asks of the host and of trazzle: status texts, trazzle's configuration read through the host, rc writes, reconfiguration.
#include "trainer/trainer_host.h"

#include "win32/host_calls.h"
#include "settings/rc_search.h"
#include "contract/vantrel.h"
#include "settings/identity.h"
#include "trainer/status_line.h"
#include "trainer/trainer_logic.h"
#include "trainer/trainer_state.h"
#include "settings/placement_decision.h"
#include "training/stroke_history.h"

bool locateTrainerFiles(HINSTANCE module) {
    locateRcThroughHost(module, trainer.rcPath);
    return rcCandidatePath(trainer.rcPath, "trazzle-examples", trainer.examplesDir) &&
           rcCandidatePath(trainer.rcPath, kHistoryFolderName, trainer.historyDir);
}

void loadTrazzleConfiguration() {
    SettingsReader reader = hostSettingsReader(trainer.rcPath);
    readPluginSettings(reader, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), trainer.settings);
    readGestureSlots(reader, trainer.table);
}

void loadFreeSlots() { trainer.freeSlots = readTrainerFreeSlots(hostSettingsReader(trainer.rcPath)); }

void showStatus(const char* text) {
    sendHostStatus(trainer.hostWindow, text);
    setStatusLine(text);
}

bool writeAndReconfigure(const std::vector<RcChange>& changes, const GestureTable* readAt, RcWriteResult& result) {
    // The rc writer reads the file again under the writers' lock and replaces only these keys,
    // so values the host has yet to put in the file are neither lost nor waited for.
    if (!writeRcChanges(trainer.rcPath, changes, readAt, result)) return false;
    reconfigureTrazzle();
    return true;
}

void reconfigureTrazzle() {
    if (HWND toolSquare = FindWindowA(kToolSquareClass, nullptr)) SendMessageA(toolSquare, HOST_RECONFIGURE, 0, 0);
    loadTrazzleConfiguration();
}

void writeTrazzleInt(const char* key, int value) {
    WriteInt(trainer.rcPath, key, value);
    reconfigureTrazzle();
}

void writeTrazzleBool(const char* key, bool value) {
    WriteBool(trainer.rcPath, key, value ? TRUE : FALSE);
    reconfigureTrazzle();
}

void readTrainerPosition(int width, int height, int& x, int& y) {
    RECT host = {0, 0, 0, 0}, work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (trainer.hostWindow) GetWindowRect(trainer.hostWindow, &host);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    // The tool square where trazzle's settings put it, shown or not: it may be shown later.
    const PluginSettings& p = trainer.settings;
    defaultTrainerPlace({host.left, host.top, host.right, host.bottom},
                        {p.x, p.y, p.x + kToolSquareSize, p.y + kToolSquareSize},
                        {work.left, work.top, work.right, work.bottom}, width, height, x, y);
    int32_t placeX = x, placeY = y;
    readTrainerPlace(hostSettingsReader(trainer.rcPath), placeX, placeY);
    x = placeX;
    y = placeY;
}

void writeTrainerPosition(int x, int y) {
    WriteInt(trainer.rcPath, kKeyTrainerX, x);
    WriteInt(trainer.rcPath, kKeyTrainerY, y);
}
