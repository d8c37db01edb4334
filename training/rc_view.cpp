// The checker's view of an rc file, as the plugin sees it: its lines, the keys the plugin reads, its slots.
#include <cstdarg>
#include <cstring>

#include "rc/rc_file.h"
#include "settings/settings_loader.h"
#include "training/checker.h"
#include "training/tool_text.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Records each key the plugin's loader asks for and answers it from the file's text through
// the host's rc code, so the key list and the values are never restated here.
int32_t recordInt(void* context, const char* key, int32_t defaultValue) {
    RcFile& rc = *static_cast<RcFile*>(context);
    rc.keys.push_back({key, 'i', defaultValue, false});
    return rcTextReadInt(rc.text.data(), rc.text.size(), key, defaultValue);
}

bool recordBool(void* context, const char* key, bool defaultValue) {
    RcFile& rc = *static_cast<RcFile*>(context);
    rc.keys.push_back({key, 'b', 0, defaultValue});
    return rcTextReadBool(rc.text.data(), rc.text.size(), key, defaultValue);
}

void recordString(void* context, const char* key, const char* defaultValue, char* out,
                  size_t outSize) {
    RcFile& rc = *static_cast<RcFile*>(context);
    rc.keys.push_back({key, 's', 0, false});
    rcTextReadString(rc.text.data(), rc.text.size(), key, defaultValue, out, outSize);
}

struct TextSpan {
    const char* text;
    size_t size;
};

int32_t textInt(void* context, const char* key, int32_t defaultValue) {
    const TextSpan& span = *static_cast<const TextSpan*>(context);
    return rcTextReadInt(span.text, span.size, key, defaultValue);
}

bool textBool(void* context, const char* key, bool defaultValue) {
    const TextSpan& span = *static_cast<const TextSpan*>(context);
    return rcTextReadBool(span.text, span.size, key, defaultValue);
}

void textString(void* context, const char* key, const char* defaultValue, char* out, size_t outSize) {
    const TextSpan& span = *static_cast<const TextSpan*>(context);
    rcTextReadString(span.text, span.size, key, defaultValue, out, outSize);
}

}  // namespace

std::string slotKeyOf(SlotField field, int slot) {
    char key[kSlotKeySize];
    slotKey(field, slot, key);
    return key;
}

void readSlotsOfText(const char* text, size_t size, GestureTable& table) {
    TextSpan span = {text, size};
    SettingsReader reader = {textInt, textBool, textString, &span};
    readGestureSlots(reader, table);
}

bool sameSlots(const GestureTable& a, const GestureTable& b) {
    for (int slot = 0; slot < kGestureSlotCount; ++slot)
        if (std::strcmp(a.gestures[slot], b.gestures[slot]) != 0 || std::strcmp(a.commands[slot], b.commands[slot]) != 0 ||
            std::strcmp(a.arguments[slot], b.arguments[slot]) != 0)
            return false;
    return true;
}

std::string textf(const char* format, ...) {
    // Sized to the text, so a long value never cuts what follows it in a message.
    va_list args, again;
    va_start(args, format);
    va_copy(again, args);
    int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0) std::vsnprintf(&text[0], text.size() + 1, format, again);
    va_end(again);
    return text;
}

// Backslashes stay: commands are Windows paths.
std::string shown(const std::string& text) { return quotedExcerpt(text, kShownLength, "\""); }

std::string lowered(const std::string& text) {
    std::string result = text;
    for (char& c : result)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return result;
}

FileRead loadRcFile(const char* path, RcFile& rc, std::string& problem) {
    rc.path = path;
    rc.lines.clear();
    rc.keys.clear();
    rc.firstLines.clear();
    // One read: everything below works on this text, and a huge file is refused before it
    // costs anything.
    FileRead read = readInputFile(path, rc.text, problem);
    if (read != kFileRead) return read;
    const std::string& text = rc.text;

    // The host's split of lines, and within a line the key as the checker names it: up to the
    // first ':' (included), or the first blank.
    size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        RcTextLine line = rcLineAt(text.data(), text.size(), start);
        if (line.setting) {
            std::string body = text.substr(line.bodyStart, line.bodyEnd - line.bodyStart);
            size_t colon = body.find(':');
            size_t keyEnd = colon != std::string::npos ? colon + 1 : body.find_first_of(" \t");
            if (keyEnd == std::string::npos) keyEnd = body.size();
            size_t v = keyEnd;
            while (v < body.size() && isBlank(body[v])) ++v;
            rc.lines.push_back({number, body.substr(0, keyEnd), body.substr(v)});
            rc.firstLines.insert({lowered(rc.lines.back().key), rc.lines.size() - 1});
        }
        start = line.next;
    }

    SettingsReader reader = {recordInt, recordBool, recordString, &rc};
    PluginSettings settings;
    // The screen size only matters to the position check, which the checker leaves alone.
    readPluginSettings(reader, INT32_MAX, INT32_MAX, settings);
    readGestureSlots(reader, rc.table);
    // The trainer keeps its window's place and its free slots in the same file: its keys are
    // known too.
    int32_t trainerX = 0, trainerY = 0;
    readTrainerPlace(reader, trainerX, trainerY);
    rc.freeSlots = readTrainerFreeSlots(reader);
    return kFileRead;
}

const RcLine* lineHolding(const RcFile& rc, const std::string& key) {
    auto found = rc.firstLines.find(lowered(key));
    return found == rc.firstLines.end() ? nullptr : &rc.lines[found->second];
}

int lineOfKey(const RcFile& rc, const std::string& key) {
    const RcLine* line = lineHolding(rc, key);
    return line ? line->number : 0;
}
