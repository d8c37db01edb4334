// Examples on disk: saving a canvas stroke for the selected slot, counting every slot's examples and having the selected slot's read, deleting or moving one, never through a link.
#include "trainer/recording.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "training/stroke_file.h"
#include "training/stroke_file_create.h"
#include "training/stroke_variants.h"
#include "rc/letter_case.h"
#include "rc/file_link.h"
#include "trainer/slot_reader.h"
#include "trainer/trainer_host.h"
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

// The system's reason for the last failure, without its closing full stop.
std::string systemReason() {
    char reason[128] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, GetLastError(), 0, reason,
                   sizeof reason, nullptr);
    for (char* end = reason + lstrlenA(reason); end > reason && (end[-1] == '\n' || end[-1] == '\r' || end[-1] == '.');)
        *--end = '\0';
    return reason;
}

std::string recordFailed(int slot, bool full) {
    char status[kTrainerStatusSize];
    if (full) {
        std::snprintf(status, sizeof status,
                      "Trainer -> slot %d is full: %d examples (stroke-001.txt to stroke-%03d.txt) are the most a slot "
                      "holds; delete one to record more", slot, kMaxStrokeFiles, kMaxStrokeFiles);
    } else {
        std::snprintf(status, sizeof status, "Trainer -> cannot create an example for slot %d: %s", slot,
                      systemReason().c_str());
    }
    return status;
}

// "Trainer -> slot 3's folder is a link; not changed" when the slot's folder, or the examples
// folder, is a link: under Wine a file deleted or written through it is the file it points to,
// which may lie anywhere.
bool linkRefusal(int slot, std::string& status) {
    std::string link = slotFolderLink(trainer.examplesDir, slot);
    if (link.empty()) return false;
    status = "Trainer -> " + link + "; not changed";
    return true;
}

// Makes the examples folder and the slot's folder as needed; `folder` is the slot's, ending in
// a backslash.
void makeSlotFolder(int slot, char (&folder)[kRcPathSize + 8]) {
    CreateDirectoryA(trainer.examplesDir, nullptr);
    std::snprintf(folder, sizeof folder, "%s\\%d", trainer.examplesDir, slot);
    CreateDirectoryA(folder, nullptr);
    std::snprintf(folder, sizeof folder, "%s\\%d\\", trainer.examplesDir, slot);
}

// Writes the stroke into a temporary of the slot's folder, flushed, then gives it the next free
// stroke-NNN.txt: a write cut short leaves only a temporary, never a short example. Empty when
// it is written, else the status saying why not.
std::string writeSlotExample(int slot, const std::vector<ScreenPoint>& points, char (&name)[kStrokeNameSize]) {
    char folder[kRcPathSize + 8], temp[kStrokeTempNameSize];
    makeSlotFolder(slot, folder);
    FILE* file = createStrokeTemp(folder, temp);
    if (!file) return recordFailed(slot, false);
    std::fprintf(file, "# drawn on the trainer's canvas for slot %d; the first point is the press\n", slot);
    bool written = true;
    for (const ScreenPoint& point : points) written = writeStrokePoint(file, point) && written;
    written = closeStrokeFileFlushed(file) && written;
    std::string tempPath = std::string(folder) + temp;
    bool full = false;
    std::string status;
    if (!written) status = "Trainer -> the stroke for slot " + std::to_string(slot) + " was not written: " + systemReason();
    else if (!giveStrokeFileName(tempPath.c_str(), folder, name, &full)) status = recordFailed(slot, full);
    if (!status.empty()) DeleteFileA(tempPath.c_str());
    return status;
}

}  // namespace

void loadSelectedExamples() {
    int slot = trainer.selected;
    if (slot == kNoSelection) {
        trainer.slotExamples.clear();
        trainer.shapeLines.clear();
        trainer.clashLines.clear();
        return;
    }
    std::vector<std::string> files;
    listSlot(slot, files);
    startSlotRead(files);
}

