// trazzle-check --learn: slot texts chosen from a person's own example strokes, with a leave-one-out estimate.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>

#include "tools/check/check_internal.h"

namespace {

// A wrong launch costs as much as this many right ones: starting the wrong program is worse
// than starting none, so a text that avoids one misfire may give up a few right launches.
constexpr int kWrongWeight = 4;

struct Tally {
    int right = 0, wrong = 0, nothing = 0;
    int value() const { return right - kWrongWeight * wrong; }
};

Tally evaluate(const GestureTable& table, const std::vector<Example>& examples, int skip) {
    Tally tally;
    for (size_t i = 0; i < examples.size(); ++i) {
        if (static_cast<int>(i) == skip) continue;
        int chosen = examples[i].text.empty() ? kNoSlot : findBestSlot(table, examples[i].text.c_str());
        if (chosen == examples[i].slot) ++tally.right;
        else if (chosen == kNoSlot) ++tally.nothing;
        else ++tally.wrong;
    }
    return tally;
}

void setText(GestureTable& table, int slot, const std::string& text) {
    std::snprintf(table.gestures[slot], kSlotTextSize, "%s", text.c_str());
}

// Whole-token runs of the slot's examples, those in most examples first, then longer ones.
std::vector<std::string> candidates(const std::vector<Example>& examples, int slot, int skip) {
    std::map<std::string, int> inExamples;
    for (size_t i = 0; i < examples.size(); ++i) {
        if (examples[i].slot != slot || static_cast<int>(i) == skip) continue;
        const std::string& text = examples[i].text;
        std::vector<std::string> runs;
        for (size_t start = 0; start < text.size(); start += 3)
            for (size_t end = start + 2; end <= text.size(); end += 3)
                runs.push_back(text.substr(start, end - start));
        std::sort(runs.begin(), runs.end());
        runs.erase(std::unique(runs.begin(), runs.end()), runs.end());
        for (const std::string& run : runs) ++inExamples[run];
    }
    std::vector<std::string> result;
    for (const auto& entry : inExamples) result.push_back(entry.first);
    std::stable_sort(result.begin(), result.end(), [&](const std::string& a, const std::string& b) {
        if (inExamples[a] != inExamples[b]) return inExamples[a] > inExamples[b];
        return a.size() > b.size();
    });
    return result;
}

std::string mostCommon(const std::vector<Example>& examples, int slot, int skip) {
    std::map<std::string, int> count;
    for (size_t i = 0; i < examples.size(); ++i)
        if (examples[i].slot == slot && static_cast<int>(i) != skip && !examples[i].text.empty())
            ++count[examples[i].text];
    std::string best;
    int bestCount = 0;
    for (const auto& entry : count)
        if (entry.second > bestCount) best = entry.first, bestCount = entry.second;
    return best;
}

// Gives `slot` the candidate that serves all the examples best, the others kept; true if it changed.
bool improveSlot(GestureTable& table, const std::vector<Example>& examples, int slot, int skip) {
    std::string current = table.gestures[slot];
    int best = evaluate(table, examples, skip).value();
    std::string bestText = current;
    for (const std::string& text : candidates(examples, slot, skip)) {
        setText(table, slot, text);
        int value = evaluate(table, examples, skip).value();
        if (value > best) best = value, bestText = text;
    }
    setText(table, slot, bestText);
    return bestText != current;
}

// Starts from each slot's most common text and improves one slot at a time until none changes.
void learn(GestureTable& table, const std::vector<Example>& examples, const std::vector<int>& slots) {
    for (int round = 0; round < 6; ++round) {
        bool changed = false;
        for (int slot : slots) changed = improveSlot(table, examples, slot, -1) || changed;
        if (!changed) break;
    }
}

// Each example judged by texts learned without it: its own slot's text is chosen again
// from the other examples, the other slots keep what all examples taught them.
Tally leaveOneOut(const GestureTable& learned, const std::vector<Example>& examples, bool relearn) {
    Tally tally;
    for (size_t i = 0; i < examples.size(); ++i) {
        GestureTable table = learned;
        int slot = examples[i].slot;
        setText(table, slot, mostCommon(examples, slot, static_cast<int>(i)));
        if (relearn) improveSlot(table, examples, slot, static_cast<int>(i));
        int chosen = examples[i].text.empty() ? kNoSlot : findBestSlot(table, examples[i].text.c_str());
        if (chosen == slot) ++tally.right;
        else if (chosen == kNoSlot) ++tally.nothing;
        else ++tally.wrong;
    }
    return tally;
}

}  // namespace

int learnSlotTexts(const char* dir, FILE* out, FILE* err) {
    std::vector<Example> examples;
    if (!readExampleFolders(dir, examples, err)) return 2;
    std::vector<int> slots;
    for (const Example& example : examples)
        if (slots.empty() || slots.back() != example.slot) slots.push_back(example.slot);

    GestureTable common = {};
    for (int slot : slots) setText(common, slot, mostCommon(examples, slot, -1));
    GestureTable learned = common;
    learn(learned, examples, slots);

    for (int slot : slots) {
        if (learned.gestures[slot][0] == '\0')
            std::fprintf(out, "# slot %d: no example has a corner\n", slot);
        else
            std::fprintf(out, "trazzle.plugin.gesture%d: %s\n", slot, learned.gestures[slot]);
    }
    Tally estimate = leaveOneOut(learned, examples, true);
    Tally baseline = leaveOneOut(common, examples, false);
    std::fprintf(out, "examples: %d right, %d wrong, %d nothing\n", estimate.right, estimate.wrong,
                 estimate.nothing);
    std::fprintf(out, "# each slot's most common text instead: %d right, %d wrong, %d nothing\n",
                 baseline.right, baseline.wrong, baseline.nothing);
    return 0;
}
