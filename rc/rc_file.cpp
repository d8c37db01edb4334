// The host's rc settings files: finding a key's value, and rewriting one value atomically.
#include "rc/rc_file.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "rc/letter_case.h"
#include "rc/rc_file_replace.h"

namespace {

// The whole file at once: lines may be of any length. A missing or unreadable file reads as
// one without keys.
bool loadFile(const char* path, std::string& text) {
    text.clear();
    FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    char chunk[16384];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) text.append(chunk, got);
    // A directory opens fine on POSIX and only fails here.
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }


// Where the first line holding a key keeps its value, as offsets into the file text.
struct Setting {
    size_t valueStart;  // after the key and the blanks that follow it
    size_t valueEnd;    // before the value's trailing blanks
    size_t bodyEnd;     // before the line's "\r\n" or "\n" (or the end of the file)
};

bool findSetting(const char* text, size_t size, const char* key, Setting& found) {
    size_t keyLength = std::strlen(key);
    if (keyLength == 0) return false;
    bool keyHasColon = key[keyLength - 1] == ':';
    for (size_t at = 0; at < size;) {
        RcTextLine line = rcLineAt(text, size, at);
        size_t k = line.bodyStart;
        if (line.setting && line.lineEnd - k >= keyLength && sameIgnoringCase(text + k, key, keyLength)) {
            size_t afterKey = k + keyLength;
            if (keyHasColon || afterKey == line.lineEnd || isBlank(text[afterKey])) {
                size_t start = afterKey;
                while (start < line.lineEnd && isBlank(text[start])) ++start;
                found = {start, line.bodyEnd > start ? line.bodyEnd : start, line.lineEnd};
                return true;
            }
        }
        at = line.next;
    }
    return false;
}

// The raw value text of `key`; false for a missing key.
bool textValue(const char* text, size_t size, const char* key, std::string& value) {
    Setting found;
    if (!text || !key || !findSetting(text, size, key, found)) return false;
    value.assign(text + found.valueStart, found.valueEnd - found.valueStart);
    return true;
}

void copyCut(const char* from, size_t length, char* out, size_t outSize) {
    if (!out || outSize == 0) return;
    if (length > outSize - 1) length = outSize - 1;
    std::memcpy(out, from, length);
    out[length] = '\0';
}

// A value read from a file may hold a zero byte: its whole length counts.
bool sameValueIgnoringCase(const std::string& a, const char* b) {
    return a.size() == std::strlen(b) && sameIgnoringCase(a.data(), b, a.size());
}

bool hasLineBreak(const char* s) { return std::strpbrk(s, "\r\n") != nullptr; }

bool rewrite(const char* path, RcEditsDecide decide, void* context, RcKeyPlace place, RcWriteResult& result);

// rcWriteStrings' values, set once its check of the file under the lock has passed.
struct FixedValues {
    const char* const* keys;
    const char* const* values;
    size_t count;
    RcTextCheck check;
    void* context;
};

bool fixedEdits(void* context, const char* text, size_t size, std::vector<RcEdit>& edits) {
    const FixedValues& fixed = *static_cast<const FixedValues*>(context);
    if (fixed.check && !fixed.check(fixed.context, text, size)) return false;
    for (size_t i = 0; i < fixed.count; ++i) edits.push_back({fixed.keys[i], fixed.values[i], false});
    return true;
}

}  // namespace

RcTextLine rcLineAt(const char* text, size_t size, size_t at) {
    const void* newline = std::memchr(text + at, '\n', size - at);
    RcTextLine line;
    line.next = newline ? static_cast<size_t>(static_cast<const char*>(newline) - text) + 1 : size;
    line.lineEnd = newline ? line.next - 1 : size;
    if (line.lineEnd > at && text[line.lineEnd - 1] == '\r') --line.lineEnd;
    line.bodyStart = at;
    while (line.bodyStart < line.lineEnd && isBlank(text[line.bodyStart])) ++line.bodyStart;
    line.bodyEnd = line.lineEnd;
    while (line.bodyEnd > line.bodyStart && isBlank(text[line.bodyEnd - 1])) --line.bodyEnd;
    line.setting = line.bodyStart < line.bodyEnd && text[line.bodyStart] != '#' && text[line.bodyStart] != '!';
    return line;
}

