// Painting in the host's style from any snapshot: taking one, captions, and the pieces of a stroke as the pad shows them.
#include "win32/style_drawing.h"

#include <cstring>

#include "contract/vantrel.h"

namespace {

constexpr int kTipLabelOffset = 20;  // pixels right of the corner

int32_t hostInteger(int index) {
    const int32_t* value = static_cast<const int32_t*>(GetSettingPtr(index));
    return value ? *value : 0;
}

}  // namespace

void releaseStyleFont(StyleSnapshot& style) {
    if (style.styleFont) DeleteObject(style.styleFont);
    style.styleFont = nullptr;
}

void takeStyleSnapshotOf(StyleSnapshot& style) {
    releaseStyleFont(style);
    // A host without a style record keeps the previous copy rather than crash the shell.
    if (const void* record = GetSettingPtr(VANTREL_SETTING_STYLE))
        std::memcpy(style.styleRecord, record, sizeof style.styleRecord);
    style.styleInsetA = hostInteger(VANTREL_SETTING_BEVEL_WIDTH);
    style.styleInsetB = hostInteger(VANTREL_SETTING_BORDER_WIDTH);
    style.styleFont = CreateStyleFont(style.styleRecord);
}

void drawStyleCaptionWith(const StyleSnapshot& style, HDC dc, RECT area, const char* text) {
    HGDIOBJ previousFont = SelectObject(dc, style.styleFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, textColourOf(style));
    area.top += textInsetOf(style);
    DrawTextA(dc, text, -1, &area, DT_CENTER);
    SelectObject(dc, previousFont);
}

void drawStrokePiece(const StyleSnapshot& style, HDC dc, RECT client, int32_t x1, int32_t y1, int32_t x2,
                     int32_t y2, COLORREF colour, int32_t width, const char* label) {
    SetBkMode(dc, TRANSPARENT);
    HPEN pen = CreatePen(PS_SOLID, width, colour);
    HGDIOBJ previousPen = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    if (label) {
        RECT box = client;
        box.left = x1 + kTipLabelOffset;
        box.top = y1;
        HGDIOBJ previousFont = SelectObject(dc, style.styleFont);
        SetTextColor(dc, textColourOf(style));
        DrawTextA(dc, label, -1, &box, 0);
        SelectObject(dc, previousFont);
    }
    SelectObject(dc, previousPen);
    DeleteObject(pen);
}
