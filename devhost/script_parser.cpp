// The host's script language: one command a line, checked as a whole before anything runs.
#include "devhost/script_parser.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

const char* skipBlanks(const char* p) {
    while (isBlank(*p)) ++p;
    return p;
}

// Copies `from` without leading and trailing blanks.
void copyTrimmed(char* to, size_t toSize, const char* from, size_t length) {
    while (length > 0 && isBlank(*from)) ++from, --length;
    while (length > 0 && isBlank(from[length - 1])) --length;
    if (length >= toSize) length = toSize - 1;
    std::memcpy(to, from, length);
    to[length] = '\0';
}

// The next blank-separated word of `*p` into `word`; moves `*p` past it.
void nextWord(const char** p, char* word, size_t wordSize) {
    const char* start = skipBlanks(*p);
    const char* end = start;
    while (*end && !isBlank(*end)) ++end;
    copyTrimmed(word, wordSize, start, static_cast<size_t>(end - start));
    *p = end;
}

// A whole decimal number (or 0x hex when `hex`) within [low, high], and nothing else.
bool parseNumber(const char* text, long low, long high, bool hex, int* out) {
    if (!*text) return false;
    char* end = nullptr;
    errno = 0;
    int base = (hex && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) ? 16 : 10;
    long value = std::strtol(text, &end, base);
    if (errno != 0 || *end != '\0' || value < low || value > high || isBlank(text[0])) return false;
    *out = static_cast<int>(value);
    return true;
}

bool parseKey(const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    char direction[16], code[32], extra[16];
    nextWord(&rest, direction, sizeof direction);
    nextWord(&rest, code, sizeof code);
    nextWord(&rest, extra, sizeof extra);
    bool down = std::strcmp(direction, "down") == 0;
    if ((down || std::strcmp(direction, "up") == 0) && !extra[0] &&
        parseNumber(code, 1, 254, true, &c.a)) {
        c.op = down ? kOpKeyDown : kOpKeyUp;
        return true;
    }
    std::snprintf(error, errorSize, "\"key\" needs down or up and a virtual-key code from 1 to 254");
    return false;
}

bool parseButton(const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    static const struct {
        const char* name;
        DWORD down, up;
    } kButtons[] = {{"left", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
                    {"right", MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP},
                    {"middle", MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP}};
    char direction[16], name[16], extra[16];
    nextWord(&rest, direction, sizeof direction);
    nextWord(&rest, name, sizeof name);
    nextWord(&rest, extra, sizeof extra);
    bool down = std::strcmp(direction, "down") == 0;
    for (const auto& button : kButtons) {
        if (std::strcmp(name, button.name) != 0 || extra[0]) continue;
        if (!down && std::strcmp(direction, "up") != 0) break;
        c.op = down ? kOpButtonDown : kOpButtonUp;
        c.a = static_cast<int>(down ? button.down : button.up);
        return true;
    }
    std::snprintf(error, errorSize, "\"button\" needs down or up and left, right or middle");
    return false;
}

bool parseMove(const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    char x[32], y[32], extra[16];
    nextWord(&rest, x, sizeof x);
    nextWord(&rest, y, sizeof y);
    nextWord(&rest, extra, sizeof extra);
    if (!extra[0] && parseNumber(x, 0, 65535, false, &c.a) && parseNumber(y, 0, 65535, false, &c.b)) {
        c.op = kOpMove;
        return true;
    }
    std::snprintf(error, errorSize, "\"move\" needs two screen coordinates from 0 to 65535");
    return false;
}

bool parseWait(const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    char ms[32], extra[16];
    nextWord(&rest, ms, sizeof ms);
    nextWord(&rest, extra, sizeof extra);
    if (!extra[0] && parseNumber(ms, 0, 600000, false, &c.a)) {
        c.op = kOpWait;
        return true;
    }
    std::snprintf(error, errorSize, "\"wait\" needs milliseconds from 0 to 600000");
    return false;
}

// "menu TITLE" or, for a number item, "menu TITLE = VALUE": the last '=' that follows a blank
// separates the value, so titles holding "a=b" still work.
bool parseMenu(const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    rest = skipBlanks(rest);
    const char* equals = std::strrchr(rest, '=');
    c.op = kOpMenu;
    c.hasValue = false;
    if (equals && (equals == rest || isBlank(equals[-1]))) {
        char value[32];
        copyTrimmed(value, sizeof value, equals + 1, std::strlen(equals + 1));
        copyTrimmed(c.argument, sizeof c.argument, rest, static_cast<size_t>(equals - rest));
        if (!c.argument[0] || !parseNumber(value, -2147483647L - 1, 2147483647L, false, &c.b)) {
            std::snprintf(error, errorSize, "\"menu TITLE = VALUE\" needs a title and a whole number");
            return false;
        }
        c.hasValue = true;
        return true;
    }
    copyTrimmed(c.argument, sizeof c.argument, rest, std::strlen(rest));
    if (c.argument[0]) return true;
    std::snprintf(error, errorSize, "\"menu\" needs the title of an item");
    return false;
}

bool parseCapture(const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    nextWord(&rest, c.argument, sizeof c.argument);
    copyTrimmed(c.file, sizeof c.file, rest, std::strlen(rest));
    size_t length = std::strlen(c.file);
    if (c.argument[0] && length > 4 && _stricmp(c.file + length - 4, ".bmp") == 0) {
        c.op = kOpCapture;
        return true;
    }
    std::snprintf(error, errorSize, "\"capture\" needs a window class and a .bmp file");
    return false;
}

bool parseAlone(const char* name, ScriptOp op, const char* rest, ScriptCommand& c, char* error,
                size_t errorSize) {
    if (!*skipBlanks(rest)) {
        c.op = op;
        return true;
    }
    std::snprintf(error, errorSize, "\"%s\" takes nothing more", name);
    return false;
}

}  // namespace

