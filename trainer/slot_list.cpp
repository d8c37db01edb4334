// The 25 slots as rows of an owner-drawn list: a stroke that draws the text, the text, the command's file, the example count, a mark for findings and unreadable examples.
#include "trainer/slot_list.h"

#include <cstdio>

#include "engine/command_launcher.h"
#include "training/gesture_producibility.h"
#include "engine/gesture_matcher.h"
#include "host/vantrel.h"
#include "trainer/thumbnail.h"
#include "trainer/trainer_state.h"

namespace {

constexpr COLORREF kMarkColour = RGB(0xFF, 0x40, 0x40);

void drawColumn(HDC dc, RECT row, int left, int right, const char* text) {
    RECT box = {row.left + left, row.top + 2, row.left + right, row.bottom};
    DrawTextA(dc, text, -1, &box, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

}  // namespace

HWND createSlotList(HWND parent, int id, RECT where) {
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT,
                                where.left, where.top, where.right - where.left, where.bottom - where.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), trainer.module, nullptr);
    for (int slot = 0; slot < kGestureSlotCount; ++slot) SendMessageA(list, LB_ADDSTRING, 0, slot);
    return list;
}

void drawSlotRow(const DRAWITEMSTRUCT& item) {
    if (item.itemID >= static_cast<UINT>(kGestureSlotCount)) return;
    int slot = static_cast<int>(item.itemID);
    HDC dc = item.hDC;
    RECT row = item.rcItem;
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    // Selected rows in the host's gradient, the others plain, so the choice stands out.
    if (selected) {
        MakeStyleGradient(dc, &row, trainer.style.styleRecord, 1);
    } else {
        HBRUSH background = CreateSolidBrush(RGB(0xF4, 0xF4, 0xF4));
        FillRect(dc, &row, background);
        DeleteObject(background);
    }
    COLORREF ink = selected ? textColourOf(trainer.style) : RGB(0x20, 0x20, 0x20);
    ScreenPoint points[kMaxCanonicalPoints];
    int count = canonicalStroke(trainer.table.gestures[slot], points);
    RECT thumb = {row.left + 22, row.top, row.left + 22 + kSlotRowHeight, row.bottom};
    if (trainer.table.gestures[slot][0]) drawThumbnail(dc, thumb, points, count, ink);

    HGDIOBJ previousFont = SelectObject(dc, trainer.style.styleFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink);
    char number[8], examples[16], directory[kLaunchTextSize], file[kLaunchTextSize];
    std::snprintf(number, sizeof number, "%d", slot);
    std::snprintf(examples, sizeof examples, "%d", trainer.exampleCounts[slot]);
    splitCommand(trainer.table.commands[slot], directory, file);
    drawColumn(dc, row, 2, 20, number);
    drawColumn(dc, row, 44, 140, trainer.table.gestures[slot]);
    drawColumn(dc, row, 144, 250, file);
    drawColumn(dc, row, 254, 276, examples);
    if (!trainer.findings[slot].empty() || !trainer.unreadable[slot].empty()) {
        SetTextColor(dc, kMarkColour);
        drawColumn(dc, row, 278, 292, "!");
    }
    SelectObject(dc, previousFont);
}
