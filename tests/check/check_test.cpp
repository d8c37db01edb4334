// trazzle-check tests: rc files in, exact diagnostics and status out; a sheet's cards; a learning case.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

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

TEST(Check, RcFilesGiveTheirExactDiagnostics) {
    fs::path folder = scratch("rc");
    write(folder / "warn.rc", "trazzle.plugin.transparency.alpha: -1\r\n"
                              "Trazzle.Plugin.Gesture2: tr br\n"
                              "trazzle.plugin.command2: calc.exe\n"
                              "TRAZZLE.PLUGIN.GESTURE2: br\n");
    std::string warn = (folder / "warn.rc").string();
    std::string broken = kExamples + "/broken.rc";
    const std::string brokenOut =
        broken + ":4: error: \"12px\" is not a whole decimal number within 32 bits; the plugin uses the default, 10\n" +
        broken + ":5: warning: alpha 300 is outside 0 to 255; the plugin uses its low 8 bits, 44\n" +
        broken + ":6: error: hotkey 300 is outside 1 to 254; no key can ever press it\n" +
        broken + ":7: error: \"maybe\" is not a boolean (true/false, yes/no, on/off, 1/0); the plugin uses the default, true\n" +
        broken + ":8: warning: \"trazzle.plugin.hotkey:\" is repeated; the plugin uses line 6 and ignores this one\n" +
        broken + ":11: error: unknown key \"trazzle.plugin.gestrue3:\", never read by the plugin; did you mean \"trazzle.plugin.gesture3:\"?\n" +
        broken + ":13: error: slot 25 does not exist (slots are 0 to 24); \"trazzle.plugin.gesture25:\" is never read\n" +
        broken + ":14: error: slot 25 does not exist (slots are 0 to 24); \"trazzle.plugin.command25:\" is never read\n" +
        broken + ":19: warning: slot 1 (\"br tr br\"): the slip \"tr br tr br\" launches slot 0 calc.exe: \"tr br tr\" occurs, score 0.73\n" +
        broken + ":19: warning: slot 1 (\"br tr br\"): the slip \"br tr br tr\" launches slot 0 calc.exe: \"tr br tr\" occurs, score 0.73\n" +
        broken + ":19: note: slot 1 (\"br tr br\") catches 6 of its 19 one-token slips\n" +
        broken + ":23: error: slot 2: \"tr  br\" is not corner tokens separated by single blanks (tr tl br bl rd ru ld lu)\n" +
        broken + ":26: error: slot 3: no stroke can produce \"tr tr\": \"tr\" cannot follow \"tr\" (only tl, br, rd, lu can)\n" +
        broken + ":29: error: slot 4 has a gesture and no command; drawing it asks the host to start an empty command\n" +
        broken + ":31: error: slot 5 has the same gesture text as slot 1 (\"br tr br\"); slot 1 always wins\n" +
        broken + ":38: warning: the file name is 84 characters long; the status text shows it cut: \"Trazzle Command -> a-program-whose-file-name-is-far-too-long-to-show-in-the-status-text-of-the-host\"\n" +
        broken + ":42: warning: the text is 113 characters long; the plugin keeps the first 99, up to \"...s of every\"\n";
    std::string brokenErrors;
    std::istringstream lines(brokenOut);
    for (std::string line; std::getline(lines, line);)
        if (line.find(": error: ") != std::string::npos) brokenErrors += line + "\n";

    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {{kExamples + "/trazzle.rc"}, 0, "", ""},
        {{broken}, 2, brokenOut, ""},
        {{"--quiet", broken}, 2, brokenErrors, ""},
        {{warn}, 1,
         warn + ":1: warning: alpha -1 is outside 0 to 255; the plugin uses its low 8 bits, 255\n" +
             warn + ":4: warning: \"TRAZZLE.PLUGIN.GESTURE2:\" is repeated; the plugin uses line 2 and ignores this one\n",
         ""},
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

// What an editor, a paste or a hostile file can put into an rc file: each is reported, and
// nothing reaches the terminal or the sheet raw.
TEST(Check, HostileTextsAreReportedAndQuoted) {
    fs::path folder = scratch("hostile");
    std::string rc = (folder / "h.rc").string(), svg = (folder / "h.svg").string();
    write(rc, "\xEF\xBB\xBFtrazzle.plugin.gesture0: br\n"
              "trazzle.plugin.gesture1: tr\n"
              "trazzle.plugin.command1: \x1b]0;owned\x07\xff.exe\n" +
                  std::string("trazzle.plugin.gesture2: br\0 tr\n", 32) +
                  "trazzle.plugin.command2: " + std::string(100000, 'c') + "\n" +
                  "trazzle.plugin." + std::string(100000, 'k') + ": \x1b[2J\n"
                  "trazle.plugin.gesture3: tr\n");
    Outcome outcome = check({"--sheet", svg, rc});
    EXPECT_EQ(outcome.out,
              rc + ":1: error: the file starts with a UTF-8 byte order mark, which the plugin takes as part of the key: it never reads \"trazzle.plugin.gesture0:\"; save the file without the mark\n" +
              rc + ":4: error: the value holds a zero byte after 2 characters; the plugin reads only \"br\"\n" +
              rc + ":5: warning: the text is 100000 characters long; the plugin keeps the first 99, up to \"...cccccccccc\"\n" +
              rc + ":5: warning: the file name is 99 characters long; the status text shows it cut: \"Trazzle Command -> " + std::string(80, 'c') + "\"\n" +
              rc + ":6: error: unknown key \"trazzle.plugin." + std::string(45, 'k') + "\"..., never read by the plugin; did you mean \"trazzle.plugin.hotkey:\"?\n" +
              rc + ":7: error: unknown key \"trazle.plugin.gesture3:\", never read by the plugin; did you mean \"trazzle.plugin.gesture3:\"?\n");
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

// Slot 0 is a V ("br"); slot 1 a W that some hands draw without its last leg ("br tr").
// The W's most common text, "br tr br", sends those short ones to the V; "br tr" catches all
// of the W's examples and none of the V's.
TEST(Check, LearnsTextsThatAvoidMisfires) {
    fs::path folder = scratch("learn");
    const char* v[] = {"0 0\n20 20\n40 40\n60 20\n80 0\n", "0 0\n15 15\n30 30\n45 15\n60 0\n",
                       "5 5\n30 28\n50 50\n70 31\n90 10\n"};
    const char* w[] = {"0 0\n20 20\n40 0\n60 20\n80 0\n", "0 0\n20 20\n40 0\n60 20\n80 0\n",
                       "0 0\n25 25\n50 0\n75 25\n100 0\n", "0 0\n20 20\n40 0\n60 20\n",
                       "0 0\n30 30\n60 0\n90 30\n"};
    fs::create_directories(folder / "0");
    fs::create_directories(folder / "1");
    for (int i = 0; i < 3; ++i) write(folder / "0" / ("v" + std::to_string(i) + ".txt"), v[i]);
    for (int i = 0; i < 5; ++i) write(folder / "1" / ("w" + std::to_string(i) + ".txt"), w[i]);
    Outcome outcome = check({"--learn", folder.string()});
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out,
              "trazzle.plugin.gesture0: br\n"
              "trazzle.plugin.gesture1: br tr\n"
              "examples: 8 right, 0 wrong, 0 nothing\n"
              "# each slot's most common text instead: 6 right, 2 wrong, 0 nothing\n");
    EXPECT_EQ(outcome.status, 0);
    fs::remove_all(folder);
}

// Only DIR/0 to DIR/24 hold examples; every other folder is named, never silently dropped.
TEST(Check, LearningNamesWhatItSkips) {
    fs::path folder = scratch("skips");
    for (const char* sub : {"0/old", "01", "25", "abc"}) fs::create_directories(folder / sub);
    write(folder / "0" / "v.txt", "0 0\n20 20\n40 0\n");
    write(folder / "README", "not a stroke\n");
    Outcome outcome = check({"--learn", folder.string()});
    auto named = [&](const fs::path& path) { return "trazzle-check: warning: \"" + path.string() + "\""; };
    EXPECT_EQ(outcome.err, named(folder / "01") + " is not a slot folder (0 to 24, no leading zeros); its strokes are not read\n" +
                               named(folder / "25") + " is not a slot folder (0 to 24, no leading zeros); its strokes are not read\n" +
                               named(folder / "abc") + " is not a slot folder (0 to 24, no leading zeros); its strokes are not read\n" +
                               named(folder / "0" / "old") + " is a folder inside a slot folder; its strokes are not read\n");
    EXPECT_EQ(outcome.out.rfind("trazzle.plugin.gesture0: br\n", 0), 0u);
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

}  // namespace
