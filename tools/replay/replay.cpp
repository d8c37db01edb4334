// trazzle-replay: replays a recorded stroke or a gesture text through the engine and reports the outcome.
#include "tools/replay/replay.h"

#include <cerrno>
#include <cinttypes>
#include <cstdarg>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "devhost/rc_file.h"
#include "engine/command_launcher.h"
#include "engine/gesture_matcher.h"
#include "engine/stroke_tokenizer.h"
#include "host/settings_loader.h"

namespace {

const char kUsage[] =
    "usage: trazzle-replay [--trace] [--rc RCFILE] (--text GESTURETEXT | STROKEFILE | -)\n"
    "\n"
    "Shows what trazzle makes of a stroke: the gesture text, and with --rc the slot it\n"
    "chooses and the command it would launch.\n"
    "\n"
    "  STROKEFILE      one point a line, \"x y\" in screen pixels (blanks, tabs or one comma\n"
    "                  between); blank lines and lines starting with # are skipped. The first\n"
    "                  point is where the hotkey was pressed. - reads standard input.\n"
    "  --text TEXT     take a finished gesture text, such as \"tr bl\", instead of a stroke\n"
    "  --trace         list every drawing request: segment X1 Y1 X2 Y2, dot X Y LABEL\n"
    "  --rc RCFILE     read the 25 gesture slots from RCFILE and report the chosen one\n"
    "  --help          show this text\n"
    "\n"
    "A corner token is appended each time the stroke turns back on one axis while it keeps\n"
    "its sense on the other (steps of more than 12 pixels count):\n"
    "  tr  top, passed moving right        tl  top, passed moving left\n"
    "  br  bottom, passed moving right     bl  bottom, passed moving left\n"
    "  rd  right edge, passed moving down  ru  right edge, passed moving up\n"
    "  ld  left edge, passed moving down   lu  left edge, passed moving up\n"
    "A V drawn left to right is \"br\", a peak \"tr\", a W \"br tr br\".\n";

// Bounds that keep a hostile input from taking the memory: a real stroke has a few hundred
// points on short lines, and a real rc file a few kilobytes.
constexpr size_t kMaxLineLength = 4096;
constexpr size_t kMaxPoints = 1000000;
constexpr size_t kMaxRcFileSize = 16 * 1024 * 1024;
constexpr size_t kQuoteLength = 60;
// Printed with %d: a 32-bit C runtime may not know %zu.

struct Options {
    bool trace = false;
    const char* rcPath = nullptr;
    const char* text = nullptr;
    const char* strokePath = nullptr;
    bool help = false;
};

void fail(FILE* err, const char* format, ...) {
    std::fprintf(err, "trazzle-replay: error: ");
    va_list args;
    va_start(args, format);
    std::vfprintf(err, format, args);
    va_end(args);
    std::fprintf(err, "\n");
}

bool parseOptions(int argc, char** argv, Options& options, FILE* err) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        bool needsValue = std::strcmp(arg, "--rc") == 0 || std::strcmp(arg, "--text") == 0;
        if (needsValue && i + 1 >= argc) {
            fail(err, "%s needs a value (see --help)", arg);
            return false;
        }
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            options.help = true;
        } else if (std::strcmp(arg, "--trace") == 0) {
            options.trace = true;
        } else if (std::strcmp(arg, "--rc") == 0) {
            options.rcPath = argv[++i];
        } else if (arg[0] == '-' && arg[1] != '\0' && std::strcmp(arg, "--text") != 0) {
            fail(err, "unknown option \"%s\" (see --help)", arg);
            return false;
        } else {
            if (options.text || options.strokePath) {
                fail(err, "give one input: --text, a stroke file or -");
                return false;
            }
            if (std::strcmp(arg, "--text") == 0)
                options.text = argv[++i];
            else
                options.strokePath = arg;
        }
    }
    if (!options.help && !options.text && !options.strokePath) {
        fail(err, "no input: give --text GESTURETEXT, a stroke file or - (see --help)");
        return false;
    }
    return true;
}

