// trazzle-replay tests: command lines and inputs in, the exact standard output, errors and status out.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>

#endif

#include "tests/tool_run.h"
#include "tools/replay/replay.h"

namespace {

namespace fs = std::filesystem;

using Outcome = ToolOutcome;

Outcome replay(std::vector<std::string> args, const std::string& stdinText = "") {
    return runTool(runReplay, "trazzle-replay", args, stdinText);
}

class ReplayFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("trazzle-replay-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string write(const std::string& name, const std::string& text) {
        fs::path path = folder / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }

    fs::path folder;
};

const char kWorkedExampleRc[] =
    "trazzle.plugin.gesture0: tr\n"
    "trazzle.plugin.command0: C:\\one.exe\n"
    "trazzle.plugin.gesture1: tr bl\n"
    "trazzle.plugin.command1: C:\\Tools\\edit.exe\n"
    "trazzle.plugin.argument1:   -x  \"C:\\a b.txt\"  \n"
    "trazzle.plugin.gesture2: bl rd\n"
    "trazzle.plugin.command2: C:\\two.exe\n";

TEST_F(ReplayFiles, TracesAWholeStroke) {
    std::string stroke = write("w.txt",
                               "# a W\n100 100\n110 110\n120 120\n130 110\n140 100\n150 110\n"
                               "160 120\n170 110\n180 100\n");
    Outcome outcome = replay({"--trace", stroke});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out,
              "segment 100 100 110 110\n"
              "segment 110 110 120 120\n"
              "dot 120 120 br\n"
              "segment 120 120 130 110\n"
              "segment 130 110 140 100\n"
              "dot 140 100 tr\n"
              "segment 140 100 150 110\n"
              "segment 150 110 160 120\n"
              "dot 160 120 br\n"
              "segment 160 120 170 110\n"
              "segment 170 110 180 100\n"
              "gesture: br tr br\n");
}

TEST_F(ReplayFiles, ReportsTheChosenSlotAndItsLaunch) {
    std::string rc = write("trazzle.rc", kWorkedExampleRc);
    Outcome outcome = replay({"--rc", rc, "--text", "tr bl rd"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out,
              "gesture: tr bl rd\n"
              "slot: 1\n"
              "directory: C:\\Tools\n"
              "file: edit.exe\n"
              "argument: -x  \"C:\\a b.txt\"\n"
              "status: Trazzle Command -> edit.exe\n");
}

TEST_F(ReplayFiles, ReportsNoSlot) {
    std::string rc = write("trazzle.rc", kWorkedExampleRc);
    EXPECT_EQ(replay({"--rc", rc, "--text", "lu"}).out, "gesture: lu\nslot: none\n");
    // A stroke without a corner is an empty text, which chooses nothing.
    Outcome empty = replay({"--rc", rc, "-"}, "5 5\n");
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "gesture: \nslot: none\n");
}

TEST_F(ReplayFiles, SlotTextsAreCutToNinetyNineCharacters) {
    std::string longCommand = "C:\\" + std::string(60, 'd') + "\\" + std::string(80, 'f') + ".exe";
    std::string rc = write("trazzle.rc", "trazzle.plugin.gesture24: br\ntrazzle.plugin.command24: " +
                                             longCommand + "\n");
    Outcome outcome = replay({"--rc", rc, "--text", "br"});
    EXPECT_EQ(outcome.out, "gesture: br\nslot: 24\ndirectory: C:\\" + std::string(60, 'd') +
                               "\nfile: " + std::string(35, 'f') + "\nargument: \nstatus: Trazzle Command -> " +
                               std::string(35, 'f') + "\n");
}

