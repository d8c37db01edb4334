// Host exports acting on plugin windows: opacity of layered windows and snapping to edges.
#define VANTREL_BUILDING_HOST
#include "contract/vantrel.h"

#include <cstdlib>

#include "devhost/host_log.h"

void SetTransparency(HWND window, int alpha) {
    LogLine line;
    logBegin(line, "SetTransparency");
    logAddWindow(line, window);
    logAdd(line, " %d ->", alpha);
    if (!window || !IsWindow(window)) {
        logAdd(line, " no window");
    } else if (!(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED)) {
        // Making a window layered behind its owner's back would hide it until it repaints.
        logAdd(line, " not layered");
    } else {
        int applied = alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha);
        BOOL done = SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(applied), LWA_ALPHA);
        logAdd(line, done ? " %d" : " failed %d", applied);
    }
    logEnd(line);
}

// Pulls one coordinate onto the near edge (start) or makes its far side meet the far edge;
// the start edge wins when both are within reach, as for a window nearly as big as the area.
static int snapAxis(int start, int length, int areaStart, int areaEnd, int distance) {
    if (std::abs(start - areaStart) <= distance) return areaStart;
    if (std::abs(start + length - areaEnd) <= distance) return areaEnd - length;
    return start;
}

void SnapWindowToEdge(WINDOWPOS* position, int distance, int flag) {
    LogLine line;
    logBegin(line, "SnapWindowToEdge");
    if (!position) {
        logAdd(line, " null distance=%d flag=%d", distance, flag);
        logEnd(line);
        return;
    }
    logAddWindow(line, position->hwnd);
    logAdd(line, " x=%d y=%d cx=%d cy=%d flags=0x%04X distance=%d flag=%d ->", position->x,
           position->y, position->cx, position->cy, position->flags, distance, flag);
    if (position->flags & SWP_NOMOVE) {
        logAdd(line, " unchanged (SWP_NOMOVE)");
        logEnd(line);
        return;
    }
    int width = position->cx;
    int height = position->cy;
    RECT current;
    if ((position->flags & SWP_NOSIZE) && GetWindowRect(position->hwnd, &current)) {
        width = current.right - current.left;
        height = current.bottom - current.top;
    }
    RECT area;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0)) {
        area.left = area.top = 0;
        area.right = GetSystemMetrics(SM_CXSCREEN);
        area.bottom = GetSystemMetrics(SM_CYSCREEN);
    }
    position->x = snapAxis(position->x, width, area.left, area.right, distance);
    position->y = snapAxis(position->y, height, area.top, area.bottom, distance);
    logAdd(line, " x=%d y=%d", position->x, position->y);
    logEnd(line);
}
