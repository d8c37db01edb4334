// In-process host for tests: the host's own code with its window, log and tables, per test.
#include "tests/devhost/host_fixture.h"

#include <map>

#include "devhost/host_log.h"
#include "devhost/host_settings.h"
#include "devhost/host_state.h"
#include "devhost/host_window.h"
#include "devhost/menu_table.h"
#include "devhost/rc_pending.h"
#include "devhost/message_registry.h"
#include "devhost/sticky_set.h"
#include "contract/vantrel.h"
#include "tests/devhost/devhost_support.h"

namespace {

std::vector<std::string> messages;
std::map<HWND, std::string> recorderNames;
std::vector<std::string> recorderClasses;

LRESULT CALLBACK recorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case HOST_BROADCAST:
        messages.push_back(recorderNames[window] + " " + reinterpret_cast<const char*>(lParam));
        return 0;
    case HOST_RECONFIGURE:
        messages.push_back(recorderNames[window] + " reconfigure");
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void HostTest::SetUp() {
    folder = testFolder();
    ASSERT_TRUE(logOpen((folder + "log.txt").c_str()));
    hostStateInitPaths();
    std::snprintf(hostState.settingsPath, sizeof hostState.settingsPath, "%shost.rc", folder.c_str());
    hostState.noLaunch = true;
    hostState.unattended = true;
    settingsLoad(hostState.settingsPath);
    ASSERT_NE(nullptr, hostWindowCreate());
    skipLog();
}

void HostTest::TearDown() {
    rcPendingFlush(nullptr);  // no test's writes reach into the next one
    destroyRecorders();
    registryClear();
    stickyClear();
    menuReset();
    hostWindowDestroy();
    logClose();
}

std::vector<std::string> HostTest::newLog() {
    std::vector<std::string> lines = splitLines(readFile(folder + "log.txt"));
    std::vector<std::string> fresh(lines.begin() + static_cast<long>(std::min(seenLines, lines.size())),
                                   lines.end());
    seenLines = lines.size();
    return fresh;
}

void HostTest::skipLog() { newLog(); }

HWND makeRecorder(const char* className, const char* name) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = recorderProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    if (RegisterClassA(&windowClass)) recorderClasses.push_back(className);
    HWND window = CreateWindowExA(0, className, name, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    recorderNames[window] = name;
    return window;
}

void destroyRecorders() {
    for (auto& entry : recorderNames) DestroyWindow(entry.first);
    recorderNames.clear();
    for (const std::string& className : recorderClasses)
        UnregisterClassA(className.c_str(), GetModuleHandleA(nullptr));
    recorderClasses.clear();
    messages.clear();
}

std::vector<std::string>& recorded() { return messages; }
