// The selected slot's examples as thumbnails: those the configuration gets wrong or misses framed in red; a click selects one, Delete removes it.
#include "trainer/examples_strip.h"

#include <windowsx.h>

#include "host/vantrel.h"
#include "trainer/recording.h"
#include "trainer/thumbnail.h"
#include "trainer/trainer_state.h"

namespace {

constexpr int kGap = 4;
constexpr COLORREF kMarkColour = RGB(0xFF, 0x40, 0x40);

int perRow(RECT client) { return static_cast<int>((client.right - kGap) / (kExampleThumbSize + kGap)); }

RECT thumbBox(RECT client, int index) {
    int columns = perRow(client) > 0 ? perRow(client) : 1;
    int left = kGap + (index % columns) * (kExampleThumbSize + kGap);
    int top = kGap + (index / columns) * (kExampleThumbSize + kGap);
    return {left, top, left + kExampleThumbSize, top + kExampleThumbSize};
}

void frame(HDC dc, RECT box, COLORREF colour, int width) {
    HPEN pen = CreatePen(PS_SOLID, width, colour);
    HGDIOBJ previousPen = SelectObject(dc, pen);
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, box.left, box.top, box.right, box.bottom);
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
}

void onPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ previousBitmap = SelectObject(memory, bitmap);
    MakeStyleGradient(memory, &client, trainer.style.styleRecord, 1);
    for (size_t i = 0; i < trainer.slotExamples.size(); ++i) {
        const ExampleStroke& example = trainer.slotExamples[i];
        RECT box = thumbBox(client, static_cast<int>(i));
        drawThumbnail(memory, box, example.points.data(), static_cast<int>(example.points.size()),
                      textColourOf(trainer.style));
        if (example.marked) frame(memory, box, kMarkColour, 2);
        if (static_cast<int>(i) == trainer.selectedExample) frame(memory, {box.left - 2, box.top - 2, box.right + 2, box.bottom + 2}, cornerColourOf(trainer.style), 1);
    }
    BitBlt(screen, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previousBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(window, &paint);
}

void onClick(HWND window, POINT at) {
    SetFocus(window);  // so Delete reaches the strip
    RECT client;
    GetClientRect(window, &client);
    trainer.selectedExample = kNoSelection;
    for (size_t i = 0; i < trainer.slotExamples.size(); ++i) {
        RECT box = thumbBox(client, static_cast<int>(i));
        if (PtInRect(&box, at)) trainer.selectedExample = static_cast<int>(i);
    }
    InvalidateRect(window, nullptr, FALSE);
}

}  // namespace

LRESULT CALLBACK examplesWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: onPaint(window); return 0;
    case WM_LBUTTONDOWN: onClick(window, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_KEYDOWN:
        if (wParam == VK_DELETE) deleteSelectedExample();
        return 0;
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
