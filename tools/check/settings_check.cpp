// trazzle-check: diagnostics about keys and values: unknown and repeated keys, values read as defaults, cut texts.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>

#include "devhost/rc_file.h"
#include "engine/command_launcher.h"
#include "host/settings_keys.h"
#include "tools/check/check_internal.h"

namespace {

size_t editDistance(const std::string& a, const std::string& b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// "trazzle.plugin.gesture25:" and the like: a slot number the plugin never reads.
bool isSlotKeyBeyondRange(const std::string& key, long& number) {
    for (const char* field : {"gesture", "command", "argument"}) {
        std::string prefix = std::string("trazzle.plugin.") + field;
        if (key.compare(0, prefix.size(), prefix) != 0) continue;
        const char* digits = key.c_str() + prefix.size();
        char* end = nullptr;
        if (*digits < '0' || *digits > '9') return false;
        number = std::strtol(digits, &end, 10);
        return std::strcmp(end, ":") == 0 && number >= kGestureSlotCount;
    }
    return false;
}

void checkKeys(const RcFile& rc, std::vector<Diagnostic>& out) {
    std::set<std::string> known;
    for (const KeyRead& read : rc.keys) known.insert(lowered(read.key));
    std::vector<std::pair<std::string, int>> firstLine;  // known key -> line used
    for (const RcLine& line : rc.lines) {
        std::string key = lowered(line.key);
        if (known.count(key)) {
            auto used = std::find_if(firstLine.begin(), firstLine.end(),
                                     [&](const auto& entry) { return entry.first == key; });
            if (used == firstLine.end())
                firstLine.push_back({key, line.number});
            else
                out.push_back({line.number, kWarning,
                               textf("\"%s\" is repeated; the plugin uses line %d and ignores this one",
                                      line.key.c_str(), used->second)});
            continue;
        }
        if (key.compare(0, 8, "trazzle.") != 0) continue;
        long number = 0;
        if (isSlotKeyBeyondRange(key, number)) {
            out.push_back({line.number, kError,
                           textf("slot %ld does not exist (slots are 0 to 24); \"%s\" is never read",
                                  number, line.key.c_str())});
            continue;
        }
        const KeyRead* nearest = nullptr;
        size_t best = SIZE_MAX;
        for (const KeyRead& read : rc.keys) {
            size_t distance = editDistance(key, lowered(read.key));
            if (distance < best) best = distance, nearest = &read;
        }
        out.push_back({line.number, kError,
                       textf("unknown key \"%s\", never read by the plugin; did you mean \"%s\"?",
                              line.key.c_str(), nearest->key.c_str())});
    }
}

void checkValues(const RcFile& rc, std::vector<Diagnostic>& out) {
    for (const KeyRead& read : rc.keys) {
        int line = lineOfKey(rc, read.key);
        if (line == 0) continue;
        const char* key = read.key.c_str();
        // The host's own reads decide: a value read as the default whatever the default is
        // was not understood.
        std::string value(4096, '\0');
        rcReadString(rc.path, key, "", &value[0], value.size());
        value.resize(std::strlen(value.c_str()));
        if (read.type == 'b' && rcReadBool(rc.path, key, true) != rcReadBool(rc.path, key, false)) {
            out.push_back({line, kError,
                           textf("\"%s\" is not a boolean (true/false, yes/no, on/off, 1/0); the "
                                  "plugin uses the default, %s",
                                  value.c_str(), read.boolDefault ? "true" : "false")});
        } else if (read.type == 'i') {
            int32_t number = rcReadInt(rc.path, key, 0);
            if (number != rcReadInt(rc.path, key, 1)) {
                out.push_back({line, kError,
                               textf("\"%s\" is not a whole decimal number within 32 bits; the "
                                      "plugin uses the default, %ld",
                                      value.c_str(), static_cast<long>(read.intDefault))});
            } else if (read.key == kKeyTransparencyAlpha && (number < 0 || number > 255)) {
                out.push_back({line, kWarning,
                               textf("alpha %ld is outside 0 to 255; the plugin uses its low 8 "
                                      "bits, %d",
                                      static_cast<long>(number),
                                      static_cast<int>(static_cast<uint32_t>(number) & 0xFF))});
            } else if (read.key == kKeyHotkey && (number < 1 || number > 254)) {
                out.push_back({line, kError,
                               textf("hotkey %ld is outside 1 to 254; no key can ever press it",
                                      static_cast<long>(number))});
            }
        } else if (read.type == 's' && value.size() >= kSlotTextSize) {
            out.push_back({line, kWarning,
                           textf("the text is %d characters long; the plugin keeps the first %d, "
                                  "up to \"...%s\"",
                                  static_cast<int>(value.size()), kSlotTextSize - 1,
                                  value.substr(kSlotTextSize - 1 - 10, 10).c_str())});
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
        if (length <= kLaunchTextSize - 1 - std::strlen("Trazzle Command -> ")) continue;
        char key[64];
        std::snprintf(key, sizeof key, "trazzle.plugin.command%d:", slot);
        out.push_back({lineOfKey(rc, key), kWarning,
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
