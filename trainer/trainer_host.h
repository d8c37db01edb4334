// What the trainer asks of the host and of trazzle: status texts, trazzle's configuration read through the host, rc writes, reconfiguration.
#pragma once

#include <windows.h>

#include <vector>

#include "rc/rc_file.h"
#include "training/learn_plan.h"

// Finds the rc file trazzle uses (the same search, from the trainer's own module path) and
// the examples folder beside it. False when the module path cannot be had.
bool locateTrainerFiles(HINSTANCE module);

// Reads trazzle's settings and 25 slots through the host's functions.
void loadTrazzleConfiguration();

// The trainer's own key for the slots Learn keeps free, read through the host: not at every
// setting trazzle's are read again for, only when the file may have changed it.
void loadFreeSlots();

// A status for the host's label and the trainer's own status line alike.
void showStatus(const char* text);

// Writes the changes in one atomic replace under the writers' lock, every other line kept; with
// `readAt`, only when every slot still reads as there. Then trazzle is told to read its file
// again and the trainer reads it too. False, with why in `result`, when nothing was written.
bool writeAndReconfigure(const std::vector<RcChange>& changes, const GestureTable* readAt, RcWriteResult& result);

// Tells trazzle to read its file again (HOST_RECONFIGURE to its tool square), and reads it too.
void reconfigureTrazzle();
// One of trazzle's settings written as trazzle writes its own (the host's WriteInt, WriteBool),
// then trazzle reconfigured, so it takes effect at once.
void writeTrazzleInt(const char* key, int value);
void writeTrazzleBool(const char* key, bool value);

// The trainer's window position, under keys of its own; when none is stored, where a window
// of `width` by `height` leaves the host's window in view.
void readTrainerPosition(int width, int height, int& x, int& y);
void writeTrainerPosition(int x, int y);
