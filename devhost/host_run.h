// The life of the host: log, settings, window, plugins, optional script, message loop, end.
#pragma once

#include "devhost/options.h"

// Runs the host with parsed options; gives the process exit status (0, or 2 when a plugin
// or the script failed, 1 when the host window could not be made).
int runHost(const HostOptions& options);
