// The checker's findings on keys and values: unknown and repeated keys, values read as defaults, cut texts.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>

#include "rc/rc_file.h"
#include "engine/command_launcher.h"
#include "settings/hotkey_rule.h"
#include "settings/settings_keys.h"
#include "settings/settings_loader.h"
#include "training/checker.h"

namespace {

// "trazzle.plugin.gesture25:" and the like: a slot number the plugin never reads.
bool isSlotKeyBeyondRange(const std::string& key, long& number) {
    SlotField field;
    return parseSlotKey(key.c_str(), field, number) && number >= kGestureSlotCount;
}

// Past this many distinct unknown keys the rest are not compared with the plugin's keys:
// each comparison is some ninety edit distances, and a hostile file holds a million lines.
constexpr int kMaxKeyComparisons = 1000;
// Keys are compared by their first characters only; every key the plugin reads is shorter.
constexpr size_t kComparedKeyLength = 64;
// A key that does not start with "trazzle." counts as a misspelt key of the plugin (as
// "trazle.plugin.x:") when it is at most this many edits away from one.
constexpr size_t kMisspeltDistance = 3;

const char kByteOrderMark[] = "\xEF\xBB\xBF";

bool startsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

struct Nearest {
    const KeyRead* read;
    size_t distance;
};

// The plugin's keys, lowered and sorted, each with its place in the plugin's reading order.
struct KnownKey {
    std::string lower;
    size_t order;
};

// The plugin's key nearest to `key` by edit distance (the first read on a tie), if one is within
// `limit` edits. The keys are taken in sorted order and the table rows of a prefix shared with
// the key before are kept, so the 75 slot keys cost little more than one; a key is given up as
// soon as a row shows it cannot come nearer (no row's least value is below the one before it).
Nearest nearestKey(const RcFile& rc, const std::vector<KnownKey>& known, const std::string& key, size_t limit) {
    std::string a = key.substr(0, kComparedKeyLength);
    std::vector<std::vector<size_t>> rows(1, std::vector<size_t>(a.size() + 1));
    for (size_t j = 0; j <= a.size(); ++j) rows[0][j] = j;
    Nearest nearest = {nullptr, limit + 1};
    size_t nearestOrder = SIZE_MAX;
    const std::string* previous = nullptr;
    for (const KnownKey& candidate : known) {
        const std::string& b = candidate.lower;
        size_t shared = 0;
        while (previous && shared + 1 < rows.size() && shared < b.size() && shared < previous->size() &&
               (*previous)[shared] == b[shared])
            ++shared;
        rows.resize(shared + 1);
        previous = &b;
        bool givenUp = false;
        for (size_t i = shared + 1; i <= b.size() && !givenUp; ++i) {
            std::vector<size_t> row(a.size() + 1);
            const std::vector<size_t>& up = rows[i - 1];
            row[0] = i;
            size_t least = i;
            for (size_t j = 1; j <= a.size(); ++j) {
                row[j] = std::min({up[j] + 1, row[j - 1] + 1, up[j - 1] + (b[i - 1] != a[j - 1])});
                least = std::min(least, row[j]);
            }
            rows.push_back(std::move(row));
            givenUp = least > nearest.distance;
        }
        if (givenUp || rows.size() != b.size() + 1) continue;
        size_t distance = rows.back()[a.size()];
        bool earlierTie = nearest.read && distance == nearest.distance && candidate.order < nearestOrder;
        if (distance < nearest.distance || earlierTie) {
            nearest = {&rc.keys[candidate.order], distance};
            nearestOrder = candidate.order;
        }
    }
    return nearest;
}

void checkKeys(const RcFile& rc, std::vector<Diagnostic>& out) {
    std::set<std::string> known;
    std::vector<KnownKey> sortedKeys;
    for (size_t i = 0; i < rc.keys.size(); ++i) {
        sortedKeys.push_back({lowered(rc.keys[i].key), i});
        known.insert(sortedKeys.back().lower);
    }
    std::sort(sortedKeys.begin(), sortedKeys.end(),
              [](const KnownKey& x, const KnownKey& y) { return x.lower < y.lower; });
    std::vector<std::pair<std::string, int>> firstLine;  // known key -> line used
    std::map<std::string, Nearest> compared;
    int notCompared = 0;
    for (const RcLine& line : rc.lines) {
        std::string key = lowered(line.key);
        // Editors on Windows like to start a file with a byte order mark; the host takes it as
        // part of the first key.
        if (line.number == 1 && startsWith(key, kByteOrderMark)) {
            std::string rest = key.substr(3);
            if (startsWith(rest, "trazzle.")) {
                out.push_back({line.number, kError,
                               textf("the file starts with a UTF-8 byte order mark, which the plugin "
                                     "takes as part of the key: it never reads %s; save the file "
                                     "without the mark",
                                     shown(line.key.substr(3)).c_str())});
                continue;
            }
        }
        if (known.count(key)) {
            auto used = std::find_if(firstLine.begin(), firstLine.end(),
                                     [&](const auto& entry) { return entry.first == key; });
            if (used == firstLine.end())
                firstLine.push_back({key, line.number});
            else
                out.push_back({line.number, kWarning,
                               textf("%s is repeated; the plugin uses line %d and ignores this one",
                                     shown(line.key).c_str(), used->second)});
            continue;
        }
        bool ours = startsWith(key, "trazzle.");
        long number = 0;
        if (ours && isSlotKeyBeyondRange(key, number)) {
            out.push_back({line.number, kError,
                           textf("slot %ld does not exist (slots are 0 to 24); %s is never read",
                                 number, shown(line.key).c_str())});
            continue;
        }
        auto nearest = compared.find(key);
        if (nearest == compared.end()) {
            if (compared.size() == static_cast<size_t>(kMaxKeyComparisons)) {
                ++notCompared;
                if (ours)
                    out.push_back({line.number, kError,
                                   textf("unknown key %s, never read by the plugin",
                                         shown(line.key).c_str())});
                continue;
            }
            // Any key of ours is named with its nearest; another only when it is near one.
            size_t limit = ours ? SIZE_MAX - 1 : kMisspeltDistance;
            nearest = compared.insert({key, nearestKey(rc, sortedKeys, key, limit)}).first;
        }
        if (!nearest->second.read) continue;
        out.push_back({line.number, kError,
                       textf("unknown key %s, never read by the plugin; did you mean \"%s\"?",
                             shown(line.key).c_str(), nearest->second.read->key.c_str())});
    }
    if (notCompared > 0)
        out.push_back({0, kNote,
                       textf("%d lines past the first %d unknown keys were not compared with the "
                             "plugin's keys: a misspelt key among them may go unnoticed",
                             notCompared, kMaxKeyComparisons)});
}

void checkValues(const RcFile& rc, std::vector<Diagnostic>& out) {
    const char* text = rc.text.data();
    size_t size = rc.text.size();
    for (const KeyRead& read : rc.keys) {
        const RcLine* held = lineHolding(rc, read.key);
        if (!held) continue;
        int line = held->number;
        const char* key = read.key.c_str();
        const std::string& value = held->value;
        // The host's own reads decide: a value read as the default whatever the default is
        // was not understood.
        if (read.type == 'b' && rcTextReadBool(text, size, key, true) != rcTextReadBool(text, size, key, false)) {
            out.push_back({line, kError,
                           textf("%s is not a boolean (true/false, yes/no, on/off, 1/0); the "
                                 "plugin uses the default, %s",
                                 shown(value).c_str(), read.boolDefault ? "true" : "false")});
        } else if (read.type == 'i') {
            int32_t number = rcTextReadInt(text, size, key, 0);
            if (number != rcTextReadInt(text, size, key, 1)) {
                out.push_back({line, kError,
                               textf("%s is not a whole decimal number within 32 bits; the "
                                     "plugin uses the default, %ld",
                                     shown(value).c_str(), static_cast<long>(read.intDefault))});
            } else if (read.key == kKeyTransparencyAlpha && (number < 0 || number > 255)) {
                out.push_back({line, kWarning,
                               textf("alpha %ld is outside 0 to 255; the plugin uses its low 8 "
                                     "bits, %d",
                                     static_cast<long>(number),
                                     static_cast<int>(static_cast<uint32_t>(number) & 0xFF))});
            } else if (read.key == kKeyHistoryKeep && (number < 0 || number > kMaxHistoryKeep)) {
                out.push_back({line, kWarning,
                               textf("history.keep %ld is outside 0 to %d; the plugin keeps %d strokes",
                                     static_cast<long>(number), static_cast<int>(kMaxHistoryKeep),
                                     static_cast<int>(number < 0 ? 0 : kMaxHistoryKeep))});
            } else if (read.key == kKeyTrainerFreeSlots && (number < 0 || number > kMaxTrainerFreeSlots)) {
                out.push_back({line, kWarning,
                               textf("freeSlots %ld is outside 0 to %d; the trainer keeps %d slots free",
                                     static_cast<long>(number), static_cast<int>(kMaxTrainerFreeSlots),
                                     static_cast<int>(number < 0 ? 0 : kMaxTrainerFreeSlots))});
            } else if (read.key == kKeyHotkey && !hotkeyRefusal(number).empty()) {
                out.push_back({line, kError,
                               textf("hotkey %s; the plugin uses %s meanwhile", hotkeyRefusal(number).c_str(),
                                     hotkeyName(kDefaultHotkey).c_str())});
            }
        } else if (read.type == 's') {
            // The plugin holds texts as C strings: a zero byte ends the value there.
            size_t zero = value.find('\0');
            if (zero != std::string::npos && zero < kSlotTextSize - 1)
                out.push_back({line, kError,
                               textf("the value holds a zero byte after %d characters; the plugin "
                                     "reads only %s",
                                     static_cast<int>(zero), shown(value.substr(0, zero)).c_str())});
            else if (value.size() >= kSlotTextSize)
                out.push_back({line, kWarning,
                               textf("the text is %d characters long; the plugin keeps the first "
                                     "%d, up to %s",
                                     static_cast<int>(value.size()), kSlotTextSize - 1,
                                     shown("..." + value.substr(kSlotTextSize - 1 - 10, 10)).c_str())});
        }
    }
}

// A long file name does not fit the launch's status text, which the plugin cuts.
void checkCommands(const RcFile& rc, std::vector<Diagnostic>& out) {
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        if (rc.table.commands[slot][0] == '\0') continue;
        LaunchPlan plan;
        planLaunch(rc.table, slot, plan);
        size_t length = std::strlen(plan.file);
        if (length <= static_cast<size_t>(kLaunchStatusFileRoom)) continue;
        out.push_back({lineOfKey(rc, slotKeyOf(kSlotCommand, slot)), kWarning,
                       textf("the file name is %d characters long; the status text shows it cut: "
                              "\"%s\"",
                              static_cast<int>(length), plan.status)});
    }
}

}  // namespace

void checkSettings(const RcFile& rc, std::vector<Diagnostic>& out) {
    checkKeys(rc, out);
    checkValues(rc, out);
    checkCommands(rc, out);
}
