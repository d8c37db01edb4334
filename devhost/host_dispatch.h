// Sending HOST_BROADCAST and HOST_RECONFIGURE to the windows registered for them.
#pragma once

constexpr int kBroadcastTextSize = 512;

// Logs the broadcast, then sends the text (the host's own copy, cut to fit) as HOST_BROADCAST
// with wParam 0 to every window registered for it, logging each delivery first.
void hostBroadcast(const char* text);

// The same for a text of any length (a script's broadcast-file), sent as it is without a
// copy: the caller keeps it unchanged until this returns. A text too long for one log line
// is logged as <N bytes>.
void hostBroadcastWhole(const char* text);

// Reads the host's settings file again, then sends HOST_RECONFIGURE to every window
// registered for it, logging each delivery first.
void hostReconfigure();
