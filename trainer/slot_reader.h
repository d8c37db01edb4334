// The selected slot's examples read, marked and judged on a thread of their own, so a full slot never holds up the window; shown once read.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Reads `files` (the selected slot's, as just listed) against the slots as they stand, to be
// shown when done; a reading still running is told to give up, and only the newest is shown.
// The strip says which it shows: "slot 5: reading 6 examples", then "slot 5: 6 examples".
void startSlotRead(const std::vector<std::string>& files);

// kSlotRead: the reader's thread has finished `job`. Shown when it is still the newest reading
// of the selected slot: its examples in the strip, its unreadable files and shape findings in
// the slot's findings (the pane only while it shows them), and after a Select the status
// naming the files that cannot be shown. Dropped otherwise; the next reading starts.
void finishSlotRead(LPARAM job);

// Stops a running reading and drops every one (plugin stop).
void releaseSlotReading();
