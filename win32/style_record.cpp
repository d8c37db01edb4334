// A private copy of the host's style (record, two insets, a font) and the values painters read from it.
#include "win32/style_record.h"

#include <cstddef>

static COLORREF colourAt(const StyleSnapshot& style, int offset) {
    // Little-endian COLORREF, read bytewise so the record's alignment does not matter.
    const unsigned char* bytes = style.styleRecord + offset;
    return static_cast<COLORREF>(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                                 (static_cast<uint32_t>(bytes[3]) << 24));
}

COLORREF cornerColourOf(const StyleSnapshot& style) {
    return colourAt(style, offsetof(VantrelStyle, cornerColour));
}
COLORREF textColourOf(const StyleSnapshot& style) { return colourAt(style, offsetof(VantrelStyle, textColour)); }

int32_t textInsetOf(const StyleSnapshot& style) { return style.styleInsetA + style.styleInsetB + 2; }
