// The plugin's one module-wide record and the style values every painter reads from it.
#include "plugin_state/plugin_state.h"

#include <cstring>

PluginState plugin = [] {
    PluginState initial = {};
    initial.windows.toolSquareWidth = 20;
    initial.windows.toolSquareHeight = 20;
    initial.windows.padWidth = 450;
    initial.windows.padHeight = 450;
    return initial;
}();

static COLORREF colourAt(int offset) {
    // Little-endian COLORREF, read bytewise so the record's alignment does not matter.
    const unsigned char* bytes = plugin.style.styleRecord + offset;
    return static_cast<COLORREF>(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                                 (static_cast<uint32_t>(bytes[3]) << 24));
}

COLORREF styleCornerColour() { return colourAt(20); }
COLORREF styleTextColour() { return colourAt(24); }

int32_t styleTextInset() { return plugin.style.styleInsetA + plugin.style.styleInsetB + 2; }
