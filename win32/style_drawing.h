// Painting in the host's style from any snapshot: taking one, captions, and the pieces of a stroke as the pad shows them.
#pragma once

#include <windows.h>

#include <cstdint>

#include "win32/style_record.h"

// Deletes the snapshot's previous font, copies the host's style and makes a new font from the copy.
void takeStyleSnapshotOf(StyleSnapshot& style);
// Deletes the snapshot's font.
void releaseStyleFont(StyleSnapshot& style);

// Draws `text` centred across `area`, one text inset below its top edge, in the snapshot's
// font and text colour on a transparent background. The device context is left as it was
// found, but for its background mode and text colour.
void drawStyleCaptionWith(const StyleSnapshot& style, HDC dc, RECT area, const char* text);

// One piece of a stroke into `dc` (a memory context holding the picture whose client area is
// `client`): a segment with a pen of `width` and `colour` (equal ends make a dot the pen's width
// across: a corner dot), and, when `label` is given, the label 20 pixels right of the first
// point in the text colour, clipped at the client's right and bottom edges.
void drawStrokePiece(const StyleSnapshot& style, HDC dc, RECT client, int32_t x1, int32_t y1, int32_t x2,
                     int32_t y2, COLORREF colour, int32_t width, const char* label);
