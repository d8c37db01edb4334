// Learn on a thread of its own, so the window keeps answering, and Apply of what it learned.
#pragma once

// Starts learning over every example with the rc file; a Learn while one runs is ignored.
void startLearning();
// Takes the finished job (kLearnDone), shows its report and status.
void finishLearning();
// Writes the learned lines into the rc file (waiting for a Learn still running) and makes
// trazzle read them at once.
void applyLearned();
// Waits for a running job and drops every job (plugin stop).
void releaseLearning();
