// What the trainer's window shows of its state: the slots, the selected slot's fields, examples and findings, and what an action handed back.
#include "trainer/trainer_view.h"

#include <string>

#include "trainer/examples_strip.h"
#include "trainer/history_strokes.h"
#include "trainer/recording.h"
#include "trainer/settings_row.h"
#include "trainer/suggestions.h"
#include "trainer/trainer_host.h"
#include "trainer/trainer_logic.h"
#include "trainer/trainer_state.h"

namespace {

// The file as it stands: slot lines are written by the rc writer at once, and the host's own
// keys, which may reach the file a moment later, hold no slot findings.
void readFindings() {
    RcFile rc;
    std::string problem;
    if (loadRcFile(trainer.rcPath, rc, problem) == kFileRead) findingsBySlot(rc, trainer.findings);
    else for (auto& findings : trainer.findings) findings.clear();
}

}  // namespace

char* slotField(SlotField field, int slot) {
    GestureTable& t = trainer.table;
    return field == kSlotGesture ? t.gestures[slot] : field == kSlotCommand ? t.commands[slot] : t.arguments[slot];
}

HWND fieldEdit(SlotField field) {
    const TrainerWindows& w = trainer.windows;
    return field == kSlotGesture ? w.gestureEdit : field == kSlotCommand ? w.commandEdit : w.argumentEdit;
}

void refreshTrainer(TrainerChange change) {
    if (change == kChangedEverySlot) loadExamples();
    else if (change == kChangedSelectedSlot) loadSelectedExamples();
    if (change != kChangedNothing) loadHistory();  // an example given from it, or one deleted
    readFindings();
    InvalidateRect(trainer.windows.history, nullptr, FALSE);
    InvalidateRect(trainer.windows.slotList, nullptr, FALSE);
    updateExamplesStrip();
    for (SlotField field : {kSlotGesture, kSlotCommand, kSlotArgument})
        SetWindowTextA(fieldEdit(field), trainer.selected == kNoSelection ? "" : slotField(field, trainer.selected));
    showSettings();
}

void showOutcome(const TrainerOutcome& outcome) {
    if (outcome.change != kChangedNothing) refreshTrainer(outcome.change);
    if (!outcome.status.empty()) showStatus(outcome.status.c_str());
}

void showSlotFindings() {
    if (trainer.selected == kNoSelection) {
        showFindings("");
        return;
    }
    std::string text;
    for (const std::string& finding : takenFindings(trainer.taken, trainer.table, trainer.selected)) text += finding + "\r\n";
    std::vector<std::string> texts;
    for (const ExampleStroke& stroke : trainer.slotExamples) texts.push_back(stroke.text);
    for (const std::string& finding : takenNowFindings(trainer.taken, trainer.table, trainer.selected, texts)) text += finding + "\r\n";
    for (const std::string& finding : trainer.clashLines) text += finding + "\r\n";
    for (const std::string& finding : trainer.findings[trainer.selected]) text += finding + "\r\n";
    for (const UnreadableExample& file : trainer.unreadable[trainer.selected]) text += file.problem + "\r\n";
    for (const std::string& line : trainer.shapeLines) text += line + "\r\n";
    if (text.empty()) text = "trazzle-check has nothing to say about this slot.";
    showFindings(text.c_str());
    trainer.findingsOfSlot = true;
}

void showFindings(const char* text) {
    trainer.findingsOfSlot = false;
    hideSuggestions();
    SetWindowTextA(trainer.windows.findings, text);
}
