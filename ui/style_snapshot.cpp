// The plugin's private copy of the host's style: record, two insets and a font made from it.
#include "ui/style_snapshot.h"

#include <cstring>

#include "host/vantrel.h"
#include "plugin_state/plugin_state.h"

static int32_t hostInteger(int index) {
    const int32_t* value = static_cast<const int32_t*>(GetSettingPtr(index));
    return value ? *value : 0;
}

void takeStyleSnapshot() {
    StyleSnapshot& style = plugin.style;
    if (style.styleFont) {
        DeleteObject(style.styleFont);
        style.styleFont = nullptr;
    }
    // A host without a style record keeps the previous copy rather than crash the shell.
    if (const void* record = GetSettingPtr(VANTREL_SETTING_STYLE))
        std::memcpy(style.styleRecord, record, sizeof style.styleRecord);
    style.styleInsetA = hostInteger(VANTREL_SETTING_BEVEL_WIDTH);
    style.styleInsetB = hostInteger(VANTREL_SETTING_BORDER_WIDTH);
    style.styleFont = CreateStyleFont(style.styleRecord);
}

void drawStyleCaption(HDC dc, RECT area, const char* text) {
    HGDIOBJ previousFont = SelectObject(dc, plugin.style.styleFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, styleTextColour());
    area.top += styleTextInset();
    DrawTextA(dc, text, -1, &area, DT_CENTER);
    SelectObject(dc, previousFont);
}
