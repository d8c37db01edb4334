// Painting in the host's style: the gradient with its bevel, and the style's font.
#include "devhost/style_paint.h"

#include <cstring>

static TRIVERTEX vertex(LONG x, LONG y, COLORREF colour) {
    TRIVERTEX v;
    v.x = x;
    v.y = y;
    v.Red = static_cast<COLOR16>(GetRValue(colour) << 8);
    v.Green = static_cast<COLOR16>(GetGValue(colour) << 8);
    v.Blue = static_cast<COLOR16>(GetBValue(colour) << 8);
    v.Alpha = 0;
    return v;
}

static void fillLine(HDC dc, LONG left, LONG top, LONG right, LONG bottom, COLORREF colour) {
    RECT line = {left, top, right, bottom};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &line, brush);
    DeleteObject(brush);
}

void paintStyleGradient(HDC dc, const RECT& rect, const VantrelStyle& style, bool bevel) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    TRIVERTEX corners[2] = {vertex(rect.left, rect.top, style.gradientFrom),
                            vertex(rect.right, rect.bottom, style.gradientTo)};
    GRADIENT_RECT span = {0, 1};
    GradientFill(dc, corners, 2, &span, 1,
                 style.gradientVertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
    if (!bevel) return;
    fillLine(dc, rect.left, rect.top, rect.right, rect.top + 1, style.bevelLight);
    fillLine(dc, rect.left, rect.top, rect.left + 1, rect.bottom, style.bevelLight);
    fillLine(dc, rect.left, rect.bottom - 1, rect.right, rect.bottom, style.bevelDark);
    fillLine(dc, rect.right - 1, rect.top, rect.right, rect.bottom, style.bevelDark);
}

HFONT makeStyleFont(const VantrelStyle& style) {
    // The record comes from a plugin's copy; its face name need not be terminated.
    char face[LF_FACESIZE];
    std::memcpy(face, style.fontFace, sizeof face);
    face[LF_FACESIZE - 1] = '\0';
    return CreateFontA(-style.fontHeight, 0, 0, 0, style.fontWeight, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face);
}