// At most kQuoteLength characters of `line`, control characters escaped, so an error
// message cannot flood or drive the terminal.
std::string quoted(const std::string& line) {
    std::string text = "\"";
    for (size_t i = 0; i < line.size() && i < kQuoteLength; ++i) {
        unsigned char c = static_cast<unsigned char>(line[i]);
        if (c < 0x20 || c == 0x7f || c == '"' || c == '\\') {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", c);
            text += escape;
        } else {
            text += static_cast<char>(c);
        }
    }
    text += line.size() > kQuoteLength ? "\"..." : "\"";
    return text;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

const char* skipBlanks(const char* p) {
    while (isBlank(*p)) ++p;
    return p;
}

enum NumberResult { kNumberOk, kNotANumber, kOutOfRange };

// A decimal integer with an optional sign; *end is left after its last digit.
NumberResult parseCoordinate(const char* p, const char** end, int32_t& value) {
    const char* start = p;
    if (*p == '+' || *p == '-') ++p;
    if (*p < '0' || *p > '9') return kNotANumber;
    errno = 0;
    char* after = nullptr;
    long long parsed = std::strtoll(start, &after, 10);
    *end = after;
    if (errno == ERANGE || parsed < INT32_MIN || parsed > INT32_MAX) return kOutOfRange;
    value = static_cast<int32_t>(parsed);
    return kNumberOk;
}

// One stroke line: "x y", "x,y", "x, y" or with tabs; blanks around it are allowed.
NumberResult parsePointLine(const char* line, ScreenPoint& point) {
    const char* p = skipBlanks(line);
    const char* end = nullptr;
    NumberResult result = parseCoordinate(p, &end, point.x);
    if (result != kNumberOk) return result;
    p = end;
    const char* separator = skipBlanks(p);
    bool comma = *separator == ',';
    if (!comma && separator == p) return kNotANumber;
    p = comma ? skipBlanks(separator + 1) : separator;
    result = parseCoordinate(p, &end, point.y);
    if (result != kNumberOk) return result;
    return *skipBlanks(end) == '\0' ? kNumberOk : kNotANumber;
}

enum LineResult { kLineRead, kNoMoreLines, kLineTooLong };

// Keeps at most kMaxLineLength + 1 characters of a line, so an endless line costs no memory.
LineResult readLine(FILE* file, std::string& line) {
    line.clear();
    int c;
    bool any = false;
    while ((c = std::fgetc(file)) != EOF) {
        any = true;
        if (c == '\n') break;
        if (line.size() <= kMaxLineLength) line.push_back(static_cast<char>(c));
    }
    if (!any) return kNoMoreLines;
    return line.size() > kMaxLineLength ? kLineTooLong : kLineRead;
}

bool readStroke(const char* path, FILE* in, std::vector<ScreenPoint>& points, FILE* err) {
    bool fromStdin = std::strcmp(path, "-") == 0;
    const char* name = fromStdin ? "<stdin>" : path;
    FILE* file = fromStdin ? in : std::fopen(path, "rb");
    if (!file) {
        fail(err, "cannot read stroke file \"%s\": %s", path, std::strerror(errno));
        return false;
    }
    std::string line;
    bool ok = true;
    LineResult read;
    // 64 bits: a 32-bit long (Windows) would wrap after 2^31 lines.
    for (int64_t number = 1; ok && (read = readLine(file, line)) != kNoMoreLines; ++number) {
        if (read == kLineTooLong) {
            fail(err, "%s:%" PRId64 ": line longer than %d characters", name, number,
                 static_cast<int>(kMaxLineLength));
            ok = false;
            break;
        }
        if (line.find('\0') != std::string::npos) {
            fail(err, "%s:%" PRId64 ": not a text line", name, number);
            ok = false;
            break;
        }
        const char* text = skipBlanks(line.c_str());
        if (*text == '\0' || *text == '#') continue;
        ScreenPoint point;
        NumberResult result = parsePointLine(line.c_str(), point);
        if (result == kOutOfRange) {
            fail(err, "%s:%" PRId64 ": number outside the signed 32-bit range in %s", name, number,
                 quoted(line).c_str());
            ok = false;
        } else if (result == kNotANumber) {
            fail(err, "%s:%" PRId64 ": expected two integers \"x y\", got %s", name, number,
                 quoted(line).c_str());
            ok = false;
        } else if (points.size() == kMaxPoints) {
            fail(err, "%s:%" PRId64 ": more than %d points", name, number, static_cast<int>(kMaxPoints));
            ok = false;
        } else {
            points.push_back(point);
        }
    }
    if (ok && std::ferror(file)) {
        fail(err, "cannot read stroke file \"%s\"", name);
        ok = false;
    }
    if (!fromStdin) std::fclose(file);
    if (ok && points.empty()) {
        fail(err, "%s: no points: the stroke needs at least its start point", name);
        ok = false;
    }
    return ok;
}

// The rc file's text, read once: the 75 slot keys are then found in memory.
int32_t rcInt(void* text, const char* key, int32_t defaultValue) {
    const std::string& rc = *static_cast<std::string*>(text);
    return rcTextReadInt(rc.data(), rc.size(), key, defaultValue);
}

bool rcBool(void* text, const char* key, bool defaultValue) {
    const std::string& rc = *static_cast<std::string*>(text);
    return rcTextReadBool(rc.data(), rc.size(), key, defaultValue);
}

void rcString(void* text, const char* key, const char* defaultValue, char* out, size_t outSize) {
    const std::string& rc = *static_cast<std::string*>(text);
    rcTextReadString(rc.data(), rc.size(), key, defaultValue, out, outSize);
}

// The slots as the plugin reads them: the same keys, order and cut to 99 characters. The
// file is read once, so a pipe works too; a folder or a read error is refused.
bool readSlots(const char* rcPath, GestureTable& table, FILE* err) {
    FILE* file = std::fopen(rcPath, "rb");
    if (!file) {
        fail(err, "cannot read rc file \"%s\": %s", rcPath, std::strerror(errno));
        return false;
    }
    std::string text;
    char chunk[16384];
    size_t got;
    errno = 0;
    while (text.size() <= kMaxRcFileSize && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        text.append(chunk, got);
    bool failed = std::ferror(file) != 0;
    int error = errno;
    std::fclose(file);
    if (failed) {
        fail(err, "cannot read rc file \"%s\": %s", rcPath, std::strerror(error ? error : EIO));
        return false;
    }
    if (text.size() > kMaxRcFileSize) {
        fail(err, "rc file \"%s\" is larger than %d bytes", rcPath, static_cast<int>(kMaxRcFileSize));
        return false;
    }
    SettingsReader reader = {rcInt, rcBool, rcString, &text};
    readGestureSlots(reader, table);
    return true;
}

void printRequest(void* context, const DrawRequest& request) {
    auto* trace = static_cast<std::string*>(context);
    char line[128];
    if (request.kind == kCornerDot)
        std::snprintf(line, sizeof line, "dot %ld %ld %s\n", static_cast<long>(request.from.x),
                      static_cast<long>(request.from.y), request.label);
    else
        std::snprintf(line, sizeof line, "segment %ld %ld %ld %ld\n", static_cast<long>(request.from.x),
                      static_cast<long>(request.from.y), static_cast<long>(request.to.x),
                      static_cast<long>(request.to.y));
    trace->append(line);
}

int replay(int argc, char** argv, FILE* in, FILE* out, FILE* err) {
    Options options;
    if (!parseOptions(argc, argv, options, err)) return 2;
    if (options.help) {
        std::fputs(kUsage, out);
        return 0;
    }

    // Everything is read and checked before the first line of output, so a refused input
    // prints nothing on standard output.
    std::vector<ScreenPoint> points;
    if (options.text && std::strlen(options.text) >= kGestureTextSize) {
        fail(err, "gesture text longer than %d characters", kGestureTextSize - 1);
        return 2;
    }
    if (options.text && std::strpbrk(options.text, "\r\n")) {
        fail(err, "gesture text must be a single line");
        return 2;
    }
    if (options.strokePath && !readStroke(options.strokePath, in, points, err)) return 2;
    GestureTable table;
    if (options.rcPath && !readSlots(options.rcPath, table, err)) return 2;

    std::string trace;
    CaptureState state = {};
    if (options.text) {
        std::snprintf(state.gestureText, sizeof state.gestureText, "%s", options.text);
    } else {
        StrokeSink sink = {options.trace ? printRequest : nullptr, &trace};
        state.capturing = true;
        beginStroke(state, points[0]);
        for (size_t i = 1; i < points.size(); ++i) addStrokeSample(state, points[i], sink);
        endStroke(state);
    }
    std::fputs(trace.c_str(), out);
    std::fprintf(out, "gesture: %s\n", state.gestureText);

    if (options.rcPath) {
        int slot = findBestSlot(table, state.gestureText);
        if (slot == kNoSlot) {
            std::fprintf(out, "slot: none\n");
        } else {
            LaunchPlan plan;
            planLaunch(table, slot, plan);
            std::fprintf(out, "slot: %d\ndirectory: %s\nfile: %s\nargument: %s\nstatus: %s\n", slot,
                         plan.directory, plan.file, plan.argument, plan.status);
        }
    }
    if (std::fflush(out) != 0 || std::ferror(out)) {
        fail(err, "cannot write the output: %s", std::strerror(errno ? errno : EIO));
        return 2;
    }
    return 0;
}

}  // namespace

int runReplay(int argc, char** argv, FILE* in, FILE* out, FILE* err) {
    // Nothing of ours throws; the library's allocation failure becomes the usual error.
    try {
        return replay(argc, argv, in, out, err);
    } catch (const std::bad_alloc&) {
        fail(err, "out of memory");
        return 2;
    }
}