int scriptParseLine(const char* text, int lineNumber, ScriptCommand& c, char* error,
                    size_t errorSize) {
    std::memset(&c, 0, sizeof c);
    c.line = lineNumber;
    copyTrimmed(c.text, sizeof c.text, text, std::strlen(text));
    if (!c.text[0] || c.text[0] == '#') return 0;

    const char* rest = c.text;
    char word[32];
    nextWord(&rest, word, sizeof word);
    bool ok;
    if (std::strcmp(word, "key") == 0) ok = parseKey(rest, c, error, errorSize);
    else if (std::strcmp(word, "button") == 0) ok = parseButton(rest, c, error, errorSize);
    else if (std::strcmp(word, "move") == 0) ok = parseMove(rest, c, error, errorSize);
    else if (std::strcmp(word, "wait") == 0) ok = parseWait(rest, c, error, errorSize);
    else if (std::strcmp(word, "menu") == 0) ok = parseMenu(rest, c, error, errorSize);
    else if (std::strcmp(word, "capture") == 0) ok = parseCapture(rest, c, error, errorSize);
    else if (std::strcmp(word, "reconfigure") == 0)
        ok = parseAlone(word, kOpReconfigure, rest, c, error, errorSize);
    else if (std::strcmp(word, "quit") == 0) ok = parseAlone(word, kOpQuit, rest, c, error, errorSize);
    else if (std::strcmp(word, "broadcast") == 0) {
        // The text is the rest of the line after one blank, as written.
        copyTrimmed(c.argument, sizeof c.argument, rest, std::strlen(rest));
        c.op = kOpBroadcast;
        ok = c.argument[0] != '\0';
        if (!ok) std::snprintf(error, errorSize, "\"broadcast\" needs a text");
    } else {
        std::snprintf(error, errorSize, "unknown command \"%s\"", word);
        ok = false;
    }
    return ok ? 1 : -1;
}

bool scriptLoad(const char* path, Script& script, char* error, size_t errorSize) {
    script.count = 0;
    std::snprintf(script.fileName, sizeof script.fileName, "%s", path);
    FILE* file = std::fopen(path, "rb");
    if (!file) {
        std::snprintf(error, errorSize, "%s: cannot read the script: %s", path, std::strerror(errno));
        return false;
    }
    char text[kScriptLineSize + 2];
    char reason[256];
    int lineNumber = 0;
    bool ok = true;
    while (ok && std::fgets(text, sizeof text, file)) {
        ++lineNumber;
        size_t length = std::strlen(text);
        bool complete = length > 0 && text[length - 1] == '\n';
        if (!complete && !std::feof(file)) {
            std::snprintf(error, errorSize, "%s:%d: line longer than %d characters", path,
                          lineNumber, kScriptLineSize - 1);
            ok = false;
            break;
        }
        if (complete) text[--length] = '\0';
        if (script.count == kMaxScriptCommands) {
            std::snprintf(error, errorSize, "%s:%d: more than %d commands", path, lineNumber,
                          kMaxScriptCommands);
            ok = false;
            break;
        }
        int parsed = scriptParseLine(text, lineNumber, script.commands[script.count], reason,
                                     sizeof reason);
        if (parsed < 0) {
            std::snprintf(error, errorSize, "%s:%d: %s", path, lineNumber, reason);
            ok = false;
        } else if (parsed > 0) {
            ++script.count;
        }
    }
    std::fclose(file);
    return ok;
}