TrainerOutcome saveStroke(const std::vector<ScreenPoint>& points, const char* text) {
    int slot = trainer.selected;
    if (slot == kNoSelection) return {"", kChangedNothing};
    std::string refusal;
    if (linkRefusal(slot, refusal)) return {refusal, kChangedNothing};
    char name[kStrokeNameSize];
    std::string failed = writeSlotExample(slot, points, name);
    if (!failed.empty()) return {failed, kChangedNothing};
    char shown[kStrokeNameSize + 32], status[kTrainerStatusSize];
    std::snprintf(shown, sizeof shown, "trazzle-examples/%d/%s", slot, name);
    recordStatus(trainer.table, slot, shown, text, status);
    // The shape's clash with another slot is said as soon as the slot's reading, which reads
    // every slot's examples off the window thread, has found it, while the person still draws.
    trainer.clashToSay = slot;
    return {status, kChangedSelectedSlot};
}

void loadExamples() {
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        std::vector<std::string> files;
        if (slot != trainer.selected) listSlot(slot, files);
    }
    loadSelectedExamples();
}

// Deletes one example file, never a link nor a read-only file; `status` says what was done.
bool deleteExampleFile(const std::string& file, const std::string& shown, char (&status)[kTrainerStatusSize]) {
    DWORD attributes = GetFileAttributesA(file.c_str());
    if (pathIsLink(file.c_str())) {
        // Windows would remove the link, Wine removes what it points to: neither is the
        // trainer's to do, and the file it points to may be anywhere.
        std::snprintf(status, sizeof status, "Trainer -> %s is a link; not deleted", shown.c_str());
    } else if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        std::snprintf(status, sizeof status, "Trainer -> %s is read-only; not deleted", shown.c_str());
    } else if (!DeleteFileA(file.c_str())) {
        std::snprintf(status, sizeof status, "Trainer -> cannot delete %s: %s", shown.c_str(), systemReason().c_str());
    } else {
        std::snprintf(status, sizeof status, "Trainer -> deleted %s", shown.c_str());
        return true;
    }
    return false;
}

TrainerOutcome removeSelectedExample() {
    if (trainer.selectedExample == kNoSelection) return {"", kChangedNothing};
    const std::string file = trainer.slotExamples[trainer.selectedExample].file;
    std::string refusal;
    if (linkRefusal(trainer.selected, refusal)) return {refusal, kChangedNothing};
    char status[kTrainerStatusSize];
    deleteExampleFile(file, exampleName(trainer.selected, file), status);
    trainer.selectedExample = kNoSelection;
    return {status, kChangedSelectedSlot};
}

TrainerOutcome removeSlotExamples(int slot) {
    std::string refusal;
    if (linkRefusal(slot, refusal)) return {refusal, kChangedNothing};
    std::vector<std::string> files, ignored;
    std::vector<UnreadableExample> unreadable;
    listSlotFolder(trainer.examplesDir, slot, files, unreadable, ignored);
    int deleted = 0;
    char status[kTrainerStatusSize], kept[kTrainerStatusSize] = "";
    for (const std::string& file : files) {
        if (deleteExampleFile(file, exampleName(slot, file), status)) ++deleted;
        else if (!kept[0]) std::snprintf(kept, sizeof kept, "%s", status + sizeof "Trainer -> " - 1);  // the first kept
    }
    if (slot == trainer.selected) trainer.selectedExample = kNoSelection;
    int left = static_cast<int>(files.size()) - deleted;
    if (left == 0) std::snprintf(status, sizeof status, "Trainer -> deleted the %d examples of slot %d", deleted, slot);
    else std::snprintf(status, sizeof status, "Trainer -> deleted %d of the %d examples of slot %d; %d kept: %s", deleted,
                       static_cast<int>(files.size()), slot, left, kept);
    return {status, kChangedEverySlot};
}

