// The plugin's private copy of the host's style: record, two insets and a font made from it.
#include "plugin/style_snapshot.h"

#include "plugin/plugin_state.h"
#include "win32/style_drawing.h"

void takeStyleSnapshot() { takeStyleSnapshotOf(plugin.style); }

void drawStyleCaption(HDC dc, RECT area, const char* text) { drawStyleCaptionWith(plugin.style, dc, area, text); }
