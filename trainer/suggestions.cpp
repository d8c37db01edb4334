// Suggest: the short texts no slot uses, each drawn as its canonical stroke beside it, shown where the findings are.
#include "trainer/suggestions.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "training/free_texts.h"
#include "training/gesture_producibility.h"
#include "host/vantrel.h"
#include "trainer/thumbnail.h"
#include "trainer/trainer_host.h"
#include "trainer/trainer_logic.h"
#include "trainer/trainer_state.h"

namespace {

constexpr int kHeadingHeight = 20;
constexpr int kColumns = 2;
constexpr int kRowHeight = 32;
constexpr int kStrokeSize = 30;

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
    int columnWidth = (area.right - area.left) / kColumns;
    for (size_t i = 0; i < texts.size(); ++i) {
        int left = area.left + static_cast<int>(i % kColumns) * columnWidth;
        int top = area.top + kHeadingHeight + static_cast<int>(i / kColumns) * kRowHeight;
        ScreenPoint points[kMaxCanonicalPoints];
        int count = canonicalStroke(texts[i].c_str(), points);
        drawThumbnail(dc, {left, top, left + kStrokeSize, top + kStrokeSize}, points, count, ink);
        RECT text = {left + kStrokeSize + 6, top, left + columnWidth, top + kStrokeSize};
        DrawTextA(dc, texts[i].c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    SelectObject(dc, previousFont);
}

bool suggestionAt(RECT area, POINT at, char (&text)[kSlotTextSize]) {
    if (!PtInRect(&area, at) || at.y < area.top + kHeadingHeight) return false;
    int columnWidth = (area.right - area.left) / kColumns;
    size_t row = static_cast<size_t>((at.y - area.top - kHeadingHeight) / kRowHeight);
    size_t column = static_cast<size_t>(std::min(kColumns - 1, static_cast<int>((at.x - area.left) / columnWidth)));
    std::vector<std::string> texts = freeTexts(trainer.table);
    size_t index = row * kColumns + column;
    if (index >= texts.size()) return false;
    std::snprintf(text, sizeof text, "%s", texts[index].c_str());
    return true;
}
