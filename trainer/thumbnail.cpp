// A stroke drawn small: its points scaled into a box, in the trail's colour, with its start marked.
#include "trainer/thumbnail.h"

#include <algorithm>

void drawThumbnail(HDC dc, RECT box, const ScreenPoint* points, int count, COLORREF colour) {
    if (count < 1) return;
    int32_t left = points[0].x, right = left, top = points[0].y, bottom = top;
    for (int i = 1; i < count; ++i) {
        left = std::min(left, points[i].x), right = std::max(right, points[i].x);
        top = std::min(top, points[i].y), bottom = std::max(bottom, points[i].y);
    }
    // One scale for both axes, so a shape keeps its proportions; centred in the box.
    int64_t span = std::max<int64_t>(1, std::max<int64_t>(int64_t(right) - left, int64_t(bottom) - top));
    int64_t room = std::max<LONG>(1, std::min(box.right - box.left, box.bottom - box.top) - 4);
    int64_t offsetX = box.left + 2 + (room - (int64_t(right) - left) * room / span) / 2;
    int64_t offsetY = box.top + 2 + (room - (int64_t(bottom) - top) * room / span) / 2;
    auto at = [&](const ScreenPoint& p, int& x, int& y) {
        x = static_cast<int>(offsetX + (int64_t(p.x) - left) * room / span);
        y = static_cast<int>(offsetY + (int64_t(p.y) - top) * room / span);
    };
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ previousPen = SelectObject(dc, pen);
    int x, y;
    at(points[0], x, y);
    Rectangle(dc, x - 1, y - 1, x + 2, y + 2);  // where the stroke starts
    MoveToEx(dc, x, y, nullptr);
    for (int i = 1; i < count; ++i) {
        at(points[i], x, y);
        LineTo(dc, x, y);
    }
    SelectObject(dc, previousPen);
    DeleteObject(pen);
}

void drawFrame(HDC dc, RECT box, COLORREF colour, int width, int penStyle) {
    HPEN pen = CreatePen(penStyle, width, colour);
    HGDIOBJ previousPen = SelectObject(dc, pen);
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, box.left, box.top, box.right, box.bottom);
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
}
