// Learn on a thread of its own, so the window keeps answering, and Apply of what it learned.
#include "trainer/learn_worker.h"

#include <windows.h>

#include <cstdio>

#include "host/vantrel.h"

#include "trainer/recording.h"
#include "trainer/trainer_host.h"
#include "trainer/trainer_logic.h"
#include "trainer/trainer_state.h"
#include "trainer/trainer_window.h"

namespace {

// The learner's thread: touches only its job, then tells the window.
DWORD WINAPI learnThread(void* parameter) {
    LearnJob* job = static_cast<LearnJob*>(parameter);
    job->ok = loadRcFile(job->rcPath, job->rc, job->problem) == kFileRead &&
              learnFromFolders(job->examplesDir, &job->rc, job->outcome, job->problem);
    PostMessageA(trainer.windows.main, kLearnDone, 0, 0);
    return 0;
}

void waitForJob() {
    if (!trainer.learnThread) return;
    WaitForSingleObject(trainer.learnThread, INFINITE);
    CloseHandle(trainer.learnThread);
    trainer.learnThread = nullptr;
    delete trainer.learned;
    trainer.learned = trainer.runningJob;
    trainer.runningJob = nullptr;
}

}  // namespace

void startLearning() {
    if (trainer.learnThread) return;
    LearnJob* job = new LearnJob();
    std::snprintf(job->rcPath, sizeof job->rcPath, "%s", trainer.rcPath);
    std::snprintf(job->examplesDir, sizeof job->examplesDir, "%s", trainer.examplesDir);
    FileExists(trainer.rcPath);  // the host's noted values go into the file before the learner reads it
    trainer.runningJob = job;
    trainer.learnThread = CreateThread(nullptr, 0, learnThread, job, 0, nullptr);
    if (!trainer.learnThread) {
        trainer.runningJob = nullptr;
        delete job;
        showStatus("Trainer -> cannot start learning");
        return;
    }
    showStatus("Trainer -> learning...");
}

void finishLearning() {
    if (!trainer.learnThread) return;  // already taken by an Apply that waited for it
    waitForJob();
    LearnJob* job = trainer.learned;
    char status[kTrainerStatusSize];
    if (!job->ok) {
        std::snprintf(status, sizeof status, "Trainer -> cannot learn: %s", job->problem.c_str());
        showStatus(status);
        return;
    }
    const Tally& tally = job->outcome.estimate.learned;
    std::snprintf(status, sizeof status, "Trainer -> learned: %d right, %d wrong, %d nothing", tally.right,
                  tally.wrong, tally.nothing);
    showFindings(learnReport(job->outcome, trainer.table).c_str());
    showStatus(status);
}

void applyLearned() {
    finishLearning();
    LearnJob* job = trainer.learned;
    if (!job || !job->ok) {
        showStatus("Trainer -> nothing learned to apply");
        return;
    }
    std::vector<RcChange> changes = learnedChanges(job->outcome.learned, job->outcome.setup, trainer.table);
    char status[kTrainerStatusSize];
    if (!changes.empty() && !writeAndReconfigure(changes)) {
        std::snprintf(status, sizeof status, "Trainer -> cannot write %s", trainer.rcPath);
    } else {
        std::snprintf(status, sizeof status, "Trainer -> applied: %d slots changed", changedSlotCount(changes));
    }
    loadExamples();
    refreshTrainer();
    showStatus(status);
}

void releaseLearning() {
    waitForJob();
    delete trainer.learned;
    trainer.learned = nullptr;
}
