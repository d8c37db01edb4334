// What a placement does to the two plugin windows, decided from the settings alone.
#pragma once

#include <cstdint>

#include "settings/plugin_settings.h"

constexpr int32_t kToolSquareSize = 20;
constexpr int32_t kPadSize = 450;
constexpr int32_t kPadCentreOffset = kPadSize / 2;  // the pad is centred on the cursor

// Values of the platform's constants, so the decision needs no platform header.
constexpr intptr_t kInsertTopmost = -1;    // HWND_TOPMOST
constexpr intptr_t kInsertNotTopmost = -2; // HWND_NOTOPMOST
constexpr uint32_t kPlaceNoActivate = 0x10;  // SWP_NOACTIVATE
constexpr uint32_t kPlaceShow = 0x40;        // SWP_SHOWWINDOW

struct Placement {
    bool hideToolSquareOnly;   // the host hides its plugins and the tool square goes with them
    int32_t alpha;             // for both windows, 0 to 255
    intptr_t toolSquareInsertAfter;
    uint32_t toolSquareFlags;  // the pad always gets HWND_TOPMOST and SWP_NOACTIVATE alone
};

Placement decidePlacement(const PluginSettings& settings, bool pluginsHidden);
