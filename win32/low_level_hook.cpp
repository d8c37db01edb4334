// The desktop-wide low-level keyboard and mouse hooks, installed alike by trazzle and the recorder.
#include "win32/low_level_hook.h"

#include <cstring>

namespace {

bool refusalAskedFor(int id) {
    char value[16] = "";
    DWORD length = GetEnvironmentVariableA("TRAZZLE_TEST_REFUSED_HOOK", value, sizeof value);
    if (length == 0 || length >= sizeof value) return false;
    return std::strcmp(value, id == WH_KEYBOARD_LL ? "keyboard" : "mouse") == 0;
}

}  // namespace

HHOOK installLowLevelHook(int id, HOOKPROC procedure) {
    DWORD thread = refusalAskedFor(id) ? GetCurrentThreadId() : 0;
    // The hooks' module is the host's executable: the system keeps it loaded for them.
    return SetWindowsHookExA(id, procedure, GetModuleHandleA(nullptr), thread);
}
