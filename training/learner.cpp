// Learning slot texts: whole-token runs of the examples, chosen to launch right far more often than wrong.
//
// The plugin launches the slot with the longest text that occurs in the stroke's text (the
// lowest slot on a tie), if that text is long enough for the stroke (the matcher's rules). A
// configuration is worth its right launches less kWrongWeight times its wrong ones, counted
// over the strokes as drawn and their variants (the same strokes a little larger, smaller or
// turned), so the texts are chosen for the strokes a hand may draw next, not only these. The
// search gives one slot at a time its best text with the others kept, until none changes,
// then tries each learned slot's next best texts with the others following, to leave a local
// optimum. What it finds fits the examples it saw; so it is first run on four fifths of the
// examples five times, and a text that did more harm than good on the fifth left out is not
// offered when it runs on all of them.
#include "training/learner.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <unordered_map>

namespace {

// A text must occur in at least this many strokes of the slot it serves (drawn, or a variant
// of them): a text seen in one stroke only says nothing about the next one.
constexpr int kMinSupport = 2;
constexpr int kMaxRounds = 10;
// How many of a slot's next best texts are tried to leave a local optimum, and how often.
constexpr int kKickTexts = 2;
constexpr int kKickPasses = 2;

using TextOwner = std::pair<std::string, int>;

struct Winner {
    int slot;    // kNoSlot for none
    int length;  // of the winning text
};

// The plugin's own rules: what a text needs to be accepted, and which of two texts wins.
bool accepted(int textLength, int inputLength) {
    return static_cast<size_t>(textLength) >= minimumAcceptedLength(static_cast<size_t>(inputLength));
}

bool beats(int slot, int length, const Winner& current) {
    return outranks(static_cast<size_t>(length), slot, static_cast<size_t>(current.length), current.slot);
}

// What launching `chosen`, which starts slot `owner`'s command, is worth for a stroke meant for
// slot `wanted`: nothing launched is worth nothing, a wrong launch costs kWrongWeight.
int launchWorth(int chosen, int owner, int wanted) {
    if (chosen == kNoSlot) return 0;
    return owner == wanted ? 1 : -kWrongWeight;
}

// Every whole-token run of every example, numbered, with the examples holding it.
struct RunIndex {
    std::unordered_map<std::string, int> ids;
    std::vector<const std::string*> texts;
    std::vector<int> lengths;
    std::vector<std::vector<int>> holders;  // ascending indexes of the examples it may be chosen for
    std::vector<std::vector<int>> runs;     // each example's runs
};

void indexRuns(const std::vector<LearnExample>& examples, RunIndex& index) {
    index.runs.resize(examples.size());
    for (size_t i = 0; i < examples.size(); ++i) {
        const std::string& text = examples[i].text;
        // Tokens are two letters and a blank, so a run of whole tokens can only occur in a
        // stroke's text at a token boundary. A run too short to be accepted for this
        // example can never be chosen for it.
        for (size_t start = 0; start < text.size(); start += 3)
            for (size_t end = start + 2; end <= text.size(); end += 3) {
                if (!accepted(int(end - start), int(text.size()))) continue;
                auto found = index.ids.emplace(text.substr(start, end - start), int(index.texts.size()));
                int id = found.first->second;
                if (found.second) {
                    index.texts.push_back(&found.first->first);
                    index.lengths.push_back(int(end - start));
                    index.holders.emplace_back();
                }
                std::vector<int>& holders = index.holders[id];
                if (holders.empty() || holders.back() != int(i)) {
                    holders.push_back(int(i));
                    index.runs[i].push_back(id);
                }
            }
    }
}

struct Search {
    const std::vector<LearnExample>& examples;
    const LearnSetup& setup;
    const std::set<TextOwner>& banned;
    const LearnCancel* cancel;  // looked at before every slot's look and every example it visits
    RunIndex index;
    std::vector<Winner> fixedWinners;                // what the fixed slots alone choose
    std::vector<int> candidates[kGestureSlotCount];  // the texts that may serve each learned slot
    std::vector<uint32_t> candidateOf;               // per text, the learned slots it may serve
    std::vector<int> seenIn;                         // per text, the last look that saw it...
    std::vector<uint32_t> seenFor;                   // ...and for which slots
    int looks = 0;
    // Counts changes of the configuration; a slot improved since the last change has nothing
    // to gain from another look.
    int version = 0;
    int improvedAt[kGestureSlotCount];
    int ids[kGestureSlotCount];                      // each slot's text, or -1
    int owners[kGestureSlotCount];

