// Stroke files as trazzle-replay, trazzle-check, the recorder and the trainer share them: one point a line, the first the press.
#include "training/stroke_file.h"

#include "training/stroke_file_create.h"

#include <cerrno>
#include <cinttypes>
#include <cstdarg>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "training/regular_file.h"
#include "engine/gesture_matcher.h"
#include "training/tool_text.h"

namespace {

constexpr size_t kMaxLineLength = kMaxStrokeLineLength;
constexpr size_t kMaxPoints = kMaxStrokePoints;
constexpr size_t kQuoteLength = 60;

void setProblem(std::string& problem, const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    problem = text;
}

// At most kQuoteLength characters of `line`, control characters escaped, so an error
// message cannot flood or drive the terminal.
std::string quoted(const std::string& line) { return quotedExcerpt(line, kQuoteLength); }

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

constexpr char kLaunchedSlot[] = "# launched: slot ";
constexpr char kLaunchedNothing[] = "# launched: nothing";

// A launch line as writeStrokeLaunch writes it; any other comment changes nothing.
void readLaunchLine(const std::string& line, StrokeLaunch& launch) {
    std::string text = line;
    while (!text.empty() && text.back() == '\r') text.pop_back();
    if (text == kLaunchedNothing) {
        launch = {true, kNoSlot, ""};
        return;
    }
    size_t prefix = sizeof kLaunchedSlot - 1;
    if (text.compare(0, prefix, kLaunchedSlot) != 0) return;
    const char* digits = text.c_str() + prefix;
    char* end = nullptr;
    long slot = std::strtol(digits, &end, 10);
    if (end == digits || slot < 0 || slot >= kGestureSlotCount || (*end != ' ' && *end != '\0')) return;
    launch = {true, static_cast<int>(slot), *end == ' ' ? end + 1 : ""};
}

}  // namespace

bool readStrokeFile(const char* path, FILE* in, std::vector<ScreenPoint>& points, std::string& problem,
                    StrokeLaunch* launch) {
    if (launch) *launch = {false, kNoSlot, ""};
    bool fromStdin = std::strcmp(path, "-") == 0;
    // The name goes into every message, so a file name cannot drive the terminal either.
    std::string shownName = fromStdin ? "<stdin>" : printableText(path);
    const char* name = shownName.c_str();
    std::string why;
    FILE* file = fromStdin ? in : openRegularFile(path, why);
    if (!file) {
        setProblem(problem, "cannot read stroke file \"%s\": %s", name, why.c_str());
        return false;
    }
    std::string line;
    bool ok = true;
    LineResult read;
    // 64 bits: a 32-bit long (Windows) would wrap after 2^31 lines.
    for (int64_t number = 1; ok && (read = readLine(file, line)) != kNoMoreLines; ++number) {
        if (read == kLineTooLong) {
            setProblem(problem, "%s:%" PRId64 ": line longer than %d characters", name, number,
                 static_cast<int>(kMaxLineLength));
            ok = false;
            break;
        }
        if (line.find('\0') != std::string::npos) {
            setProblem(problem, "%s:%" PRId64 ": not a text line", name, number);
            ok = false;
            break;
        }
        const char* text = skipBlanks(line.c_str());
        if (*text == '#' && launch) readLaunchLine(line, *launch);
        if (*text == '\0' || *text == '#') continue;
        ScreenPoint point;
        NumberResult result = parsePointLine(line.c_str(), point);
        if (result == kOutOfRange) {
            setProblem(problem, "%s:%" PRId64 ": number outside the signed 32-bit range in %s", name, number,
                 quoted(line).c_str());
            ok = false;
        } else if (result == kNotANumber) {
            setProblem(problem, "%s:%" PRId64 ": expected two integers \"x y\", got %s", name, number,
                 quoted(line).c_str());
            ok = false;
        } else if (points.size() == kMaxPoints) {
            setProblem(problem, "%s:%" PRId64 ": more than %d points", name, number, static_cast<int>(kMaxPoints));
            ok = false;
        } else {
            points.push_back(point);
        }
    }
    if (ok && std::ferror(file)) {
        setProblem(problem, "cannot read stroke file \"%s\"", name);
        ok = false;
    }
    if (!fromStdin) std::fclose(file);
    if (ok && points.empty()) {
        setProblem(problem, "%s: no points: the stroke needs at least its start point", name);
        ok = false;
    }
    return ok;
}

bool writeStrokePoint(FILE* file, ScreenPoint point) {
    return std::fprintf(file, "%ld %ld\n", static_cast<long>(point.x), static_cast<long>(point.y)) > 0;
}

bool writeStrokeLaunch(FILE* file, int slot, const char* command) {
    if (slot == kNoSlot) return std::fprintf(file, "%s\n", kLaunchedNothing) > 0;
    return std::fprintf(file, "%s%d %s\n", kLaunchedSlot, slot, command) > 0;
}

void strokeFileName(int number, char (&name)[kStrokeNameSize]) {
    std::snprintf(name, sizeof name, "stroke-%03d.txt", number);
}
