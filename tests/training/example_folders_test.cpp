// Tests of reading example folders: an unreadable or oversized example costs only itself, and a cancelled learning run stops.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/rc/temp_dir.h"
#include "training/example_folders.h"

namespace {

void write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

std::string quoted(const fs::path& file) { return "\"" + file.string() + "\""; }

// Slot 0's second file is a line of text and its third larger than the limit; slot 3 comes
// after both and is read all the same. Learning still refuses, naming the first one.
TEST(ExampleFolders, AnUnreadableExampleCostsOnlyItselfAndIsNamed) {
    TempDir temp;
    const std::string v = "0 0\n20 20\n40 0\n";
    write(temp.dir / "0" / "stroke-001.txt", v);
    write(temp.dir / "0" / "stroke-002.txt", "a line of text\n");
    write(temp.dir / "0" / "stroke-003.txt", std::string(kMaxExampleFileSize - v.size() + 1, '#') + "\n" + v);
    write(temp.dir / "3" / "stroke-001.txt", v);

    std::vector<Example> examples;
    std::vector<UnreadableExample> unreadable;
    std::vector<std::string> warnings;
    std::string problem;
    ASSERT_TRUE(readExampleFolders(temp.dir.string().c_str(), examples, unreadable, warnings, problem)) << problem;
    std::string read;
    for (const Example& example : examples)
        read += std::to_string(example.slot) + " " + fs::path(example.file).filename().string() + " |" + example.text + "|\n";
    EXPECT_EQ(read, "0 stroke-001.txt |br|\n3 stroke-001.txt |br|\n");
    std::string named;
    for (const UnreadableExample& file : unreadable) named += std::to_string(file.slot) + " " + file.problem + "\n";
    const fs::path second = temp.dir / "0" / "stroke-002.txt", third = temp.dir / "0" / "stroke-003.txt";
    EXPECT_EQ(named, "0 " + second.string() + ":1: expected two integers \"x y\", got \"a line of text\"\n" +
                         "0 " + quoted(third) +
                         " is larger than 1 MB (1048576 bytes), the most an example file may hold; not read\n");
    EXPECT_TRUE(warnings.empty());

    LearnOutcome outcome;
    EXPECT_FALSE(learnFromFolders(temp.dir.string().c_str(), nullptr, outcome, problem));
    EXPECT_EQ(problem, unreadable.front().problem);
}

TEST(ExampleFolders, ACancelledLearningStopsWithoutAResult) {
    TempDir temp;
    write(temp.dir / "0" / "stroke-001.txt", "0 0\n20 20\n40 0\n");
    LearnCancel cancel(true);
    LearnOutcome outcome;
    std::string problem;
    EXPECT_FALSE(learnFromFolders(temp.dir.string().c_str(), nullptr, outcome, problem, &cancel));
    EXPECT_EQ(problem, "learning cancelled");
}

// Strokes trazzle kept count for the slot they launched, or for the slot with examples that a
// variant launching the same command serves; one that launched nothing, or a slot nobody
// teaches, or cannot be read, counts for none.
TEST(ExampleFolders, HistoryStrokesCountAsExamplesOfTheSlotTheyLaunched) {
    TempDir temp;
    const std::string v = "0 0\n20 20\n40 0\n", w = "0 0\n20 20\n40 0\n60 20\n80 0\n";
    write(temp.dir / "ex" / "0" / "stroke-001.txt", v);
    write(temp.dir / "ex" / "1" / "stroke-001.txt", w);
    const fs::path history = temp.dir / "trazzle-history";
    write(history / "stroke-00000001.txt", "# launched: slot 0 C:\\edit.exe\n" + v);
    write(history / "stroke-00000002.txt", "# launched: slot 5 C:\\other.exe\n" + w);
    write(history / "stroke-00000003.txt", "# launched: nothing\n" + w);
    write(history / "stroke-00000004.txt", "# launched: slot 7 C:\\x.exe\n" + v);
    write(history / "stroke-00000005.txt", "# launched: slot 0 C:\\edit.exe\nnot a point\n");
    write(temp.dir / "trazzle.rc", "trazzle.plugin.gesture0: br\ntrazzle.plugin.command0: C:\\edit.exe\n"
                                   "trazzle.plugin.gesture1: br tr br\ntrazzle.plugin.command1: C:\\other.exe\n"
                                   "trazzle.plugin.gesture5: br tr\ntrazzle.plugin.command5: C:\\other.exe\n");
    RcFile rc;
    std::string problem;
    ASSERT_EQ(kFileRead, loadRcFile((temp.dir / "trazzle.rc").string().c_str(), rc, problem)) << problem;
    LearnOutcome outcome;
    ASSERT_TRUE(learnFromFolders((temp.dir / "ex").string().c_str(), &rc, outcome, problem, nullptr,
                                 history.string().c_str()))
        << problem;
    std::string read;
    for (const Example& example : outcome.files)
        read += std::to_string(example.slot) + " " + fs::path(example.file).filename().string() + " |" + example.text +
                "|" + (example.fromUse ? " from use" : "") + "\n";
    EXPECT_EQ("0 stroke-001.txt |br|\n1 stroke-001.txt |br tr br|\n0 stroke-00000001.txt |br| from use\n"
              "1 stroke-00000002.txt |br tr br| from use\n",
              read);
    EXPECT_EQ(2, outcome.fromUse);
}

}  // namespace