    Search(const std::vector<LearnExample>& e, const LearnSetup& s, const std::set<TextOwner>& b,
           const LearnCancel* c)
        : examples(e), setup(s), banned(b), cancel(c) {}

    int strokeOf(int example) const {
        return examples[example].stroke >= 0 ? examples[example].stroke : -1 - example;
    }

    bool searched(int slot) const {
        return setup.roles[slot] == kSlotLearned || setup.roles[slot] == kSlotFree;
    }

    int value(size_t example, const Winner& winner) const {
        return launchWorth(winner.slot, winner.slot == kNoSlot ? kNoSlot : owners[winner.slot],
                           examples[example].slot);
    }

    void findFixedWinners() {
        fixedWinners.assign(examples.size(), Winner{kNoSlot, 0});
        for (size_t i = 0; i < examples.size(); ++i) {
            const std::string& input = examples[i].text;
            for (int slot = 0; slot < kGestureSlotCount && !input.empty(); ++slot) {
                const std::string& text = setup.fixedTexts[slot];
                int length = int(text.size());
                if (setup.roles[slot] != kSlotFixed || length == 0 ||
                    !accepted(length, int(input.size())) || input.find(text) == std::string::npos)
                    continue;
                if (beats(slot, length, fixedWinners[i])) fixedWinners[i] = {slot, length};
            }
        }
    }

    void findCandidates() {
        candidateOf.assign(index.texts.size(), 0);
        seenIn.assign(index.texts.size(), -1);
        seenFor.assign(index.texts.size(), 0);
        std::vector<int> support(kGestureSlotCount), lastStroke(kGestureSlotCount);
        for (size_t id = 0; id < index.texts.size(); ++id) {
            std::fill(support.begin(), support.end(), 0);
            // Support counts strokes: a stroke's variants follow it, so each is counted once.
            for (int i : index.holders[id]) {
                int slot = examples[i].slot, stroke = strokeOf(i);
                if (support[slot] > 0 && lastStroke[slot] == stroke) continue;
                ++support[slot];
                lastStroke[slot] = stroke;
            }
            for (int slot = 0; slot < kGestureSlotCount; ++slot)
                if (setup.roles[slot] == kSlotLearned && support[slot] >= kMinSupport &&
                    !banned.count({*index.texts[id], slot})) {
                    candidates[slot].push_back(int(id));
                    candidateOf[id] |= 1u << slot;
                }
        }
    }

    // What every example chooses with slot `left` empty (kNoSlot: none left out).
    void winnersWithout(int left, std::vector<Winner>& winners) const {
        winners = fixedWinners;
        for (int slot = 0; slot < kGestureSlotCount; ++slot) {
            if (slot == left || ids[slot] < 0) continue;
            int length = index.lengths[ids[slot]];
            for (int i : index.holders[ids[slot]])
                if (beats(slot, length, winners[i])) winners[i] = {slot, length};
        }
    }

    int total() const {
        std::vector<Winner> winners;
        winnersWithout(kNoSlot, winners);
        int sum = 0;
        for (size_t i = 0; i < examples.size(); ++i) sum += value(i, winners[i]);
        return sum;
    }

