// The selected slot's examples as thumbnails in rows that scroll: those the configuration gets wrong or misses framed in red, with their text and what they launch; a click selects one, Delete removes it, a drag onto a slot row or the context menu moves it.
//
// A slot may hold 999 examples and two rows show ten, so the strip scrolls a row at a time,
// with its scroll bar and the wheel. The bar is always there (disabled when everything fits),
// so the number of thumbnails a row holds never changes.
#include "trainer/examples_strip.h"

#include <windowsx.h>

#include <string>

#include "contract/vantrel.h"
#include "trainer/thumbnail.h"
#include "trainer/thumbnail_drag.h"
#include "trainer/trainer_host.h"
#include "trainer/trainer_notes.h"
#include "trainer/trainer_state.h"
#include "win32/paint_frame.h"

namespace {

constexpr int kGap = 4;
constexpr int kPitch = kExampleThumbSize + kGap;
constexpr COLORREF kMarkColour = RGB(0xFF, 0x40, 0x40);

int columnsOf(RECT client) {
    int columns = static_cast<int>((client.right - kGap) / kPitch);
    return columns > 0 ? columns : 1;
}

int rowsInView(RECT client) {
    int rows = static_cast<int>((client.bottom - kGap) / kPitch);
    return rows > 0 ? rows : 1;
}

int rowCount(RECT client) {
    int count = static_cast<int>(trainer.slotExamples.size());
    return (count + columnsOf(client) - 1) / columnsOf(client);
}

// Where the example at `index` is drawn, the rows above the first in view left out.
RECT thumbBox(RECT client, int index) {
    int columns = columnsOf(client);
    int left = kGap + (index % columns) * kPitch;
    int top = kGap + (index / columns - trainer.examplesTopRow) * kPitch;
    return {left, top, left + kExampleThumbSize, top + kExampleThumbSize};
}

// A marked example's text along its thumbnail's top, and what it launches along its bottom.
void drawCaptions(HDC dc, RECT box, const ExampleStroke& example) {
    RECT top = {box.left + 3, box.top + 2, box.right - 3, box.top + 14};
    RECT bottom = {box.left + 3, box.bottom - 14, box.right - 3, box.bottom - 2};
    const UINT format = DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX | DT_CENTER;
    DrawTextA(dc, example.text.empty() ? "||" : example.text.c_str(), -1, &top, format);
    DrawTextA(dc, example.launches.c_str(), -1, &bottom, format);
}

// The style's face, small enough for a thumbnail's width.
HFONT makeCaptionFont() {
    LOGFONTA face = {};
    GetObjectA(trainer.style.styleFont, sizeof face, &face);
    face.lfHeight = -10;
    face.lfWidth = 0;
    face.lfWeight = FW_NORMAL;
    return CreateFontIndirectA(&face);
}

// Only the rows in view, and the one cut by the bottom edge.
void drawStrip(HDC memory, RECT client, const void*) {
    MakeStyleGradient(memory, &client, trainer.style.styleRecord, 1);
    HFONT font = makeCaptionFont();
    HGDIOBJ previousFont = SelectObject(memory, font);
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, kMarkColour);
    int columns = columnsOf(client);
    size_t first = static_cast<size_t>(trainer.examplesTopRow) * columns;
    size_t end = first + static_cast<size_t>(rowsInView(client) + 1) * columns;
    for (size_t i = first; i < trainer.slotExamples.size() && i < end; ++i) {
        const ExampleStroke& example = trainer.slotExamples[i];
        RECT box = thumbBox(client, static_cast<int>(i));
        drawThumbnail(memory, box, example.points.data(), static_cast<int>(example.points.size()),
                      textColourOf(trainer.style));
        if (example.marked) {
            drawFrame(memory, box, kMarkColour, 2);
            drawCaptions(memory, box, example);
        }
        if (static_cast<int>(i) == trainer.selectedExample)
            drawFrame(memory, {box.left - 2, box.top - 2, box.right + 2, box.bottom + 2}, cornerColourOf(trainer.style), 1);
    }
    SelectObject(memory, previousFont);
    DeleteObject(font);
}

ThumbnailDrag drag;

// Selects the example under `at` (none when it is on no thumbnail) and says which.
int selectAt(HWND window, POINT at) {
    RECT client;
    GetClientRect(window, &client);
    trainer.selectedExample = kNoSelection;
    for (size_t i = 0; i < trainer.slotExamples.size(); ++i) {
        RECT box = thumbBox(client, static_cast<int>(i));
        if (PtInRect(&box, at)) trainer.selectedExample = static_cast<int>(i);
    }
    InvalidateRect(window, nullptr, FALSE);
    return trainer.selectedExample;
}

// Says which example is selected and what trazzle would launch for it.
void showSelectedExample() {
    const ExampleStroke& example = trainer.slotExamples[trainer.selectedExample];
    char status[kTrainerStatusSize];
    exampleStatus(trainer.table, exampleName(trainer.selected, example.file), example.text, status);
    showStatus(status);
}

