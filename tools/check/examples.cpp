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

}  // namespace

bool readExampleFolders(const char* dir, std::vector<Example>& examples, std::string& problem) {
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        fs::path folder = fs::path(dir) / std::to_string(slot);
        std::error_code error;
        if (!fs::is_directory(folder, error)) continue;
        std::vector<fs::path> files;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
            if (entry.is_regular_file()) files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            std::vector<ScreenPoint> points;
            if (!readStrokeFile(file.string().c_str(), nullptr, points, problem)) return false;
            examples.push_back({slot, file.string(), tokenize(points)});
        }
    }
    return true;
}
