// The selected slot's examples read, marked and judged on a thread of their own, so a full slot never holds up the window; shown once read.
//
// A slot of 999 examples took the window thread 200 to 400 ms to read and judge (the shape
// findings draw each example a dozen ways). The listing stays on the window thread, so the
// counts that Clear, Move and the slot rows use are never behind; only the reading moves.
#include "trainer/slot_reader.h"

#include <cstdio>

#include "training/example_folders.h"
#include "training/shape_clash.h"
#include "training/shape_stability.h"
#include "training/stroke_variants.h"
#include "trainer/examples_strip.h"
#include "trainer/trainer_host.h"
#include "trainer/trainer_logic.h"
#include "trainer/trainer_state.h"
#include "trainer/trainer_view.h"

namespace {

// The reader's thread: touches only its job, then tells the window.
DWORD WINAPI readThread(void* parameter) {
    SlotReadJob* job = static_cast<SlotReadJob*>(parameter);
    std::vector<Example> drawn;
    for (const std::string& file : job->files) {
        if (learnCancelled(&job->cancel)) break;
        ExampleStroke stroke = {file, "", {}, false, ""};
        std::string problem;
        if (!readExampleFile(file, stroke.points, problem)) {
            job->unreadable.push_back({job->slot, file, problem});
            continue;
        }
        stroke.text = strokeText(stroke.points);
        stroke.marked = exampleMarked(job->table, job->slot, stroke.text);
        if (stroke.marked) stroke.launches = launchCaption(job->table, stroke.text);
        drawn.push_back({job->slot, exampleName(job->slot, file), stroke.text, strokeVariantTexts(stroke.points)});
        job->examples.push_back(std::move(stroke));
    }
    if (!learnCancelled(&job->cancel)) job->shapeLines = shapeFindings(drawn);
    if (!learnCancelled(&job->cancel)) {
        // Every slot's examples, as a clash needs both sides: read here, as they may be many.
        std::vector<Example> all;
        std::vector<UnreadableExample> unreadable;  // each slot's are named when it is selected
        std::vector<std::string> warnings;
        std::string problem;
        readExampleFolders(job->examplesDir.c_str(), all, unreadable, warnings, problem, &job->cancel);
        job->clashLines = clashFindings(all, job->slot);
    }
    PostMessageA(job->doneWindow, kSlotRead, 0, reinterpret_cast<LPARAM>(job));
    return 0;
}

void startJob(SlotReadJob* job) {
    trainer.runningRead = job;
    trainer.slotReadThread = CreateThread(nullptr, 0, readThread, job, 0, nullptr);
    if (!trainer.slotReadThread) readThread(job);  // no thread to be had: read here, shown all the same
}

// The running job's thread has ended, or is about to: kSlotRead is its last act, or it was
// told to give up and looks at that between files.
void endRunningJob() {
    if (trainer.slotReadThread) {
        WaitForSingleObject(trainer.slotReadThread, INFINITE);
        CloseHandle(trainer.slotReadThread);
        trainer.slotReadThread = nullptr;
    }
    delete trainer.runningRead;
    trainer.runningRead = nullptr;
}

void setStripText(int slot, const char* what, size_t count) {
    char text[64];
    std::snprintf(text, sizeof text, "slot %d: %s%d example%s", slot, what, static_cast<int>(count), count == 1 ? "" : "s");
    SetWindowTextA(trainer.windows.examples, text);
}

void showRead(SlotReadJob& job) {
    int slot = job.slot;
    trainer.slotExamples.swap(job.examples);
    trainer.shapeLines.swap(job.shapeLines);
    trainer.clashLines.swap(job.clashLines);
    for (const UnreadableExample& file : job.unreadable) trainer.unreadable[slot].push_back(file);
    if (trainer.selectedExample >= static_cast<int>(trainer.slotExamples.size())) trainer.selectedExample = kNoSelection;
    if (job.toEnd) trainer.examplesTopRow = kExamplesEnd;
    updateExamplesStrip();
    InvalidateRect(trainer.windows.slotList, nullptr, FALSE);  // its mark for files that cannot be shown
    if (trainer.findingsOfSlot && !trainer.suggesting) showSlotFindings();
    char status[kTrainerStatusSize];
    if (trainer.sayUnreadable && unreadableStatus(slot, trainer.unreadable[slot], status)) showStatus(status);
    trainer.sayUnreadable = false;
    if (trainer.clashToSay == slot && !trainer.clashLines.empty())
        showStatus(("Trainer -> " + trainer.clashLines.front()).c_str());
    trainer.clashToSay = kNoSelection;
    // Last, so whoever waits for the strip to say so finds everything above done.
    setStripText(slot, "", trainer.slotExamples.size());
}

}  // namespace

void startSlotRead(const std::vector<std::string>& files) {
    int slot = trainer.selected;
    if (trainer.examplesSlot != slot) {
        // Another slot's thumbnails would be taken for this one's until it is read.
        trainer.slotExamples.clear();
        trainer.shapeLines.clear();
        trainer.clashLines.clear();
        trainer.examplesSlot = slot;
    }
    SlotReadJob* job = new SlotReadJob();
    job->slot = slot;
    job->generation = ++trainer.readGeneration;
    job->files = files;
    job->table = trainer.table;
    job->examplesDir = trainer.examplesDir;
    job->doneWindow = trainer.windows.main;
    job->toEnd = trainer.examplesTopRow == kExamplesEnd;
    setStripText(slot, "reading ", files.size());
    if (!trainer.runningRead) return startJob(job);
    // The running one is of no use now; the strip is to end where either asked it to.
    trainer.runningRead->cancel = true;
    if (trainer.nextRead) {
        job->toEnd = job->toEnd || trainer.nextRead->toEnd;
        delete trainer.nextRead;
    }
    job->toEnd = job->toEnd || trainer.runningRead->toEnd;
    trainer.nextRead = job;
}

void finishSlotRead(LPARAM done) {
    SlotReadJob* job = reinterpret_cast<SlotReadJob*>(done);
    if (!job || job != trainer.runningRead) return;  // one the plugin's stop dropped
    if (!trainer.nextRead && job->generation == trainer.readGeneration && job->slot == trainer.selected) showRead(*job);
    endRunningJob();
    SlotReadJob* next = trainer.nextRead;
    trainer.nextRead = nullptr;
    if (next) startJob(next);
}

void releaseSlotReading() {
    if (trainer.runningRead) {
        trainer.runningRead->cancel = true;
        endRunningJob();
    }
    delete trainer.nextRead;
    trainer.nextRead = nullptr;
}
