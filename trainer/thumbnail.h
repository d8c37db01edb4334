// A stroke drawn small: its points scaled into a box, in the trail's colour, with its start marked.
#pragma once

#include <windows.h>

#include "engine/stroke_tokenizer.h"

void drawThumbnail(HDC dc, RECT box, const ScreenPoint* points, int count, COLORREF colour);
