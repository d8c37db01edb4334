// The host's own settings from vantrel.rc: the user's editor and the style plugins paint with.
#include "devhost/host_settings.h"

#include <cstdio>
#include <cstring>

#include "devhost/host_log.h"
#include "rc/rc_file.h"

HostSettings hostSettings;

namespace {

// "#RRGGBB" as a COLORREF; false for anything else.
bool parseColour(const char* text, COLORREF& colour) {
    if (std::strlen(text) != 7 || text[0] != '#') return false;
    unsigned value = 0;
    for (int i = 1; i < 7; ++i) {
        char c = text[i];
        unsigned digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return false;
        value = value * 16 + digit;
    }
    colour = RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
    return true;
}

COLORREF readColour(const char* path, const char* key, COLORREF fallback) {
    char text[32];
    if (!rcReadString(path, key, "", text, sizeof text)) return fallback;
    COLORREF colour;
    if (parseColour(text, colour)) return colour;
    LogLine line;
    logBegin(line, "settings-error");
    logAddText(line, key);
    logAddText(line, text);
    logAdd(line, " -> default");
    logEnd(line);
    std::fprintf(stderr, "vantrel: warning: %s: %s needs a colour as #RRGGBB, not \"%s\"\n", path,
                 key, text);
    return fallback;
}

}  // namespace

void settingsLoad(const char* path) {
    LogLine line;
    logBegin(line, "settings");
    logAddText(line, path);
    logAdd(line, GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES ? " missing" : " read");
    logEnd(line);

    HostSettings& s = hostSettings;
    std::memset(&s, 0, sizeof s);
    rcReadString(path, "vantrel.editor:", "notepad.exe", s.editor, sizeof s.editor);

    VantrelStyle& style = s.style;
    style.gradientFrom = readColour(path, "vantrel.style.gradientFrom:", RGB(0x4A, 0x6A, 0x9A));
    style.gradientTo = readColour(path, "vantrel.style.gradientTo:", RGB(0x1E, 0x2E, 0x4A));
    style.gradientVertical = rcReadBool(path, "vantrel.style.gradientVertical:", true) ? 1 : 0;
    style.bevelLight = readColour(path, "vantrel.style.bevelLight:", RGB(0xA0, 0xB8, 0xE0));
    style.bevelDark = readColour(path, "vantrel.style.bevelDark:", RGB(0x0A, 0x14, 0x24));
    style.cornerColour = readColour(path, "vantrel.style.cornerColour:", RGB(0xFF, 0xC0, 0x40));
    style.textColour = readColour(path, "vantrel.style.textColour:", RGB(0xFF, 0xFF, 0xFF));
    style.fontHeight = rcReadInt(path, "vantrel.style.fontHeight:", 13);
    style.fontWeight = rcReadInt(path, "vantrel.style.fontWeight:", FW_BOLD);
    rcReadString(path, "vantrel.style.fontFace:", "Tahoma", style.fontFace, sizeof style.fontFace);
    s.borderWidth = rcReadInt(path, "vantrel.style.borderWidth:", 1);
    s.bevelWidth = rcReadInt(path, "vantrel.style.bevelWidth:", 1);
}
