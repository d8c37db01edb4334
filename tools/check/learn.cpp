// trazzle-check --learn: slot texts learned from a person's own example strokes, with an honest estimate and the strokes that fail.
#include <algorithm>
#include <cstring>

#include "tools/check/check_tool.h"
#include "training/example_folders.h"
#include "training/learn_failures.h"
#include "training/shape_clash.h"

namespace {

// An rc line as it pastes into the file: an empty value leaves no blank behind the key.
void printRcLine(FILE* out, SlotField field, int slot, const std::string& value) {
    printLine(out, slotKeyOf(field, slot) + (value.empty() ? "" : " ") + value);
}

// Why a learned slot was left without a text.
std::string emptyReason(const std::vector<LearnExample>& examples, int slot) {
    int count = 0, cornered = 0;
    for (const LearnExample& example : examples)
        if (example.slot == slot && example.drawn) ++count, cornered += !example.text.empty();
    if (count == 0) return "it has no examples";
    if (cornered == 0) return "no example has a corner";
    return "no text its examples share is safe: each would start another slot's command, or "
           "fits too few of them";
}

// The learned slot's examples that launch a slot the rc file keeps: those strokes cannot be
// taught to the learned slot, which the person should know.
void printTakenByRc(const std::vector<TakenExamples>& taken, const SlotTexts& learned, const RcFile* rc, int slot,
                    FILE* out) {
    for (const TakenExamples& t : taken)
        if (t.slot == slot)
            printLine(out, textf("# slot %d: %d of its examples launch slot %d %s, whose text \"%s\" the rc file "
                                 "gives it; slot %d cannot take them",
                                 slot, t.count, t.by, slotFileName(rc->table, t.by).c_str(),
                                 learned.texts[t.by].c_str(), slot));
}

void printConfiguration(const SlotTexts& learned, const LearnSetup& setup,
                        const std::vector<LearnExample>& examples, const RcFile* rc, FILE* out) {
    std::vector<TakenExamples> taken = examplesTakenByFixedSlots(learned, setup, examples);
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        if (rc && setup.roles[slot] == kSlotFixed && rc->table.commands[slot][0] == '\0') {
            bool hasExamples = false;
            for (const LearnExample& example : examples) hasExamples = hasExamples || example.slot == slot;
            if (hasExamples) printLine(out, textf("# slot %d not learned: it has no command; give it one first", slot));
        }
        if (setup.roles[slot] != kSlotLearned) continue;
        const std::string& current = setup.currentTexts[slot];
        if (learned.texts[slot].empty() && !current.empty()) {
            printLine(out, textf("# slot %d emptied: its text \"%s\" did more harm than good on examples it was "
                                 "not learned from",
                                 slot, current.c_str()));
            printRcLine(out, kSlotGesture, slot, "");
        } else if (learned.texts[slot].empty()) {
            printLine(out, textf("# slot %d left empty: ", slot) + emptyReason(examples, slot));
        } else {
            printRcLine(out, kSlotGesture, slot, learned.texts[slot]);
        }
        if (rc) printTakenByRc(taken, learned, rc, slot, out);
    }
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        if (setup.roles[slot] != kSlotFree || learned.texts[slot].empty()) continue;
        int owner = learned.owners[slot], of = 0;
        int count = variantServes(learned, examples, slot, &of);
        printLine(out, textf("# variant of slot %d, for %d of its %d examples%s", owner, count, of,
                             count == 0 ? " (and for how they may be drawn next)" : ""));
        printRcLine(out, kSlotGesture, slot, learned.texts[slot]);
        printRcLine(out, kSlotCommand, slot, rc->table.commands[owner]);
        printRcLine(out, kSlotArgument, slot, rc->table.arguments[owner]);
    }
}

// One line a pair of slots whose shapes share texts, so that one takes the other's strokes.
void printClashes(const LearnOutcome& outcome, FILE* out) {
    for (const ShapeClash& clash : shapeClashes(outcome.examples))
        printLine(out, "# " + clashLine(clash, newerSlot(outcome.files, clash.a, clash.b)));
}

