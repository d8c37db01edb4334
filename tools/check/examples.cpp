// trazzle-check --learn: the example strokes of DIR/N/, each tokenized to the text the plugin would see.
#include <algorithm>
#include <filesystem>

#include "engine/stroke_tokenizer.h"
#include "tools/check/check_internal.h"
#include "tools/replay/stroke_file.h"

namespace {

namespace fs = std::filesystem;

std::string tokenize(const std::vector<ScreenPoint>& points) {
    CaptureState state = {};
    state.capturing = true;
    StrokeSink none = {nullptr, nullptr};
    beginStroke(state, points[0]);
    for (size_t i = 1; i < points.size(); ++i) addStrokeSample(state, points[i], none);
    return endStroke(state);
}

// The slot a folder name stands for: 0 to 24 as the rc keys write it ("7", not "07"), or -1.
int slotOfName(const std::string& name) {
    if (name.empty() || name.size() > 2 || (name.size() == 2 && name[0] == '0')) return -1;
    int slot = 0;
    for (char c : name) {
        if (c < '0' || c > '9') return -1;
        slot = slot * 10 + (c - '0');
    }
    return slot < kGestureSlotCount ? slot : -1;
}

std::string named(const fs::path& path) { return "\"" + printableText(path.string(), "\"") + "\""; }

bool fail(std::string& problem, const std::string& what) {
    problem = what;
    return false;
}

// The entries of one folder, in name order; false with the reason when it cannot be listed.
bool listFolder(const fs::path& folder, std::vector<fs::path>& entries, std::string& problem) {
    std::error_code error;
    fs::directory_iterator end;
    for (fs::directory_iterator it(folder, error); !error && it != end; it.increment(error))
        entries.push_back(it->path());
    if (error) problem = error.message();
    std::sort(entries.begin(), entries.end());
    return !error;
}

}  // namespace

bool readExampleFolders(const char* dir, std::vector<Example>& examples, std::vector<std::string>& warnings,
                        std::string& problem) {
    // Every entry is looked at without following anything further than its own link, so a
    // link loop is one unreadable entry, never an endless walk. Files directly in DIR (a
    // README, the recording script) belong to no slot and are left alone.
    std::vector<fs::path> entries, slotFolders[kGestureSlotCount];
    if (!listFolder(dir, entries, problem))
        return fail(problem, "cannot read the folder " + named(dir) + ": " + problem);
    for (const fs::path& entry : entries) {
        std::error_code error;
        fs::file_status status = fs::status(entry, error);
        int slot = slotOfName(entry.filename().string());
        if (slot >= 0 && (error || fs::is_directory(status))) {
            if (error) return fail(problem, "cannot read the slot folder " + named(entry) + ": " + error.message());
            slotFolders[slot].push_back(entry);
        } else if (error) {
            warnings.push_back(named(entry) + " cannot be read (" + error.message() + "); skipped");
        } else if (fs::is_directory(status)) {
            warnings.push_back(named(entry) + " is not a slot folder (0 to 24, no leading zeros); "
                                "its strokes are not read");
        }
    }
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        for (const fs::path& folder : slotFolders[slot]) {
            std::vector<fs::path> files;
            if (!listFolder(folder, files, problem))
                return fail(problem, "cannot read the slot folder " + named(folder) + ": " + problem);
            for (const fs::path& file : files) {
                std::error_code error;
                fs::file_status status = fs::status(file, error);
                if (error) return fail(problem, "cannot read " + named(file) + ": " + error.message());
                if (fs::is_directory(status)) {
                    warnings.push_back(named(file) + " is a folder inside a slot folder; its strokes are not read");
                    continue;
                }
                // A pipe or a device would be read until it ends, or forever.
                if (!fs::is_regular_file(status))
                    return fail(problem, named(file) + " is not a stroke file (not a regular file)");
                std::vector<ScreenPoint> points;
                if (!readStrokeFile(file.string().c_str(), nullptr, points, problem))
                    return false;
                examples.push_back({slot, file.string(), tokenize(points)});
            }
        }
    }
    return true;
}
