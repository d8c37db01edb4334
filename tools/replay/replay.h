// trazzle-replay: replays a recorded stroke or a gesture text through the engine and reports the outcome.
#pragma once

#include <cstdio>

// The whole command line tool, with its streams passed in so it can run inside tests.
// Returns the exit status: 0 on success (whether or not a slot was chosen), 2 for bad input.
int runReplay(int argc, char** argv, FILE* in, FILE* out, FILE* err);