void printFailures(const LearnOutcome& outcome, const RcFile* rc, FILE* out) {
    for (size_t i : failingExamples(outcome))
        printLine(out, "# " + failureLine(outcome, rc ? &rc->table : nullptr, i, outcome.files[i].file));
}

// Writes the learned slots and variants into the rc file in one replace, and says what changed.
// The file is read again under the writers' lock: a slot changed since learning began (a text
// typed while the learner ran) is never written over.
int applyToRcFile(const LearnOutcome& outcome, const RcFile& rc, FILE* out, FILE* err) {
    // The learner never proposes what the checker reports as an error; should it ever, the file
    // is left as it is.
    std::vector<std::string> errors;
    std::vector<RcChange> changes = learnedChanges(outcome.learned, outcome.setup, rc, errors);
    for (const std::string& error : errors)
        printLine(err, "trazzle-check: error: the learned lines would bring an error, nothing written: " + error);
    if (!errors.empty()) return 2;
    if (changes.empty()) {
        printLine(out, std::string("applied: ") + rc.path + " already holds these texts");
        return 0;
    }
    RcWriteResult result;
    if (!writeRcChanges(rc.path, changes, &rc.table, result)) {
        if (result.status == kRcChanged) {
            printLine(err, std::string("trazzle-check: error: \"") + rc.path +
                               "\" changed while learning; nothing written: learn again");
            return 1;
        }
        printLine(err, std::string("trazzle-check: error: cannot write \"") + rc.path + "\": " + result.reason);
        return 2;
    }
    for (const RcChange& change : changes)
        printLine(out, "applied: " + change.key + " " + change.value + " (was \"" + change.was + "\")");
    return 0;
}

}  // namespace

int runLearn(const char* dir, const char* rcPath, bool apply, FILE* out, FILE* err) {
    RcFile rc;
    RcWriteResult writable;
    // A pipe as the file to apply to would be read once here and block the write: refused first.
    if (apply && !rcCheckWritable(rcPath, writable)) {
        printLine(err, std::string("trazzle-check: error: cannot apply to \"") + rcPath + "\": " + writable.reason);
        return 2;
    }
    if (rcPath) {
        std::string problem;
        FileRead read = loadRcFile(rcPath, rc, problem);
        if (read == kFileTooLarge) problem = textf("larger than %d bytes, far more than an rc file holds",
                                                   static_cast<int>(kMaxInputFileSize));
        if (read != kFileRead) {
            printLine(err, std::string("trazzle-check: error: cannot read \"") + rcPath + "\": " + problem);
            return 2;
        }
    }
    const RcFile* known = rcPath ? &rc : nullptr;
    LearnOutcome outcome;
    std::string problem;
    bool learned = learnFromFolders(dir, known, outcome, problem);
    for (const std::string& warning : outcome.warnings) printLine(err, "trazzle-check: warning: " + warning);
    if (!learned) {
        printLine(err, "trazzle-check: error: " + problem);
        return 2;
    }
    const Estimate& estimate = outcome.estimate;
    printConfiguration(outcome.learned, outcome.setup, outcome.examples, known, out);
    printClashes(outcome, out);
    std::fprintf(out, "examples: %d right, %d wrong, %d nothing (%d-fold cross-validation: each "
                      "fold judged by texts learned without it)\n",
                 estimate.learned.right, estimate.learned.wrong, estimate.learned.nothing, kFolds);
    std::fprintf(out, "# each slot's most common text instead: %d right, %d wrong, %d nothing\n",
                 estimate.common.right, estimate.common.wrong, estimate.common.nothing);
    printFailures(outcome, known, out);
    int status = outcome.warnings.empty() ? 0 : 1;
    return apply ? std::max(status, applyToRcFile(outcome, rc, out, err)) : status;
}
