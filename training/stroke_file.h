// Stroke files as trazzle-replay, trazzle-check, the recorder and the trainer share them: one point a line, the first the press.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "engine/stroke_tokenizer.h"

// Bounds that keep a hostile input from taking the memory: a real stroke has a few hundred
// points on short lines.
constexpr size_t kMaxStrokeLineLength = 4096;
constexpr size_t kMaxStrokePoints = 1000000;

// Reads PATH ("-": `in`): two decimal integers "x y" a line, separated by blanks, tabs or one
// comma; blank lines and lines starting with # are skipped. False with one line saying what
// is wrong and where ("FILE:LINE: ...", at most 60 characters of the line quoted, control
// characters escaped) in `problem`.
//
// A stroke trazzle handled also says what it launched for it, in a comment line that readers
// of plain strokes skip like any other: "# launched: slot 3 C:\Windows\notepad.exe" or
// "# launched: nothing". Given `launch`, that line is read into it (known stays false when the
// file holds none, as an example drawn on the canvas or by the recorder).
struct StrokeLaunch {
    bool known;
    int slot;             // kNoSlot: nothing was launched
    std::string command;  // the slot's command as it stood then
};
bool readStrokeFile(const char* path, FILE* in, std::vector<ScreenPoint>& points, std::string& problem,
                    StrokeLaunch* launch = nullptr);

// Writes the launch line of a handled stroke (`slot` kNoSlot: nothing); false when the write failed.
bool writeStrokeLaunch(FILE* file, int slot, const char* command);

// Writes one point as a line the reader takes back exactly; false when the write failed.
bool writeStrokePoint(FILE* file, ScreenPoint point);
