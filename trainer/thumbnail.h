// A stroke drawn small: its points scaled into a box, in the trail's colour, with its start marked; and the frames drawn around such boxes.
#pragma once

#include <windows.h>

#include "engine/stroke_tokenizer.h"

void drawThumbnail(HDC dc, RECT box, const ScreenPoint* points, int count, COLORREF colour);

// A rectangle's outline, `width` pixels wide, nothing filled; PS_INSIDEFRAME keeps it within `box`.
void drawFrame(HDC dc, RECT box, COLORREF colour, int width, int penStyle = PS_SOLID);