    // What giving `slot` the text `id` for `owner` adds, against the slot left empty. Only the
    // examples holding the text can change.
    int gain(int slot, int id, int owner, const std::vector<Winner>& without) {
        int saved = owners[slot];
        owners[slot] = owner;
        int length = index.lengths[id];
        int sum = 0;
        for (int i : index.holders[id])
            if (beats(slot, length, without[i])) sum += value(i, {slot, length}) - value(i, without[i]);
        owners[slot] = saved;
        return sum;
    }

    void setSlot(int slot, int id, int owner) {
        ++version;
        ids[slot] = id;
        owners[slot] = id < 0 && setup.roles[slot] == kSlotFree ? kNoSlot : owner;
    }

    // Calls visit(id, owner) once for every text that could add something in `slot`: a text
    // only adds by making an example of the slot it serves right, so it is a run of one of
    // that slot's examples that are not right without `slot`.
    template <typename Visit>
    void forPromising(int slot, const std::vector<Winner>& without, Visit visit) {
        ++looks;
        for (size_t i = 0; i < examples.size() && !learnCancelled(cancel); ++i) {
            int owner = examples[i].slot;
            // A learned slot serves itself; a free slot may serve any learned slot.
            if (setup.roles[slot] == kSlotLearned ? owner != slot : setup.roles[owner] != kSlotLearned)
                continue;
            if (without[i].slot != kNoSlot && owners[without[i].slot] == owner) continue;
            for (int id : index.runs[i]) {
                uint32_t bit = 1u << owner;
                if (!(candidateOf[id] & bit)) continue;
                if (seenIn[id] != looks) seenIn[id] = looks, seenFor[id] = 0;
                if (seenFor[id] & bit) continue;
                seenFor[id] |= bit;
                visit(id, owner);
            }
        }
    }

    // Gives `slot` the text that adds most, or none when nothing adds; true when it changed.
    bool improve(int slot) {
        std::vector<Winner> without;
        winnersWithout(slot, without);
        int bestId = -1, bestOwner = owners[slot], bestGain = 0;
        if (ids[slot] >= 0) {
            bestGain = gain(slot, ids[slot], owners[slot], without);
            if (bestGain > 0) bestId = ids[slot];
        }
        forPromising(slot, without, [&](int id, int owner) {
            int g = gain(slot, id, owner, without);
            if (g > bestGain) bestGain = g, bestId = id, bestOwner = owner;
        });
        bool changed = bestId != ids[slot] || (bestId >= 0 && bestOwner != owners[slot]);
        if (changed) setSlot(slot, bestId, bestOwner);
        improvedAt[slot] = version;
        return changed;
    }

    void descend(int pinned) {
        for (int round = 0; round < kMaxRounds; ++round) {
            bool changed = false;
            for (int slot = 0; slot < kGestureSlotCount; ++slot)
                if (slot != pinned && searched(slot) && improvedAt[slot] != version && !learnCancelled(cancel))
                    changed = improve(slot) || changed;
            if (!changed || learnCancelled(cancel)) break;
        }
    }

    // A slot's next best texts, the others kept.
    std::vector<int> runnersUp(int slot) {
        std::vector<Winner> without;
        winnersWithout(slot, without);
        std::vector<std::pair<int, int>> ranked;  // (-gain, id)
        forPromising(slot, without, [&](int id, int owner) {
            if (id != ids[slot]) ranked.push_back({-gain(slot, id, owner, without), id});
        });
        size_t count = std::min(ranked.size(), size_t(kKickTexts));
        std::partial_sort(ranked.begin(), ranked.begin() + count, ranked.end());
        std::vector<int> result;
        for (size_t i = 0; i < count; ++i) result.push_back(ranked[i].second);
        return result;
    }

