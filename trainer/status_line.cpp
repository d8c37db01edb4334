// The trainer's own status line, at the bottom of its window: the last status the trainer gave the host, kept as the window's text.
//
// The host's status label says the same, but the trainer's window may lie over the host's: here
// it is where the person is looking.
#include "trainer/status_line.h"

#include "contract/vantrel.h"
#include "trainer/trainer_state.h"
#include "win32/paint_frame.h"

namespace {

void drawLine(HDC memory, RECT client, const void* context) {
    MakeStyleGradient(memory, &client, trainer.style.styleRecord, 1);
    const char* text = static_cast<const char*>(context);
    HGDIOBJ previousFont = SelectObject(memory, trainer.style.styleFont);
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, textColourOf(trainer.style));
    RECT box = {client.left + 6, client.top, client.right - 6, client.bottom};
    DrawTextA(memory, text, -1, &box, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    SelectObject(memory, previousFont);
}

void onPaint(HWND window) {
    char text[512];
    GetWindowTextA(window, text, sizeof text);
    paintThroughMemory(window, nullptr, drawLine, text);
}

}  // namespace

LRESULT CALLBACK statusLineWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: onPaint(window); return 0;
    case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void setStatusLine(const char* text) {
    HWND line = trainer.windows.statusLine;
    if (!line) return;
    SetWindowTextA(line, text);
    InvalidateRect(line, nullptr, FALSE);
}
