// Suggest: the short texts no slot uses, each drawn as its canonical stroke beside it, shown where the findings are.
#pragma once

#include <windows.h>

#include "engine/gesture_matcher.h"

// Works out the texts for trazzle's slots as they stand, shows them in the findings' place and
// says how many in the status.
void showSuggestions();
// Puts the findings pane back in their place, when the suggestions are shown.
void hideSuggestions();

// Draws the suggestions into `area` of the trainer window's picture, in its text colour.
void drawSuggestions(HDC dc, RECT area);

// The suggestion drawn at `at` in `area` (window coordinates) into `text`; false when none is there.
bool suggestionAt(RECT area, POINT at, char (&text)[kSlotTextSize]);
