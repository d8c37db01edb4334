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
    };
    for (const Case& c : cases) {
        Outcome outcome = check(c.args);
        EXPECT_EQ(outcome.out, c.out) << c.args.back();
        EXPECT_EQ(outcome.err, c.err) << c.args.back();
        EXPECT_EQ(outcome.status, c.status) << c.args.back();
    }
    fs::remove_all(folder);
}

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

}  // namespace
