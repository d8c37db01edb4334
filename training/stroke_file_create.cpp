// The free-name searches over stroke-001.txt ... stroke-999.txt and the temporaries, shared by both builds; each build's file holds only the exclusive create and the no-replace rename.
#include "training/stroke_file_create.h"

#include "training/stroke_file_create_system.h"

namespace {

constexpr size_t kFolderPathSize = 4096;  // the longest folder either build is given

// Tries `take(path, taken)` on stroke-001.txt ... stroke-999.txt in `folder` in turn, its name in
// `name`, until it succeeds or fails for another reason than a taken name; `*full` (when given)
// is set when every name was taken.
template <typename Take>
bool takeFirstFreeName(const char* folder, char (&name)[kStrokeNameSize], bool* full, Take take) {
    if (full) *full = false;
    for (int n = 1; n <= kMaxStrokeFiles; ++n) {
        strokeFileName(n, name);
        char path[kFolderPathSize + kStrokeNameSize];
        std::snprintf(path, sizeof path, "%s%s", folder, name);
        bool taken = false;
        if (take(path, taken)) return true;
        if (!taken) return false;
    }
    if (full) *full = true;
    return false;
}

}  // namespace

FILE* createNextStrokeFile(const char* folder, char (&name)[kStrokeNameSize], bool* full) {
    FILE* stroke = nullptr;
    takeFirstFreeName(folder, name, full, [&stroke](const char* path, bool& taken) {
        stroke = createStrokeFileAt(path, taken);
        return stroke != nullptr;
    });
    return stroke;
}

FILE* createStrokeTemp(const char* folder, char (&name)[kStrokeTempNameSize]) {
    static unsigned long long counter = 0;
    // A name another writer holds is rare; a few tries tell it from a folder that takes none.
    for (int attempt = 0; attempt < 16; ++attempt) {
        strokeTempName(strokeTempSeed() ^ ++counter * 0x9E3779B97F4A7C15ull, name);
        char path[kFolderPathSize + kStrokeTempNameSize];
        std::snprintf(path, sizeof path, "%s%s", folder, name);
        bool taken = false;
        FILE* stroke = createStrokeFileAt(path, taken);
        if (stroke || !taken) return stroke;
    }
    return nullptr;
}

bool giveStrokeFileName(const char* from, const char* folder, char (&name)[kStrokeNameSize], bool* full) {
    return takeFirstFreeName(folder, name, full,
                             [from](const char* path, bool& taken) { return renameWithoutReplacing(from, path, taken); });
}
