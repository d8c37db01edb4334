// Host exports for the host's style: the record and widths, the style font and the gradient.
#define VANTREL_BUILDING_HOST
#include "contract/vantrel.h"

#include <cstring>

#include "devhost/host_log.h"
#include "devhost/host_settings.h"
#include "devhost/style_paint.h"

void* GetSettingPtr(int index) {
    void* result = nullptr;
    LogLine line;
    logBegin(line, "GetSettingPtr");
    logAdd(line, " %d ->", index);
    if (index == VANTREL_SETTING_STYLE) {
        result = &hostSettings.style;
        logAdd(line, " style");
    } else if (index == VANTREL_SETTING_BORDER_WIDTH) {
        result = &hostSettings.borderWidth;
        logAdd(line, " %ld", static_cast<long>(hostSettings.borderWidth));
    } else if (index == VANTREL_SETTING_BEVEL_WIDTH) {
        result = &hostSettings.bevelWidth;
        logAdd(line, " %ld", static_cast<long>(hostSettings.bevelWidth));
    } else {
        logAdd(line, " null");
    }
    logEnd(line);
    return result;
}

// A copy of the record, so a face name without its terminator is read safely.
static VantrelStyle copyStyle(const void* styleRecord) {
    VantrelStyle style;
    std::memcpy(&style, styleRecord, sizeof style);
    style.fontFace[LF_FACESIZE - 1] = '\0';
    return style;
}

HFONT CreateStyleFont(const void* styleRecord) {
    LogLine line;
    logBegin(line, "CreateStyleFont");
    if (!styleRecord) {
        logAdd(line, " null -> null");
        logEnd(line);
        return nullptr;
    }
    VantrelStyle style = copyStyle(styleRecord);
    HFONT font = makeStyleFont(style);
    logAddText(line, style.fontFace);
    logAdd(line, " height=%ld weight=%ld -> %s", static_cast<long>(style.fontHeight),
           static_cast<long>(style.fontWeight), font ? "font" : "null");
    logEnd(line);
    return font;
}

void MakeStyleGradient(HDC dc, const RECT* rect, const void* styleRecord, int bevel) {
    LogLine line;
    logBegin(line, "MakeStyleGradient");
    HWND window = dc ? WindowFromDC(dc) : nullptr;
    if (window) logAddNamedWindow(line, "dc", window);
    else logAdd(line, " dc=%s", dc ? "memory" : "null");
    if (rect) {
        logAdd(line, " rect=%ld,%ld,%ld,%ld", rect->left, rect->top, rect->right, rect->bottom);
    } else {
        logAdd(line, " rect=null");
    }
    logAdd(line, " style=%s bevel=%d", styleRecord ? "record" : "null", bevel);
    logEnd(line);
    if (!dc || !rect || !styleRecord) return;
    paintStyleGradient(dc, *rect, copyStyle(styleRecord), bevel == 1);
}
