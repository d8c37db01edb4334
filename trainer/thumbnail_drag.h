// A thumbnail dragged from a strip onto a slot row: the press, the row it would land on framed, and the row it was dropped on.
#pragma once

#include <windows.h>

// One drag a strip; the press is where it began.
struct ThumbnailDrag {
    POINT from;
    bool dragging;
};

// A thumbnail pressed at `at` (client coordinates): the strip has the mouse until the release.
void pressThumbnail(ThumbnailDrag& drag, HWND strip, POINT at);
// The pointer moved with the button held: once a drag, the slot row it would land on is framed.
void dragThumbnail(ThumbnailDrag& drag, HWND strip, POINT at);
// The release at `at`: the slot row it was dropped on, or kNoSelection when it was no drag or
// landed on no row.
int dropThumbnail(ThumbnailDrag& drag, HWND strip, POINT at);
// The strip lost the mouse (WM_CAPTURECHANGED): the drag is over, nothing dropped.
void endThumbnailDrag(ThumbnailDrag& drag);
