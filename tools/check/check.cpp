// trazzle-check: the command line, and diagnostics printed the way compilers print them.
#include "tools/check/check.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include "tools/check/check_tool.h"
#include "training/checker.h"

namespace {

const char kUsage[] =
    "usage: trazzle-check [--quiet] [--table] [--sheet OUT.svg] RCFILE\n"
    "       trazzle-check --token-sheet OUT.svg\n"
    "       trazzle-check --learn DIR [--rc RCFILE [--apply]]\n"
    "\n"
    "Checks an rc file the way trazzle reads it and prints one finding a line,\n"
    "FILE:LINE: error: ... or FILE:LINE: warning: ... (notes add detail).\n"
    "\n"
    "  --quiet             print errors only\n"
    "  --table             also print every configured gesture's one-token slips: what is\n"
    "                      drawn, what it launches and why\n"
    "  --sheet OUT.svg     also draw every configured slot as a card in OUT.svg\n"
    "  --token-sheet OUT.svg  draw the eight corner tokens\n"
    "  --learn DIR         learn slot texts from DIR/N/* stroke files (N is the slot, 0 to 24)\n"
    "                      and print rc lines, a cross-validated estimate beside that of each\n"
    "                      slot's most common text, and the examples that would still fail\n"
    "  --rc RCFILE         with --learn: the slots' commands, and the other slots' gestures\n"
    "                      that compete; slots RCFILE leaves empty may take further texts\n"
    "                      (variants) for a learned slot\n"
    "  --apply             with --rc: write the learned lines into RCFILE\n"
    "\n"
    "Exit status: 0 nothing to say, 1 warnings only, 2 errors or unreadable input.\n";

struct Options {
    bool quiet = false;
    bool table = false;
    bool help = false;
    const char* sheet = nullptr;
    const char* tokenSheet = nullptr;
    const char* learn = nullptr;
    const char* learnRc = nullptr;
    bool apply = false;
    const char* rcPath = nullptr;
};

bool parseOptions(int argc, char** argv, Options& options, FILE* err) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const char** value = std::strcmp(arg, "--sheet") == 0         ? &options.sheet
                             : std::strcmp(arg, "--token-sheet") == 0 ? &options.tokenSheet
                             : std::strcmp(arg, "--learn") == 0       ? &options.learn
                             : std::strcmp(arg, "--rc") == 0          ? &options.learnRc
                                                                      : nullptr;
        if (value) {
            if (i + 1 >= argc) {
                std::fprintf(err, "trazzle-check: error: %s needs a value (see --help)\n", arg);
                return false;
            }
            *value = argv[++i];
        } else if (std::strcmp(arg, "--apply") == 0) {
            options.apply = true;
        } else if (std::strcmp(arg, "--quiet") == 0) {
            options.quiet = true;
        } else if (std::strcmp(arg, "--table") == 0) {
            options.table = true;
        } else if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            options.help = true;
        } else if (arg[0] == '-' && arg[1] != '\0') {
            std::fprintf(err, "trazzle-check: error: unknown option \"%s\" (see --help)\n", arg);
            return false;
        } else if (options.rcPath) {
            std::fprintf(err, "trazzle-check: error: give one rc file\n");
            return false;
        } else {
            options.rcPath = arg;
        }
    }
    if ((options.learnRc && !options.learn) || (options.apply && !options.learnRc)) {
        std::fprintf(err, "trazzle-check: error: %s (see --help)\n",
                     options.apply && !options.learnRc ? "--apply needs --learn DIR --rc RCFILE"
                                                       : "--rc belongs to --learn DIR");
        return false;
    }
    if (!options.help && !options.rcPath && !options.tokenSheet && !options.learn) {
        std::fprintf(err, "trazzle-check: error: no rc file given (see --help)\n");
        return false;
    }
    return true;
}

int checkFile(const Options& options, FILE* out, FILE* err) {
    RcFile rc;
    std::string problem;
    std::string path = printableText(options.rcPath);
    FileRead read = loadRcFile(options.rcPath, rc, problem);
    if (read == kFileUnreadable) {
        std::fprintf(err, "trazzle-check: error: cannot read \"%s\": %s\n", path.c_str(), problem.c_str());
        return 2;
    }
    if (read == kFileTooLarge) {
        std::fprintf(err, "trazzle-check: error: \"%s\" is larger than %d bytes, far more than an rc file holds\n",
                     path.c_str(), static_cast<int>(kMaxInputFileSize));
        return 2;
    }
    std::vector<Diagnostic> found;
    std::string table;
    checkSettings(rc, found);
    checkSlots(rc, found, options.table ? &table : nullptr);
    std::stable_sort(found.begin(), found.end(),
                     [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
    int status = 0;
    for (const Diagnostic& d : found) {
        status = std::max(status, d.severity == kError ? 2 : d.severity == kWarning ? 1 : 0);
        if (options.quiet && d.severity != kError) continue;
        printLine(out, formatDiagnostic(options.rcPath, d));
    }
    for (size_t start = 0; start < table.size();) {
        size_t end = table.find('\n', start);
        if (end == std::string::npos) end = table.size();
        printLine(out, table.substr(start, end - start));
        start = end + 1;
    }
    if (options.sheet && !writeSlotSheet(rc.table, options.sheet)) {
        std::fprintf(err, "trazzle-check: error: cannot write \"%s\"\n", printableText(options.sheet).c_str());
        return 2;
    }
    return status;
}

int check(int argc, char** argv, FILE* out, FILE* err) {
    Options options;
    if (!parseOptions(argc, argv, options, err)) return 2;
    if (options.help) {
        std::fputs(kUsage, out);
        return 0;
    }
    int status = 0;
    if (options.tokenSheet && !writeTokenSheet(options.tokenSheet)) {
        std::fprintf(err, "trazzle-check: error: cannot write \"%s\"\n", printableText(options.tokenSheet).c_str());
        return 2;
    }
    if (options.learn)
        status = std::max(status, runLearn(options.learn, options.learnRc, options.apply, out, err));
    if (options.rcPath) status = std::max(status, checkFile(options, out, err));
    errno = 0;
    if (std::fflush(out) != 0 || std::ferror(out)) {
        std::fprintf(err, "trazzle-check: error: cannot write the report: %s\n",
                     std::strerror(errno ? errno : EIO));
        return 2;
    }
    return status;
}

}  // namespace

int runCheck(int argc, char** argv, FILE* out, FILE* err) {
    // Nothing of ours throws; the library's allocation failure becomes the usual error.
    try {
        return check(argc, argv, out, err);
    } catch (const std::bad_alloc&) {
        std::fprintf(err, "trazzle-check: error: out of memory\n");
        return 2;
    }
}

void printLine(FILE* out, const std::string& line) {
    std::fputs(printableText(line).c_str(), out);
    std::fputc('\n', out);
}