namespace {

// Every build lists a slot's files alike: a name Windows would open as another file or a device
// is not read (under Wine it would read "stroke-001.txt" again), and a temporary left by a
// recording that did not finish is no example.
TEST(ExampleFolders, NamesWindowsWouldChangeAreNotReadAndTemporariesAreNoExamples) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows cannot make these names: trainer_moves_only_what_it_names makes them from the shell";
#endif
    TempDir temp;
    const std::string v = "0 0\n20 20\n40 0\n";
    for (const char* name : {"stroke-001.txt", "stroke-001.txt.", "con.txt", "stroke.tmp-abcdefghijkl"})
        write(temp.dir / "3" / name, v);
    std::vector<std::string> files, warnings;
    std::vector<UnreadableExample> unreadable;
    listSlotFolder(temp.dir.string().c_str(), 3, files, unreadable, warnings);
    const fs::path slot = temp.dir / "3";
    ASSERT_EQ(files, std::vector<std::string>{(slot / "stroke-001.txt").string()});
    std::string named;
    for (const UnreadableExample& file : unreadable) named += file.problem + "\n";
    EXPECT_EQ(named, quoted(slot / "con.txt") + " is not read: Windows takes it for the device CON; rename it\n" +
                         quoted(slot / "stroke-001.txt.") +
                         " is not read: Windows drops its trailing dot and would open \"stroke-001.txt\"; rename it\n");
    EXPECT_EQ(warnings, std::vector<std::string>{quoted(slot / "stroke.tmp-abcdefghijkl") +
                                                 " was left by a write that did not finish; it is no example, and the "
                                                 "trainer removes it when it opens"});
}

// A slot folder that is a link, or the examples folder itself, is named; its files are still read.
TEST(ExampleFolders, ASlotFolderOrTheExamplesFolderThatIsALinkIsNamed) {
#ifdef _WIN32
    GTEST_SKIP() << "Wine cannot make a link: trainer_moves_only_what_it_names makes them from the shell";
#endif
    TempDir temp;
    write(temp.dir / "elsewhere" / "stroke-001.txt", "0 0\n20 20\n40 0\n");
    fs::create_directories(temp.dir / "examples" / "4");
    fs::create_directory_symlink(temp.dir / "elsewhere", temp.dir / "examples" / "3");
    fs::create_directory_symlink(temp.dir / "examples", temp.dir / "linked");
    const std::string examples = (temp.dir / "examples").string(), linked = (temp.dir / "linked").string();
    EXPECT_EQ(slotFolderLink(examples.c_str(), 3), "slot 3's folder is a link");
    EXPECT_EQ(slotFolderLink(examples.c_str(), 4), "");
    EXPECT_EQ(slotFolderLink(examples.c_str(), 5), "");  // none yet: it is made as a folder
    EXPECT_EQ(slotFolderLink(linked.c_str(), 4), "\"linked\" is a link");
    std::vector<std::string> files, warnings;
    std::vector<UnreadableExample> unreadable;
    listSlotFolder(examples.c_str(), 3, files, unreadable, warnings);
    EXPECT_EQ(files.size(), 1u);
}

}  // namespace
