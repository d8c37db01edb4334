// Examples on disk: saving a canvas stroke for the selected slot, counting every slot's examples and reading the selected slot's, deleting or moving one.
#include "trainer/recording.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "training/stroke_file.h"
#include "training/stroke_file_create.h"
#include "training/stroke_variants.h"
#include "rc/letter_case.h"
#include "rc/file_link.h"
#include "trainer/trainer_logic.h"
#include "trainer/trainer_state.h"

namespace {

// Lists the slot's files: the count, and why those that cannot be examples are not.
void listSlot(int slot, std::vector<std::string>& files) {
    std::vector<std::string> ignored;  // folders inside: trazzle-check --learn names them
    trainer.unreadable[slot].clear();
    listSlotFolder(trainer.examplesDir, slot, files, trainer.unreadable[slot], ignored);
    trainer.exampleCounts[slot] = static_cast<int>(files.size());
}

std::string recordFailed(int slot, bool full) {
    char status[kTrainerStatusSize];
    if (full) {
        std::snprintf(status, sizeof status,
                      "Trainer -> slot %d is full: %d examples (stroke-001.txt to stroke-%03d.txt) are the most a slot "
                      "holds; delete one to record more", slot, kMaxStrokeFiles, kMaxStrokeFiles);
    } else {
        char reason[128] = "";
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, GetLastError(), 0, reason,
                       sizeof reason, nullptr);
        for (char* end = reason + lstrlenA(reason); end > reason && (end[-1] == '\n' || end[-1] == '\r' || end[-1] == '.');)
            *--end = '\0';
        std::snprintf(status, sizeof status, "Trainer -> cannot create an example for slot %d: %s", slot, reason);
    }
    return status;
}

// The next free stroke-NNN.txt of the slot's folder, made (with the folders) and opened exclusively.
FILE* createSlotExample(int slot, char (&name)[kStrokeNameSize], bool* full) {
    char folder[kRcPathSize + 8];
    CreateDirectoryA(trainer.examplesDir, nullptr);
    std::snprintf(folder, sizeof folder, "%s\\%d", trainer.examplesDir, slot);
    CreateDirectoryA(folder, nullptr);
    std::snprintf(folder, sizeof folder, "%s\\%d\\", trainer.examplesDir, slot);
    return createNextStrokeFile(folder, name, full);
}

// Copies the whole of `from` into `to`; false when a read or a write failed.
bool copyBytes(FILE* from, FILE* to) {
    char chunk[16384];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, from)) > 0)
        if (std::fwrite(chunk, 1, got, to) != got) return false;
    return !std::ferror(from);
}

}  // namespace

void loadSelectedExamples() {
    trainer.slotExamples.clear();
    int slot = trainer.selected;
    if (slot == kNoSelection) return;
    std::vector<std::string> files;
    listSlot(slot, files);
    for (const std::string& file : files) {
        ExampleStroke stroke;
        stroke.file = file;
        std::string problem;
        if (!readExampleFile(file, stroke.points, problem)) {
            trainer.unreadable[slot].push_back({slot, file, problem});
            continue;
        }
        stroke.text = strokeText(stroke.points);
        stroke.marked = exampleMarked(trainer.table, slot, stroke.text);
        if (stroke.marked) stroke.launches = launchCaption(trainer.table, stroke.text);
        trainer.slotExamples.push_back(stroke);
    }
    if (trainer.selectedExample >= static_cast<int>(trainer.slotExamples.size())) trainer.selectedExample = kNoSelection;
}

TrainerOutcome saveStroke(const std::vector<ScreenPoint>& points, const char* text) {
    int slot = trainer.selected;
    if (slot == kNoSelection) return {"", kChangedNothing};
    char name[kStrokeNameSize];
    bool full = false;
    FILE* file = createSlotExample(slot, name, &full);
    if (!file) return {recordFailed(slot, full), kChangedNothing};
    std::fprintf(file, "# drawn on the trainer's canvas for slot %d; the first point is the press\n", slot);
    bool written = true;
    for (const ScreenPoint& point : points) written = writeStrokePoint(file, point) && written;
    written = std::fclose(file) == 0 && written;
    char shown[kStrokeNameSize + 32], status[kTrainerStatusSize];
    std::snprintf(shown, sizeof shown, "trazzle-examples/%d/%s", slot, name);
    if (written) recordStatus(trainer.table, slot, shown, text, status);
    else std::snprintf(status, sizeof status, "Trainer -> %s not written", shown);
    return {status, kChangedSelectedSlot};
}

