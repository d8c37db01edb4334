// The 25 slots as rows of an owner-drawn list: a stroke that draws the text, the text, the command's file, the example count, a mark for findings and unreadable examples.
#pragma once

#include <windows.h>

constexpr int kSlotRowHeight = 18;

HWND createSlotList(HWND parent, int id, RECT where);
void drawSlotRow(const DRAWITEMSTRUCT& item);

// The slot whose row lies under `screen`, or kNoSelection.
int slotRowAt(POINT screen);
// Frames the row a dragged thumbnail would land on (kNoSelection: none), while the drag goes on.
void showDropTarget(int slot);