    // Out of a local optimum: give a learned slot one of its next best texts, let every other
    // slot follow, and keep the result when the whole is worth more.
    void kick() {
        int best = total();
        for (int pass = 0; pass < kKickPasses; ++pass) {
            bool better = false;
            for (int slot = 0; slot < kGestureSlotCount; ++slot) {
                if (setup.roles[slot] != kSlotLearned || learnCancelled(cancel)) continue;
                for (int id : runnersUp(slot)) {
                    int savedIds[kGestureSlotCount], savedOwners[kGestureSlotCount];
                    std::copy(ids, ids + kGestureSlotCount, savedIds);
                    std::copy(owners, owners + kGestureSlotCount, savedOwners);
                    setSlot(slot, id, slot);
                    descend(slot);
                    descend(kNoSlot);
                    int now = total();
                    if (now > best) {
                        best = now;
                        better = true;
                    } else {
                        std::copy(savedIds, savedIds + kGestureSlotCount, ids);
                        std::copy(savedOwners, savedOwners + kGestureSlotCount, owners);
                        ++version;
                    }
                }
            }
            if (!better) break;
        }
    }

    // Each learned slot starts from its most common text, if that is a candidate.
    void start() {
        std::fill(improvedAt, improvedAt + kGestureSlotCount, -1);
        for (int slot = 0; slot < kGestureSlotCount; ++slot) {
            setSlot(slot, -1, setup.roles[slot] == kSlotLearned ? slot
                              : setup.roles[slot] == kSlotFixed ? setup.fixedOwners[slot]
                                                                : kNoSlot);
            int best = 0;
            for (int id : candidates[slot]) {
                int whole = 0;  // the slot's examples whose whole text this is
                for (int i : index.holders[id])
                    if (examples[i].slot == slot && examples[i].drawn &&
                        examples[i].text.size() == size_t(index.lengths[id]))
                        ++whole;
                if (whole > best) best = whole, ids[slot] = id;
            }
        }
    }

    void run(SlotTexts& out) {
        indexRuns(examples, index);
        findFixedWinners();
        findCandidates();
        start();
        descend(kNoSlot);
        kick();
        for (int slot = 0; slot < kGestureSlotCount; ++slot) {
            bool fixed = setup.roles[slot] == kSlotFixed;
            out.texts[slot] = fixed ? setup.fixedTexts[slot] : ids[slot] >= 0 ? *index.texts[ids[slot]] : "";
            out.owners[slot] = out.texts[slot].empty() ? kNoSlot : owners[slot];
        }
    }
};

void search(const std::vector<LearnExample>& examples, const LearnSetup& setup,
            const std::set<TextOwner>& banned, SlotTexts& out, const LearnCancel* cancel) {
    Search s(examples, setup, banned, cancel);
    s.run(out);
}

void split(const std::vector<LearnExample>& examples, const std::vector<int>& folds, int fold,
           std::vector<LearnExample>& in, std::vector<LearnExample>& out) {
    for (size_t i = 0; i < examples.size(); ++i) (folds[i] == fold ? out : in).push_back(examples[i]);
}

int worth(const SlotTexts& config, int slot, int exampleSlot) {
    return launchWorth(slot, slot == kNoSlot ? kNoSlot : config.owners[slot], exampleSlot);
}

void addTally(Tally& sum, const Tally& part) {
    sum.right += part.right;
    sum.wrong += part.wrong;
    sum.nothing += part.nothing;
}

}  // namespace

void clearLearnSetup(LearnSetup& setup) {
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        setup.roles[slot] = kSlotUnused;
        setup.fixedTexts[slot].clear();
        setup.fixedOwners[slot] = slot;
    }
}

std::vector<int> foldsOf(const std::vector<LearnExample>& examples) {
    int dealt[kGestureSlotCount] = {};
    std::map<int, int> foldOfStroke;
    std::vector<int> folds;
    for (const LearnExample& example : examples) {
        if (example.stroke >= 0) {
            auto known = foldOfStroke.find(example.stroke);
            if (known != foldOfStroke.end()) {
                folds.push_back(known->second);
                continue;
            }
        }
        folds.push_back(dealt[example.slot]++ % kFolds);
        if (example.stroke >= 0) foldOfStroke[example.stroke] = folds.back();
    }
    return folds;
}

