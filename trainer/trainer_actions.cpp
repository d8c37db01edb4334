// What the trainer's controls and its broadcasts do: show, select, record, edit a field, browse, delete, learn, apply, clear, move and set trazzle's settings; the work is done below them, its outcome shown here.
#include "trainer/trainer_actions.h"

#include <windows.h>

#include <commdlg.h>

#include <cstdio>
#include <string>

#include "settings/settings_loader.h"
#include "trainer/settings_row.h"
#include "training/rc_slot_lines.h"
#include "contract/vantrel.h"
#include "trainer/canvas.h"
#include "trainer/examples_strip.h"
#include "trainer/history_strokes.h"
#include "trainer/learn_worker.h"
#include "trainer/recording.h"
#include "trainer/suggestions.h"
#include "trainer/trainer_host.h"
#include "trainer/trainer_logic.h"
#include "trainer/trainer_state.h"
#include "trainer/trainer_view.h"

namespace {


// While recording the button names the slot the strokes go to, and the canvas is framed red.
void showRecordingState() {
    char caption[32];
    if (trainer.recording) std::snprintf(caption, sizeof caption, "Recording slot %d", trainer.selected);
    else std::snprintf(caption, sizeof caption, "%s", kRecordCaption);
    SetWindowTextA(trainer.windows.recordButton, caption);
    SendMessageA(trainer.windows.recordButton, BM_SETCHECK, trainer.recording ? BST_CHECKED : BST_UNCHECKED, 0);
    showCanvasRecording();
}

}  // namespace

void showTrainer(bool show) { ShowWindow(trainer.windows.main, show ? SW_SHOW : SW_HIDE); }

void selectSlot(int slot) {
    // Strokes meant for one slot must not go on into another unnoticed.
    bool stopRecording = trainer.recording && slot != trainer.selected;
    trainer.selected = slot;
    trainer.selectedExample = kNoSelection;
    trainer.examplesTopRow = 0;
    SendMessageA(trainer.windows.slotList, LB_SETCURSEL, static_cast<WPARAM>(slot), 0);
    if (stopRecording) {
        trainer.recording = false;
        showRecordingState();
        char status[kTrainerStatusSize];
        std::snprintf(status, sizeof status, "Trainer -> recording off: slot %d selected; Record records its examples", slot);
        showStatus(status);
    }
    trainer.sayUnreadable = true;  // once its examples are read
    refreshTrainer(kChangedSelectedSlot);
    showSlotFindings();
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
    showRecordingState();
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
    fieldStatus(result, trainer.rcPath, slot, kSlotFieldNames[field], value, status);
    showOutcome({status, kChangedSelectedSlot});  // the marks follow the new texts
    showSlotFindings();
}

void giveGesture(const char* text) {
    if (trainer.selected == kNoSelection) {
        char status[kTrainerStatusSize];
        std::snprintf(status, sizeof status, "Trainer -> select a slot to give it |%s|", text);
        showStatus(status);
        return;
    }
    SetWindowTextA(fieldEdit(kSlotGesture), text);
    commitField(kSlotGesture);
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
    case kTrainerRefused: showStatus(command.why); break;
    case kTrainerShow: showTrainer(true); break;
    case kTrainerHide: showTrainer(false); break;
    case kTrainerSelect: selectSlot(command.slot); break;
    case kTrainerRecordOn: setRecording(true); break;
    case kTrainerRecordOff: setRecording(false); break;
    case kTrainerLearn: startLearning(); break;
    case kTrainerApply: applyLearned(); break;
    case kTrainerClear: clearSlot(command.slot); break;
    case kTrainerMove: moveExampleTo(command.slot, command.file, command.target); break;
    case kTrainerHotkey: setHotkey(command.code); break;
    case kTrainerPadShow: setSwitch(kSwitchPadShow, command.on); break;
    case kTrainerPadTips: setSwitch(kSwitchPadTips, command.on); break;
    case kTrainerToolSquare: setSwitch(kSwitchToolSquare, command.on); break;
    case kTrainerSuggest: showSuggestions(); break;
    case kTrainerHistoryAssign: assignHistory(command.file, command.target); break;
    case kTrainerHistoryDelete: deleteHistory(command.file); break;
    case kTrainerDeleteAll: deleteAllExamples(command.slot); break;
    case kTrainerFreeSlots: setFreeSlots(command.code); break;
    }
}

// The outcome of a change to the examples on disk; the selected slot's findings (which of its
// examples are fragile) follow at once.
static void showExamplesOutcome(const TrainerOutcome& outcome) {
    showOutcome(outcome);
    if (outcome.change != kChangedNothing) showSlotFindings();
}

void recordStroke(const std::vector<ScreenPoint>& points, const char* text) {
    TrainerOutcome outcome = saveStroke(points, text);
    if (outcome.change != kChangedNothing) trainer.examplesTopRow = kExamplesEnd;  // the new one in view
    showExamplesOutcome(outcome);
}

