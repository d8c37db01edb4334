// The History view: the strokes trazzle handled, newest first, as thumbnails with their text and what they launched; a click says what today's texts launch, a drag onto a slot row or the context menu gives one to a slot, Delete removes it.
//
// One row, scrolled a thumbnail at a time with the wheel. A stroke that launched nothing is
// framed red; one that launched a slot says which, since a stroke that started the wrong
// program is the one to give to its slot.
#include "trainer/history_strip.h"

#include <windowsx.h>


#include "contract/vantrel.h"
#include "trainer/thumbnail.h"
#include "trainer/thumbnail_drag.h"
#include "trainer/trainer_logic.h"
#include "trainer/trainer_host.h"
#include "trainer/trainer_notes.h"
#include "trainer/trainer_state.h"
#include "win32/paint_frame.h"

namespace {

constexpr int kThumb = 48, kGap = 4, kPitch = kThumb + kGap;
constexpr COLORREF kMarkColour = RGB(0xFF, 0x40, 0x40);

RECT thumbBox(int index) {
    int left = kGap + (index - trainer.historyFirst) * kPitch;
    return {left, 2, left + kThumb, 2 + kThumb};  // room above for the selection's frame
}

void drawStrip(HDC memory, RECT client, const void*) {
    MakeStyleGradient(memory, &client, trainer.style.styleRecord, 1);
    LOGFONTA face = {};
    GetObjectA(trainer.style.styleFont, sizeof face, &face);
    face.lfHeight = -10;
    face.lfWidth = 0;
    face.lfWeight = FW_NORMAL;
    HFONT font = CreateFontIndirectA(&face);
    HGDIOBJ previousFont = SelectObject(memory, font);
    SetBkMode(memory, TRANSPARENT);
    const UINT format = DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX | DT_CENTER;
    for (int i = trainer.historyFirst; i < static_cast<int>(trainer.history.size()); ++i) {
        RECT box = thumbBox(i);
        if (box.left >= client.right) break;
        const HistoryStroke& stroke = trainer.history[i];
        drawThumbnail(memory, box, stroke.points.data(), static_cast<int>(stroke.points.size()), textColourOf(trainer.style));
        bool failed = stroke.launch.slot == kNoSlot;
        if (failed) drawFrame(memory, box, kMarkColour, 2);
        SetTextColor(memory, failed ? kMarkColour : cornerColourOf(trainer.style));
        RECT top = {box.left + 3, box.top + 2, box.right - 3, box.top + 14};
        RECT bottom = {box.left + 3, box.bottom - 14, box.right - 3, box.bottom - 2};
        DrawTextA(memory, stroke.text.empty() ? "||" : stroke.text.c_str(), -1, &top, format);
        char launched[16];
        if (failed) lstrcpyA(launched, "nothing");
        else wsprintfA(launched, "slot %d?", stroke.launch.slot);  // the one to reassign if wrong
        DrawTextA(memory, launched, -1, &bottom, format);
        if (i == trainer.selectedHistory)
            drawFrame(memory, {box.left - 2, box.top - 2, box.right + 2, box.bottom + 2}, cornerColourOf(trainer.style), 1);
    }
    SelectObject(memory, previousFont);
    DeleteObject(font);
}

ThumbnailDrag drag;

int selectAt(HWND window, POINT at) {
    trainer.selectedHistory = kNoSelection;
    for (int i = trainer.historyFirst; i < static_cast<int>(trainer.history.size()); ++i) {
        RECT box = thumbBox(i);
        if (PtInRect(&box, at)) trainer.selectedHistory = i;
    }
    InvalidateRect(window, nullptr, FALSE);
    if (trainer.selectedHistory != kNoSelection) {
        const HistoryStroke& stroke = trainer.history[trainer.selectedHistory];
        char status[kTrainerStatusSize];
        historyStatus(trainer.table, stroke.name, stroke.text, stroke.launch, status);
        showStatus(status);
    }
    return trainer.selectedHistory;
}

void onClick(HWND window, POINT at) {
    SetFocus(window);
    if (selectAt(window, at) == kNoSelection) return;
    pressThumbnail(drag, window, at);
}

// Dropped on a slot row: the stroke becomes that slot's example.
void onDrop(HWND window, POINT at) {
    int slot = dropThumbnail(drag, window, at);
    if (slot != kNoSelection && trainer.selectedHistory != kNoSelection) notifyTrainer(window, kNoteAssignHistory, slot);
}

void onContextMenu(HWND window, POINT screen) {
    POINT at = screen;
    ScreenToClient(window, &at);
    if (selectAt(window, at) == kNoSelection) return;
    constexpr UINT kDelete = 1, kFirstSlot = 100;
    HMENU slots = CreatePopupMenu();
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        char label[16];
        wsprintfA(label, "%d", slot);
        AppendMenuA(slots, MF_STRING, kFirstSlot + slot, label);
    }
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(slots), "Give to slot...");
    AppendMenuA(menu, MF_STRING, kDelete, "Delete");
    UINT chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, window, nullptr);
    DestroyMenu(menu);
    if (chosen == kDelete) notifyTrainer(window, kNoteDeleteHistory);
    else if (chosen >= kFirstSlot && chosen < kFirstSlot + kGestureSlotCount)
        notifyTrainer(window, kNoteAssignHistory, static_cast<LPARAM>(chosen - kFirstSlot));
}

void onWheel(HWND window, short delta) {
    int first = trainer.historyFirst - delta / WHEEL_DELTA;
    int last = static_cast<int>(trainer.history.size()) - 1;
    trainer.historyFirst = first < 0 || last < 0 ? 0 : first > last ? last : first;
    InvalidateRect(window, nullptr, FALSE);
}

}  // namespace

LRESULT CALLBACK historyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: paintThroughMemory(window, nullptr, drawStrip); return 0;
    case WM_LBUTTONDOWN: onClick(window, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_MOUSEMOVE: dragThumbnail(drag, window, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_LBUTTONUP: onDrop(window, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_CAPTURECHANGED: endThumbnailDrag(drag); return 0;
    case WM_CONTEXTMENU: onContextMenu(window, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_MOUSEWHEEL: onWheel(window, static_cast<short>(HIWORD(wParam))); return 0;
    case WM_KEYDOWN:
        if (wParam == VK_DELETE) notifyTrainer(window, kNoteDeleteHistory);
        return 0;
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
