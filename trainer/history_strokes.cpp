// The strokes trazzle handled, as the trainer shows them: read newest first, given to a slot as an example, or deleted.
#include "trainer/history_strokes.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "settings/broadcast_decision.h"
#include "rc/letter_case.h"
#include "rc/file_link.h"
#include "trainer/recording.h"
#include "trainer/trainer_state.h"
#include "training/stroke_history.h"
#include "training/stroke_variants.h"

namespace {

// The view shows the recent strokes: reading all 500 at every new one would hold up the host.
constexpr size_t kHistoryShown = 100;

FILETIME folderWritten() {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExA(trainer.historyDir, GetFileExInfoStandard, &data)) return FILETIME{0, 0};
    return data.ftLastWriteTime;
}

// The history file NAME as the folder lists it, or empty: never a name of another folder.
std::string listedPath(const char* name) {
    for (const HistoryFile& file : listHistory(trainer.historyDir)) {
        size_t slash = file.path.find_last_of("/\\");
        if (equalsIgnoringCase(file.path.c_str() + slash + 1, name)) return file.path;
    }
    return "";
}

}  // namespace

void loadHistory() {
    std::string selected = trainer.selectedHistory == kNoSelection ? "" : trainer.history[trainer.selectedHistory].name;
    trainer.historyWritten = folderWritten();
    trainer.history.clear();
    trainer.selectedHistory = kNoSelection;
    std::vector<HistoryFile> files = listHistory(trainer.historyDir);
    for (auto file = files.rbegin(); file != files.rend() && trainer.history.size() < kHistoryShown; ++file) {
        HistoryStroke stroke;
        stroke.file = file->path;
        stroke.name = file->path.substr(file->path.find_last_of("/\\") + 1);
        std::string problem;
        WIN32_FILE_ATTRIBUTE_DATA data;
        // Larger than an example may be: not read, as no example is.
        if (!GetFileAttributesExA(stroke.file.c_str(), GetFileExInfoStandard, &data) || data.nFileSizeHigh ||
            data.nFileSizeLow > kMaxExampleFileSize ||
            !readStrokeFile(stroke.file.c_str(), nullptr, stroke.points, problem, &stroke.launch))
            continue;
        stroke.text = strokeText(stroke.points);
        if (stroke.name == selected) trainer.selectedHistory = static_cast<int>(trainer.history.size());
        trainer.history.push_back(stroke);
    }
    if (trainer.historyFirst >= static_cast<int>(trainer.history.size())) trainer.historyFirst = 0;
}

bool historyChanged() {
    FILETIME now = folderWritten();
    return CompareFileTime(&now, &trainer.historyWritten) != 0;
}

TrainerOutcome assignHistoryStroke(const char* name, int slot) {
    std::string path = listedPath(name);
    std::string shown = std::string("history/") + name;
    if (path.empty()) return {"Trainer -> no history stroke " + std::string(name), kChangedNothing};
    return moveStrokeFile(path.c_str(), shown, slot);
}

TrainerOutcome deleteHistoryStroke(const char* name) {
    std::string path = listedPath(name);
    char status[kTrainerStatusSize];
    if (path.empty()) std::snprintf(status, sizeof status, "Trainer -> no history stroke %s", name);
    else if (pathIsLink(path.c_str())) std::snprintf(status, sizeof status, "Trainer -> history/%s is a link; not deleted", name);
    else std::snprintf(status, sizeof status, DeleteFileA(path.c_str()) ? "Trainer -> deleted history/%s" : "Trainer -> cannot delete history/%s", name);
    return {status, kChangedSelectedSlot};
}
