// What a HOST_BROADCAST text asks of the plugin, decided without touching any window or file.
#pragma once

#include <cstdint>

#include "settings/plugin_settings.h"

enum BroadcastAction : int32_t {
    kBroadcastIgnored,
    kBroadcastShowPlugins,
    kBroadcastHidePlugins,
    kBroadcastToggle,   // a boolean setting flips: see `toggle`
    kBroadcastSetAlpha, // `alpha` is the new transparencyAlpha
    kBroadcastEdit,
    kBroadcastAbout,
};

// A boolean setting that a broadcast word flips and the rc key it is written back to.
struct ToggleCommand {
    const char* word;
    bool PluginSettings::*setting;
    const char* rcKey;
};

struct BroadcastDecision {
    BroadcastAction action;
    const ToggleCommand* toggle;  // for kBroadcastToggle
    const char* word;             // the sub-command as received (letter case kept), for the status text
    int32_t alpha;                // for kBroadcastSetAlpha
};

constexpr char kBroadcastPrefix[] = "@trazzleInternal";

BroadcastDecision decideBroadcast(const char* text);

// The word of a broadcast "PREFIX WORD" sent to `prefix`: the prefix matched without regard to
// letter case, the blanks after it skipped (tabs are not); null when the text is not sent to it.
// trazzle's and the trainer's broadcasts are both read so.
const char* broadcastWord(const char* text, const char* prefix);

// A decimal integer as text-to-integer conversion reads it (leading white space, an optional
// sign, digits up to the first other character, none gives 0), but saturated at the signed
// 32-bit limits instead of overflowing.
int32_t parseLeadingInteger(const char* text);
