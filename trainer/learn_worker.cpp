// Learn on a thread of its own, so the window keeps answering, and Apply of what it learned; what the window shows is handed back.
#include "trainer/learn_worker.h"

#include <cstdio>

#include "trainer/trainer_host.h"
#include "trainer/trainer_logic.h"
#include "trainer/trainer_state.h"

namespace {

// The learner's thread: touches only its job, then tells the window.
DWORD WINAPI learnThread(void* parameter) {
    LearnJob* job = static_cast<LearnJob*>(parameter);
    job->ok = loadRcFile(job->rcPath, job->rc, job->problem) == kFileRead &&
              learnFromFolders(job->examplesDir, &job->rc, job->outcome, job->problem, &job->cancel, job->historyDir);
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

TrainerOutcome startLearnJob(HWND doneWindow) {
    if (trainer.learnThread) return {"", kChangedNothing};
    LearnJob* job = new LearnJob();
    std::snprintf(job->rcPath, sizeof job->rcPath, "%s", trainer.rcPath);
    std::snprintf(job->examplesDir, sizeof job->examplesDir, "%s", trainer.examplesDir);
    std::snprintf(job->historyDir, sizeof job->historyDir, "%s", trainer.historyDir);
    job->doneWindow = doneWindow;
    trainer.runningJob = job;
    trainer.learnThread = CreateThread(nullptr, 0, learnThread, job, 0, nullptr);
    if (!trainer.learnThread) {
        trainer.runningJob = nullptr;
        delete job;
        return {"Trainer -> cannot start learning", kChangedNothing};
    }
    return {"Trainer -> learning...", kChangedNothing};
}

LearnEnd finishLearnJob() {
    if (!trainer.learnThread) return {"", "", {}, false};
    takeJob();
    const LearnJob* job = trainer.learned;
    char status[kTrainerStatusSize];
    std::string report;
    std::vector<std::string> takenStatuses;
    if (!job->ok) {
        std::snprintf(status, sizeof status, "Trainer -> cannot learn: %s", job->problem.c_str());
    } else {
        const Tally& tally = job->outcome.estimate.learned;
        std::snprintf(status, sizeof status, "Trainer -> learned: %d right, %d wrong, %d nothing", tally.right,
                      tally.wrong, tally.nothing);
        report = learnReport(job->outcome, job->rc.table);
        trainer.taken.clear();
        for (const TakenExamples& taken :
             examplesTakenByFixedSlots(job->outcome.learned, job->outcome.setup, job->outcome.examples)) {
            trainer.taken.push_back({taken, job->rc.table.gestures[taken.by]});
            takenStatuses.push_back(takenStatus(taken));
        }
    }
    bool applyNow = trainer.applyWhenLearned;
    trainer.applyWhenLearned = false;
    return {status, report, takenStatuses, applyNow};
}

TrainerOutcome applyLearnedJob() {
    if (trainer.learnThread) {
        // Done when the job's message comes, never by waiting for it here.
        trainer.applyWhenLearned = true;
        return {"", kChangedNothing};
    }
    LearnJob* job = trainer.learned;
    if (!job || !job->ok) return {"Trainer -> nothing learned to apply", kChangedNothing};
    // From the file as the learner read it, and written only if its slots still read so: an
    // edit made since Learn is never written over.
    std::vector<std::string> errors;
    std::vector<RcChange> changes = learnedChanges(job->outcome.learned, job->outcome.setup, job->rc, errors);
    if (!errors.empty())
        return {"Trainer -> the learned lines would bring an error, nothing written: " + errors.front(), kChangedNothing};
    RcWriteResult result = {kRcWritten, ""};
    if (!changes.empty()) writeAndReconfigure(changes, &job->rc.table, result);
    char status[kTrainerStatusSize];
    applyStatus(result, trainer.rcPath, changedSlotCount(changes), status);
    if (result.status != kRcWritten) return {status, kChangedNothing};
    // What it proposed is in the file now; another Apply needs another Learn.
    delete trainer.learned;
    trainer.learned = nullptr;
    return {status, kChangedEverySlot};
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
