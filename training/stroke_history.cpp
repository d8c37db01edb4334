// The strokes trazzle handled, kept as stroke files in trazzle-history/ beside the rc file: made exclusively, newest numbered highest, the oldest removed past the bound.
#include "training/stroke_history.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "rc/file_link.h"
#include "training/stroke_file_create.h"

namespace {

namespace fs = std::filesystem;

constexpr char kPrefix[] = "stroke-";
constexpr char kSuffix[] = ".txt";
constexpr int kDigits = 8;
// Names another host takes at the same moment are skipped; this many in a row is no race.
constexpr int kMaxTries = 64;

}  // namespace

void historyFileName(long number, char (&name)[kHistoryNameSize]) {
    std::snprintf(name, sizeof name, "%s%0*ld%s", kPrefix, kDigits, number, kSuffix);
}

long historyNumber(const std::string& name) {
    size_t prefix = sizeof kPrefix - 1, suffix = sizeof kSuffix - 1;
    if (name.size() < prefix + kDigits + suffix || name.size() > prefix + 18 + suffix) return -1;
    if (name.compare(0, prefix, kPrefix) != 0 || name.compare(name.size() - suffix, suffix, kSuffix) != 0) return -1;
    long number = 0;
    for (size_t i = prefix; i < name.size() - suffix; ++i) {
        if (name[i] < '0' || name[i] > '9') return -1;
        number = number * 10 + (name[i] - '0');
    }
    char written[kHistoryNameSize];
    historyFileName(number, written);
    return name == written ? number : -1;
}

std::vector<HistoryFile> listHistory(const std::string& folder) {
    std::vector<HistoryFile> files;
    std::error_code error;
    fs::directory_iterator end;
    for (fs::directory_iterator it(folder, error); !error && it != end; it.increment(error)) {
        long number = historyNumber(it->path().filename().string());
        std::error_code statusError;
        // The entry's own type, not what a link points to: a link is nobody's history.
        if (number >= 0 && it->symlink_status(statusError).type() == fs::file_type::regular)
            files.push_back({number, it->path().string()});
    }
    std::sort(files.begin(), files.end(), [](const HistoryFile& a, const HistoryFile& b) { return a.number < b.number; });
    return files;
}

std::vector<HistoryFile> historyBeyond(const std::vector<HistoryFile>& files, int keep) {
    size_t kept = keep > 0 ? static_cast<size_t>(keep) : 0;
    if (files.size() <= kept) return {};
    return std::vector<HistoryFile>(files.begin(), files.end() - kept);
}

namespace {

void relist(HistoryWriter& writer) {
    std::error_code error;
    fs::create_directory(writer.folder, error);
    writer.files = listHistory(writer.folder);
    writer.listed = true;
    writer.sinceListing = 0;
}

// The next free number's file, made exclusively; its path in `path`.
FILE* createNext(HistoryWriter& writer, std::string& path) {
    long number = writer.files.empty() ? 1 : writer.files.back().number + 1;
    for (int tries = 0; tries < kMaxTries; ++tries, ++number) {
        char name[kHistoryNameSize];
        historyFileName(number, name);
        path = (fs::path(writer.folder) / name).string();
        bool taken = false;
        if (FILE* file = createStrokeFileAt(path.c_str(), taken)) {
            writer.files.push_back({number, path});
            return file;
        }
        if (!taken) return nullptr;
        writer.listed = false;  // someone else writes here: look again at the next stroke
    }
    return nullptr;
}

}  // namespace

bool keepHistoryStroke(HistoryWriter& writer, const ScreenPoint* points, int count, int slot, const char* command,
                       int keep, std::string& problem, std::string* written) {
    if (keep <= 0) return false;
    if (!writer.listed || writer.sinceListing >= kHistoryRelisting) relist(writer);
    std::string path;
    FILE* file = createNext(writer, path);
    if (!file) {
        // The folder may have gone since it was listed: once more, from a fresh look.
        relist(writer);
        file = createNext(writer, path);
    }
    if (!file) {
        problem = "cannot create a stroke file in " + writer.folder;
        return false;
    }
    ++writer.sinceListing;
    bool ok = writeStrokeLaunch(file, slot, command) &&
              std::fprintf(file, "# a stroke trazzle handled; the first point is the press\n") > 0;
    for (int i = 0; i < count; ++i) ok = writeStrokePoint(file, points[i]) && ok;
    ok = std::fclose(file) == 0 && ok;
    std::error_code error;
    if (!ok) {
        fs::remove(path, error);
        writer.files.pop_back();
        problem = "cannot write " + path;
        return false;
    }
    if (written) *written = path;
    std::vector<HistoryFile> old = historyBeyond(writer.files, keep);
    // Under Wine a link looks like the file it points to, and removing it removes that file.
    for (const HistoryFile& file : old)
        if (!pathIsLink(file.path.c_str())) fs::remove(file.path, error);
    writer.files.erase(writer.files.begin(), writer.files.begin() + old.size());
    return true;
}
