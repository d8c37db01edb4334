// Short gesture texts no configured slot can take from another: for a person who does not mind which shape starts a command.
#include "training/free_texts.h"

#include <cstring>

#include "training/gesture_producibility.h"

namespace {

bool collides(const GestureTable& table, const std::string& text) {
    for (const char* gesture : table.gestures)
        if (gesture[0] && (std::strstr(gesture, text.c_str()) || std::strstr(text.c_str(), gesture))) return true;
    return false;
}

// Every text of `tokens` tokens after `prefix`, in kCornerTokens order, while there is room.
void addTexts(const GestureTable& table, const std::string& prefix, int tokens, std::vector<std::string>& out) {
    for (const CornerToken& token : kCornerTokens) {
        if (out.size() == static_cast<size_t>(kMostFreeTexts)) return;
        std::string text = prefix.empty() ? std::string(token.label, 2) : prefix + " " + std::string(token.label, 2);
        if (!isProducible(text.c_str())) continue;
        if (tokens > 1) addTexts(table, text, tokens - 1, out);
        else if (!collides(table, text)) out.push_back(text);
    }
}

}  // namespace

std::vector<std::string> freeTexts(const GestureTable& table) {
    std::vector<std::string> texts;
    for (int tokens = 1; tokens <= kMostFreeTextTokens; ++tokens) addTexts(table, "", tokens, texts);
    return texts;
}
