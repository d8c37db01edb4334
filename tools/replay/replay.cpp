// trazzle-replay: replays a recorded stroke or a gesture text through the engine and reports the outcome.
#include "tools/replay/replay.h"

#include "training/checker.h"

#include <cerrno>
#include <cinttypes>
#include <cstdarg>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "rc/rc_file.h"
#include "engine/command_launcher.h"
#include "engine/gesture_matcher.h"
#include "engine/stroke_tokenizer.h"
#include "settings/settings_loader.h"
#include "training/tool_text.h"
#include "training/stroke_file.h"

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

// Printed with %d: a 32-bit C runtime may not know %zu.
constexpr int kMaxRcBytes = static_cast<int>(kMaxInputFileSize);

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
            fail(err, "%s needs a value (see --help)", printableText(arg).c_str());
            return false;
        }
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            options.help = true;
        } else if (std::strcmp(arg, "--trace") == 0) {
            options.trace = true;
        } else if (std::strcmp(arg, "--rc") == 0) {
            options.rcPath = argv[++i];
        } else if (arg[0] == '-' && arg[1] != '\0' && std::strcmp(arg, "--text") != 0) {
            fail(err, "unknown option \"%s\" (see --help)", printableText(arg).c_str());
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

// A stroke file through the shared reader; its one-line complaint goes to `err`.
bool readStroke(const char* path, FILE* in, std::vector<ScreenPoint>& points, FILE* err) {
    std::string problem;
    if (readStrokeFile(path, in, points, problem)) return true;
    fail(err, "%s", problem.c_str());
    return false;
}

// The slots as the plugin reads them: the same keys, order and cut to 99 characters. The
// file is read once; a pipe, a device, a folder or a read error is refused.
bool readSlots(const char* rcPath, GestureTable& table, FILE* err) {
    std::string text, problem;
    FileRead read = readInputFile(rcPath, text, problem);
    if (read == kFileUnreadable) {
        fail(err, "cannot read rc file \"%s\": %s", printableText(rcPath).c_str(), problem.c_str());
        return false;
    }
    if (read == kFileTooLarge) {
        fail(err, "rc file \"%s\" is larger than %d bytes", printableText(rcPath).c_str(), kMaxRcBytes);
        return false;
    }
    readSlotsOfText(text.data(), text.size(), table);
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
    // Texts from the command line and the rc file may hold anything; control characters are
    // written as \xNN, so they show instead of driving the terminal.
    std::fprintf(out, "gesture: %s\n", printableText(state.gestureText).c_str());

    if (options.rcPath) {
        int slot = findBestSlot(table, state.gestureText);
        if (slot == kNoSlot) {
            std::fprintf(out, "slot: none\n");
        } else {
            LaunchPlan plan;
            planLaunch(table, slot, plan);
            std::fprintf(out, "slot: %d\ndirectory: %s\nfile: %s\nargument: %s\nstatus: %s\n", slot,
                         printableText(plan.directory).c_str(), printableText(plan.file).c_str(),
                         printableText(plan.argument).c_str(), printableText(plan.status).c_str());
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
