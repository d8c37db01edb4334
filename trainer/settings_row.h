// The row under the trainer's panes: Clear for the selected slot, trazzle's hotkey, pad, pad labels and tool square, and the slots Learn keeps free.
#pragma once

#include <windows.h>

constexpr int kSettingsRowHeight = 24;

// Makes the row's controls at `top` of the trainer's window, with control ids from `firstId` on.
void createSettingsRow(HWND parent, int top, int firstId);
enum SettingsRowControl { kRowClear, kRowHotkey, kRowPadShow, kRowPadTips, kRowToolSquare, kRowFreeSlots, kRowNone };
// Which of the row's controls has the id `id`: kRowNone when none has.
SettingsRowControl settingsRowControl(WORD id);
// Whether a check box of the row (pad shown, pad labels, tool square) is checked.
bool settingsRowChecked(SettingsRowControl box);
// The number of free slots chosen in the row's list.
int settingsRowFreeSlots();
// The controls show trazzle's settings as the trainer last read them.
void showSettings();
