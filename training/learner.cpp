// Learning slot texts: whole-token runs of the examples, chosen to launch right far more often than wrong.
//
// The plugin launches the slot with the longest text that occurs in the stroke's text (the
// lowest slot on a tie), if that text is long enough for the stroke (the matcher's rules). A
// configuration is worth kRightWorth for each right launch less kWrongCost for each wrong one,
// counted over the strokes as drawn and their variants (the same strokes drawn again a little
// differently, or without their first or last corner), so the texts are chosen for the strokes a hand may draw next, not only these.
// The search gives one slot at a time its best text with the others kept, until none changes,
// then tries each learned slot's next best texts with the others following, to leave a local
// optimum. What it finds fits the examples it saw; so it is first run on four fifths of the
// examples five times, and the fifth left out judges it: a text that did harm there is not
// offered again, a variant that did no good is dropped, and a slot keeps the text it has
// unless the new one did better.
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
// slot `wanted`: nothing launched is worth nothing, a wrong launch costs kWrongCost.
int launchWorth(int chosen, int owner, int wanted) {
    if (chosen == kNoSlot) return 0;
    return owner == wanted ? kRightWorth : -kWrongCost;
}

// The examples as the search weighs them: one entry for every slot and text, whatever strokes
// give it. A stroke as drawn weighs kDrawnWeight, a variant or the drawn text without its first
// or last corner one.
struct Item {
    int slot;
    std::string text;
    int weight;
    std::vector<int> strokes;  // the strokes giving it, numbered from 0
};

void mergeExamples(const std::vector<LearnExample>& examples, std::vector<Item>& items, int& strokeCount) {
    std::map<std::pair<int, std::string>, int> itemOf;
    std::map<int, int> strokeNumbers;
    for (size_t i = 0; i < examples.size(); ++i) {
        const LearnExample& example = examples[i];
        int stroke = example.stroke >= 0 ? example.stroke : -1 - int(i);
        int number = strokeNumbers.emplace(stroke, int(strokeNumbers.size())).first->second;
        auto add = [&](const std::string& text, int weight) {
            auto found = itemOf.emplace(std::make_pair(example.slot, text), int(items.size()));
            if (found.second) items.push_back({example.slot, text, 0, {}});
            Item& item = items[found.first->second];
            item.weight += weight;
            if (item.strokes.empty() || item.strokes.back() != number) item.strokes.push_back(number);
        };
        add(example.text, example.drawn ? kDrawnWeight : 1);
        // A hand may also leave off a stroke's first or last corner.
        if (example.drawn && example.text.size() >= 5) {
            add(example.text.substr(3), 1);
            add(example.text.substr(0, example.text.size() - 3), 1);
        }
    }
    strokeCount = int(strokeNumbers.size());
}

// Every whole-token run of every item, numbered, with the items holding it.
struct RunIndex {
    std::unordered_map<std::string, int> ids;
    std::vector<const std::string*> texts;
    std::vector<int> lengths;
    std::vector<std::vector<int>> holders;  // ascending indexes of the items it may be chosen for
    std::vector<std::vector<int>> runs;     // each item's runs
};

