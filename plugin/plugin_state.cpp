// The plugin's one module-wide record.
#include "plugin/plugin_state.h"

#include "settings/placement_decision.h"

// The windows' sizes never change: set here once, read wherever a window is made or placed.
PluginState plugin = [] {
    PluginState initial = {};
    initial.windows.toolSquareWidth = kToolSquareSize;
    initial.windows.toolSquareHeight = kToolSquareSize;
    initial.windows.padWidth = kPadSize;
    initial.windows.padHeight = kPadSize;
    return initial;
}();

HistoryQueue historyQueue;