bool rcTextReadString(const char* text, size_t size, const char* key, const char* defaultValue,
                      char* out, size_t outSize) {
    std::string value;
    if (textValue(text, size, key, value)) {
        copyCut(value.data(), value.size(), out, outSize);
        return true;
    }
    if (!defaultValue) defaultValue = "";
    copyCut(defaultValue, std::strlen(defaultValue), out, outSize);
    return false;
}

bool rcTextReadBool(const char* text, size_t size, const char* key, bool defaultValue) {
    std::string value;
    if (!textValue(text, size, key, value)) return defaultValue;
    static const char* const kTrue[] = {"true", "yes", "on", "1"};
    static const char* const kFalse[] = {"false", "no", "off", "0"};
    for (const char* word : kTrue)
        if (sameValueIgnoringCase(value, word)) return true;
    for (const char* word : kFalse)
        if (sameValueIgnoringCase(value, word)) return false;
    return defaultValue;
}

int32_t rcTextReadInt(const char* text, size_t size, const char* key, int32_t defaultValue) {
    std::string value;
    if (!textValue(text, size, key, value)) return defaultValue;
    size_t i = 0;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
    if (i == value.size()) return defaultValue;
    // Accumulate the magnitude in 64 bits and give up as soon as it leaves the 32-bit range,
    // so no number of digits can overflow.
    const int64_t limit = negative ? 2147483648LL : 2147483647LL;
    int64_t magnitude = 0;
    for (; i < value.size(); ++i) {
        char c = value[i];
        if (c < '0' || c > '9') return defaultValue;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) return defaultValue;
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

// A missing or unreadable file reads as one without the key.
bool rcReadString(const char* path, const char* key, const char* defaultValue, char* out,
                  size_t outSize) {
    std::string text;
    bool loaded = path && loadFile(path, text);
    return rcTextReadString(loaded ? text.data() : nullptr, text.size(), key, defaultValue, out, outSize);
}

bool rcReadBool(const char* path, const char* key, bool defaultValue) {
    std::string text;
    bool loaded = path && loadFile(path, text);
    return rcTextReadBool(loaded ? text.data() : nullptr, text.size(), key, defaultValue);
}

int32_t rcReadInt(const char* path, const char* key, int32_t defaultValue) {
    std::string text;
    bool loaded = path && loadFile(path, text);
    return rcTextReadInt(loaded ? text.data() : nullptr, text.size(), key, defaultValue);
}

bool rcWriteAcceptable(const char* key, const char* value) {
    if (!key || !value || key[0] == '\0') return false;
    if (hasLineBreak(key) || hasLineBreak(value)) return false;
    // A key that a read would take for a comment, or skip past as leading blanks, could never
    // be found again: every write would append one more line.
    if (isBlank(key[0]) || key[0] == '#' || key[0] == '!') return false;
    // A trailing blank would be read back as the separator: "size " finds the line "size",
    // whose value a read then takes for empty, and every write appends one more line.
    return !isBlank(key[std::strlen(key) - 1]);
}

bool rcCheckWritable(const char* path, RcWriteResult& result) {
    result.status = kRcWritten;
    result.reason[0] = '\0';
    if (!path) return rcFail(result, kRcRefused, "no file named");
    return rcCheckTarget(rcWriteTarget(path).c_str(), result);
}

bool rcWriteString(const char* path, const char* key, const char* value, RcWriteResult* result) {
    return rcWriteStrings(path, &key, &value, 1, result);
}

bool rcWriteStrings(const char* path, const char* const* keys, const char* const* values, size_t count,
                    RcWriteResult* result, RcTextCheck check, void* context, RcKeyPlace place) {
    RcWriteResult ignored;
    RcWriteResult& r = result ? *result : ignored;
    // Refused before the lock is even asked for: nothing of the file is needed to tell.
    for (size_t i = 0; path && i < count; ++i)
        if (!rcWriteAcceptable(keys[i], values[i]))
            return rcFail(r, kRcRefused, "a key or value that no read could find again");
    FixedValues fixed = {keys, values, count, check, context};
    return rcWriteEdits(path, fixedEdits, &fixed, place, &r);
}

bool rcWriteEdits(const char* path, RcEditsDecide decide, void* context, RcKeyPlace place, RcWriteResult* result) {
    RcWriteResult ignored;
    RcWriteResult& r = result ? *result : ignored;
    r.status = kRcWritten;
    r.reason[0] = '\0';
    if (!path) return rcFail(r, kRcRefused, "no file named");

    // Read, change and rename under the file's lock, so two writers never lose each other's
    // values. What cannot be written is refused before the lock: a pipe would block the read.
    std::string target = rcWriteTarget(path);
    if (!rcCheckTarget(target.c_str(), r)) return false;
    RcLock lock;
    if (!rcLockFile(target.c_str(), lock, r)) return false;
    bool written = rewrite(target.c_str(), decide, context, place, r);
    rcUnlockFile(lock);
    return written;
}

namespace {

// The text's own line ending, that of its first line.
const char* lineEnding(const std::string& text) {
    size_t firstNewline = text.find('\n');
    return firstNewline != std::string::npos && firstNewline > 0 && text[firstNewline - 1] == '\r' ? "\r\n" : "\n";
}

// Puts `value` in place of the first value of `key` in `text`, or adds a line for it where
// `place` says.
void setValue(std::string& text, const std::string& key, const std::string& value, RcKeyPlace place) {
    Setting found;
    if (findSetting(text.data(), text.size(), key.c_str(), found)) {
        // "key:" with nothing after it still needs a blank between key and value.
        bool blankBefore = found.valueStart > 0 && isBlank(text[found.valueStart - 1]);
        std::string replacement = (found.valueStart == found.bodyEnd && !blankBefore) ? " " + value : value;
        // The value's trailing blanks go with it; the line ending stays.
        text.replace(found.valueStart, found.bodyEnd - found.valueStart, replacement);
        return;
    }
    const char* ending = lineEnding(text);
    size_t at = place ? place(text.data(), text.size(), key.c_str()) : text.size();
    // Only a line's start takes a line without cutting another.
    if (at > text.size() || (at > 0 && text[at - 1] != '\n')) at = text.size();
    std::string line = key + " " + value + ending;
    if (at == text.size() && !text.empty() && text.back() != '\n') line = ending + line;
    text.insert(at, line);
}

// Takes out every line holding `key`, its line ending with it.
void removeKey(std::string& text, const std::string& key) {
    Setting found;
    while (findSetting(text.data(), text.size(), key.c_str(), found)) {
        size_t start = text.rfind('\n', found.valueStart - 1);  // the key holds no line break
        start = start == std::string::npos ? 0 : start + 1;
        RcTextLine line = rcLineAt(text.data(), text.size(), start);
        text.erase(start, line.next - start);
    }
}

bool rewrite(const char* path, RcEditsDecide decide, void* context, RcKeyPlace place, RcWriteResult& result) {
    std::string text;
    if (!rcLoadTarget(path, text, result)) return false;
    std::vector<RcEdit> edits;
    if (!decide(context, text.data(), text.size(), edits))
        return rcFail(result, kRcChanged, "the file changed since it was read");
    for (const RcEdit& edit : edits)
        if (!rcWriteAcceptable(edit.key.c_str(), edit.value.c_str()))
            return rcFail(result, kRcRefused, "a key or value that no read could find again");
    rcTextEdit(text, edits, place);
    return rcReplaceContents(path, text.data(), text.size(), result);
}

}  // namespace

void rcTextEdit(std::string& text, const std::vector<RcEdit>& edits, RcKeyPlace place) {
    for (const RcEdit& edit : edits) {
        if (edit.remove) removeKey(text, edit.key);
        else setValue(text, edit.key, edit.value, place);
    }
}

bool rcWriteBool(const char* path, const char* key, bool value, RcWriteResult* result) {
    return rcWriteString(path, key, value ? "true" : "false", result);
}

bool rcWriteInt(const char* path, const char* key, int32_t value, RcWriteResult* result) {
    char text[16];
    std::snprintf(text, sizeof text, "%ld", static_cast<long>(value));
    return rcWriteString(path, key, text, result);
}
