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

// Copies `from` without leading and trailing blanks. False when it had to be cut: a cut
// number or file name would mean something else than the line says.
bool copyTrimmed(char* to, size_t toSize, const char* from, size_t length) {
    while (length > 0 && isBlank(*from)) ++from, --length;
    while (length > 0 && isBlank(from[length - 1])) --length;
    bool fits = length < toSize;
    if (!fits) length = toSize - 1;
    std::memcpy(to, from, length);
    to[length] = '\0';
    return fits;
}

// The next blank-separated word of `*p` into `word`; moves `*p` past it. False when the word
// does not fit.
bool nextWord(const char** p, char* word, size_t wordSize) {
    const char* start = skipBlanks(*p);
    const char* end = start;
    while (*end && !isBlank(*end)) ++end;
    *p = end;
    return copyTrimmed(word, wordSize, start, static_cast<size_t>(end - start));
}

// A whole decimal number (or 0x hex when `hex`) within [low, high], and nothing else.
bool parseNumber(const char* text, long low, long high, bool hex, int* out) {
    // strtol would skip leading white space of any kind (form feeds too) on its own.
    const char* digits = (text[0] == '+' || text[0] == '-') ? text + 1 : text;
    if (*digits < '0' || *digits > '9') return false;
    char* end = nullptr;
    errno = 0;
    int base = (hex && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) ? 16 : 10;
    long value = std::strtol(text, &end, base);
    if (errno != 0 || *end != '\0' || value < low || value > high) return false;
    *out = static_cast<int>(value);
    return true;
}

bool parseKey(const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    bool fits = true;
    char direction[16], code[32], extra[16];
    fits &= nextWord(&rest, direction, sizeof direction);
    fits &= nextWord(&rest, code, sizeof code);
    fits &= nextWord(&rest, extra, sizeof extra);
    bool down = std::strcmp(direction, "down") == 0;
    if (fits && (down || std::strcmp(direction, "up") == 0) && !extra[0] &&
        parseNumber(code, 1, 254, true, &c.a)) {
        c.op = down ? kOpKeyDown : kOpKeyUp;
        return true;
    }
    std::snprintf(error, errorSize, "\"key\" needs down or up and a virtual-key code from 1 to 254");
    return false;
}

