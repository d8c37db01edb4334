// The plugin's private copy of the host's style: record, two insets and a font made from it.
#include "ui/style_snapshot.h"

#include "plugin_state/plugin_state.h"
#include "ui/style_drawing.h"

void takeStyleSnapshot() { takeStyleSnapshotOf(plugin.style); }

void drawStyleCaption(HDC dc, RECT area, const char* text) { drawStyleCaptionWith(plugin.style, dc, area, text); }
