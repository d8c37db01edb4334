// Painting in the host's style: the gradient with its bevel, and the style's font.
#pragma once

#include <windows.h>

#include "contract/vantrel.h"

// Fills `rect` with the style's two-colour gradient (top to bottom or left to right); with
// `bevel` a one-pixel frame follows: light top and left, then dark bottom and right, so the
// top-right and bottom-left corner pixels are dark. An empty rectangle paints nothing.
void paintStyleGradient(HDC dc, const RECT& rect, const VantrelStyle& style, bool bevel);

// A font from the style's face, character height (pixels) and weight; the caller owns it.
HFONT makeStyleFont(const VantrelStyle& style);
