// The checker's findings on the 25 slots: gesture form, producibility, collisions and near misses.
#include <cstring>
#include <set>

#include "engine/command_launcher.h"
#include "training/gesture_producibility.h"
#include "training/checker.h"

namespace {

std::string gestureKey(int slot) { return slotKeyOf(kSlotGesture, slot); }

std::string tokensAfter(int token) {
    std::string list;
    for (int next = 0; next < kCornerTokenCount; ++next) {
        if (!canFollow(token, next)) continue;
        if (!list.empty()) list += ", ";
        list += kCornerTokens[next].label;
    }
    return list;
}

// Why a well-formed text is not producible: the first pair that cannot follow.
std::string whyNotProducible(const int* tokens, int count) {
    for (int i = 1; i < count; ++i)
        if (!canFollow(tokens[i - 1], tokens[i]))
            return textf("\"%s\" cannot follow \"%s\" (only %s can)", kCornerTokens[tokens[i]].label,
                         kCornerTokens[tokens[i - 1]].label, tokensAfter(tokens[i - 1]).c_str());
    return "it has more than 33 tokens";
}

std::string joinTokens(const std::vector<int>& tokens) {
    std::string text;
    for (int token : tokens) {
        if (!text.empty()) text += ' ';
        text += kCornerTokens[token].label;
    }
    return text;
}

// The drawable texts one token away from `tokens`: one fewer, one more, one different.
std::vector<std::string> slipsOf(const std::vector<int>& tokens) {
    std::vector<std::vector<int>> edits;
    for (size_t i = 0; i < tokens.size(); ++i) {
        std::vector<int> fewer = tokens;
        fewer.erase(fewer.begin() + i);
        edits.push_back(fewer);
    }
    for (size_t i = 0; i <= tokens.size(); ++i)
        for (int token = 0; token < kCornerTokenCount; ++token) {
            std::vector<int> more = tokens;
            more.insert(more.begin() + i, token);
            edits.push_back(more);
        }
    for (size_t i = 0; i < tokens.size(); ++i)
        for (int token = 0; token < kCornerTokenCount; ++token) {
            if (token == tokens[i]) continue;
            std::vector<int> different = tokens;
            different[i] = token;
            edits.push_back(different);
        }
    std::vector<std::string> slips;
    std::set<std::string> seen;
    for (const std::vector<int>& edit : edits) {
        std::string text = joinTokens(edit);
        if (edit.size() <= static_cast<size_t>(kMaxGestureTokens) && isProducible(text.c_str()) &&
            seen.insert(text).second)
            slips.push_back(text);
    }
    return slips;
}

struct Slip {
    std::string drawn;
    int winner;
    const char* kind;  // "same slot", "same command", "another gesture", "misfire", "nothing"
    std::string why;
};

Slip judgeSlip(const GestureTable& table, int slot, const std::string& drawn) {
    Slip slip = {drawn, kNoSlot, "nothing", ""};
    if (drawn.empty()) {
        slip.why = "no corner at all";
        return slip;
    }
    int winner = findBestSlot(table, drawn.c_str());
    slip.winner = winner;
    if (winner == kNoSlot) {
        int best = kNoSlot;
        float bestScore = 0;
        for (int s = 0; s < kGestureSlotCount; ++s) {
            float score = gestureScore(drawn.c_str(), table.gestures[s]);
            if (score > bestScore) best = s, bestScore = score;
        }
        slip.why = best == kNoSlot ? "no configured text occurs in it"
                                   : textf("\"%s\" occurs but scores %.2f, below %.1f",
                                           table.gestures[best], bestScore, kAcceptanceThreshold);
        return slip;
    }
    slip.why = textf("\"%s\" occurs, score %.2f", table.gestures[winner],
                     gestureScore(drawn.c_str(), table.gestures[winner]));
    if (winner == slot)
        slip.kind = "same slot";
    else if (sameLaunch(table, winner, slot))
        slip.kind = "same command";
    else if (drawn == table.gestures[winner])
        slip.kind = "another gesture";
    else
        slip.kind = "misfire";
    return slip;
}

bool isVariantSlot(const GestureTable& table, int slot) {
    for (int lower = 0; lower < slot; ++lower)
        if (table.gestures[lower][0] != '\0' && sameLaunch(table, lower, slot)) return true;
    return false;
}

std::string launchText(const GestureTable& table, int slot) {
    if (slot == kNoSlot) return "nothing";
    return textf("slot %d %s", slot, slotFileName(table, slot).c_str());
}

void nearMisses(const RcFile& rc, int slot, const std::vector<int>& tokens,
                std::vector<Diagnostic>& out, std::string* table) {
    const GestureTable& t = rc.table;
    int line = lineOfKey(rc, gestureKey(slot));
    std::vector<Slip> slips;
    int caught = 0;
    for (const std::string& drawn : slipsOf(tokens)) {
        slips.push_back(judgeSlip(t, slot, drawn));
        const Slip& slip = slips.back();
        if (slip.winner == slot || std::strcmp(slip.kind, "same command") == 0) ++caught;
    }
    // Warnings name slips taken by a gesture at least as long as this one, which competes
    // with it on equal terms. A one-token gesture's slips are other corners or a second corner
    // beside it, and a slip of a longer gesture that falls to a shorter one (a single corner
    // catches every two-corner stroke that holds it) is what mixing short and long gestures
    // means; the table lists both.
    // A variant (a slot starting what a lower slot starts) is never drawn for its own sake:
    // it catches its gesture's strokes that missed, so its own slips are no person's near
    // miss; a variant that takes another gesture's slip is warned as that gesture's slip.
    bool warn = tokens.size() >= 2 && !isVariantSlot(t, slot);
    bool misfired = false;
    size_t ownLength = std::strlen(t.gestures[slot]);
    for (const Slip& slip : slips) {
        if (!warn || std::strcmp(slip.kind, "misfire") != 0) continue;
        if (std::strlen(t.gestures[slip.winner]) < ownLength) continue;
        misfired = true;
        out.push_back({line, kWarning,
                       textf("slot %d (\"%s\"): the slip \"%s\" launches %s: %s", slot,
                             t.gestures[slot], slip.drawn.c_str(),
                             launchText(t, slip.winner).c_str(), slip.why.c_str())});
    }
    if (misfired)
        out.push_back({line, kNote,
                       textf("slot %d (\"%s\") catches %d of its %d one-token slips", slot,
                             t.gestures[slot], caught, static_cast<int>(slips.size()))});
    if (!table) return;
    *table += textf("slot %d \"%s\" (%s): catches %d of %d one-token slips\n", slot,
                    t.gestures[slot], slotFileName(t, slot).c_str(), caught,
                    static_cast<int>(slips.size()));
    for (const Slip& slip : slips)
        *table += textf("  %-14s %-24s %-15s %s\n", slip.drawn.empty() ? "(none)" : slip.drawn.c_str(),
                        launchText(t, slip.winner).c_str(), slip.kind, slip.why.c_str());
}

}  // namespace

