// Tests of the checker: rc files in, each check's exact findings out, printed as trazzle-check prints them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/hostile_rc.h"
#include "tests/rc/temp_dir.h"
#include "training/checker.h"

namespace {

using Lines = std::vector<std::string>;

// The findings are written without the path of the file, which every printed one starts with.
struct CheckCase {
    const char* name;
    const char* example;  // a file of examples/, or null for `text`
    std::string text;     // written to a file of the case's own
    Lines settings;       // what checkSettings finds
    Lines slots;          // what checkSlots finds
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

// The findings in line order (trazzle-check sorts them so; a check's findings on one line keep
// their order), each printed by formatDiagnostic.
Lines printed(const RcFile& rc, std::vector<Diagnostic> found) {
    std::stable_sort(found.begin(), found.end(),
                     [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
    Lines lines;
    for (const Diagnostic& d : found) lines.push_back(formatDiagnostic(rc.path, d));
    return lines;
}

Lines withPath(const std::string& path, Lines lines) {
    for (std::string& line : lines) line = path + line;
    return lines;
}

class Findings : public ::testing::TestWithParam<CheckCase> {};

TEST_P(Findings, AreExactlyTheseForEachCheck) {
    const CheckCase& c = GetParam();
    TempDir temp;
    std::string path = c.example ? std::string(TRAZZLE_EXAMPLES "/") + c.example : temp.path("checked.rc");
    if (!c.example) temp.put("checked.rc", c.text);
    RcFile rc;
    std::string problem;
    ASSERT_EQ(loadRcFile(path.c_str(), rc, problem), kFileRead) << problem;
    std::vector<Diagnostic> settings, slots;
    checkSettings(rc, settings);
    checkSlots(rc, slots, nullptr);
    EXPECT_EQ(printed(rc, settings), withPath(path, c.settings));
    EXPECT_EQ(printed(rc, slots), withPath(path, c.slots));
}

INSTANTIATE_TEST_SUITE_P(
    Checker, Findings,
    ::testing::Values(
        CheckCase{"TheExampleIsClean", "trazzle.rc", "", {}, {}},
        CheckCase{"TheBrokenExampleHasEveryKind", "broken.rc", "",
                  {":4: error: \"12px\" is not a whole decimal number within 32 bits; the plugin uses the default, 10",
                   ":5: warning: alpha 300 is outside 0 to 255; the plugin uses its low 8 bits, 44",
                   ":6: error: hotkey 300 is outside 1 to 254; no key can ever press it; use Left Windows (91) or an F key other than F10; the plugin uses Left Windows (91) meanwhile",
                   ":7: error: \"maybe\" is not a boolean (true/false, yes/no, on/off, 1/0); the plugin uses the default, true",
                   ":8: warning: \"trazzle.plugin.hotkey:\" is repeated; the plugin uses line 6 and ignores this one",
                   ":11: error: unknown key \"trazzle.plugin.gestrue3:\", never read by the plugin; did you mean \"trazzle.plugin.gesture3:\"?",
                   ":13: error: slot 25 does not exist (slots are 0 to 24); \"trazzle.plugin.gesture25:\" is never read",
                   ":14: error: slot 25 does not exist (slots are 0 to 24); \"trazzle.plugin.command25:\" is never read",
                   ":38: warning: the file name is 84 characters long; the status text shows it cut: \"Trazzle Command -> a-program-whose-file-name-is-far-too-long-to-show-in-the-status-text-of-the-host\"",
                   ":42: warning: the text is 113 characters long; the plugin keeps the first 99, up to \"...s of every\""},
                  {":19: warning: slot 1 (\"br tr br\"): the slip \"tr br tr br\" launches slot 0 calc.exe: \"tr br tr\" occurs, score 0.73",
                   ":19: warning: slot 1 (\"br tr br\"): the slip \"br tr br tr\" launches slot 0 calc.exe: \"tr br tr\" occurs, score 0.73",
                   ":19: note: slot 1 (\"br tr br\") catches 6 of its 19 one-token slips",
                   ":23: error: slot 2: \"tr  br\" is not corner tokens separated by single blanks (tr tl br bl rd ru ld lu)",
                   ":26: error: slot 3: no stroke can produce \"tr tr\": \"tr\" cannot follow \"tr\" (only tl, br, rd, lu can)",
                   ":29: error: slot 4 has a gesture and no command; drawing it asks the host to start an empty command",
                   ":31: error: slot 5 has the same gesture text as slot 1 (\"br tr br\"); slot 1 always wins"}},
        CheckCase{"KeysInAnyCaseAreTheSameKey", nullptr,
                  "trazzle.plugin.transparency.alpha: -1\r\n"
                  "Trazzle.Plugin.Gesture2: tr br\n"
                  "trazzle.plugin.command2: calc.exe\n"
                  "TRAZZLE.PLUGIN.GESTURE2: br\n"
                  "Trazzle.Plugin.History.Keep: 20000\n",
                  {":1: warning: alpha -1 is outside 0 to 255; the plugin uses its low 8 bits, 255",
                   ":4: warning: \"TRAZZLE.PLUGIN.GESTURE2:\" is repeated; the plugin uses line 2 and ignores this one",
                   ":5: warning: history.keep 20000 is outside 0 to 10000; the plugin keeps 10000 strokes"},
                  {}},
        // The trainer's window place and free slots are its own keys in the same file; a
        // hotkey no press can bring is an error.
        CheckCase{"TheTrainersKeysAreKnownAndAHotkeyNoPressCanBringIsAnError", nullptr,
                  "trazzle.trainer.x: 100\ntrazzle.trainer.y: -20\ntrazzle.plugin.hotkey: 164\ntrazzle.trainer.z: 1\n"
                  "trazzle.trainer.freeSlots: 7\n",
                  {":3: error: hotkey Left Alt (164) reaches trazzle's hook as a system key; use Left Windows (91) or "
                   "an F key other than F10; the plugin uses Left Windows (91) meanwhile",
                   ":4: error: unknown key \"trazzle.trainer.z:\", never read by the plugin; did you mean \"trazzle.trainer.x:\"?"},
                  {}},
        CheckCase{"TheTrainersFreeSlotsAreWithinTheSlots", nullptr, "trazzle.trainer.freeSlots: 26\n",
                  {":1: warning: freeSlots 26 is outside 0 to 25; the trainer keeps 25 slots free"},
                  {}},
        // Slot 2 starts what slot 1 starts: a variant, never drawn for itself, so the slips of
        // its text that the broken example warns about for a gesture of its own are no fault.
        CheckCase{"AVariantsOwnSlipsAreNotWarned", nullptr,
                  "trazzle.plugin.gesture0: tr br tr\ntrazzle.plugin.command0: calc.exe\n"
                  "trazzle.plugin.gesture1: ru\ntrazzle.plugin.command1: w.exe\n"
                  "trazzle.plugin.gesture2: br tr br\ntrazzle.plugin.command2: w.exe\n",
                  {},
                  {}},
        // Each hostile text is reported, and nothing is printed raw.
        CheckCase{"HostileTextsAreReportedAndQuoted", nullptr, hostileRcText(),
                  {":1: error: the file starts with a UTF-8 byte order mark, which the plugin takes as part of the key: it never reads \"trazzle.plugin.gesture0:\"; save the file without the mark",
                   ":4: error: the value holds a zero byte after 2 characters; the plugin reads only \"br\"",
                   ":5: warning: the text is 100000 characters long; the plugin keeps the first 99, up to \"...cccccccccc\"",
                   ":5: warning: the file name is 99 characters long; the status text shows it cut: \"Trazzle Command -> " + std::string(80, 'c') + "\"",
                   ":6: error: unknown key \"trazzle.plugin." + std::string(45, 'k') + "\"..., never read by the plugin; did you mean \"trazzle.plugin.hotkey:\"?",
                   ":7: error: unknown key \"trazle.plugin.gesture3:\", never read by the plugin; did you mean \"trazzle.plugin.gesture3:\"?"},
                  {}}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

}  // namespace