void loadExamples() {
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        std::vector<std::string> files;
        if (slot != trainer.selected) listSlot(slot, files);
    }
    loadSelectedExamples();
}

TrainerOutcome removeSelectedExample() {
    if (trainer.selectedExample == kNoSelection) return {"", kChangedNothing};
    const std::string file = trainer.slotExamples[trainer.selectedExample].file;
    std::string shown = exampleName(trainer.selected, file);
    char status[kTrainerStatusSize];
    if (pathIsLink(file.c_str())) {
        // Windows would remove the link, Wine removes what it points to: neither is the
        // trainer's to do, and the file it points to may be anywhere.
        std::snprintf(status, sizeof status, "Trainer -> %s is a link; not deleted", shown.c_str());
    } else {
        std::snprintf(status, sizeof status, DeleteFileA(file.c_str()) ? "Trainer -> deleted %s" : "Trainer -> cannot delete %s",
                      shown.c_str());
    }
    trainer.selectedExample = kNoSelection;
    return {status, kChangedSelectedSlot};
}

TrainerOutcome moveExample(int from, const char* fileName, int to) {
    char source[kRcPathSize + kExampleFileNameSize + 8];
    std::snprintf(source, sizeof source, "%s\\%d\\%s", trainer.examplesDir, from, fileName);
    std::string shown = exampleName(from, source);
    char status[kTrainerStatusSize];
    // Only a file the slot's list shows is moved: never a folder, a pipe or a device name such
    // as CON, whose read would never end.
    std::vector<std::string> files, ignored;
    std::vector<UnreadableExample> unreadable;
    listSlotFolder(trainer.examplesDir, from, files, unreadable, ignored);
    bool listed = false;
    for (const std::string& file : files) {
        size_t slash = file.find_last_of("/\\");
        listed = listed || equalsIgnoringCase(file.c_str() + (slash == std::string::npos ? 0 : slash + 1), fileName);
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!listed || !GetFileAttributesExA(source, GetFileExInfoStandard, &data)) {
        std::snprintf(status, sizeof status, "Trainer -> no example %s", shown.c_str());
        return {status, kChangedNothing};
    }
    if (data.nFileSizeHigh != 0 || data.nFileSizeLow > kMaxExampleFileSize) {
        // Copying it would hold up the host's window for nothing: it is no example anyway.
        std::snprintf(status, sizeof status, "Trainer -> %s is larger than %d MB, the most an example file may hold; not moved",
                      shown.c_str(), static_cast<int>(kMaxExampleFileSize >> 20));
        return {status, kChangedNothing};
    }
    if (pathIsLink(source)) {
        // Removing it after the copy would remove what it points to under Wine (see Delete).
        std::snprintf(status, sizeof status, "Trainer -> %s is a link; not moved", shown.c_str());
        return {status, kChangedNothing};
    }
    FILE* in = std::fopen(source, "rb");
    if (!in) {
        std::snprintf(status, sizeof status, "Trainer -> cannot read %s", shown.c_str());
        return {status, kChangedNothing};
    }
    // A new name made exclusively, then the old file removed: an example is never written over.
    char name[kStrokeNameSize];
    bool full = false;
    FILE* out = createSlotExample(to, name, &full);
    if (!out) {
        std::fclose(in);
        return {recordFailed(to, full), kChangedNothing};
    }
    bool copied = copyBytes(in, out);
    copied = std::fclose(out) == 0 && copied;
    std::fclose(in);
    char target[kRcPathSize + kStrokeNameSize + 8];
    std::snprintf(target, sizeof target, "%s\\%d\\%s", trainer.examplesDir, to, name);
    if (!copied) {
        DeleteFileA(target);
        std::snprintf(status, sizeof status, "Trainer -> cannot move %s: writing %d/%s failed", shown.c_str(), to, name);
        return {status, kChangedNothing};
    }
    if (!DeleteFileA(source))
        std::snprintf(status, sizeof status, "Trainer -> copied %s to %d/%s; cannot delete %s", shown.c_str(), to, name,
                      shown.c_str());
    else
        std::snprintf(status, sizeof status, "Trainer -> moved %s to %d/%s", shown.c_str(), to, name);
    trainer.selectedExample = kNoSelection;
    return {status, kChangedEverySlot};
}
