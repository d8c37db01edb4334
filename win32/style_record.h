// A private copy of the host's style (record, two insets, a font) and the values painters read from it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "contract/vantrel.h"

constexpr int kStyleRecordSize = sizeof(VantrelStyle);

struct StyleSnapshot {
    unsigned char styleRecord[kStyleRecordSize];  // the host's record, copied whole
    int32_t styleInsetA;
    int32_t styleInsetB;
    HFONT styleFont;  // owned; at most one exists
};

// Colours read from the record: the corner dots' pen, and the trail's pen and every text.
COLORREF cornerColourOf(const StyleSnapshot& style);
COLORREF textColourOf(const StyleSnapshot& style);
// How far text is moved down from a window's top edge.
int32_t textInsetOf(const StyleSnapshot& style);
