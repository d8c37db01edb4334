// What a HOST_BROADCAST text asks of the plugin, decided without touching any window or file.
#include "settings/broadcast_decision.h"

#include <cstddef>
#include <cstring>

#include "rc/letter_case.h"

#include "settings/settings_keys.h"

namespace {

constexpr char kAlphaWord[] = "TransparencyAlpha ";  // the blank belongs to the word
constexpr size_t kAlphaWordLength = sizeof kAlphaWord - 1;

const ToggleCommand kAlwaysOnTop = {"AlwaysOnTop", &PluginSettings::alwaysOnTop, kKeyAlwaysOnTop};
const ToggleCommand kSnapWindow = {"SnapWindowToEdge", &PluginSettings::snapWindow, kKeySnapWindow};
const ToggleCommand kTransparency = {"TransparencyEnabled", &PluginSettings::transparencyEnabled,
                                     kKeyTransparencyEnabled};
const ToggleCommand kToggleWithPlugins = {"ToggleWithPlugins", &PluginSettings::toggleWithPlugins,
                                          kKeyToggleWithPlugins};

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

BroadcastDecision decide(BroadcastAction action) { return {action, nullptr, nullptr, 0}; }

BroadcastDecision toggle(const ToggleCommand& command, const char* word) {
    return {kBroadcastToggle, &command, word, 0};
}

}  // namespace

const char* broadcastWord(const char* text, const char* prefix) {
    size_t length = std::strlen(prefix);
    if (!text || !sameIgnoringCase(text, prefix, length)) return nullptr;
    const char* word = text + length;
    while (*word == ' ') ++word;
    return word;
}

int32_t parseLeadingInteger(const char* text) {
    while (isSpace(*text)) ++text;
    bool negative = *text == '-';
    if (*text == '+' || *text == '-') ++text;
    int64_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        if (value <= INT32_MAX) value = value * 10 + (*text - '0');  // past the limit it stays past
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

BroadcastDecision decideBroadcast(const char* text) {
    if (!text) return decide(kBroadcastIgnored);
    if (equalsIgnoringCase(text, "@VTShowPlugins")) return decide(kBroadcastShowPlugins);
    if (equalsIgnoringCase(text, "@VTHidePlugins")) return decide(kBroadcastHidePlugins);
    const char* word = broadcastWord(text, kBroadcastPrefix);
    if (!word) return decide(kBroadcastIgnored);

    if (equalsIgnoringCase(word, kAlwaysOnTop.word)) return toggle(kAlwaysOnTop, word);
    if (equalsIgnoringCase(word, kSnapWindow.word)) return toggle(kSnapWindow, word);
    if (equalsIgnoringCase(word, kTransparency.word)) return toggle(kTransparency, word);
    if (sameIgnoringCase(word, kAlphaWord, kAlphaWordLength)) {
        BroadcastDecision decision = decide(kBroadcastSetAlpha);
        decision.word = word;
        decision.alpha = parseLeadingInteger(word + kAlphaWordLength);
        return decision;
    }
    if (equalsIgnoringCase(word, kToggleWithPlugins.word)) return toggle(kToggleWithPlugins, word);
    if (equalsIgnoringCase(word, "Edit")) return decide(kBroadcastEdit);
    if (equalsIgnoringCase(word, "About")) return decide(kBroadcastAbout);
    return decide(kBroadcastIgnored);
}
