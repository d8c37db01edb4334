// trazzle-check tests: its command line, the order, streams and exit status of what it prints; a sheet's cards; learning.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "training/gesture_producibility.h"
#include "tests/hostile_rc.h"
#include "tests/tool_run.h"
#include "tools/check/check.h"

namespace {

namespace fs = std::filesystem;

using Outcome = ToolOutcome;

Outcome check(std::vector<std::string> args) {
    ToolEntry entry = [](int argc, char** argv, FILE*, FILE* out, FILE* err) { return runCheck(argc, argv, out, err); };
    return runTool(entry, "trazzle-check", args);
}

fs::path scratch(const std::string& name) {
    fs::path folder = fs::temp_directory_path() / ("trazzle-check-" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

void write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

const std::string kExamples = TRAZZLE_EXAMPLES;

// The checks' findings are tested with the checker; here, what the command line makes of them:
// both checks' findings on standard output in line order, --quiet keeping the errors, the exit
// status from the worst finding, and files it cannot read named on standard error.
TEST(Check, PrintsTheFindingsInLineOrderAndExitsWithTheWorst) {
    fs::path folder = scratch("rc");
    // Line 2's warning is a setting's, lines 1 and 5 are the slots'.
    std::string mixed = (folder / "mixed.rc").string(), warn = (folder / "warn.rc").string();
    write(mixed, "trazzle.plugin.gesture4: rd\n"
                 "trazzle.plugin.transparency.alpha: -1\n"
                 "trazzle.plugin.gesture0: tr br tr\ntrazzle.plugin.command0: calc.exe\n"
                 "trazzle.plugin.gesture1: br tr br\ntrazzle.plugin.command1: winver.exe\n");
    write(warn, "trazzle.plugin.transparency.alpha: -1\n");
    const std::string error =
        mixed + ":1: error: slot 4 has a gesture and no command; drawing it asks the host to start an empty command\n";
    const std::string alpha = ": warning: alpha -1 is outside 0 to 255; the plugin uses its low 8 bits, 255\n";
    const std::string mixedOut =
        error + mixed + ":2" + alpha +
        mixed + ":5: warning: slot 1 (\"br tr br\"): the slip \"tr br tr br\" launches slot 0 calc.exe: \"tr br tr\" occurs, score 0.73\n" +
        mixed + ":5: warning: slot 1 (\"br tr br\"): the slip \"br tr br tr\" launches slot 0 calc.exe: \"tr br tr\" occurs, score 0.73\n" +
        mixed + ":5: note: slot 1 (\"br tr br\") catches 6 of its 19 one-token slips\n";

    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {{kExamples + "/trazzle.rc"}, 0, "", ""},
        {{mixed}, 2, mixedOut, ""},
        {{"--quiet", mixed}, 2, error, ""},
        {{warn}, 1, warn + ":1" + alpha, ""},
        {{(folder / "missing.rc").string()}, 2, "",
         "trazzle-check: error: cannot read \"" + (folder / "missing.rc").string() +
             "\": No such file or directory\n"},
        {{(folder / "huge.rc").string()}, 2, "",
         "trazzle-check: error: \"" + (folder / "huge.rc").string() +
             "\" is larger than 16777216 bytes, far more than an rc file holds\n"},
    };
    write(folder / "huge.rc", "");
    fs::resize_file(folder / "huge.rc", 16 * 1024 * 1024 + 1);
    for (const Case& c : cases) {
        Outcome outcome = check(c.args);
        EXPECT_EQ(outcome.out, c.out) << c.args.back();
        EXPECT_EQ(outcome.err, c.err) << c.args.back();
        EXPECT_EQ(outcome.status, c.status) << c.args.back();
    }
    fs::remove_all(folder);
}

// A hostile file's texts reach the sheet only escaped (its findings are the checker's).
TEST(Check, HostileTextsReachTheSheetEscaped) {
    fs::path folder = scratch("hostile");
    std::string rc = (folder / "h.rc").string(), svg = (folder / "h.svg").string();
    write(rc, hostileRcText());
    Outcome outcome = check({"--sheet", svg, rc});
    EXPECT_EQ(outcome.status, 2);
    std::string sheet = readFile(svg);
    EXPECT_NE(sheet.find(">\\x1b]0;owned\\x07\\xff.exe<"), std::string::npos);
    for (char c : sheet) EXPECT_TRUE(c == '\n' || (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f)) << int(c);
    fs::remove_all(folder);
}

#ifndef _WIN32
TEST(Check, AReportThatCannotBeWrittenIsAnError) {
    std::vector<std::string> args = {"trazzle-check", TRAZZLE_EXAMPLES "/broken.rc"};
    char* argv[] = {&args[0][0], &args[1][0], nullptr};
    FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    FILE* err = std::tmpfile();
    EXPECT_EQ(2, runCheck(2, argv, full, err));
    std::fclose(full);
    EXPECT_EQ(readAllAndClose(err), "trazzle-check: error: cannot write the report: No space left on device\n");
}
#endif

TEST(Check, SheetHasACardPerSlot) {
    fs::path folder = scratch("sheet");
    write(folder / "t.rc", "trazzle.plugin.gesture0: br tr br\ntrazzle.plugin.command0: C:\\W\\winver.exe\n"
                           "trazzle.plugin.gesture4: tr tr\ntrazzle.plugin.command4: calc.exe\n");
    fs::path svg = folder / "sheet.svg";
    Outcome outcome = check({"--quiet", "--sheet", svg.string(), (folder / "t.rc").string()});
    EXPECT_EQ(outcome.status, 2);
    std::string sheet = readFile(svg);
    std::vector<std::string> cards;
    for (size_t at = sheet.find("<g class=\"card\">"); at != std::string::npos;
         at = sheet.find("<g class=\"card\">", at + 1))
        cards.push_back(sheet.substr(at, sheet.find("</g>", at) - at));
    ASSERT_EQ(cards.size(), 2u);
    // The W: its title, text and file, three labelled corner dots and four arrowed segments
    // (the canonical stroke has five points).
    EXPECT_NE(cards[0].find(">slot 0<"), std::string::npos);
    EXPECT_NE(cards[0].find(">br tr br<"), std::string::npos);
    EXPECT_NE(cards[0].find(">winver.exe<"), std::string::npos);
    auto count = [](const std::string& text, const std::string& what) {
        size_t n = 0;
        for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count(cards[0], "font-weight=\"bold\">br<"), 2u);
    EXPECT_EQ(count(cards[0], "font-weight=\"bold\">tr<"), 1u);
    EXPECT_EQ(count(cards[0], "marker-end"), 4u);
    EXPECT_NE(cards[1].find(">tr tr<"), std::string::npos);
    EXPECT_NE(cards[1].find("no stroke can draw this text"), std::string::npos);
    EXPECT_EQ(count(cards[1], "marker-end"), 0u);
    fs::remove_all(folder);
}

// Writes a stroke that draws `text`, three times, as slot `slot`'s examples.
void writeExamples(const fs::path& dir, int slot, const char* text, const std::string& name) {
    fs::create_directories(dir / std::to_string(slot));
    ScreenPoint points[kMaxCanonicalPoints];
    int count = canonicalStroke(text, points);
    for (int copy = 0; copy < 3; ++copy) {
        std::string lines;
        for (int i = 0; i < count; ++i)
            lines += std::to_string(points[i].x + copy) + " " + std::to_string(points[i].y) + "\n";
        write(dir / std::to_string(slot) / (name + std::to_string(copy) + ".txt"), lines);
    }
}

// An M (slot 0) and a W (slot 1), each drawn whole or without its last leg: the short M needs
// a text of its own (see the learner's tests). Slot 2 has a command and slot 3 a gesture, so
// the first free slot is 4, and the variant there starts the M's command with its argument. The two shapes share
// texts, which one line says.
TEST(Check, LearnsVariantsIntoFreeSlotsAndAppliesThem) {
    fs::path folder = scratch("learn");
    fs::path dir = folder / "examples";
    writeExamples(dir, 0, "tr br tr", "m");
    writeExamples(dir, 0, "tr br", "short-m");
    writeExamples(dir, 1, "br tr br", "w");
    writeExamples(dir, 1, "br tr", "short-w");
    const std::string rcText =
        "# my gestures\r\n"
        "trazzle.plugin.gesture0:  tr\r\n"
        "trazzle.plugin.command0: C:\\Tools\\m.exe\r\n"
        "trazzle.plugin.argument0: -m \"x\"\r\n"
        "trazzle.plugin.command1: w.exe\r\n"
        "trazzle.plugin.command2: notes.exe\r\n"
        "trazzle.plugin.gesture3: rd\r\n"
        "trazzle.plugin.command3: calc.exe\r\n"
        "trazzle.plugin.hotkey: 123\r\n";
    fs::path rc = folder / "trazzle.rc";
    write(rc, rcText);
    const std::string learned =
        "trazzle.plugin.gesture0: tr br tr\n"
        "trazzle.plugin.gesture1: br tr\n"
        "# variant of slot 0, for 3 of its 6 examples\n"
        "trazzle.plugin.gesture4: tr br\n"
        "trazzle.plugin.command4: C:\\Tools\\m.exe\n"
        "trazzle.plugin.argument4: -m \"x\"\n"
        "# slots 0 and 1 share texts: 3 of slot 1's 6 examples would launch slot 0, 3 of slot 0's 6 would "
        "launch slot 1; draw another shape for slot 1\n"
        "examples: 12 right, 0 wrong, 0 nothing (5-fold cross-validation: each fold judged by "
        "texts learned without it)\n"
        "# each slot's most common text instead: 7 right, 1 wrong, 4 nothing\n";

    Outcome shown = check({"--learn", dir.string(), "--rc", rc.string()});
    EXPECT_EQ(shown.err, "");
    EXPECT_EQ(shown.out, learned);
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(readFile(rc), rcText);

    Outcome applied = check({"--learn", dir.string(), "--rc", rc.string(), "--apply"});
    EXPECT_EQ(applied.out, learned +
                               "applied: trazzle.plugin.gesture0: tr br tr (was \"tr\")\n"
                               "applied: trazzle.plugin.gesture1: br tr (was \"\")\n"
                               "applied: trazzle.plugin.gesture4: tr br (was \"\")\n"
                               "applied: trazzle.plugin.command4: C:\\Tools\\m.exe (was \"\")\n"
                               "applied: trazzle.plugin.argument4: -m \"x\" (was \"\")\n");
    EXPECT_EQ(applied.status, 0);
    EXPECT_EQ(readFile(rc), "# my gestures\r\n"
                            "trazzle.plugin.gesture0:  tr br tr\r\n"
                            "trazzle.plugin.command0: C:\\Tools\\m.exe\r\n"
                            "trazzle.plugin.argument0: -m \"x\"\r\n"
                            "trazzle.plugin.command1: w.exe\r\n"
                            "trazzle.plugin.gesture1: br tr\r\n"  // beside its slot's line
                            "trazzle.plugin.command2: notes.exe\r\n"
                            "trazzle.plugin.gesture3: rd\r\n"
                            "trazzle.plugin.command3: calc.exe\r\n"
                            "trazzle.plugin.gesture4: tr br\r\n"  // after the last slot line
                            "trazzle.plugin.command4: C:\\Tools\\m.exe\r\n"
                            "trazzle.plugin.argument4: -m \"x\"\r\n"
                            "trazzle.plugin.hotkey: 123\r\n");
    // Applied once, the rc file already holds what learning gives.
    Outcome again = check({"--learn", dir.string(), "--rc", rc.string(), "--apply"});
    EXPECT_NE(again.out.find("applied: " + rc.string() + " already holds these texts\n"), std::string::npos);
    fs::remove_all(folder);
}

// Press-only strokes for slot 0, which has "br", say nothing: it keeps its text. Slot 2's Ws
// are "br tr br", the text the rc file gives slot 1: slot 2 may not repeat it and says that
// slot 1 takes them; it learns a text for Ws drawn short, and no variant: none would launch
// a W as drawn. What is applied checks clean.
TEST(Check, LearningKeepsWorkingTextsAndNeverRepeatsTheRcFilesTexts) {
    fs::path folder = scratch("learn-keep");
    fs::path dir = folder / "examples";
    writeExamples(dir, 0, "", "press");
    writeExamples(dir, 2, "br tr br", "w");
    const std::string rcText = "trazzle.plugin.gesture0: br\ntrazzle.plugin.command0: a.exe\n"
                               "trazzle.plugin.gesture1: br tr br\ntrazzle.plugin.command1: w.exe\n"
                               "trazzle.plugin.command2: m.exe\n";
    fs::path rc = folder / "trazzle.rc";
    write(rc, rcText);
    Outcome applied = check({"--learn", dir.string(), "--rc", rc.string(), "--apply"});
    std::string expected =
        "trazzle.plugin.gesture0: br\n"
        "trazzle.plugin.gesture2: br tr\n"
        "# slot 2: 3 of its examples launch slot 1 w.exe, whose text \"br tr br\" the rc file gives it; "
        "slot 2 cannot take them\n"
        "examples: 0 right, 3 wrong, 3 nothing (5-fold cross-validation: each fold judged by texts "
        "learned without it)\n"
        "# each slot's most common text instead: 0 right, 3 wrong, 3 nothing\n";
    for (int copy = 0; copy < 3; ++copy)
        expected += "# missed: " + (dir / "0" / ("press" + std::to_string(copy) + ".txt")).string() + " || launches nothing\n";
    for (int copy = 0; copy < 3; ++copy)
        expected += "# wrong: " + (dir / "2" / ("w" + std::to_string(copy) + ".txt")).string() +
                    " |br tr br| launches slot 1 w.exe\n";
    EXPECT_EQ(applied.out, expected + "applied: trazzle.plugin.gesture2: br tr (was \"\")\n");
    EXPECT_EQ(applied.status, 0);
    EXPECT_EQ(readFile(rc), rcText + "trazzle.plugin.gesture2: br tr\n");
    EXPECT_EQ(check({"--quiet", rc.string()}).out, "");
    fs::remove_all(folder);
}

// A V and a check mark both give "br": neither slot can hold it safely, both are left empty
// and say why, the pair's clash line asks for another shape for the newer slot (written
// last), and every example is listed as missed.
TEST(Check, LearningSaysWhichSlotsStayEmptyAndWhichStrokesFail) {
    fs::path folder = scratch("learn-empty");
    writeExamples(folder, 0, "br", "v");
    writeExamples(folder, 1, "br", "check");
    Outcome outcome = check({"--learn", folder.string()});
    std::string expected =
        "# slot 0 left empty: no text its examples share is safe: each would start another "
        "slot's command, or fits too few of them\n"
        "# slot 1 left empty: no text its examples share is safe: each would start another "
        "slot's command, or fits too few of them\n"
        "# slots 0 and 1 share texts: 3 of slot 1's 3 examples would launch slot 0, 3 of slot 0's 3 would "
        "launch slot 1; draw another shape for slot 1\n"
        "examples: 0 right, 0 wrong, 6 nothing (5-fold cross-validation: each fold judged by "
        "texts learned without it)\n"
        "# each slot's most common text instead: 3 right, 3 wrong, 0 nothing\n";
    for (int slot = 0; slot < 2; ++slot)
        for (int copy = 0; copy < 3; ++copy)
            expected += "# missed: " +
                        (folder / std::to_string(slot) / ((slot ? "check" : "v") + std::to_string(copy) + ".txt")).string() +
                        " |br| launches nothing\n";
    EXPECT_EQ(outcome.out, expected);
    EXPECT_EQ(outcome.status, 0);
    fs::remove_all(folder);
}

// Only DIR/0 to DIR/24 hold examples; every other folder is named, never silently dropped.
TEST(Check, LearningNamesWhatItSkips) {
    fs::path folder = scratch("skips");
    for (const char* sub : {"0/old", "01", "25", "abc"}) fs::create_directories(folder / sub);
    write(folder / "0" / "v.txt", "0 0\n20 20\n40 0\n");
    write(folder / "0" / "v2.txt", "0 0\n20 20\n40 0\n");
    write(folder / "README", "not a stroke\n");
    Outcome outcome = check({"--learn", folder.string()});
    auto named = [&](const fs::path& path) { return "trazzle-check: warning: \"" + path.string() + "\""; };
    EXPECT_EQ(outcome.err, named(folder / "01") + " is not a slot folder (0 to 24, no leading zeros); its strokes are not read\n" +
                               named(folder / "25") + " is not a slot folder (0 to 24, no leading zeros); its strokes are not read\n" +
                               named(folder / "abc") + " is not a slot folder (0 to 24, no leading zeros); its strokes are not read\n" +
                               named(folder / "0" / "old") + " is a folder inside a slot folder; its strokes are not read\n");
    EXPECT_EQ(outcome.out.rfind("trazzle.plugin.gesture0: br\n", 0), 0u);
    EXPECT_EQ(outcome.status, 1);
#ifndef _WIN32
    // A slot folder that is a link to itself cannot be read: its examples would be missing.
    fs::create_directory_symlink("3", folder / "3");
    outcome = check({"--learn", folder.string()});
    EXPECT_NE(outcome.err.find("trazzle-check: error: cannot read the slot folder \"" + (folder / "3").string() +
                               "\": Too many levels of symbolic links\n"),
              std::string::npos);
    EXPECT_EQ(outcome.status, 2);
#endif
    fs::remove_all(folder);
}

#ifndef _WIN32
// --apply to a pipe would read it once and then block on it while holding the writers' lock:
// it is refused before anything is read or learned.
TEST(Check, ApplyingToAPipeIsRefusedBeforeAnythingIsRead) {
    fs::path folder = scratch("apply-pipe");
    fs::path rc = folder / "trazzle.rc";
    ASSERT_EQ(0, mkfifo(rc.c_str(), 0644));
    Outcome outcome = check({"--learn", folder.string(), "--rc", rc.string(), "--apply"});
    EXPECT_EQ(outcome.err, "trazzle-check: error: cannot apply to \"" + rc.string() + "\": not a regular file\n");
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.status, 2);
    fs::remove_all(folder);
}
#endif

}  // namespace
