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
        if (number < 0) continue;
        std::error_code statusError;
        std::string path = it->path().string();
        // A link is nobody's history: removing it under Wine would remove what it points to.
        if (!fs::is_regular_file(fs::symlink_status(it->path(), statusError)) || pathIsLink(path.c_str())) continue;
        files.push_back({number, path});
    }
    std::sort(files.begin(), files.end(), [](const HistoryFile& a, const HistoryFile& b) { return a.number < b.number; });
    return files;
}

std::vector<HistoryFile> historyBeyond(const std::vector<HistoryFile>& files, int keep) {
    size_t kept = keep > 0 ? static_cast<size_t>(keep) : 0;
    if (files.size() <= kept) return {};
    return std::vector<HistoryFile>(files.begin(), files.end() - kept);
}

bool keepHistoryStroke(const std::string& folder, const ScreenPoint* points, int count, int slot, const char* command,
                       int keep, std::string& problem, std::string* written) {
    if (keep <= 0) return false;
    std::error_code error;
    fs::create_directory(folder, error);
    std::vector<HistoryFile> files = listHistory(folder);
    long number = files.empty() ? 1 : files.back().number + 1;
    FILE* file = nullptr;
    std::string path;
    for (int tries = 0; !file && tries < kMaxTries; ++tries, ++number) {
        char name[kHistoryNameSize];
        historyFileName(number, name);
        path = (fs::path(folder) / name).string();
        bool taken = false;
        file = createStrokeFileAt(path.c_str(), taken);
        if (!file && !taken) break;
    }
    if (!file) {
        problem = "cannot create a stroke file in " + folder;
        return false;
    }
    bool ok = writeStrokeLaunch(file, slot, command) &&
              std::fprintf(file, "# a stroke trazzle handled; the first point is the press\n") > 0;
    for (int i = 0; i < count; ++i) ok = writeStrokePoint(file, points[i]) && ok;
    ok = std::fclose(file) == 0 && ok;
    if (!ok) {
        fs::remove(path, error);
        problem = "cannot write " + path;
        return false;
    }
    if (written) *written = path;
    for (const HistoryFile& old : historyBeyond(listHistory(folder), keep)) fs::remove(old.path, error);
    return true;
}