TrainerOutcome moveExample(int from, const char* fileName, int to) {
    std::string refusal;
    if (linkRefusal(from, refusal) || linkRefusal(to, refusal)) return {refusal, kChangedNothing};
    // Only a file the slot's list shows is moved: never a folder, a pipe, a device name such
    // as CON, or a name Windows would open as another file. The list's own spelling is taken,
    // so the file moved is the file the status names.
    std::vector<std::string> files, ignored;
    std::vector<UnreadableExample> unreadable;
    listSlotFolder(trainer.examplesDir, from, files, unreadable, ignored);
    std::string source;
    for (const std::string& file : files) {
        size_t slash = file.find_last_of("/\\");
        const char* name = file.c_str() + (slash == std::string::npos ? 0 : slash + 1);
        if (lstrcmpA(name, fileName) == 0 || (source.empty() && equalsIgnoringCase(name, fileName))) source = file;
        if (lstrcmpA(name, fileName) == 0) break;
    }
    std::string shown = exampleName(from, source.empty() ? std::string(fileName) : source);
    if (source.empty()) {
        char status[kTrainerStatusSize];
        std::snprintf(status, sizeof status, "Trainer -> no example %s", shown.c_str());
        return {status, kChangedNothing};
    }
    return moveStrokeFile(source.c_str(), shown, to);
}

TrainerOutcome moveStrokeFile(const char* source, const std::string& shown, int to) {
    std::string refusal;
    if (linkRefusal(to, refusal)) return {refusal, kChangedNothing};
    char status[kTrainerStatusSize];
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(source, GetFileExInfoStandard, &data)) {
        std::snprintf(status, sizeof status, "Trainer -> no example %s", shown.c_str());
        return {status, kChangedNothing};
    }
    if (data.nFileSizeHigh != 0 || data.nFileSizeLow > kMaxExampleFileSize) {
        // It is no example anyway, and would never be learned in its new slot either.
        std::snprintf(status, sizeof status, "Trainer -> %s is larger than %d MB, the most an example file may hold; not moved",
                      shown.c_str(), static_cast<int>(kMaxExampleFileSize >> 20));
        return {status, kChangedNothing};
    }
    if (pathIsLink(source)) {
        // Moving a link would move what a link elsewhere points to out of sight (see Delete).
        std::snprintf(status, sizeof status, "Trainer -> %s is a link; not moved", shown.c_str());
        return {status, kChangedNothing};
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) {
        // Whoever made it read-only keeps it where it is, as Delete does.
        std::snprintf(status, sizeof status, "Trainer -> %s is read-only; not moved", shown.c_str());
        return {status, kChangedNothing};
    }
    // One rename to a name taken exclusively: the example is whole, in exactly one of the two
    // slots, at every moment, and nothing is copied that could be left behind.
    char folder[kRcPathSize + 8], name[kStrokeNameSize];
    makeSlotFolder(to, folder);
    bool full = false;
    if (!giveStrokeFileName(source, folder, name, &full)) {
        if (full) return {recordFailed(to, full), kChangedNothing};
        std::snprintf(status, sizeof status, "Trainer -> cannot move %s: %s", shown.c_str(), systemReason().c_str());
        return {status, kChangedNothing};
    }
    std::snprintf(status, sizeof status, "Trainer -> moved %s to %d/%s", shown.c_str(), to, name);
    trainer.selectedExample = kNoSelection;
    return {status, kChangedEverySlot};
}

void removeLeftoverTemporaries() {
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        std::string refusal;
        if (linkRefusal(slot, refusal)) continue;
        char pattern[kRcPathSize + 32];
        std::snprintf(pattern, sizeof pattern, "%s\\%d\\stroke.tmp-*", trainer.examplesDir, slot);
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(pattern, &found);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            if (!isStrokeTempName(found.cFileName)) continue;
            char path[kRcPathSize + 64], status[kTrainerStatusSize];
            std::snprintf(path, sizeof path, "%s\\%d\\%s", trainer.examplesDir, slot, found.cFileName);
            if (pathIsLink(path) || !DeleteFileA(path)) continue;
            std::snprintf(status, sizeof status, "Trainer -> removed %d/%s, left by a recording that did not finish",
                          slot, found.cFileName);
            showStatus(status);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
}
