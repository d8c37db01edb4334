// The 25 slots as rows of an owner-drawn list: its stroke and text, its command's file or the slot a variant serves, its example count, a mark when there is something to say.
#include "trainer/slot_list.h"

#include <cstdio>

#include "training/gesture_producibility.h"
#include "engine/gesture_matcher.h"
#include "contract/vantrel.h"
#include "trainer/thumbnail.h"
#include "trainer/trainer_state.h"

namespace {

constexpr COLORREF kMarkColour = RGB(0xFF, 0x40, 0x40);

void drawColumn(HDC dc, RECT row, int left, int right, const char* text, UINT align = DT_LEFT) {
    RECT box = {row.left + left, row.top + 2, row.left + right, row.bottom};
    DrawTextA(dc, text, -1, &box, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX | align);
}

// The command's file name, and after it, kept whole, how many variants serve the slot.
void drawFileColumn(HDC dc, RECT row, int left, int right, const SlotRowTexts& texts) {
    SIZE note = {0, 0};
    if (!texts.note.empty()) {
        GetTextExtentPoint32A(dc, texts.note.c_str(), static_cast<int>(texts.note.size()), &note);
        drawColumn(dc, row, left, right, texts.note.c_str(), DT_RIGHT);
    }
    drawColumn(dc, row, left, right - (note.cx ? note.cx + 4 : 0), texts.file.c_str());
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
    char number[8], examples[16];
    std::snprintf(number, sizeof number, "%d", slot);
    std::snprintf(examples, sizeof examples, "%d", trainer.exampleCounts[slot]);
    SlotRowTexts texts = slotRowTexts(trainer.table, trainer.exampleCounts, slot);
    drawColumn(dc, row, 2, 20, number);
    drawColumn(dc, row, 44, 110, texts.gesture.c_str());
    drawFileColumn(dc, row, 114, 246, texts);
    drawColumn(dc, row, 254, 276, examples);
    if (slot == trainer.dropSlot) drawFrame(dc, row, cornerColourOf(trainer.style), 2);
    if (!trainer.findings[slot].empty() || !trainer.unreadable[slot].empty() ||
        !takenFindings(trainer.taken, trainer.table, slot).empty()) {
        SetTextColor(dc, kMarkColour);
        drawColumn(dc, row, 278, 292, "!");
    }
    SelectObject(dc, previousFont);
}

int slotRowAt(POINT screen) {
    HWND list = trainer.windows.slotList;
    POINT at = screen;
    ScreenToClient(list, &at);
    RECT rows;
    GetClientRect(list, &rows);
    if (!PtInRect(&rows, at)) return kNoSelection;
    LRESULT item = SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(at.x, at.y));
    return HIWORD(item) == 0 ? LOWORD(item) : kNoSelection;
}

void showDropTarget(int slot) {
    if (slot == trainer.dropSlot) return;
    trainer.dropSlot = slot;
    InvalidateRect(trainer.windows.slotList, nullptr, FALSE);
}
