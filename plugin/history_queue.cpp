// The strokes trazzle handled, queued by the hooks in fixed buffers and kept as files by the tool square's window after the launch.
#include "plugin/history_queue.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "training/stroke_history.h"

void queueStrokeStart(ScreenPoint point) {
    HistoryQueue& q = historyQueue;
    q.current = nullptr;
    if (plugin.settings.historyKeep <= 0 || q.head - q.tail >= kHistoryQueueSize) return;
    q.current = &q.strokes[q.head % kHistoryQueueSize];
    q.current->count = 0;
    queueStrokePoint(point);
}

void queueStrokeEnd(int slot) {
    HistoryQueue& q = historyQueue;
    QueuedStroke* stroke = q.current;
    q.current = nullptr;
    if (!stroke || stroke->count > kHistoryPoints) return;
    stroke->slot = slot;
    std::snprintf(stroke->command, sizeof stroke->command, "%s", slot == kNoSlot ? "" : plugin.table.commands[slot]);
    ++q.head;
    PostMessageA(plugin.windows.toolSquareWindow, kHistoryQueued, 0, 0);
}

namespace {

// What the plugin knows of its history folder between strokes; looked at anew when the rc file moves.
HistoryWriter writer;

}  // namespace

void writeQueuedStrokes() {
    HistoryQueue& q = historyQueue;
    if (q.tail == q.head) return;
    // Beside the rc file, as the trainer's examples are.
    std::string folder = plugin.settings.rcPath;
    size_t slash = folder.find_last_of("\\/");
    folder = (slash == std::string::npos ? std::string() : folder.substr(0, slash + 1)) + kHistoryFolderName;
    if (folder != writer.folder) writer = HistoryWriter{folder, {}, false, 0};
    for (; q.tail != q.head; ++q.tail) {
        const QueuedStroke& stroke = q.strokes[q.tail % kHistoryQueueSize];
        std::string problem;
        keepHistoryStroke(writer, stroke.points, stroke.count, stroke.slot, stroke.command, plugin.settings.historyKeep,
                          problem);
    }
}
