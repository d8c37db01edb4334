// Timing the plugins' low-level hooks from hooks of the host's own, for benchmarks (--time-hooks).
//
// The newest hook is called first, so a host hook installed after the plugins' sees the time
// their hooks take inside its CallNextHookEx. A plugin may install its mouse hook while it
// handles a key press (a gesture starting); the host's mouse hook is therefore installed anew
// after every key-down, to stay in front. The hooks neither allocate nor log: samples go into
// fixed arrays and are only sorted and written at the end.
#include "devhost/hook_timing.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "devhost/host_log.h"

namespace {

struct HookGroup {
    bool mouse;
    UINT message;
    DWORD vk;  // keyboard groups
    int count;
    uint32_t ticks[kMaxHookSamples];  // QueryPerformanceCounter ticks inside CallNextHookEx
};

HookGroup groups[kMaxHookGroups];
int groupCount = 0;
long long dropped = 0;
HHOOK keyboardHook = nullptr;
HHOOK mouseHook = nullptr;
bool started = false;

void record(bool mouse, UINT message, DWORD vk, long long ticks) {
    HookGroup* group = nullptr;
    for (int i = 0; i < groupCount && !group; ++i)
        if (groups[i].mouse == mouse && groups[i].message == message && groups[i].vk == vk)
            group = &groups[i];
    if (!group && groupCount < kMaxHookGroups) {
        group = &groups[groupCount++];
        group->mouse = mouse;
        group->message = message;
        group->vk = vk;
        group->count = 0;
    }
    if (!group || group->count == kMaxHookSamples) {
        ++dropped;
        return;
    }
    group->ticks[group->count++] = ticks > 0xFFFFFFFFLL ? 0xFFFFFFFFu : static_cast<uint32_t>(ticks);
}

LRESULT CALLBACK timeMouse(int code, WPARAM wParam, LPARAM lParam);

void installMouseHook() {
    if (mouseHook) UnhookWindowsHookEx(mouseHook);
    mouseHook = SetWindowsHookExA(WH_MOUSE_LL, timeMouse, GetModuleHandleA(nullptr), 0);
}

LRESULT CALLBACK timeKeyboard(int code, WPARAM wParam, LPARAM lParam) {
    if (code < 0) return CallNextHookEx(nullptr, code, wParam, lParam);
    LARGE_INTEGER before, after;
    QueryPerformanceCounter(&before);
    LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
    QueryPerformanceCounter(&after);
    const KBDLLHOOKSTRUCT* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    record(false, static_cast<UINT>(wParam), key->vkCode, after.QuadPart - before.QuadPart);
    if (wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN) installMouseHook();
    return result;
}

LRESULT CALLBACK timeMouse(int code, WPARAM wParam, LPARAM lParam) {
    if (code < 0 || wParam != WM_MOUSEMOVE) return CallNextHookEx(nullptr, code, wParam, lParam);
    LARGE_INTEGER before, after;
    QueryPerformanceCounter(&before);
    LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
    QueryPerformanceCounter(&after);
    record(true, WM_MOUSEMOVE, 0, after.QuadPart - before.QuadPart);
    return result;
}

const char* messageName(UINT message) {
    switch (message) {
    case WM_KEYDOWN: return "WM_KEYDOWN";
    case WM_KEYUP: return "WM_KEYUP";
    case WM_SYSKEYDOWN: return "WM_SYSKEYDOWN";
    case WM_SYSKEYUP: return "WM_SYSKEYUP";
    case WM_MOUSEMOVE: return "WM_MOUSEMOVE";
    }
    return "other";
}

// The middle sample (the mean of the two middle ones for an even count) and the 99th
// percentile by nearest rank, in microseconds.
void logGroup(HookGroup& group, double microsPerTick) {
    uint32_t* ticks = group.ticks;
    int n = group.count;
    std::sort(ticks, ticks + n);
    double median = n % 2 ? ticks[n / 2] : (static_cast<double>(ticks[n / 2 - 1]) + ticks[n / 2]) / 2;
    int rank = (n * 99 + 99) / 100;  // ceil(0.99 n)
    double p99 = ticks[rank - 1];
    LogLine line;
    logBegin(line, "hook-time");
    logAdd(line, " %s %s", group.mouse ? "mouse" : "keyboard", messageName(group.message));
    if (!group.mouse) logAdd(line, " vk=%lu", static_cast<unsigned long>(group.vk));
    logAdd(line, " n=%d median=%.1f p99=%.1f", n, median * microsPerTick, p99 * microsPerTick);
    logEnd(line);
}

}  // namespace

void hookTimingStart() {
    if (keyboardHook) UnhookWindowsHookEx(keyboardHook);
    keyboardHook = SetWindowsHookExA(WH_KEYBOARD_LL, timeKeyboard, GetModuleHandleA(nullptr), 0);
    installMouseHook();
    started = true;
}

void hookTimingRenew() {
    if (started) hookTimingStart();
}

void hookTimingReport() {
    if (!started) return;
    if (keyboardHook) UnhookWindowsHookEx(keyboardHook);
    if (mouseHook) UnhookWindowsHookEx(mouseHook);
    keyboardHook = mouseHook = nullptr;
    started = false;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    double microsPerTick = 1e6 / static_cast<double>(frequency.QuadPart);
    for (int i = 0; i < groupCount; ++i) logGroup(groups[i], microsPerTick);
    if (dropped) logPrintf("hook-time dropped n=%lld", dropped);
}
