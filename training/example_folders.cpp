// Example strokes of slots in DIR/N/ folders, each tokenized to the text the plugin would see, and a learning run over them.
#include <algorithm>
#include <filesystem>

#include "training/example_folders.h"

#include "rc/file_link.h"
#include "rc/rc_file.h"
#include "training/example_names.h"
#include "training/rc_slot_lines.h"
#include "training/regular_file.h"
#include "training/stroke_file.h"
#include "training/stroke_history.h"
#include "training/stroke_variants.h"

namespace {

namespace fs = std::filesystem;

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

// Whether a file that has no status can be read after all; `why` when not.
bool fileReadable(const fs::path& file, std::string& why) {
    FILE* opened = openRegularFile(file.string().c_str(), why);
    if (opened) std::fclose(opened);
    return opened != nullptr;
}

// A slot with a folder in DIR is learned, whether or not the folder holds examples.
void planSlots(const char* dir, const RcFile* rc, LearnSetup& setup) {
    bool hasFolder[kGestureSlotCount];
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        std::error_code error;
        hasFolder[slot] = fs::is_directory(fs::path(dir) / std::to_string(slot), error);
    }
    planLearnSlots(hasFolder, rc ? &rc->table : nullptr, setup, rc ? rc->freeSlots : kDefaultFreeSlots);
}

// The stroke files of one slot folder entry of DIR (a folder, or a link to one); anything in it
// that cannot be an example goes into `unreadable`, a folder inside it into `warnings`.
void listSlotEntry(const fs::path& entry, int slot, std::vector<std::string>& files,
                   std::vector<UnreadableExample>& unreadable, std::vector<std::string>& warnings) {
    std::error_code error;
    fs::file_status status = fs::status(entry, error);
    std::string problem;
    if (error) {
        unreadable.push_back({slot, entry.string(), "cannot read the slot folder " + named(entry) + ": " + error.message()});
        return;
    }
    if (!fs::is_directory(status)) return;
    std::vector<fs::path> entries;
    if (!listFolder(entry, entries, problem)) {
        unreadable.push_back({slot, entry.string(), "cannot read the slot folder " + named(entry) + ": " + problem});
        return;
    }
    for (const fs::path& file : entries) {
        fs::file_status fileStatus = fs::status(file, error);
        const std::string name = file.filename().string();
        std::string why;
        std::string changed = nameWindowsChanges(name.c_str());
        if (isStrokeTempName(name.c_str())) {
            // Flushed and named in one step, or not at all: it is cut short or a copy.
            warnings.push_back(named(file) + " was left by a write that did not finish; it is no example, "
                               "and the trainer removes it when it opens");
        } else if (!changed.empty()) {
            // Under Windows reading it would read another file, or a device.
            unreadable.push_back({slot, file.string(), named(file) + " is not read: " + changed + "; rename it"});
        } else if (error && fs::is_symlink(fs::symlink_status(file))) {
            // Under Wine such a link is not even listed: skipped here too, said natively.
            warnings.push_back(named(file) + " is a link that leads to no file (" + error.message() + "); skipped");
        } else if (error && !fileReadable(file, why)) {
            // Wine lists a POSIX pipe or device but has no status for it: opened, it says what it is.
            unreadable.push_back({slot, file.string(),
                                  why == kNotRegularFile ? named(file) + " is not a stroke file (not a regular file)"
                                                         : "cannot read " + named(file) + ": " + why});
        } else if (error) {
            files.push_back(file.string());
        } else if (fs::is_directory(fileStatus)) {
            warnings.push_back(named(file) + " is a folder inside a slot folder; its strokes are not read");
        } else if (!fs::is_regular_file(fileStatus)) {
            // A pipe or a device would be read until it ends, or forever.
            unreadable.push_back({slot, file.string(), named(file) + " is not a stroke file (not a regular file)"});
        } else {
            files.push_back(file.string());
        }
    }
}

}  // namespace

void listSlotFolder(const char* dir, int slot, std::vector<std::string>& files,
                    std::vector<UnreadableExample>& unreadable, std::vector<std::string>& warnings) {
    fs::path entry = fs::path(dir) / std::to_string(slot);
    std::error_code error;
    if (fs::symlink_status(entry, error).type() == fs::file_type::not_found) return;
    listSlotEntry(entry, slot, files, unreadable, warnings);
}

