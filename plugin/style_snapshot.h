// The plugin's private copy of the host's style: record, two insets and a font made from it.
#pragma once

#include <windows.h>

// Deletes the previous font, copies the host's style and makes a new font from the copy.
void takeStyleSnapshot();

// Draws `text` centred across `area`, one text inset below its top edge, in the snapshot's
// font and text colour on a transparent background: the pad's caption and the tool square's
// text. The device context is left as it was found, but for its background mode and text
// colour.
void drawStyleCaption(HDC dc, RECT area, const char* text);
