// trazzle-check: checks an rc file the way the plugin reads it, draws cheat sheets and learns slot texts.
#pragma once

#include <cstdio>

// The whole command line tool, with its streams passed in so it can run inside tests.
// Returns the exit status: 0 nothing to say, 1 warnings only, 2 errors or unreadable input.
int runCheck(int argc, char** argv, FILE* out, FILE* err);