std::string slotFolderLink(const char* dir, int slot) {
    if (pathIsLink(dir)) return named(fs::path(dir).filename()) + " is a link";
    fs::path folder = fs::path(dir) / std::to_string(slot);
    return pathIsLink(folder.string().c_str()) ? textf("slot %d's folder is a link", slot) : std::string();
}

bool readExampleFile(const std::string& file, std::vector<ScreenPoint>& points, std::string& problem) {
    // Checked before the file is opened: reading a huge one would take seconds for nothing.
    std::error_code error;
    uintmax_t size = fs::file_size(file, error);
    if (!error && size > kMaxExampleFileSize)
        return fail(problem, named(file) + textf(" is larger than %d MB (%d bytes), the most an example file may hold; not read",
                                                 static_cast<int>(kMaxExampleFileSize >> 20),
                                                 static_cast<int>(kMaxExampleFileSize)));
    return readStrokeFile(file.c_str(), nullptr, points, problem);
}

bool readExampleFolders(const char* dir, std::vector<Example>& examples, std::vector<UnreadableExample>& unreadable,
                        std::vector<std::string>& warnings, std::string& problem, const LearnCancel* cancel) {
    // Every entry is looked at without following anything further than its own link, so a
    // link loop is one unreadable entry, never an endless walk. Files directly in DIR (a
    // README, the recording script) belong to no slot and are left alone.
    std::vector<fs::path> entries, slotEntries[kGestureSlotCount];
    if (!listFolder(dir, entries, problem))
        return fail(problem, "cannot read the folder " + named(dir) + ": " + problem);
    for (const fs::path& entry : entries) {
        int slot = slotOfName(entry.filename().string());
        if (slot >= 0) {
            slotEntries[slot].push_back(entry);
            continue;
        }
        std::error_code error;
        fs::file_status status = fs::status(entry, error);
        if (error)
            warnings.push_back(named(entry) + " cannot be read (" + error.message() + "); skipped");
        else if (fs::is_directory(status))
            warnings.push_back(named(entry) + " is not a slot folder (0 to 24, no leading zeros); "
                               "its strokes are not read");
    }
    // One unreadable file costs only itself: every other example is still read, in slot order.
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        std::vector<std::string> files;
        for (const fs::path& entry : slotEntries[slot]) listSlotEntry(entry, slot, files, unreadable, warnings);
        for (const std::string& file : files) {
            if (learnCancelled(cancel)) return fail(problem, "learning cancelled");
            std::vector<ScreenPoint> points;
            std::string why;
            if (readExampleFile(file, points, why))
                examples.push_back({slot, file, strokeText(points), strokeVariantTexts(points)});
            else
                unreadable.push_back({slot, file, why});
        }
    }
    // In the order the files are read, so the first is the one a refusal names.
    std::sort(unreadable.begin(), unreadable.end(), [](const UnreadableExample& a, const UnreadableExample& b) {
        return a.slot != b.slot ? a.slot < b.slot : a.file < b.file;
    });
    return true;
}

namespace {

// The slot a history stroke that launched `launch.slot` is an example of, or kNoSlot.
int slotOfUse(const char* dir, const RcFile* rc, const StrokeLaunch& launch) {
    auto hasFolder = [dir](int slot) {
        std::error_code error;
        return fs::is_directory(fs::path(dir) / std::to_string(slot), error);
    };
    if (!launch.known || launch.slot == kNoSlot) return kNoSlot;
    if (hasFolder(launch.slot)) return launch.slot;
    for (int slot = 0; rc && slot < kGestureSlotCount; ++slot)
        if (launch.command == rc->table.commands[slot] && hasFolder(slot)) return slot;
    return kNoSlot;
}

// The history's strokes that count as examples, oldest first, after the drawn ones.
void addStrokesOfUse(const char* dir, const RcFile* rc, const char* historyDir, LearnOutcome& outcome,
                     const LearnCancel* cancel) {
    for (const HistoryFile& file : listHistory(historyDir)) {
        if (learnCancelled(cancel)) return;
        std::vector<ScreenPoint> points;
        std::string problem;
        StrokeLaunch launch;
        std::error_code error;
        if (fs::file_size(file.path, error) > kMaxExampleFileSize || error ||
            !readStrokeFile(file.path.c_str(), nullptr, points, problem, &launch))
            continue;
        int slot = slotOfUse(dir, rc, launch);
        if (slot == kNoSlot) continue;
        outcome.files.push_back({slot, file.path, strokeText(points), strokeVariantTexts(points), true});
        ++outcome.fromUse;
    }
}

// The rc file's checker, as the learner's vet of variants.
struct WarningVet {
    const LearnSetup* setup;
    const RcFile* rc;
};

void refuseWarned(const void* context, const SlotTexts& config, std::vector<std::pair<std::string, int>>& refused) {
    const WarningVet* vet = static_cast<const WarningVet*>(context);
    warnedVariants(config, *vet->setup, *vet->rc, refused);
}

}  // namespace

