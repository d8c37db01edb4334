// Learning again over the file the last Apply wrote, and the clash lines of shapes that share texts.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/rc/temp_dir.h"
#include "training/example_folders.h"
#include "training/gesture_producibility.h"
#include "training/shape_clash.h"

namespace {

// A stroke drawing `text`, its points moved a little by `seed`, as DIR/SLOT/NAME.
void writeStroke(const fs::path& dir, int slot, const std::string& name, const char* text, int seed) {
    ScreenPoint points[kMaxCanonicalPoints];
    int count = canonicalStroke(text, points);
    fs::create_directories(dir / std::to_string(slot));
    std::ofstream out(dir / std::to_string(slot) / name, std::ios::binary);
    for (int i = 0; i < count; ++i)
        out << points[i].x + (i * 7 + seed * 3) % 11 - 5 << ' ' << points[i].y + (i * 5 + seed) % 9 - 4 << '\n';
}

void writeStrokes(const fs::path& dir, int slot, const char* name, const char* text) {
    for (int copy = 0; copy < 3; ++copy) writeStroke(dir, slot, name + std::to_string(copy) + ".txt", text, copy);
}

// One Learn and Apply, as trazzle-check --learn --apply and the trainer do them: the slots
// the file holds afterwards, one line each.
std::string learnAndApply(const fs::path& dir, const fs::path& rcPath) {
    RcFile rc;
    std::string problem, path = rcPath.string();
    EXPECT_EQ(loadRcFile(path.c_str(), rc, problem), kFileRead) << problem;
    LearnOutcome outcome;
    EXPECT_TRUE(learnFromFolders(dir.string().c_str(), &rc, outcome, problem, nullptr, nullptr, false)) << problem;
    std::vector<std::string> errors;
    std::vector<RcChange> changes = learnedChanges(outcome.learned, outcome.setup, rc, errors);
    RcWriteResult result;
    EXPECT_TRUE(changes.empty() || writeRcChanges(path.c_str(), changes, &rc.table, result)) << result.reason;
    EXPECT_EQ(loadRcFile(path.c_str(), rc, problem), kFileRead) << problem;
    std::string slots;
    for (int slot = 0; slot < kGestureSlotCount; ++slot)
        if (rc.table.gestures[slot][0] || rc.table.commands[slot][0])
            slots += std::to_string(slot) + " |" + rc.table.gestures[slot] + "| " + rc.table.commands[slot] + "\n";
    return slots;
}

const char kCommands[] = "trazzle.plugin.command0: m.exe\ntrazzle.plugin.command1: w.exe\n";

// An M (slot 0) and a W (slot 1), each whole and without its last leg: the short M takes a
// variant. Then strokes for the W that draw the whole M's text come: the variant the first
// Apply wrote must go, as learning once from a clean file on every example has it.
TEST(Relearning, ChainedLearnAndApplyEndsAsLearningOnceFromACleanFile) {
    TempDir temp;
    fs::path chained = temp.dir / "chained", clean = temp.dir / "clean";
    for (const fs::path& dir : {chained, clean}) {
        writeStrokes(dir / "examples", 0, "m", "tr br tr");
        writeStrokes(dir / "examples", 0, "short-m", "tr br");
        writeStrokes(dir / "examples", 1, "w", "br tr br");
        writeStrokes(dir / "examples", 1, "short-w", "br tr");
        std::ofstream(dir / "trazzle.rc", std::ios::binary) << kCommands;
    }
    EXPECT_EQ(learnAndApply(chained / "examples", chained / "trazzle.rc"),
              "0 |tr br tr| m.exe\n1 |br tr| w.exe\n2 |tr br| m.exe\n");
    for (const fs::path& dir : {chained, clean}) writeStrokes(dir / "examples", 1, "like-m", "tr br tr");
    std::string once = learnAndApply(clean / "examples", clean / "trazzle.rc");
    EXPECT_EQ(learnAndApply(chained / "examples", chained / "trazzle.rc"), once);
    EXPECT_EQ(once.find("2 |tr br| m.exe"), std::string::npos) << once;
}

std::vector<LearnExample> drawn(const std::vector<std::pair<int, const char*>>& strokes) {
    std::vector<LearnExample> examples;
    for (const auto& stroke : strokes) examples.push_back({stroke.first, stroke.second});
    return examples;
}

// A V (slot 0) and a check mark (slot 2) are both "br" and clash both ways; a W (slot 1)
// holds "br" too, but its own "br tr br" is longer, so it keeps to itself, while the V's and the
// check mark's strokes fall to nothing of its.
TEST(ShapeClash, OneLineAPairNamesBothSlotsAndTheCountsAndTheNewerSlot) {
    std::vector<LearnExample> examples = drawn({{0, "br"}, {0, "br"}, {0, "br"}, {1, "br tr br"}, {1, "br tr br"},
                                               {1, "br tr br"}, {2, "br"}, {2, "br"}, {2, "br rd"}});
    std::string lines;
    for (const ShapeClash& clash : shapeClashes(examples)) lines += clashLine(clash, clash.b) + "\n";
    EXPECT_EQ(lines,
              "slots 0 and 1 share texts: 0 of slot 1's 3 examples would launch slot 0, 3 of slot 0's 3 would "
              "launch slot 1; draw another shape for slot 1\n"
              "slots 0 and 2 share texts: 3 of slot 2's 3 examples would launch slot 0, 3 of slot 0's 3 would "
              "launch slot 2; draw another shape for slot 2\n"
              "slots 1 and 2 share texts: 3 of slot 2's 3 examples would launch slot 1, 0 of slot 1's 3 would "
              "launch slot 2; draw another shape for slot 2\n");
}

}  // namespace
