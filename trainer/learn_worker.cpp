// Learn on a thread of its own, so the window keeps answering, and Apply of what it learned.
#include "trainer/learn_worker.h"

#include <windows.h>

#include <cstdio>

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
              learnFromFolders(job->examplesDir, &job->rc, job->outcome, job->problem, &job->cancel);
    PostMessageA(job->doneWindow, kLearnDone, 0, 0);
    return 0;
}

// The job's thread has ended, or is about to: it posted kLearnDone as its last act, or was
// told to stop and looks at that often. Only then is it waited for.
void takeJob() {
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
    job->doneWindow = trainer.windows.main;
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
    if (!trainer.learnThread) return;
    takeJob();
    LearnJob* job = trainer.learned;
    char status[kTrainerStatusSize];
    if (!job->ok) {
        std::snprintf(status, sizeof status, "Trainer -> cannot learn: %s", job->problem.c_str());
        showStatus(status);
    } else {
        const Tally& tally = job->outcome.estimate.learned;
        std::snprintf(status, sizeof status, "Trainer -> learned: %d right, %d wrong, %d nothing", tally.right,
                      tally.wrong, tally.nothing);
        showFindings(learnReport(job->outcome, job->rc.table).c_str());
        showStatus(status);
    }
    if (trainer.applyWhenLearned) {
        trainer.applyWhenLearned = false;
        applyLearned();
    }
}

void applyLearned() {
    if (trainer.learnThread) {
        // Done when the job's message comes, never by waiting for it here.
        trainer.applyWhenLearned = true;
        return;
    }
    LearnJob* job = trainer.learned;
    if (!job || !job->ok) {
        showStatus("Trainer -> nothing learned to apply");
        return;
    }
    // From the file as the learner read it, and written only if its slots still read so: an
    // edit made since Learn is never written over.
    std::vector<RcChange> changes = learnedChanges(job->outcome.learned, job->outcome.setup, job->rc.table);
    RcWriteResult result = {kRcWritten, ""};
    if (!changes.empty()) writeAndReconfigure(changes, &job->rc.table, result);
    char status[kTrainerStatusSize];
    applyStatus(result, trainer.rcPath, changedSlotCount(changes), status);
    if (result.status == kRcWritten) {
        // What it proposed is in the file now; another Apply needs another Learn.
        delete trainer.learned;
        trainer.learned = nullptr;
        loadExamples();
        refreshTrainer();
    }
    showStatus(status);
}

void releaseLearning() {
    if (trainer.learnThread) {
        trainer.runningJob->cancel = true;
        takeJob();
    }
    trainer.applyWhenLearned = false;
    delete trainer.learned;
    trainer.learned = nullptr;
}
