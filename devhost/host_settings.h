// The host's own settings from vantrel.rc: the user's editor and the style plugins paint with.
#pragma once

#include <windows.h>

#include <cstdint>

#include "contract/vantrel.h"

struct HostSettings {
    char editor[MAX_PATH];
    VantrelStyle style;    // GetSettingPtr(1)
    int32_t borderWidth;   // GetSettingPtr(12)
    int32_t bevelWidth;    // GetSettingPtr(14)
};

extern HostSettings hostSettings;

// Reads every key of the host's settings file, each missing or malformed one giving its
// default, and logs which file was read. Run at start and on every reconfiguration.
void settingsLoad(const char* path);
