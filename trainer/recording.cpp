// Examples on disk: saving a canvas stroke for the selected slot, counting every slot's examples and reading the selected slot's, deleting one.
#include "trainer/recording.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "training/stroke_file.h"
#include "training/stroke_file_create.h"
#include "training/stroke_variants.h"
#include "rc/file_link.h"
#include "trainer/trainer_logic.h"
#include "trainer/trainer_state.h"

namespace {

// Lists the slot's files: the count, and why those that cannot be examples are not.
void listSlot(int slot, std::vector<std::string>& files) {
    std::vector<std::string> ignored;  // folders inside: trazzle-check --learn names them
    trainer.unreadable[slot].clear();
    listSlotFolder(trainer.examplesDir, slot, files, trainer.unreadable[slot], ignored);
    trainer.exampleCounts[slot] = static_cast<int>(files.size());
}

std::string recordFailed(int slot, bool full) {
    char status[kTrainerStatusSize];
    if (full) {
        std::snprintf(status, sizeof status,
                      "Trainer -> slot %d is full: %d examples (stroke-001.txt to stroke-%03d.txt) are the most a slot "
                      "holds; delete one to record more", slot, kMaxStrokeFiles, kMaxStrokeFiles);
    } else {
        char reason[128] = "";
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, GetLastError(), 0, reason,
                       sizeof reason, nullptr);
        for (char* end = reason + lstrlenA(reason); end > reason && (end[-1] == '\n' || end[-1] == '\r' || end[-1] == '.');)
            *--end = '\0';
        std::snprintf(status, sizeof status, "Trainer -> cannot create an example for slot %d: %s", slot, reason);
    }
    return status;
}

}  // namespace

void loadSelectedExamples() {
    trainer.slotExamples.clear();
    int slot = trainer.selected;
    if (slot == kNoSelection) return;
    std::vector<std::string> files;
    listSlot(slot, files);
    for (const std::string& file : files) {
        ExampleStroke stroke;
        stroke.file = file;
        std::string problem;
        if (!readExampleFile(file, stroke.points, problem)) {
            trainer.unreadable[slot].push_back({slot, file, problem});
            continue;
        }
        stroke.text = strokeText(stroke.points);
        stroke.marked = exampleMarked(trainer.table, slot, stroke.text);
        if (stroke.marked) stroke.launches = launchCaption(trainer.table, stroke.text);
        trainer.slotExamples.push_back(stroke);
    }
    if (trainer.selectedExample >= static_cast<int>(trainer.slotExamples.size())) trainer.selectedExample = kNoSelection;
}

TrainerOutcome saveStroke(const std::vector<ScreenPoint>& points, const char* text) {
    int slot = trainer.selected;
    if (slot == kNoSelection) return {"", kChangedNothing};
    char folder[kRcPathSize + 8];
    CreateDirectoryA(trainer.examplesDir, nullptr);
    std::snprintf(folder, sizeof folder, "%s\\%d", trainer.examplesDir, slot);
    CreateDirectoryA(folder, nullptr);
    std::snprintf(folder, sizeof folder, "%s\\%d\\", trainer.examplesDir, slot);
    char name[kStrokeNameSize];
    bool full = false;
    FILE* file = createNextStrokeFile(folder, name, &full);
    if (!file) return {recordFailed(slot, full), kChangedNothing};
    std::fprintf(file, "# drawn on the trainer's canvas for slot %d; the first point is the press\n", slot);
    bool written = true;
    for (const ScreenPoint& point : points) written = writeStrokePoint(file, point) && written;
    written = std::fclose(file) == 0 && written;
    char shown[kStrokeNameSize + 32], status[kTrainerStatusSize];
    std::snprintf(shown, sizeof shown, "trazzle-examples/%d/%s", slot, name);
    if (written) recordStatus(trainer.table, slot, shown, text, status);
    else std::snprintf(status, sizeof status, "Trainer -> %s not written", shown);
    return {status, kChangedSelectedSlot};
}

void loadExamples() {
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        std::vector<std::string> files;
        if (slot != trainer.selected) listSlot(slot, files);
    }
    loadSelectedExamples();
}

TrainerOutcome removeSelectedExample() {
    if (trainer.selectedExample == kNoSelection) return {"", kChangedNothing};
    const std::string file = trainer.slotExamples[trainer.selectedExample].file;
    std::string shown = exampleName(trainer.selected, file);
    char status[kTrainerStatusSize];
    if (pathIsLink(file.c_str())) {
        // Windows would remove the link, Wine removes what it points to: neither is the
        // trainer's to do, and the file it points to may be anywhere.
        std::snprintf(status, sizeof status, "Trainer -> %s is a link; not deleted", shown.c_str());
    } else {
        std::snprintf(status, sizeof status, DeleteFileA(file.c_str()) ? "Trainer -> deleted %s" : "Trainer -> cannot delete %s",
                      shown.c_str());
    }
    trainer.selectedExample = kNoSelection;
    return {status, kChangedSelectedSlot};
}
