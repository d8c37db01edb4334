// The row under the trainer's panes: Clear for the selected slot, and trazzle's hotkey, pad, pad labels and tool square.
#pragma once

#include <windows.h>

constexpr int kSettingsRowHeight = 24;

// Makes the row's controls at `top` of the trainer's window, with control ids from `firstId` on.
void createSettingsRow(HWND parent, int top, int firstId);
// A command from one of the row's controls: false when `id` is none of theirs.
bool settingsRowCommand(WORD id, WORD code);
// The controls show trazzle's settings as the trainer last read them.
void showSettings();
