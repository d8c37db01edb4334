// What a placement does to the two plugin windows, decided from the settings alone.
#include "settings/placement_decision.h"

Placement decidePlacement(const PluginSettings& settings, bool pluginsHidden) {
    Placement placement = {};
    placement.hideToolSquareOnly = pluginsHidden && settings.toggleWithPlugins;
    // Only the low 8 bits of a stored alpha count, so 300 gives 44, as the value always did.
    placement.alpha = settings.transparencyEnabled
                          ? static_cast<int32_t>(static_cast<uint32_t>(settings.transparencyAlpha) & 0xFFu)
                          : 255;
    placement.toolSquareInsertAfter = settings.alwaysOnTop ? kInsertTopmost : kInsertNotTopmost;
    placement.toolSquareFlags = kPlaceNoActivate | (settings.toolSquareShow ? kPlaceShow : 0u);
    return placement;
}