bool learnFromFolders(const char* dir, const RcFile* rc, LearnOutcome& outcome, std::string& problem,
                      const LearnCancel* cancel, const char* historyDir, bool estimate) {
    outcome = LearnOutcome();
    std::vector<UnreadableExample> unreadable;
    if (!readExampleFolders(dir, outcome.files, unreadable, outcome.warnings, problem, cancel)) return false;
    // Learning from the rest would propose texts that the missing strokes might contradict.
    if (!unreadable.empty()) return fail(problem, unreadable.front().problem);
    if (historyDir) addStrokesOfUse(dir, rc, historyDir, outcome, cancel);
    if (outcome.files.empty()) {
        problem = textf("no examples in \"%s\": it needs folders 0 to 24 holding stroke files", dir);
        return false;
    }
    // Each stroke as drawn, then its variants, all of them that one stroke.
    for (size_t i = 0; i < outcome.files.size(); ++i) {
        const Example& file = outcome.files[i];
        outcome.examples.push_back({file.slot, file.text, static_cast<int>(i), true});
        for (const std::string& variant : file.variants)
            outcome.examples.push_back({file.slot, variant, static_cast<int>(i), false});
    }
    planSlots(dir, rc, outcome.setup);
    // With the rc file, its checker vets the variants.
    WarningVet context = {&outcome.setup, rc};
    VariantVet vet = {&context, refuseWarned};
    learnSlotTexts(outcome.examples, outcome.setup, outcome.learned, cancel, rc ? &vet : nullptr);
    if (estimate) outcome.estimate = estimateByFolds(outcome.examples, outcome.setup, cancel);
    return !learnCancelled(cancel) || fail(problem, "learning cancelled");
}

int newerSlot(const std::vector<Example>& files, int a, int b) {
    fs::file_time_type newest[2] = {};
    for (const Example& file : files) {
        if (file.slot != a && file.slot != b) continue;
        std::error_code error;
        fs::file_time_type time = fs::last_write_time(file.file, error);
        fs::file_time_type& slotNewest = newest[file.slot == b];
        if (!error && time > slotNewest) slotNewest = time;
    }
    return newest[0] > newest[1] ? a : b;
}

std::vector<size_t> failingExamples(const LearnOutcome& outcome) {
    std::vector<size_t> failing;
    for (size_t i = 0; i < outcome.files.size(); ++i) {
        int slot = chosenSlot(outcome.learned, outcome.files[i].text);
        if (slot == kNoSlot || outcome.learned.owners[slot] != outcome.files[i].slot) failing.push_back(i);
    }
    return failing;
}

namespace {

bool slotsAsRead(void* context, const char* text, size_t size) {
    GestureTable now;
    readSlotsOfText(text, size, now);
    return sameSlots(now, *static_cast<const GestureTable*>(context));
}

}  // namespace

bool writeRcChanges(const char* path, const std::vector<RcChange>& changes, const GestureTable* readAt,
                    RcWriteResult& result) {
    std::vector<const char*> keys, values;
    for (const RcChange& change : changes) {
        keys.push_back(change.key.c_str());
        values.push_back(change.value.c_str());
    }
    return rcWriteStrings(path, keys.data(), values.data(), keys.size(), &result, readAt ? slotsAsRead : nullptr,
                          const_cast<GestureTable*>(readAt), placeSlotKey);
}
