// The plugin's one module-wide record.
#include "plugin/plugin_state.h"

#include "settings/placement_decision.h"

PluginState plugin = [] {
    PluginState initial = {};
    initial.windows.toolSquareWidth = kToolSquareSize;
    initial.windows.toolSquareHeight = kToolSquareSize;
    initial.windows.padWidth = kPadSize;
    initial.windows.padHeight = kPadSize;
    return initial;
}();
