// A thumbnail dragged from a strip onto a slot row: the press, the row it would land on framed, and the row it was dropped on.
#include "trainer/thumbnail_drag.h"

#include <cstdlib>

#include "trainer/slot_list.h"
#include "trainer/trainer_state.h"

namespace {

constexpr int kDragDistance = 4;  // pixels the pointer moves before a press becomes a drag

}  // namespace

void pressThumbnail(ThumbnailDrag& drag, HWND strip, POINT at) {
    drag.from = at;
    drag.dragging = false;
    SetCapture(strip);
}

void dragThumbnail(ThumbnailDrag& drag, HWND strip, POINT at) {
    if (GetCapture() != strip) return;
    if (!drag.dragging) {
        drag.dragging = std::abs(at.x - drag.from.x) > kDragDistance || std::abs(at.y - drag.from.y) > kDragDistance;
        if (!drag.dragging) return;
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
    }
    ClientToScreen(strip, &at);
    showDropTarget(slotRowAt(at));
}

int dropThumbnail(ThumbnailDrag& drag, HWND strip, POINT at) {
    bool dropped = drag.dragging && GetCapture() == strip;
    drag.dragging = false;
    ReleaseCapture();
    if (!dropped) return kNoSelection;
    ClientToScreen(strip, &at);
    return slotRowAt(at);
}

void endThumbnailDrag(ThumbnailDrag& drag) {
    drag.dragging = false;
    showDropTarget(kNoSelection);
}