bool parseButton(const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    bool fits = true;
    static const struct {
        const char* name;
        DWORD down, up;
    } kButtons[] = {{"left", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
                    {"right", MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP},
                    {"middle", MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP}};
    char direction[16], name[16], extra[16];
    fits &= nextWord(&rest, direction, sizeof direction);
    fits &= nextWord(&rest, name, sizeof name);
    fits &= nextWord(&rest, extra, sizeof extra);
    bool down = std::strcmp(direction, "down") == 0;
    for (const auto& button : kButtons) {
        if (!fits || std::strcmp(name, button.name) != 0 || extra[0]) continue;
        if (!down && std::strcmp(direction, "up") != 0) break;
        c.op = down ? kOpButtonDown : kOpButtonUp;
        c.a = static_cast<int>(down ? button.down : button.up);
        return true;
    }
    std::snprintf(error, errorSize, "\"button\" needs down or up and left, right or middle");
    return false;
}

bool parseMove(const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    bool fits = true;
    char x[32], y[32], extra[16];
    fits &= nextWord(&rest, x, sizeof x);
    fits &= nextWord(&rest, y, sizeof y);
    fits &= nextWord(&rest, extra, sizeof extra);
    // Off the screen, injected moves arrive unclipped or wrapped round; no test should rely
    // on either.
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    if (fits && !extra[0] && parseNumber(x, 0, width - 1, false, &c.a) &&
        parseNumber(y, 0, height - 1, false, &c.b)) {
        c.op = kOpMove;
        return true;
    }
    std::snprintf(error, errorSize, "\"move\" needs a point on the screen: x from 0 to %d, y from 0 to %d",
                  width - 1, height - 1);
    return false;
}

bool parseWait(const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    bool fits = true;
    char ms[32], extra[16];
    fits &= nextWord(&rest, ms, sizeof ms);
    fits &= nextWord(&rest, extra, sizeof extra);
    if (fits && !extra[0] && parseNumber(ms, 0, 600000, false, &c.a)) {
        c.op = kOpWait;
        return true;
    }
    std::snprintf(error, errorSize, "\"wait\" needs milliseconds from 0 to 600000");
    return false;
}

bool parseWheel(const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    bool fits = true;
    char turn[32], extra[16];
    fits &= nextWord(&rest, turn, sizeof turn);
    fits &= nextWord(&rest, extra, sizeof extra);
    if (fits && !extra[0] && parseNumber(turn, -120000, 120000, false, &c.a) && c.a != 0) {
        c.op = kOpWheel;
        return true;
    }
    std::snprintf(error, errorSize, "\"wheel\" needs a turn from -120000 to 120000, not 0 (120 a notch)");
    return false;
}

// "await [MS] TEXT": log lines never begin with a digit, so a first word of digits is the limit.
bool parseAwait(const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    rest = skipBlanks(rest);
    c.a = kAwaitDefaultMs;
    const char* text = rest;
    char first[32];
    if (*rest >= '0' && *rest <= '9') {
        bool fits = nextWord(&text, first, sizeof first);
        if (!fits || !parseNumber(first, 1, 600000, false, &c.a)) text = "";
        text = skipBlanks(text);
    }
    if (*text && std::strlen(text) < sizeof c.argument) {
        std::snprintf(c.argument, sizeof c.argument, "%s", text);
        c.op = kOpAwait;
        return true;
    }
    std::snprintf(error, errorSize, "\"await\" needs the beginning of a log line, after a limit of 1 to 600000 "
                                    "milliseconds if one is given");
    return false;
}

// "await-text [MS] WINDOW TEXT": TEXT is the rest of the line, the window's whole text.
bool parseAwaitText(const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    rest = skipBlanks(rest);
    c.a = kAwaitDefaultMs;
    char first[32];
    const char* after = rest;
    bool limitOk = true;
    if (*rest >= '0' && *rest <= '9') {
        limitOk = nextWord(&after, first, sizeof first) && parseNumber(first, 1, 600000, false, &c.a);
        rest = after;
    }
    bool fits = limitOk && nextWord(&rest, c.argument, sizeof c.argument);
    rest = skipBlanks(rest);
    if (fits && c.argument[0] && *rest && copyTrimmed(c.file, sizeof c.file, rest, std::strlen(rest))) {
        c.op = kOpAwaitText;
        return true;
    }
    std::snprintf(error, errorSize, "\"await-text\" needs a window and the text it is to show (at most %d "
                                    "characters), after a limit of 1 to 600000 milliseconds if one is given",
                  MAX_PATH - 1);
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
        bool fits = copyTrimmed(value, sizeof value, equals + 1, std::strlen(equals + 1));
        copyTrimmed(c.argument, sizeof c.argument, rest, static_cast<size_t>(equals - rest));
        if (!fits || !c.argument[0] || !parseNumber(value, -2147483647L - 1, 2147483647L, false, &c.b)) {
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

// "copy SOURCE TARGET": two file names without blanks, so a test can change a file the plugin
// reads while the host runs.
bool parseCopy(const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    bool fits = true;
    char extra[16];
    fits &= nextWord(&rest, c.argument, sizeof c.argument);
    fits &= nextWord(&rest, c.file, sizeof c.file);
    fits &= nextWord(&rest, extra, sizeof extra);
    if (fits && c.argument[0] && c.file[0] && !extra[0]) {
        c.op = kOpCopy;
        return true;
    }
    std::snprintf(error, errorSize, "\"copy\" needs a source and a target file");
    return false;
}

bool parseClose(const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    bool fits = true;
    char extra[16];
    fits &= nextWord(&rest, c.argument, sizeof c.argument);
    fits &= nextWord(&rest, extra, sizeof extra);
    if (fits && c.argument[0] && !extra[0]) {
        c.op = kOpClose;
        return true;
    }
    std::snprintf(error, errorSize, "\"close\" needs a window class");
    return false;
}

bool parseCapture(const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    bool fits = true;
    fits &= nextWord(&rest, c.argument, sizeof c.argument);
    fits &= copyTrimmed(c.file, sizeof c.file, rest, std::strlen(rest));
    size_t length = std::strlen(c.file);
    if (fits && c.argument[0] && length > 4 && _stricmp(c.file + length - 4, ".bmp") == 0) {
        c.op = kOpCapture;
        return true;
    }
    std::snprintf(error, errorSize, "\"capture\" needs a window class and a .bmp file");
    return false;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The broadcast text with each %XX replaced by its byte, so texts can end in blanks or hold
// control characters. The decoded text is never longer than the written one.
bool parseBroadcast(const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    char written[kScriptLineSize];
    copyTrimmed(written, sizeof written, rest, std::strlen(rest));
    if (!written[0]) {
        std::snprintf(error, errorSize, "\"broadcast\" needs a text");
        return false;
    }
    size_t length = 0;
    for (const char* p = written; *p; ++p) {
        if (*p != '%') {
            c.argument[length++] = *p;
            continue;
        }
        int high = hexDigit(p[1]);
        int low = high < 0 ? -1 : hexDigit(p[2]);
        if (low < 0) {
            std::snprintf(error, errorSize, "\"broadcast\" text has a bad escape: %% needs two hex digits (%%25 for %% itself)");
            return false;
        }
        if (high == 0 && low == 0) {
            std::snprintf(error, errorSize, "\"broadcast\" text cannot hold %%00");
            return false;
        }
        c.argument[length++] = static_cast<char>(high * 16 + low);
        p += 2;
    }
    c.argument[length] = '\0';
    c.op = kOpBroadcast;
    return true;
}

bool parseBroadcastFile(const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    // Checked here too, so a missing or unfit file refuses the script before anything runs.
    static char text[kMaxBroadcastFileSize + 1];
    if (!copyTrimmed(c.file, sizeof c.file, rest, std::strlen(rest))) {
        std::snprintf(error, errorSize, "\"broadcast-file\" needs a file name of up to %d characters", MAX_PATH - 1);
        return false;
    }
    if (!c.file[0]) {
        std::snprintf(error, errorSize, "\"broadcast-file\" needs a file");
        return false;
    }
    char reason[200];
    if (!readBroadcastFile(c.file, text, reason, sizeof reason)) {
        std::snprintf(error, errorSize, "\"broadcast-file\": %s", reason);
        return false;
    }
    c.op = kOpBroadcastFile;
    return true;
}

// "focus" alone only looks; "focus CLASS" first hands that window the foreground and the
// keyboard focus, as the user's click on it would.
bool parseFocus(const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    bool fits = true;
    char extra[16];
    fits &= nextWord(&rest, c.argument, sizeof c.argument);
    fits &= nextWord(&rest, extra, sizeof extra);
    if (fits && !extra[0]) {
        c.op = kOpFocus;
        return true;
    }
    std::snprintf(error, errorSize, "\"focus\" takes at most a window class");
    return false;
}

// "window CLASS" and "text CLASS": one window class (or PARENT/CHILD) and nothing more.
bool parseWindow(const char* word, ScriptOp op, const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    bool fits = true;
    char extra[16];
    fits &= nextWord(&rest, c.argument, sizeof c.argument);
    fits &= nextWord(&rest, extra, sizeof extra);
    if (fits && c.argument[0] && !extra[0]) {
        c.op = op;
        return true;
    }
    std::snprintf(error, errorSize, "\"%s\" needs a window class", word);
    return false;
}

bool parseRepeat(const char* rest, ScriptCommand& c, char* error, size_t errorSize) {
    bool fits = true;
    char count[32], extra[16];
    fits &= nextWord(&rest, count, sizeof count);
    fits &= nextWord(&rest, extra, sizeof extra);
    if (fits && !extra[0] && parseNumber(count, 1, kMaxRepeatCount, false, &c.a)) {
        c.op = kOpRepeat;
        return true;
    }
    std::snprintf(error, errorSize, "\"repeat\" needs a count from 1 to %d", kMaxRepeatCount);
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
    if (!copyTrimmed(c.text, sizeof c.text, text, std::strlen(text))) {
        std::snprintf(error, errorSize, "line longer than %d characters", kScriptLineSize - 1);
        return -1;
    }
    if (!c.text[0] || c.text[0] == '#') return 0;

    const char* rest = c.text;
    char word[32];  // longer than any command: a cut word is unknown all the same
    nextWord(&rest, word, sizeof word);
    bool ok;
    if (std::strcmp(word, "key") == 0) ok = parseKey(rest, c, error, errorSize);
    else if (std::strcmp(word, "button") == 0) ok = parseButton(rest, c, error, errorSize);
    else if (std::strcmp(word, "move") == 0) ok = parseMove(rest, c, error, errorSize);
    else if (std::strcmp(word, "wait") == 0) ok = parseWait(rest, c, error, errorSize);
    else if (std::strcmp(word, "await") == 0) ok = parseAwait(rest, c, error, errorSize);
    else if (std::strcmp(word, "await-text") == 0) ok = parseAwaitText(rest, c, error, errorSize);
    else if (std::strcmp(word, "wheel") == 0) ok = parseWheel(rest, c, error, errorSize);
    else if (std::strcmp(word, "menu") == 0) ok = parseMenu(rest, c, error, errorSize);
    else if (std::strcmp(word, "capture") == 0) ok = parseCapture(rest, c, error, errorSize);
    else if (std::strcmp(word, "copy") == 0) ok = parseCopy(rest, c, error, errorSize);
    else if (std::strcmp(word, "close") == 0) ok = parseClose(rest, c, error, errorSize);
    else if (std::strcmp(word, "reconfigure") == 0)
        ok = parseAlone(word, kOpReconfigure, rest, c, error, errorSize);
    else if (std::strcmp(word, "quit") == 0) ok = parseAlone(word, kOpQuit, rest, c, error, errorSize);
    else if (std::strcmp(word, "broadcast") == 0) ok = parseBroadcast(rest, c, error, errorSize);
    else if (std::strcmp(word, "broadcast-file") == 0) ok = parseBroadcastFile(rest, c, error, errorSize);
    else if (std::strcmp(word, "window") == 0) ok = parseWindow(word, kOpWindow, rest, c, error, errorSize);
    else if (std::strcmp(word, "text") == 0) ok = parseWindow(word, kOpText, rest, c, error, errorSize);
    else if (std::strcmp(word, "focus") == 0) ok = parseFocus(rest, c, error, errorSize);
    else if (std::strcmp(word, "repeat") == 0) ok = parseRepeat(rest, c, error, errorSize);
    else if (std::strcmp(word, "end") == 0) ok = parseAlone(word, kOpEnd, rest, c, error, errorSize);
    else if (std::strcmp(word, "dialog") == 0) ok = parseAlone(word, kOpDialog, rest, c, error, errorSize);
    else if (std::strcmp(word, "restart") == 0) ok = parseAlone(word, kOpRestart, rest, c, error, errorSize);
    else if (std::strcmp(word, "memory") == 0) ok = parseAlone(word, kOpMemory, rest, c, error, errorSize);
    else {
        std::snprintf(error, errorSize, "unknown command \"%s\"", word);
        ok = false;
    }
    return ok ? 1 : -1;
}

bool readBroadcastFile(const char* path, char* out, char* error, size_t errorSize) {
    out[0] = '\0';
    FILE* file = std::fopen(path, "rb");
    if (!file) {
        std::snprintf(error, errorSize, "cannot read \"%s\": %s", path, std::strerror(errno));
        return false;
    }
    size_t length = std::fread(out, 1, kMaxBroadcastFileSize + 1, file);
    std::fclose(file);
    if (length > static_cast<size_t>(kMaxBroadcastFileSize)) {
        std::snprintf(error, errorSize, "\"%s\" is larger than %d bytes", path, kMaxBroadcastFileSize);
        out[0] = '\0';
        return false;
    }
    out[length] = '\0';
    if (std::strlen(out) != length) {
        std::snprintf(error, errorSize, "\"%s\" holds a zero byte", path);
        out[0] = '\0';
        return false;
    }
    return true;
}

namespace {

// Pairs each repeat with its end (indexes into the commands). False with the reason and
// the line it concerns.
bool matchRepeats(Script& script, int* badLine, char* error, size_t errorSize) {
    int open[kMaxRepeatDepth];
    int depth = 0;
    for (int i = 0; i < script.count; ++i) {
        ScriptCommand& c = script.commands[i];
        if (c.op == kOpRepeat) {
            if (depth == kMaxRepeatDepth) {
                *badLine = c.line;
                std::snprintf(error, errorSize, "\"repeat\" nested more than %d deep", kMaxRepeatDepth);
                return false;
            }
            open[depth++] = i;
        } else if (c.op == kOpEnd) {
            if (depth == 0) {
                *badLine = c.line;
                std::snprintf(error, errorSize, "\"end\" without \"repeat\"");
                return false;
            }
            int start = open[--depth];
            c.b = start;
            script.commands[start].b = i;
        }
    }
    if (depth > 0) {
        *badLine = script.commands[open[depth - 1]].line;
        std::snprintf(error, errorSize, "\"repeat\" without \"end\"");
        return false;
    }
    return true;
}

enum LineResult { kLineRead, kNoMoreLines, kLineTooLong, kLineHasZero };

// One line without its "\n" (or "\r\n") into `text` (kScriptLineSize bytes). A zero byte is
// refused: it would end the line's text early.
LineResult readLine(FILE* file, char* text) {
    size_t length = 0;
    int c = std::fgetc(file);
    if (c == EOF) return kNoMoreLines;
    bool tooLong = false, zero = false;
    for (; c != EOF && c != '\n'; c = std::fgetc(file)) {
        zero |= c == 0;
        if (length < static_cast<size_t>(kScriptLineSize)) text[length] = static_cast<char>(c);
        ++length;
    }
    if (length > 0 && length <= static_cast<size_t>(kScriptLineSize) && text[length - 1] == '\r') --length;
    tooLong = length > static_cast<size_t>(kScriptLineSize - 1);
    if (zero) return kLineHasZero;
    if (tooLong) return kLineTooLong;
    text[length] = '\0';
    return kLineRead;
}

}  // namespace

bool scriptLoad(const char* path, Script& script, char* error, size_t errorSize) {
    script.count = 0;
    std::snprintf(script.fileName, sizeof script.fileName, "%s", path);
    FILE* file = std::fopen(path, "rb");
    if (!file) {
        std::snprintf(error, errorSize, "%s: cannot read the script: %s", path, std::strerror(errno));
        return false;
    }
    char text[kScriptLineSize];
    char reason[256];
    int lineNumber = 0;
    bool ok = true;
    int line;
    while (ok && (line = readLine(file, text)) != kNoMoreLines) {
        ++lineNumber;
        if (line == kLineTooLong || line == kLineHasZero) {
            if (line == kLineTooLong)
                std::snprintf(error, errorSize, "%s:%d: line longer than %d characters", path,
                              lineNumber, kScriptLineSize - 1);
            else
                std::snprintf(error, errorSize, "%s:%d: line holds a zero byte", path, lineNumber);
            ok = false;
            break;
        }
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
    int badLine = 0;
    if (ok && !matchRepeats(script, &badLine, reason, sizeof reason)) {
        std::snprintf(error, errorSize, "%s:%d: %s", path, badLine, reason);
        ok = false;
    }
    return ok;
}
