// Timing the plugins' low-level hooks from hooks of the host's own, for benchmarks (--time-hooks).
#pragma once

constexpr int kMaxHookSamples = 200000;  // per group; later samples are counted as dropped
constexpr int kMaxHookGroups = 8;        // keyboard (message, key) pairs and mouse moves

// Installs the host's WH_KEYBOARD_LL and WH_MOUSE_LL hooks, newer than every plugin's, so
// each times its CallNextHookEx: the work of the plugins' hooks behind it. Call on the window
// thread after the plugins have started, and again after they were started anew.
void hookTimingStart();

// After the plugins were started anew: installs the host's hooks again, when started.
void hookTimingRenew();

// Removes the host's hooks and logs one line per group, in the order the groups first
// appeared: "hook-time keyboard WM_KEYUP vk=91 n=1000 median=12.3 p99=40.1" and
// "hook-time mouse WM_MOUSEMOVE n=..." (microseconds). Nothing when never started.
void hookTimingReport();
