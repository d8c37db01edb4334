// What the trainer's controls and its broadcasts do: show, select, record, edit a field, browse, and show what is known of the slots.
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
#include "trainer/trainer_host.h"
#include "trainer/trainer_logic.h"
#include "trainer/trainer_state.h"
#include "trainer/trainer_window.h"

namespace {

const char* const kFieldNames[] = {"gesture", "command", "argument"};

char* slotField(SlotField field, int slot) {
    GestureTable& t = trainer.table;
    return field == kSlotGesture ? t.gestures[slot] : field == kSlotCommand ? t.commands[slot] : t.arguments[slot];
}

HWND fieldEdit(SlotField field) {
    const TrainerWindows& w = trainer.windows;
    return field == kSlotGesture ? w.gestureEdit : field == kSlotCommand ? w.commandEdit : w.argumentEdit;
}

// The checker's findings on the slot's lines, then the example files that cannot be shown.
void showSlotFindings() {
    if (trainer.selected == kNoSelection) {
        showFindings("");
        return;
    }
    std::string text;
    for (const std::string& finding : trainer.findings[trainer.selected]) text += finding + "\r\n";
    for (const UnreadableExample& file : trainer.unreadable[trainer.selected]) text += file.problem + "\r\n";
    if (text.empty()) text = "trazzle-check has nothing to say about this slot.";
    showFindings(text.c_str());
}

// The file as it stands: slot lines are written by the rc writer at once, and the host's own
// keys, which may reach the file a moment later, hold no slot findings.
void readFindings() {
    RcFile rc;
    std::string problem;
    if (loadRcFile(trainer.rcPath, rc, problem) == kFileRead) findingsBySlot(rc, trainer.findings);
    else for (auto& findings : trainer.findings) findings.clear();
}

}  // namespace

void showTrainer(bool show) { ShowWindow(trainer.windows.main, show ? SW_SHOW : SW_HIDE); }

void selectSlot(int slot) {
    trainer.selected = slot;
    trainer.selectedExample = kNoSelection;
    trainer.examplesTopRow = 0;
    SendMessageA(trainer.windows.slotList, LB_SETCURSEL, static_cast<WPARAM>(slot), 0);
    loadSelectedExamples();
    refreshTrainer();
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
    showStatus(status);
    loadSelectedExamples();  // the marks follow the new texts
    refreshTrainer();
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
    }
}

void refreshTrainer() {
    readFindings();
    const TrainerWindows& w = trainer.windows;
    InvalidateRect(w.slotList, nullptr, FALSE);
    updateExamplesStrip();
    for (SlotField field : {kSlotGesture, kSlotCommand, kSlotArgument})
        SetWindowTextA(fieldEdit(field), trainer.selected == kNoSelection ? "" : slotField(field, trainer.selected));
}

void showFindings(const char* text) { SetWindowTextA(trainer.windows.findings, text); }
