// Suggest: the short texts no slot uses, each drawn as its canonical stroke beside it, shown where the findings are.
#include "trainer/suggestions.h"

#include <cstdio>
#include <string>
#include <vector>

#include "training/free_texts.h"
#include "training/gesture_producibility.h"
#include "contract/vantrel.h"
#include "trainer/thumbnail.h"
#include "trainer/trainer_host.h"
#include "trainer/trainer_logic.h"
#include "trainer/trainer_state.h"

namespace {

constexpr int kHeadingHeight = 20;
constexpr int kColumns = 2;
constexpr int kRowHeight = 32;
constexpr int kStrokeSize = 30;

// Where the suggestion `index` stands in `area`: its stroke at the cell's top left, its text
// beside it. The last column reaches the area's right edge.
RECT cellOf(RECT area, size_t index) {
    int columnWidth = (area.right - area.left) / kColumns;
    int column = static_cast<int>(index % kColumns);
    int left = area.left + column * columnWidth;
    int top = area.top + kHeadingHeight + static_cast<int>(index / kColumns) * kRowHeight;
    return {left, top, column == kColumns - 1 ? area.right : left + columnWidth, top + kRowHeight};
}

}  // namespace

void showSuggestions() {
    trainer.suggesting = true;
    ShowWindow(trainer.windows.findings, SW_HIDE);
    InvalidateRect(trainer.windows.main, nullptr, FALSE);
    char status[kTrainerStatusSize];
    suggestStatus(freeTexts(trainer.table), status);
    showStatus(status);
}

void hideSuggestions() {
    if (!trainer.suggesting) return;
    trainer.suggesting = false;
    ShowWindow(trainer.windows.findings, SW_SHOW);
}

// Worked out at each paint, so a change to the slots shows at once.
void drawSuggestions(HDC dc, RECT area) {
    std::vector<std::string> texts = freeTexts(trainer.table);
    HGDIOBJ previousFont = SelectObject(dc, trainer.style.styleFont);
    SetBkMode(dc, TRANSPARENT);
    COLORREF ink = textColourOf(trainer.style);
    SetTextColor(dc, ink);
    const char* heading = texts.empty() ? "Every short text holds or is held in a slot's text." : "Texts no slot uses:";
    RECT line = {area.left, area.top, area.right, area.top + kHeadingHeight};
    DrawTextA(dc, heading, -1, &line, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    for (size_t i = 0; i < texts.size(); ++i) {
        RECT cell = cellOf(area, i);
        ScreenPoint points[kMaxCanonicalPoints];
        int count = canonicalStroke(texts[i].c_str(), points);
        drawThumbnail(dc, {cell.left, cell.top, cell.left + kStrokeSize, cell.top + kStrokeSize}, points, count, ink);
        RECT text = {cell.left + kStrokeSize + 6, cell.top, cell.right, cell.top + kStrokeSize};
        DrawTextA(dc, texts[i].c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    SelectObject(dc, previousFont);
}

bool suggestionAt(RECT area, POINT at, char (&text)[kSlotTextSize]) {
    if (!PtInRect(&area, at)) return false;
    std::vector<std::string> texts = freeTexts(trainer.table);
    for (size_t i = 0; i < texts.size(); ++i) {
        RECT cell = cellOf(area, i);
        if (!PtInRect(&cell, at)) continue;
        std::snprintf(text, sizeof text, "%s", texts[i].c_str());
        return true;
    }
    return false;
}