std::string slotFileName(const GestureTable& table, int slot) {
    LaunchPlan plan;
    planLaunch(table, slot, plan);
    return plan.file[0] ? plan.file : "(no file)";
}

void checkSlots(const RcFile& rc, std::vector<Diagnostic>& out, std::string* table) {
    const GestureTable& t = rc.table;
    std::vector<int> parsed[kGestureSlotCount];
    bool sound[kGestureSlotCount] = {};  // well-formed, producible and not a repeat
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        const char* gesture = t.gestures[slot];
        if (gesture[0] == '\0') continue;
        int line = lineOfKey(rc, gestureKey(slot));
        if (t.commands[slot][0] == '\0')
            out.push_back({line, kError,
                           textf("slot %d has a gesture and no command; drawing it asks the host to "
                                 "start an empty command",
                                 slot)});
        int tokens[kGestureTextSize];
        int count = parseGestureTokens(gesture, tokens, kGestureTextSize);
        if (count < 0) {
            out.push_back({line, kError,
                           textf("slot %d: %s is not corner tokens separated by single blanks "
                                 "(tr tl br bl rd ru ld lu)",
                                 slot, shown(gesture).c_str())});
            continue;
        }
        if (!isProducible(gesture)) {
            out.push_back({line, kError,
                           textf("slot %d: no stroke can produce \"%s\": %s", slot, gesture,
                                 whyNotProducible(tokens, count).c_str())});
            continue;
        }
        int earlier = 0;
        while (earlier < slot && std::strcmp(t.gestures[earlier], gesture) != 0) ++earlier;
        if (earlier < slot) {
            out.push_back({line, kError,
                           textf("slot %d has the same gesture text as slot %d (\"%s\"); slot %d "
                                 "always wins",
                                 slot, earlier, gesture, earlier)});
            continue;
        }
        parsed[slot].assign(tokens, tokens + count);
        sound[slot] = true;
    }

    // No "never wins" finding: a sound slot always wins the stroke that draws exactly its own
    // text. Its score there is 1; only a longer text could score more, and none occurs in it;
    // only a lower slot could tie, with the same length and occurring, so the same text, and
    // that repeat was reported above.

    for (int slot = 0; slot < kGestureSlotCount; ++slot)
        if (sound[slot]) nearMisses(rc, slot, parsed[slot], out, table);
}
