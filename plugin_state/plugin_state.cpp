// The plugin's one module-wide record.
#include "plugin_state/plugin_state.h"

PluginState plugin = [] {
    PluginState initial = {};
    initial.windows.toolSquareWidth = 20;
    initial.windows.toolSquareHeight = 20;
    initial.windows.padWidth = 450;
    initial.windows.padHeight = 450;
    return initial;
}();