void indexRuns(const std::vector<Item>& items, RunIndex& index) {
    index.runs.resize(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const std::string& text = items[i].text;
        // Tokens are two letters and a blank, so a run of whole tokens can only occur in a
        // stroke's text at a token boundary. A run too short to be accepted for this
        // item can never be chosen for it.
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
    const LearnSetup& setup;
    const std::set<TextOwner>& banned;
    const std::set<TextOwner>* refused;  // texts no free slot may take for the slot they serve
    const LearnCancel* cancel;  // looked at before every slot's look and every example it visits
    // Learned slots that keep the text they have: it competes, and variants may serve them.
    const bool* pinned;
    std::vector<Item> items;
    int strokeCount = 0;
    RunIndex index;
    std::vector<Winner> fixedWinners;                // what the fixed and pinned slots alone choose
    std::vector<int> candidates[kGestureSlotCount];  // the texts that may serve each learned slot
    std::vector<uint32_t> candidateOf;               // per text, the learned slots it may serve
    std::vector<int> seenIn;                         // per text, the last look that saw it...
    std::vector<uint32_t> seenFor;                   // ...and for which slots
    int looks = 0;
    // Counts changes of the configuration; a slot improved since the last change has nothing
    // to gain from another look.
    int version = 0;
    int improvedAt[kGestureSlotCount];
    int ids[kGestureSlotCount];                      // each searched slot's text, or -1
    int owners[kGestureSlotCount];

    Search(const std::vector<LearnExample>& examples, const LearnSetup& s, const std::set<TextOwner>& b,
           const bool* p, const LearnCancel* c, const std::set<TextOwner>* r)
        : setup(s), banned(b), refused(r), cancel(c), pinned(p) {
        mergeExamples(examples, items, strokeCount);
    }

    bool standing(int slot) const {
        return setup.roles[slot] == kSlotFixed || (setup.roles[slot] == kSlotLearned && pinned[slot]);
    }
    const std::string& standingText(int slot) const {
        return setup.roles[slot] == kSlotFixed ? setup.fixedTexts[slot] : setup.currentTexts[slot];
    }

    bool searched(int slot) const {
        return (setup.roles[slot] == kSlotLearned && !pinned[slot]) || setup.roles[slot] == kSlotFree;
    }

    // A variant is a further text for a slot that has one.
    bool holdsText(int slot) const { return ids[slot] >= 0 || (setup.roles[slot] == kSlotLearned && pinned[slot]); }

    int value(size_t item, const Winner& winner) const {
        return items[item].weight *
               launchWorth(winner.slot, winner.slot == kNoSlot ? kNoSlot : owners[winner.slot], items[item].slot);
    }

    void findFixedWinners() {
        fixedWinners.assign(items.size(), Winner{kNoSlot, 0});
        for (size_t i = 0; i < items.size(); ++i) {
            const std::string& input = items[i].text;
            for (int slot = 0; slot < kGestureSlotCount && !input.empty(); ++slot) {
                if (!standing(slot)) continue;
                const std::string& text = standingText(slot);
                int length = int(text.size());
                if (length == 0 || !accepted(length, int(input.size())) || input.find(text) == std::string::npos)
                    continue;
                if (beats(slot, length, fixedWinners[i])) fixedWinners[i] = {slot, length};
            }
        }
    }

    void findCandidates() {
        // A text another slot already holds is never offered: the higher of the two could
        // never win, which the checker reports as an error.
        std::set<std::string> taken;
        for (int slot = 0; slot < kGestureSlotCount; ++slot)
            if (standing(slot) && !standingText(slot).empty()) taken.insert(standingText(slot));
        candidateOf.assign(index.texts.size(), 0);
        seenIn.assign(index.texts.size(), -1);
        seenFor.assign(index.texts.size(), 0);
        std::vector<int> support(kGestureSlotCount), stamp(strokeCount, -1);
        for (size_t id = 0; id < index.texts.size(); ++id) {
            if (taken.count(*index.texts[id])) continue;
            std::fill(support.begin(), support.end(), 0);
            // Support counts strokes: a stroke and its variants count once.
            for (int i : index.holders[id])
                for (int stroke : items[i].strokes)
                    if (stamp[stroke] != int(id)) stamp[stroke] = int(id), ++support[items[i].slot];
            for (int slot = 0; slot < kGestureSlotCount; ++slot)
                if (setup.roles[slot] == kSlotLearned && support[slot] >= kMinSupport &&
                    !banned.count({*index.texts[id], slot})) {
                    candidates[slot].push_back(int(id));
                    candidateOf[id] |= 1u << slot;
                }
        }
    }

    // What every item chooses with slot `left` empty (kNoSlot: none left out).
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
        for (size_t i = 0; i < items.size(); ++i) sum += value(i, winners[i]);
        return sum;
    }

    // What giving `slot` the text `id` for `owner` adds, against the slot left empty. Only the
    // items holding the text can change.
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
    // only adds by making an item of the slot it serves right, so it is a run of one of
    // that slot's items that are not right without `slot`.
    template <typename Visit>
    void forPromising(int slot, const std::vector<Winner>& without, Visit visit) {
        ++looks;
        for (size_t i = 0; i < items.size() && !learnCancelled(cancel); ++i) {
            int owner = items[i].slot;
            // A learned slot serves itself; a free slot may serve any learned slot that has a text.
            if (setup.roles[slot] == kSlotLearned ? owner != slot
                                                  : setup.roles[owner] != kSlotLearned || !holdsText(owner))
                continue;
            if (without[i].slot != kNoSlot && owners[without[i].slot] == owner) continue;
            for (int id : index.runs[i]) {
                uint32_t bit = 1u << owner;
                if (!(candidateOf[id] & bit)) continue;
                if (refused && setup.roles[slot] == kSlotFree && refused->count({*index.texts[id], owner})) continue;
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
            int g = gain(slot, ids[slot], owners[slot], without);
            if (g > 0) bestId = ids[slot], bestGain = g;
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

    void descend(int pinnedSlot) {
        for (int round = 0; round < kMaxRounds; ++round) {
            bool changed = false;
            for (int slot = 0; slot < kGestureSlotCount; ++slot)
                if (slot != pinnedSlot && searched(slot) && improvedAt[slot] != version && !learnCancelled(cancel))
                    changed = improve(slot) || changed;
            if (!changed || learnCancelled(cancel)) break;
        }
    }

    // What the text `id` in `slot` would bring the slot's own items, were the harm it does to
    // others mended by their own texts.
    int reach(int slot, int id, const std::vector<Winner>& without) const {
        int length = index.lengths[id], sum = 0;
        for (int i : index.holders[id])
            if (items[i].slot == slot && beats(slot, length, without[i]) &&
                (without[i].slot == kNoSlot || owners[without[i].slot] != slot))
                sum += items[i].weight;
        return sum;
    }

    // A learned slot's next best texts by what they would bring it, the others kept. A text
    // whose launches for another slot's strokes cost more than it brings is worth a try all the
    // same: that slot may take a longer text of its own.
    std::vector<int> runnersUp(int slot) {
        std::vector<Winner> without;
        winnersWithout(slot, without);
        std::vector<std::pair<int, int>> ranked;  // (-reach, id)
        forPromising(slot, without, [&](int id, int) {
            if (id != ids[slot]) ranked.push_back({-reach(slot, id, without), id});
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
                if (setup.roles[slot] != kSlotLearned || pinned[slot] || learnCancelled(cancel)) continue;
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

    // A learned slot left without a text while variants serve it takes one of them instead:
    // the slot's own key is where a person looks for its gesture.
    bool moveVariantsHome() {
        bool moved = false;
        for (int slot = 0; slot < kGestureSlotCount; ++slot) {
            if (!searched(slot) || setup.roles[slot] != kSlotLearned || ids[slot] >= 0) continue;
            for (int variant = 0; variant < kGestureSlotCount; ++variant)
                if (setup.roles[variant] == kSlotFree && ids[variant] >= 0 && owners[variant] == slot) {
                    setSlot(slot, ids[variant], slot);
                    setSlot(variant, -1, kNoSlot);
                    moved = true;
                    break;
                }
        }
        return moved;
    }

    // Each learned slot starts from its most common text, if that is a candidate.
    void start() {
        std::fill(improvedAt, improvedAt + kGestureSlotCount, -1);
        for (int slot = 0; slot < kGestureSlotCount; ++slot) {
            setSlot(slot, -1, setup.roles[slot] == kSlotLearned ? slot
                              : setup.roles[slot] == kSlotFixed ? setup.fixedOwners[slot]
                                                                : kNoSlot);
            if (!searched(slot)) continue;
            int best = 0;
            for (int id : candidates[slot]) {
                int whole = 0;  // the weight of the slot's items whose whole text this is
                for (int i : index.holders[id])
                    if (items[i].slot == slot && items[i].text.size() == size_t(index.lengths[id]))
                        whole += items[i].weight;
                if (whole > best) best = whole, ids[slot] = id;
            }
        }
    }

    void run(SlotTexts& out) {
        indexRuns(items, index);
        findFixedWinners();
        findCandidates();
        start();
        descend(kNoSlot);
        kick();
        for (int pass = 0; pass < 3 && moveVariantsHome(); ++pass) descend(kNoSlot);
        for (int slot = 0; slot < kGestureSlotCount; ++slot) {
            out.texts[slot] = standing(slot) ? standingText(slot) : ids[slot] >= 0 ? *index.texts[ids[slot]] : "";
            out.owners[slot] = out.texts[slot].empty() ? kNoSlot : owners[slot];
        }
        // Two searched slots never end on one text (the higher could never win), but a text
        // left behind by a later change is dropped here rather than trusted to the search.
        for (int slot = 0; slot < kGestureSlotCount; ++slot)
            for (int lower = 0; lower < slot && searched(slot) && !out.texts[slot].empty(); ++lower)
                if (out.texts[lower] == out.texts[slot]) out.texts[slot].clear(), out.owners[slot] = kNoSlot;
    }
};

void search(const std::vector<LearnExample>& examples, const LearnSetup& setup,
            const std::set<TextOwner>& banned, const bool* pinned, SlotTexts& out, const LearnCancel* cancel,
            const std::set<TextOwner>* refused = nullptr) {
    Search s(examples, setup, banned, pinned, cancel, refused);
    s.run(out);
}

void split(const std::vector<LearnExample>& examples, const std::vector<int>& folds, int fold,
           std::vector<LearnExample>& in, std::vector<LearnExample>& out) {
    for (size_t i = 0; i < examples.size(); ++i) (folds[i] == fold ? out : in).push_back(examples[i]);
}

int worth(const SlotTexts& config, int slot, int exampleSlot) {
    return launchWorth(slot, slot == kNoSlot ? kNoSlot : config.owners[slot], exampleSlot);
}

// What `config` is worth on the drawn examples.
int worthOn(const SlotTexts& config, const std::vector<LearnExample>& examples) {
    int sum = 0;
    for (const LearnExample& example : examples)
        if (example.drawn) sum += worth(config, chosenSlot(config, example.text), example.slot);
    return sum;
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
        setup.currentTexts[slot].clear();
        setup.written[slot] = false;
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

namespace {

// `config` with `slot` back on the text it has, and its variants gone.
SlotTexts withCurrentText(const SlotTexts& config, const LearnSetup& setup, int slot) {
    SlotTexts kept = config;
    kept.texts[slot] = setup.currentTexts[slot];
    kept.owners[slot] = slot;
    for (int variant = 0; variant < kGestureSlotCount; ++variant)
        if (setup.roles[variant] == kSlotFree && kept.owners[variant] == slot)
            kept.texts[variant].clear(), kept.owners[variant] = kNoSlot;
    return kept;
}

// What the searches on four fifths of the examples did on the fifth each left out.
struct HeldOut {
    std::map<TextOwner, int> texts;  // what each chosen text added there, against it left out
    std::set<TextOwner> variants;    // those of them chosen for free slots
    int newWorth[kGestureSlotCount] = {};  // what each learned slot's new text added, against its current one
};

void judgeFolds(const std::vector<LearnExample>& examples, const LearnSetup& setup, HeldOut& held,
                const LearnCancel* cancel) {
    std::vector<int> folds = foldsOf(examples);
    const std::set<TextOwner> none;
    const bool unpinned[kGestureSlotCount] = {};
    for (int fold = 0; fold < kFolds && !learnCancelled(cancel); ++fold) {
        std::vector<LearnExample> in, out;
        split(examples, folds, fold, in, out);
        if (in.empty() || out.empty()) continue;
        SlotTexts config;
        search(in, setup, none, unpinned, config, cancel);
        for (const LearnExample& example : out) {
            if (!example.drawn) continue;
            int slot = chosenSlot(config, example.text);
            if (slot == kNoSlot || setup.roles[slot] == kSlotFixed) continue;
            SlotTexts without = config;
            without.texts[slot].clear();
            TextOwner text = {config.texts[slot], config.owners[slot]};
            if (setup.roles[slot] == kSlotFree) held.variants.insert(text);
            held.texts[text] +=
                worth(config, slot, example.slot) - worth(without, chosenSlot(without, example.text), example.slot);
        }
        for (int slot = 0; slot < kGestureSlotCount; ++slot) {
            const std::string& current = setup.currentTexts[slot];
            if (setup.roles[slot] != kSlotLearned || current.empty() || config.texts[slot] == current) continue;
            held.newWorth[slot] += worthOn(config, out) - worthOn(withCurrentText(config, setup, slot), out);
        }
    }
}

// How many times the texts are chosen again without the variants refused so far.
constexpr int kVariantPasses = 3;

// The variants of `config` to refuse: those that launch none of their slot's strokes as drawn
// (they would take a slot for strokes no one has drawn yet), and those `vet` names.
std::vector<TextOwner> refusedVariants(const std::vector<LearnExample>& examples, const LearnSetup& setup,
                                       const SlotTexts& config, const VariantVet* vet) {
    bool serves[kGestureSlotCount] = {};
    for (const LearnExample& example : examples) {
        if (!example.drawn) continue;
        int slot = chosenSlot(config, example.text);
        if (slot != kNoSlot && config.owners[slot] == example.slot) serves[slot] = true;
    }
    std::vector<TextOwner> refused;
    for (int slot = 0; slot < kGestureSlotCount; ++slot)
        if (setup.roles[slot] == kSlotFree && !config.texts[slot].empty() && !serves[slot])
            refused.push_back({config.texts[slot], config.owners[slot]});
    if (vet) vet->refuse(vet->context, config, refused);
    return refused;
}

}  // namespace

void learnSlotTexts(const std::vector<LearnExample>& examples, const LearnSetup& setup, SlotTexts& out,
                    const LearnCancel* cancel, const VariantVet* vet) {
    // Each text the search chooses on four fifths is judged on the fifth it did not see: by
    // what the examples there gain or lose from it, against the same configuration without it.
    // So is each learned slot's new text, against the text the slot has (its variants gone).
    HeldOut held;
    judgeFolds(examples, setup, held, cancel);
    // A text that did harm where it was not chosen is not offered again; a variant, a text
    // the slot need not have, must also have done some good there.
    std::set<TextOwner> banned;
    for (const auto& entry : held.texts)
        if (entry.second < 0 || (entry.second == 0 && held.variants.count(entry.first))) banned.insert(entry.first);
    // A slot whose new text did worse there keeps its own; where the fifths could not tell
    // (too few examples, or strokes of a press only), the examples themselves decide.
    const bool unpinned[kGestureSlotCount] = {};
    search(examples, setup, banned, unpinned, out, cancel);
    bool pinned[kGestureSlotCount] = {}, anyPinned = false;
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        const std::string& current = setup.currentTexts[slot];
        if (setup.roles[slot] != kSlotLearned || current.empty() || out.texts[slot] == current) continue;
        int worth = held.newWorth[slot];
        if (worth == 0) worth = worthOn(out, examples) - worthOn(withCurrentText(out, setup, slot), examples);
        if (worth <= 0) pinned[slot] = anyPinned = true;
    }
    if (anyPinned && !learnCancelled(cancel)) search(examples, setup, banned, pinned, out, cancel);
    // Choosing again without a refused variant lets the other slots follow; a variant refused
    // then, or still, is dropped: only the strokes that launched it change, none of them right
    // or (for a vetted one) worth a finding.
    std::set<TextOwner> refused;
    std::vector<TextOwner> more = refusedVariants(examples, setup, out, vet);
    for (int pass = 0; pass < kVariantPasses && !more.empty() && !learnCancelled(cancel); ++pass) {
        size_t before = refused.size();
        refused.insert(more.begin(), more.end());
        if (refused.size() == before) break;
        search(examples, setup, banned, pinned, out, cancel, &refused);
        more = refusedVariants(examples, setup, out, vet);
    }
    refused.insert(more.begin(), more.end());
    for (int slot = 0; slot < kGestureSlotCount; ++slot)
        if (setup.roles[slot] == kSlotFree && refused.count({out.texts[slot], out.owners[slot]}))
            out.texts[slot].clear(), out.owners[slot] = kNoSlot;
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
