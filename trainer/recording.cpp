// Examples on disk: saving a canvas stroke for the selected slot, reading every slot's examples, deleting one.
#include "trainer/recording.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "training/stroke_file.h"
#include "training/stroke_file_create.h"
#include "trainer/trainer_host.h"
#include "trainer/trainer_logic.h"
#include "trainer/trainer_state.h"
#include "trainer/trainer_window.h"

void recordStroke(const std::vector<ScreenPoint>& points) {
    int slot = trainer.selected;
    if (slot == kNoSelection) return;
    char folder[kRcPathSize + 8];
    CreateDirectoryA(trainer.examplesDir, nullptr);
    std::snprintf(folder, sizeof folder, "%s\\%d", trainer.examplesDir, slot);
    CreateDirectoryA(folder, nullptr);
    std::snprintf(folder, sizeof folder, "%s\\%d\\", trainer.examplesDir, slot);
    char name[kStrokeNameSize];
    FILE* file = createNextStrokeFile(folder, name);
    char status[kTrainerStatusSize];
    if (!file) {
        std::snprintf(status, sizeof status, "Trainer -> cannot create an example for slot %d", slot);
        showStatus(status);
        return;
    }
    std::fprintf(file, "# drawn on the trainer's canvas for slot %d; the first point is the press\n", slot);
    bool written = true;
    for (const ScreenPoint& point : points) written = writeStrokePoint(file, point) && written;
    written = std::fclose(file) == 0 && written;
    std::snprintf(status, sizeof status, written ? "Trainer -> recorded trazzle-examples/%d/%s"
                                                 : "Trainer -> trazzle-examples/%d/%s not written", slot, name);
    showStatus(status);
    loadExamples();
    refreshTrainer();
}

void loadExamples() {
    std::vector<Example> all;
    std::string problem;
    std::vector<std::string> skipped;
    readExampleFolders(trainer.examplesDir, all, skipped, problem);  // what could be read is shown
    for (int& count : trainer.exampleCounts) count = 0;
    trainer.slotExamples.clear();
    for (const Example& example : all) {
        ++trainer.exampleCounts[example.slot];
        if (example.slot != trainer.selected) continue;
        ExampleStroke stroke;
        stroke.file = example.file;
        stroke.text = example.text;
        readStrokeFile(example.file.c_str(), nullptr, stroke.points, problem);
        stroke.marked = exampleMarked(trainer.table, example.slot, example.text);
        trainer.slotExamples.push_back(stroke);
    }
    if (trainer.selectedExample >= static_cast<int>(trainer.slotExamples.size())) trainer.selectedExample = kNoSelection;
}

void deleteSelectedExample() {
    if (trainer.selectedExample == kNoSelection) return;
    const std::string& file = trainer.slotExamples[trainer.selectedExample].file;
    char status[kTrainerStatusSize];
    size_t slash = file.find_last_of("/\\");
    std::snprintf(status, sizeof status, DeleteFileA(file.c_str()) ? "Trainer -> deleted %d/%s" : "Trainer -> cannot delete %d/%s",
                  trainer.selected, file.substr(slash + 1).c_str());
    showStatus(status);
    trainer.selectedExample = kNoSelection;
    loadExamples();
    refreshTrainer();
}
