// What trazzle, the recorder and the trainer ask of the host alike: their rc file found through it, settings read through it, status texts shown.
#pragma once

#include <windows.h>

#include "settings/settings_loader.h"

// Finds the rc file for the plugin `module` the way trazzle does (beside the plugin, then
// beside the host; see locateRcFile). A module path that does not fit is no folder to look in.
void locateRcThroughHost(HINSTANCE module, char (&rcPath)[kRcPathSize]);

// Reads values of the file `rcPath` through the host's ReadInt, ReadBool and ReadString;
// `rcPath` must outlive the reader. A text is copied at once, cut to the caller's buffer, and a
// null answer reads as empty.
SettingsReader hostSettingsReader(const char* rcPath);

// Shows `text` in the host's status label.
void sendHostStatus(HWND hostWindow, const char* text);
