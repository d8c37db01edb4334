// Tests of the history of handled strokes: at most `keep` files, the oldest removed first, names only ever new, what was launched read back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/gesture_matcher.h"
#include "tests/rc/temp_dir.h"
#include "training/stroke_history.h"

namespace {

const ScreenPoint kStroke[] = {{200, 200}, {230, 230}, {260, 200}};

// Keeps one stroke launching `slot` (command "cmd N") with the bound `keep`, by `writer`, which
// has kept strokes there before, or by a writer new to the folder.
bool keep(const TempDir& temp, int slot, int bound, HistoryWriter* writer = nullptr) {
    std::string command = "C:\\cmd " + std::to_string(slot), problem;
    HistoryWriter fresh;
    HistoryWriter& by = writer ? *writer : fresh;
    by.folder = temp.dir.string();
    return keepHistoryStroke(by, kStroke, 3, slot, command.c_str(), bound, problem);
}

std::string launchOf(const std::string& path) {
    std::vector<ScreenPoint> points;
    std::string problem;
    StrokeLaunch launch;
    if (!readStrokeFile(path.c_str(), nullptr, points, problem, &launch)) return problem;
    if (!launch.known) return "unknown";
    return launch.slot == kNoSlot ? "nothing" : std::to_string(launch.slot) + " " + launch.command;
}

}  // namespace

TEST(StrokeHistory, KeepsAtMostItsBoundTheOldestGoingFirstEachFileSayingWhatItLaunched) {
    TempDir temp;
    HistoryWriter writer;
    for (int slot : {3, kNoSlot, 4, 5, 6}) ASSERT_TRUE(keep(temp, slot, 3, &writer));
    EXPECT_EQ((std::set<std::string>{"stroke-00000003.txt", "stroke-00000004.txt", "stroke-00000005.txt"}), temp.names());
    EXPECT_EQ("# launched: slot 4 C:\\cmd 4\n# a stroke trazzle handled; the first point is the press\n"
              "200 200\n230 230\n260 200\n",
              temp.get("stroke-00000003.txt"));
    std::string read;
    for (const HistoryFile& file : listHistory(temp.dir.string())) read += launchOf(file.path) + ";";
    EXPECT_EQ("4 C:\\cmd 4;5 C:\\cmd 5;6 C:\\cmd 6;", read);
    // A lower bound removes the oldest at the next stroke; 0 keeps nothing more.
    ASSERT_TRUE(keep(temp, kNoSlot, 1, &writer));
    EXPECT_EQ((std::set<std::string>{"stroke-00000006.txt"}), temp.names());
    EXPECT_EQ("nothing", launchOf(temp.path("stroke-00000006.txt")));
    EXPECT_FALSE(keep(temp, 7, 0));
    EXPECT_EQ((std::set<std::string>{"stroke-00000006.txt"}), temp.names());
}

TEST(StrokeHistory, ANameAnotherWriterTookIsSkippedAndNothingElseInTheFolderIsTouched) {
    TempDir temp;
    HistoryWriter writer;  // knows only its own file: the others show when their names are taken
    ASSERT_TRUE(keep(temp, 1, 10, &writer));
    // Another host made the next file a moment ago, and a link was planted under the one after
    // (where links cannot be made, a file stands in for it); an example of the recorder's has
    // no launch line and reads as unknown.
    temp.put("stroke-00000002.txt", "5 5\n");
    std::error_code noLinks;
    fs::create_symlink(temp.dir / "outside.txt", temp.dir / "stroke-00000003.txt", noLinks);
    if (noLinks) temp.put("stroke-00000003.txt", "6 6\n");
    temp.put("notes.txt", "mine\n");
    ASSERT_TRUE(keep(temp, 2, 10, &writer));
    EXPECT_EQ((std::set<std::string>{"stroke-00000001.txt", "stroke-00000002.txt", "stroke-00000003.txt",
                                     "stroke-00000004.txt", "notes.txt"}),
              temp.names());
    EXPECT_EQ("5 5\n", temp.get("stroke-00000002.txt"));
    EXPECT_FALSE(fs::exists(temp.dir / "outside.txt"));
    EXPECT_EQ("unknown", launchOf(temp.path("stroke-00000002.txt")));
    EXPECT_EQ("2 C:\\cmd 2", launchOf(temp.path("stroke-00000004.txt")));
    // A link is never counted, so the bound never removes one (nor what it points to).
    std::string numbers;
    for (const HistoryFile& file : listHistory(temp.dir.string())) numbers += std::to_string(file.number);
    EXPECT_EQ(noLinks ? "1234" : "124", numbers);
}

TEST(StrokeHistory, OnlyNamesAsTheWriterMakesThemAreHistory) {
    const struct {
        const char* name;
        long number;
    } kNames[] = {{"stroke-00000042.txt", 42}, {"stroke-123456789.txt", 123456789}, {"stroke-042.txt", -1},
                  {"stroke-0000004x.txt", -1}, {"stroke-000000042.txt", -1}, {"stroke-00000042.TXT", -1},
                  {"history-00000042.txt", -1}};
    for (const auto& c : kNames) EXPECT_EQ(c.number, historyNumber(c.name)) << c.name;
}
