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
bool readStrokeFile(const char* path, FILE* in, std::vector<ScreenPoint>& points, std::string& problem);

// Writes one point as a line the reader takes back exactly; false when the write failed.
bool writeStrokePoint(FILE* file, ScreenPoint point);