void onClick(HWND window, POINT at) {
    SetFocus(window);  // so Delete reaches the strip
    if (selectAt(window, at) == kNoSelection) return;
    showSelectedExample();
    pressThumbnail(drag, window, at);
}

// Dropped on a slot row: the example moves to that slot.
void onDrop(HWND window, POINT at) {
    int slot = dropThumbnail(drag, window, at);
    if (slot != kNoSelection && trainer.selectedExample != kNoSelection) notifyTrainer(window, kNoteMoveExample, slot);
}

// The context menu of a thumbnail: Delete, and Move to slot with the 25 slots, its own greyed.
void onContextMenu(HWND window, POINT screen) {
    POINT at = screen;
    ScreenToClient(window, &at);
    if (selectAt(window, at) == kNoSelection) return;
    showSelectedExample();
    constexpr UINT kDelete = 1, kDeleteAll = 2, kFirstSlot = 100;
    HMENU slots = CreatePopupMenu();
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        char label[16];
        wsprintfA(label, "%d", slot);
        AppendMenuA(slots, MF_STRING | (slot == trainer.selected ? MF_GRAYED : 0), kFirstSlot + slot, label);
    }
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(slots), "Move to slot...");
    AppendMenuA(menu, MF_STRING, kDelete, "Delete");
    AppendMenuA(menu, MF_STRING, kDeleteAll, "Delete all of this slot...");
    UINT chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, window, nullptr);
    DestroyMenu(menu);  // and the submenu with it
    if (chosen == kDelete) notifyTrainer(window, kNoteDeleteExample);
    else if (chosen == kDeleteAll) notifyTrainer(window, kNoteDeleteAll);
    else if (chosen >= kFirstSlot && chosen < kFirstSlot + kGestureSlotCount)
        notifyTrainer(window, kNoteMoveExample, static_cast<LPARAM>(chosen - kFirstSlot));
}

// Puts `row` first in view, within range, and the bar where it belongs.
void scrollTo(HWND window, int row) {
    RECT client;
    GetClientRect(window, &client);
    int last = rowCount(client) - rowsInView(client);
    trainer.examplesTopRow = row < 0 || last < 0 ? 0 : row > last ? last : row;
    SCROLLINFO bar = {};
    bar.cbSize = sizeof bar;
    bar.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    bar.nMax = rowCount(client) > 0 ? rowCount(client) - 1 : 0;
    bar.nPage = static_cast<UINT>(rowsInView(client));
    bar.nPos = trainer.examplesTopRow;
    SetScrollInfo(window, SB_VERT, &bar, TRUE);
    InvalidateRect(window, nullptr, FALSE);
}

void onScroll(HWND window, WORD request) {
    RECT client;
    GetClientRect(window, &client);
    int row = trainer.examplesTopRow, page = rowsInView(client);
    SCROLLINFO bar = {};
    bar.cbSize = sizeof bar;
    bar.fMask = SIF_TRACKPOS;
    switch (request) {
    case SB_LINEUP: --row; break;
    case SB_LINEDOWN: ++row; break;
    case SB_PAGEUP: row -= page; break;
    case SB_PAGEDOWN: row += page; break;
    case SB_TOP: row = 0; break;
    case SB_BOTTOM: row = kExamplesEnd; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        GetScrollInfo(window, SB_VERT, &bar);
        row = bar.nTrackPos;
        break;
    default: return;
    }
    scrollTo(window, row);
}

// A notch is a row; a finer wheel's parts add up to one.
void onWheel(HWND window, short delta) {
    trainer.examplesWheelRest += delta;
    int rows = trainer.examplesWheelRest / WHEEL_DELTA;
    trainer.examplesWheelRest -= rows * WHEEL_DELTA;
    if (rows) scrollTo(window, trainer.examplesTopRow - rows);
}

}  // namespace

LRESULT CALLBACK examplesWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: paintThroughMemory(window, nullptr, drawStrip); return 0;
    case WM_LBUTTONDOWN: onClick(window, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_MOUSEMOVE: dragThumbnail(drag, window, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_LBUTTONUP: onDrop(window, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_CAPTURECHANGED: endThumbnailDrag(drag); return 0;
    case WM_CONTEXTMENU: onContextMenu(window, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_VSCROLL: onScroll(window, LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL: onWheel(window, static_cast<short>(HIWORD(wParam))); return 0;
    case WM_KEYDOWN:
        if (wParam == VK_DELETE) notifyTrainer(window, GetKeyState(VK_SHIFT) < 0 ? kNoteDeleteAll : kNoteDeleteExample);
        return 0;
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void updateExamplesStrip() {
    if (trainer.windows.examples) scrollTo(trainer.windows.examples, trainer.examplesTopRow);
}
