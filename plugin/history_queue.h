// The strokes trazzle handled, queued by the hooks in fixed buffers and kept as files by the tool square's window after the launch.
#pragma once

#include <windows.h>

#include "plugin/plugin_state.h"

// Posted to the tool square when a capture's stroke waits to be written.
constexpr UINT kHistoryQueued = WM_APP + 40;

// At the capture's start: takes a free buffer, when the history is kept, with the first point.
void queueStrokeStart(ScreenPoint point);
// Each pointer move: a copy into the buffer and nothing else, in the hook's path.
inline void queueStrokePoint(ScreenPoint point) {
    QueuedStroke* stroke = historyQueue.current;
    if (!stroke) return;
    if (stroke->count < kHistoryPoints) stroke->points[stroke->count] = point;
    ++stroke->count;  // past the buffer: counted, so the stroke is dropped at the end
}
// At the release, after the launch: what was launched (kNoSlot: nothing), and the window told.
void queueStrokeEnd(int slot);
// Writes every waiting stroke into trazzle-history/ beside the rc file (kHistoryQueued, and at stop).
void writeQueuedStrokes();
