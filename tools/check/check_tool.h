// trazzle-check's own parts beside the checker: printing, SVG sheets and the --learn report.
#pragma once

#include <cstdio>
#include <string>

#include "engine/gesture_matcher.h"

// Every line trazzle-check prints goes through here: whatever a file holds, control characters
// show as \xNN instead of retitling or clearing the terminal.
void printLine(FILE* out, const std::string& line);

// SVG cheat sheets.
bool writeSlotSheet(const GestureTable& table, const char* path);
bool writeTokenSheet(const char* path);

// Learns slot texts from DIR/N/* stroke files, with RCFILE's slots when given; prints the slot
// lines, the estimate and the examples that fail, and with `apply` writes the lines to RCFILE.
int runLearn(const char* dir, const char* rcPath, bool apply, FILE* out, FILE* err);