void deleteSelectedExample() { showExamplesOutcome(removeSelectedExample()); }

void deleteAllExamples(int slot) { showExamplesOutcome(removeSlotExamples(slot)); }

void askDeleteAllExamples() {
    int slot = trainer.selected;
    if (slot == kNoSelection) return;
    if (trainer.exampleCounts[slot] == 0) {
        char status[kTrainerStatusSize];
        std::snprintf(status, sizeof status, "Trainer -> slot %d has no examples to delete", slot);
        return showStatus(status);
    }
    char question[128];
    std::snprintf(question, sizeof question, "Delete all %d examples of slot %d?", trainer.exampleCounts[slot], slot);
    if (MessageBoxA(trainer.windows.main, question, "Trazzle Trainer", MB_OKCANCEL | MB_ICONQUESTION) == IDOK)
        deleteAllExamples(slot);
}

void startLearning() { showOutcome(startLearnJob(trainer.windows.main)); }

void finishLearning() {
    LearnEnd end = finishLearnJob();
    if (!end.report.empty()) showFindings(end.report.c_str());
    if (!end.status.empty()) showStatus(end.status.c_str());
    for (const std::string& status : end.takenStatuses) showStatus(status.c_str());
    InvalidateRect(trainer.windows.slotList, nullptr, FALSE);  // the slots whose examples are taken are marked
    if (end.applyNow) applyLearned();
}

void applyLearned() { showOutcome(applyLearnedJob()); }

void clearSlot(int slot) {
    if (slot == kNoSelection) {
        showStatus("Trainer -> select a slot to clear it");
        return;
    }
    RcWriteResult result = {kRcWritten, ""};
    bool hasExamples[kGestureSlotCount];
    slotsWithExamples(trainer.exampleCounts, hasExamples);
    if (clearSlotLines(trainer.rcPath, slot, hasExamples, result)) reconfigureTrazzle();
    char status[kTrainerStatusSize];
    clearStatus(result, trainer.rcPath, slot, status);
    showOutcome({status, kChangedEverySlot});
    showSlotFindings();
}

void moveExampleTo(int from, const char* fileName, int to) { showExamplesOutcome(moveExample(from, fileName, to)); }

void moveSelectedExampleTo(int to) {
    if (trainer.selectedExample == kNoSelection || to == trainer.selected) return;
    const std::string& file = trainer.slotExamples[trainer.selectedExample].file;
    size_t slash = file.find_last_of("/\\");
    moveExampleTo(trainer.selected, file.substr(slash == std::string::npos ? 0 : slash + 1).c_str(), to);
}

// A setting is told as stored only once trazzle's file reads so through the host; otherwise the
// status says why, as the rc writer finds the file.
void showNotStored(const char* what) {
    RcWriteResult why = {kRcWritten, ""};
    rcCheckWritable(trainer.rcPath, why);
    char status[kTrainerStatusSize];
    notStoredStatus(what, why, trainer.rcPath, status);
    showStatus(status);
}
void assignHistory(const char* name, int slot) { showExamplesOutcome(assignHistoryStroke(name, slot)); }

void deleteHistory(const char* name) { showExamplesOutcome(deleteHistoryStroke(name)); }

void setHotkey(int code) {
    std::string refusal = hotkeyRefusal(code);
    if (!refusal.empty()) {
        showStatus(("Trainer -> hotkey not stored: " + refusal).c_str());
        return;
    }
    writeTrazzleInt(kKeyHotkey, code);
    showSettings();
    if (trainer.settings.storedHotkey != code) return showNotStored("hotkey");
    showStatus(("Trainer -> hotkey: " + hotkeyName(code)).c_str());
}

void setSwitch(TrainerSwitch which, bool on) {
    static const struct {
        const char* key;
        const char* name;
        bool PluginSettings::*setting;
    } kSwitches[] = {{kKeyPadShow, "pad shown", &PluginSettings::padShow},
                     {kKeyPadTips, "pad labels", &PluginSettings::padTips},
                     {kKeyToolSquareShow, "tool square", &PluginSettings::toolSquareShow}};
    writeTrazzleBool(kSwitches[which].key, on);
    showSettings();
    if (trainer.settings.*kSwitches[which].setting != on) return showNotStored(kSwitches[which].name);
    char status[kTrainerStatusSize];
    std::snprintf(status, sizeof status, "Trainer -> %s: %s", kSwitches[which].name, on ? "on" : "off");
    showStatus(status);
}

void setFreeSlots(int count) {
    // The trainer's own key: Learn reads it from the file, so nothing of trazzle's changes.
    WriteInt(trainer.rcPath, kKeyTrainerFreeSlots, count);
    loadFreeSlots();
    showSettings();
    if (trainer.freeSlots != count) return showNotStored("free slots");
    char status[kTrainerStatusSize];
    std::snprintf(status, sizeof status,
                  "Trainer -> free slots: %d kept for new gestures; Learn may give the other open slots to variants", count);
    showStatus(status);
}