void learnSlotTexts(const std::vector<LearnExample>& examples, const LearnSetup& setup, SlotTexts& out,
                    const LearnCancel* cancel) {
    // Each text the search chooses on four fifths is judged on the fifth it did not see: by
    // what the examples there gain or lose from it, against the same configuration without it.
    std::vector<int> folds = foldsOf(examples);
    std::map<TextOwner, int> heldOut;
    const std::set<TextOwner> none;
    for (int fold = 0; fold < kFolds && !learnCancelled(cancel); ++fold) {
        std::vector<LearnExample> in, out;
        split(examples, folds, fold, in, out);
        if (in.empty() || out.empty()) continue;
        SlotTexts config;
        search(in, setup, none, config, cancel);
        for (const LearnExample& example : out) {
            if (!example.drawn) continue;
            int slot = chosenSlot(config, example.text);
            if (slot == kNoSlot || setup.roles[slot] == kSlotFixed) continue;
            SlotTexts without = config;
            without.texts[slot].clear();
            heldOut[{config.texts[slot], config.owners[slot]}] +=
                worth(config, slot, example.slot) -
                worth(without, chosenSlot(without, example.text), example.slot);
        }
    }
    std::set<TextOwner> banned;
    for (const auto& entry : heldOut)
        if (entry.second < 0) banned.insert(entry.first);
    search(examples, setup, banned, out, cancel);
}

void mostCommonTexts(const std::vector<LearnExample>& examples, const LearnSetup& setup, SlotTexts& out) {
    std::map<std::pair<int, std::string>, int> counts;
    for (const LearnExample& example : examples)
        if (example.drawn && !example.text.empty()) ++counts[{example.slot, example.text}];
    int best[kGestureSlotCount] = {};
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        bool fixed = setup.roles[slot] == kSlotFixed;
        out.texts[slot] = fixed ? setup.fixedTexts[slot] : std::string();
        out.owners[slot] = fixed && !out.texts[slot].empty() ? setup.fixedOwners[slot] : kNoSlot;
    }
    for (const auto& entry : counts) {
        int slot = entry.first.first;
        if (setup.roles[slot] != kSlotLearned || entry.second <= best[slot]) continue;
        best[slot] = entry.second;
        out.texts[slot] = entry.first.second;
        out.owners[slot] = slot;
    }
}

int chosenSlot(const SlotTexts& config, const std::string& text) {
    // The engine's own matcher decides, on the texts as the plugin would hold them.
    GestureTable table;
    clearGestureTable(table);
    for (int slot = 0; slot < kGestureSlotCount; ++slot)
        std::snprintf(table.gestures[slot], kSlotTextSize, "%s", config.texts[slot].c_str());
    return text.empty() ? kNoSlot : findBestSlot(table, text.c_str());
}

Tally judgeSlotTexts(const SlotTexts& config, const std::vector<LearnExample>& examples) {
    Tally tally;
    for (const LearnExample& example : examples) {
        if (!example.drawn) continue;
        int slot = chosenSlot(config, example.text);
        if (slot == kNoSlot) ++tally.nothing;
        else if (config.owners[slot] == example.slot) ++tally.right;
        else ++tally.wrong;
    }
    return tally;
}

Estimate estimateByFolds(const std::vector<LearnExample>& examples, const LearnSetup& setup,
                         const LearnCancel* cancel) {
    Estimate estimate;
    std::vector<int> folds = foldsOf(examples);
    for (int fold = 0; fold < kFolds && !learnCancelled(cancel); ++fold) {
        std::vector<LearnExample> in, out;
        split(examples, folds, fold, in, out);
        if (out.empty()) continue;
        SlotTexts learned, common;
        learnSlotTexts(in, setup, learned, cancel);
        mostCommonTexts(in, setup, common);
        addTally(estimate.learned, judgeSlotTexts(learned, out));
        addTally(estimate.common, judgeSlotTexts(common, out));
    }
    return estimate;
}