TEST(Replay, HelpExplainsTheTokens) {
    Outcome outcome = replay({"--help"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out.rfind("usage: trazzle-replay [--trace] [--rc RCFILE] (--text GESTURETEXT | STROKEFILE | -)\n", 0), 0u);
    for (const char* token : {"tr", "tl", "br", "bl", "rd", "ru", "ld", "lu"})
        EXPECT_NE(outcome.out.find(std::string("  ") + token + "  "), std::string::npos) << token;
}

// Refused inputs: one error line, nothing on standard output, status 2.
struct RefusalCase {
    const char* name;
    std::vector<std::string> args;  // "STROKE" stands for the stroke file's path
    std::string stroke;             // written to the stroke file, or standard input for "-"
    std::string error;              // "STROKE" stands for the path again
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class Refused : public ReplayFiles, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refused, WithOneClearLine) {
    const RefusalCase& c = GetParam();
    std::string stroke = write("stroke.txt", c.stroke);
    std::vector<std::string> args = c.args;
    for (std::string& arg : args)
        if (arg == "STROKE") arg = stroke;
    std::string error = c.error;
    for (size_t at; (at = error.find("STROKE")) != std::string::npos;) error.replace(at, 6, stroke);

    Outcome outcome = replay(args, c.stroke);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "trazzle-replay: error: " + error + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Replay, Refused,
    ::testing::Values(
        // The stroke file reader's reasons are tested with it; here one of them stands for all.
        RefusalCase{"ABadStrokeLine", {"STROKE"}, "1 2\n3\n", "STROKE:2: expected two integers \"x y\", got \"3\""},
        RefusalCase{"UnknownOption", {"--verbose", "STROKE"}, "0 0\n", "unknown option \"--verbose\" (see --help)"},
        RefusalCase{"NoInput", {"--trace"}, "", "no input: give --text GESTURETEXT, a stroke file or - (see --help)"},
        RefusalCase{"TwoInputs", {"--text", "tr", "STROKE"}, "0 0\n", "give one input: --text, a stroke file or -"},
        RefusalCase{"RcWithoutValue", {"STROKE", "--rc"}, "0 0\n", "--rc needs a value (see --help)"},
        RefusalCase{"TextTooLong", {"--text", std::string(100, 'a')}, "", "gesture text longer than 99 characters"}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST_F(ReplayFiles, AMissingRcFileIsRefused) {
    std::string missing = (folder / "missing.txt").string();
    Outcome rc = replay({"--rc", missing, "--text", "tr"});
    EXPECT_EQ(rc.status, 2);
    EXPECT_EQ(rc.out, "");
    EXPECT_EQ(rc.err.rfind("trazzle-replay: error: cannot read rc file \"" + missing + "\": ", 0), 0u);
}

TEST_F(ReplayFiles, AnRcFileIsReadOnceWholeAndBounded) {
    Outcome folderRc = replay({"--rc", folder.string(), "--text", "tr"});
    EXPECT_EQ(folderRc.status, 2);
    EXPECT_EQ(folderRc.out, "");
    EXPECT_EQ(folderRc.err.rfind("trazzle-replay: error: cannot read rc file \"" + folder.string() + "\": ", 0), 0u);
#ifndef _WIN32
    // A device or a pipe is no rc file trazzle could read: refused at once, nothing waits for a
    // writer that never comes.
    std::string fifo = (folder / "rc.fifo").string();
    ASSERT_EQ(0, mkfifo(fifo.c_str(), 0600));
    for (const std::string& special : {std::string("/dev/zero"), fifo}) {
        Outcome refused = replay({"--rc", special, "--text", "tr"});
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.err, "trazzle-replay: error: cannot read rc file \"" + special + "\": not a regular file\n");
    }
#endif
}

TEST_F(ReplayFiles, ControlCharactersFromTheRcFileAreShownNotObeyed) {
    std::string rc = write("e.rc", "trazzle.plugin.gesture0: tr\ntrazzle.plugin.command0: C:\\\x1b]0;x\x07.exe\n"
                                   "trazzle.plugin.argument0: \x1b[2J\xc2\x9b\xff\n");
    Outcome outcome = replay({"--rc", rc, "--text", "tr"});
    EXPECT_EQ(outcome.out, "gesture: tr\nslot: 0\ndirectory: C:\nfile: \\x1b]0;x\\x07.exe\n"
                           "argument: \\x1b[2J\\xc2\\x9b\\xff\nstatus: Trazzle Command -> \\x1b]0;x\\x07.exe\n");
}

#ifndef _WIN32
TEST(Replay, AFailedOutputIsReported) {
    std::vector<std::string> args = {"trazzle-replay", "--text", "tr"};
    char* argv[] = {&args[0][0], &args[1][0], &args[2][0], nullptr};
    FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    FILE* err = std::tmpfile();
    EXPECT_EQ(2, runReplay(3, argv, stdin, full, err));
    std::fclose(full);
    EXPECT_EQ(readAllAndClose(err), "trazzle-replay: error: cannot write the output: No space left on device\n");
}
#endif

}  // namespace
