// What the trainer's controls and its broadcasts do: show, select, record, edit a field, browse, delete, learn and apply; the work is done below them, its outcome shown here.
#include <windows.h>

#include <commdlg.h>

#include <cstdio>
#include <string>

#include "host/settings_loader.h"
#include "host/vantrel.h"
#include "trainer/canvas.h"
#include "trainer/examples_strip.h"
#include "trainer/learn_worker.h"
#include "trainer/recording.h"
#include "trainer/suggestions.h"
#include "trainer/trainer_host.h"
#include "trainer/trainer_logic.h"
#include "trainer/trainer_state.h"
#include "trainer/trainer_view.h"
#include "trainer/trainer_window.h"

namespace {

const char* const kFieldNames[] = {"gesture", "command", "argument"};

}  // namespace

void showTrainer(bool show) { ShowWindow(trainer.windows.main, show ? SW_SHOW : SW_HIDE); }

void selectSlot(int slot) {
    trainer.selected = slot;
    trainer.selectedExample = kNoSelection;
    trainer.examplesTopRow = 0;
    SendMessageA(trainer.windows.slotList, LB_SETCURSEL, static_cast<WPARAM>(slot), 0);
    refreshTrainer(kChangedSelectedSlot);
    showSlotFindings();
    char status[kTrainerStatusSize];
    if (unreadableStatus(slot, trainer.unreadable[slot], status)) showStatus(status);
}

void setRecording(bool on) {
    if (on && trainer.selected == kNoSelection) {
        showStatus("Trainer -> select a slot to record its examples");
        on = false;
    } else {
        char status[kTrainerStatusSize];
        if (on) std::snprintf(status, sizeof status, "Trainer -> recording examples of slot %d", trainer.selected);
        else std::snprintf(status, sizeof status, "Trainer -> recording off");
        showStatus(status);
    }
    trainer.recording = on;
    SendMessageA(trainer.windows.recordButton, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

void commitField(SlotField field) {
    int slot = trainer.selected;
    if (slot == kNoSelection) return;
    char value[kSlotTextSize];
    GetWindowTextA(fieldEdit(field), value, sizeof value);
    if (std::string(value) == slotField(field, slot)) return;
    char key[kSlotKeySize];
    slotKey(field, slot, key);
    RcWriteResult result = {kRcWritten, ""};
    writeAndReconfigure({{key, value, slotField(field, slot)}}, nullptr, result);
    char status[kTrainerStatusSize];
    fieldStatus(result, trainer.rcPath, slot, kFieldNames[field], value, status);
    showOutcome({status, kChangedSelectedSlot});  // the marks follow the new texts
    showSlotFindings();
}

void browseCommand() {
    if (trainer.selected == kNoSelection) return;
    char path[MAX_PATH];
    std::snprintf(path, sizeof path, "%s", trainer.table.commands[trainer.selected]);
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = trainer.windows.main;
    dialog.lpstrFilter = "Programs\0*.exe;*.bat;*.cmd\0All files\0*.*\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&dialog)) return;
    SetWindowTextA(trainer.windows.commandEdit, path);
    commitField(kSlotCommand);
}

void handleTrainerBroadcast(const char* text) {
    TrainerCommand command = decideTrainerBroadcast(text);
    if (command.action == kTrainerIgnored) return;
    takeCanvasInput();  // strokes drawn before the command come first
    switch (command.action) {
    case kTrainerIgnored: break;
    case kTrainerShow: showTrainer(true); break;
    case kTrainerHide: showTrainer(false); break;
    case kTrainerSelect: selectSlot(command.slot); break;
    case kTrainerRecordOn: setRecording(true); break;
    case kTrainerRecordOff: setRecording(false); break;
    case kTrainerLearn: startLearning(); break;
    case kTrainerApply: applyLearned(); break;
    case kTrainerSuggest: showSuggestions(); break;
    }
}

void recordStroke(const std::vector<ScreenPoint>& points) {
    TrainerOutcome outcome = saveStroke(points);
    if (outcome.change != kChangedNothing) trainer.examplesTopRow = kExamplesEnd;  // the new one in view
    showOutcome(outcome);
}

void deleteSelectedExample() { showOutcome(removeSelectedExample()); }

void startLearning() { showOutcome(startLearnJob(trainer.windows.main)); }

void finishLearning() {
    LearnEnd end = finishLearnJob();
    if (!end.report.empty()) showFindings(end.report.c_str());
    if (!end.status.empty()) showStatus(end.status.c_str());
    if (end.applyNow) applyLearned();
}

void applyLearned() { showOutcome(applyLearnedJob()); }
