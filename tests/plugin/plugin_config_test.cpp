// trazzle.dll's configuration inside vantrel.exe: reloading a changed rc file, hostile values, a long soak.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/plugin/plugin_session.h"

namespace {

// A V from (200, 200) while `key` is held.
std::string drawV(int key = 91) {
    return "move 200 200\nkey down " + std::to_string(key) +
           "\nmove 210 210\nmove 220 220\nmove 230 230\nmove 240 220\nmove 250 210\nmove 260 200\nkey up " +
           std::to_string(key) + "\n";
}

// A peak from (200, 200): "tr".
constexpr char kPeak[] =
    "move 200 200\nkey down 91\nmove 210 190\nmove 220 180\nmove 230 190\nmove 240 200\nkey up 91\n";

TEST(Configuration, AReconfigureReadsTheChangedFileAndHostStyleAgain) {
    const char* first =
        "trazzle.plugin.gesture0: br\ntrazzle.plugin.command0: v.exe\n"
        "trazzle.plugin.gesture1: tr\ntrazzle.plugin.command1: first-peak.exe\n";
    // Slot 1's keys are gone: it is empty now; slot 0 changed; position and opacity changed.
    std::string next =
        "trazzle.plugin.gesture0: tr\ntrazzle.plugin.command0: C:\\peak\\peak.exe\n"
        "trazzle.plugin.x: 600\ntrazzle.plugin.y: 500\n"
        "trazzle.plugin.transparency.enabled: yes\ntrazzle.plugin.transparency.alpha: 128\n";
    std::string host = "vantrel.style.fontHeight: 20\n";
    PluginSession s = runPlugin(first, drawV() + "copy next.rc trazzle.rc\ncopy nexthost.rc host.rc\n"
                                       "reconfigure\nwindow trazzle\n" + drawV() + kPeak,
                                {{"next.rc", next}, {"nexthost.rc", host}});
    Lines expected = {"CreateStyleFont \"Tahoma\" height=13 weight=700 -> font",
                      "status \"Trazzle -> |br|\"", "status \"Trazzle Command -> v.exe\"",
                      "VTExecute owner=0 operation=\"\" command=\"v.exe\" arguments=\"\" directory=\"\" show=1 flag=1",
                      "CreateStyleFont \"Tahoma\" height=20 weight=700 -> font",
                      "window [trazzle] visible=1 x=600 y=500 cx=20 cy=20 topmost=1 exstyle=0x00080088 alpha=128",
                      "status \"Trazzle -> |br|\"",
                      "status \"Trazzle -> |tr|\"", "status \"Trazzle Command -> peak.exe\"",
                      "VTExecute owner=0 operation=\"\" command=\"peak.exe\" arguments=\"\" directory=\"C:\\peak\" "
                      "show=1 flag=1"};
    EXPECT_EQ(joinLines(expected), joinLines(only(s.log, {"CreateStyleFont", "status", "VTExecute", "window"})));
    EXPECT_EQ(0, s.run.exitCode);
}

TEST(Configuration, HostileValuesGiveTheirDefinedBehaviourAndNothingOverflows) {
    std::string rc = "trazzle.plugin.hotkey: 300\n"
                     "trazzle.plugin.x: 2147483647\ntrazzle.plugin.y: -2147483648\n"
                     "trazzle.plugin.transparency.enabled: 1\ntrazzle.plugin.transparency.alpha: -5\n"
                     "trazzle.plugin.gesture0: br\ntrazzle.plugin.command0: v.exe\n";
    // A command of 5000 characters, a folder and a file: cut to 99, its file name is short (the
    // status text's cut of a long one is tested with the launcher).
    std::string longTexts = "trazzle.plugin.gesture0: br\ntrazzle.plugin.command0: " + std::string(90, 'd') + "\\" +
                            std::string(4909, 'c') + "\ntrazzle.plugin.argument0: " + std::string(5000, 'a') + "\n";
    // 10 KB after the alpha word: digits far past the 32-bit range saturate.
    std::string huge = "@trazzleInternal TransparencyAlpha " + std::string(10000, '9');
    PluginSession s = runPlugin(rc.c_str(),
                                drawV() + drawV(300 % 256) + "window trazzle\nbroadcast-file huge.txt\n"
                                "window trazzle\ncopy long.rc trazzle.rc\nreconfigure\n" + drawV(),
                                {{"huge.txt", huge}, {"long.rc", longTexts}});
    Lines expected = {
        // No key is ever 300: the default, 91, starts captures instead (and 44 nothing).
        "status \"Trazzle -> |br|\"", "status \"Trazzle Command -> v.exe\"",
        "VTExecute owner=0 operation=\"\" command=\"v.exe\" arguments=\"\" directory=\"\" show=1 flag=1",
        // x at or past the screen's width becomes 10 (then snapped onto the edge); y stays, and
        // the system keeps the window within its coordinate range.
        "window [trazzle] visible=1 x=0 y=-32768 cx=20 cy=20 topmost=1 exstyle=0x00080088 alpha=251",
        "WriteInt RC \"trazzle.plugin.transparency.alpha:\" 2147483647",
        "window [trazzle] visible=1 x=0 y=-32768 cx=20 cy=20 topmost=1 exstyle=0x00080088 alpha=255",
        // Slot texts are cut to 99 characters: the command to its 90-character folder, the
        // backslash and 8 characters of its file.
        "status \"Trazzle -> |br|\"", "status \"Trazzle Command -> cccccccc\"",
        "VTExecute owner=0 operation=\"\" command=\"cccccccc\" arguments=\"" + std::string(99, 'a') +
            "\" directory=\"" + std::string(90, 'd') + "\" show=1 flag=1"};
    Lines picked;
    for (const std::string& line : only(scriptPart(s.log), {"window", "WriteInt", "status", "VTExecute"}))
        if (line.find("alpha:") != std::string::npos || line.compare(0, 8, "WriteInt") != 0) picked.push_back(line);
    std::string text = joinLines(picked);
    for (size_t at; (at = text.find(q(s.folder + "trazzle.rc"))) != std::string::npos;)
        text.replace(at, s.folder.size() + 12, "RC");
    EXPECT_EQ(joinLines(expected), text);
}

// A hotkey in the file that no press can bring to the hook (Left Alt arrives as a system key)
// would leave trazzle deaf: the default takes its place, a status says why at every load, and
// a usable code written later is used at the next reconfigure.
TEST(Configuration, AStoredHotkeyNoPressCanBringGivesWayToTheDefaultWithAStatus) {
    const char* slot = "trazzle.plugin.gesture0: br\ntrazzle.plugin.command0: v.exe\n";
    std::string rc = std::string("trazzle.plugin.hotkey: 164\n") + slot;
    PluginSession s = runPlugin(rc.c_str(), drawV() + "copy f12.rc trazzle.rc\nreconfigure\n" + drawV() + drawV(123),
                                {{"f12.rc", std::string("trazzle.plugin.hotkey: 123\n") + slot}});
    Lines expected = {
        "status \"Trazzle -> hotkey not used, Left Windows (91) instead: Left Alt (164) reaches trazzle's hook as a "
        "system key; use Left Windows (91) or an F key other than F10\"",
        "status \"Trazzle -> |br|\"", "status \"Trazzle Command -> v.exe\"",
        "status \"Trazzle -> |br|\"", "status \"Trazzle Command -> v.exe\""};
    EXPECT_EQ(joinLines(expected), joinLines(only(s.log, {"status"})));
}

TEST(Soak, AThousandCapturesAndAHundredReconfiguresLeakNeitherPicturesNorMemory) {
    std::string capture = "key down 91\n";
    for (int i = 1; i <= 30; ++i)  // a zigzag: a corner every few samples
        capture += "move " + std::to_string(300 + 14 * i) + " " + std::to_string(i % 6 < 3 ? 300 + 14 * (i % 6) : 300 + 14 * (6 - i % 6)) + "\n";
    capture += "key up 91\nmove 300 300\n";
    std::string block = "reconfigure\nrepeat 10\n" + capture + "end\n";
    std::string script = "move 300 300\n" + block + "memory\nrepeat 99\n" + block + "end\nmemory\n" +
                         "key down 91\nmove 310 310\nmove 320 320\nmove 330 330\nmove 340 320\nmove 350 310\n"
                         "wait 100\ncapture Gesttrazzle pad.bmp\nkey up 91\n";
    // About a minute on an idle machine: 31000 injected events, each waiting for the hooks.
    SessionOptions slow;
    slow.limitMs = 600000;
    PluginSession s = runPlugin("trazzle.plugin.gesture0: br tr\ntrazzle.plugin.command0: z.exe\n", script, {}, slow);
    Lines memory = only(s.log, {"memory"});
    ASSERT_EQ(2u, memory.size());
    long long at100 = std::atoll(memory[0].c_str() + 15), at1000 = std::atoll(memory[1].c_str() + 15);
    EXPECT_LT(at1000 - at100, 1 << 20) << memory[0] << " " << memory[1];
    size_t captures = 0;
    for (const std::string& line : only(s.log, {"status"})) captures += line.compare(0, 20, "status \"Trazzle -> |") == 0;
    EXPECT_EQ(1001u, captures);
    // A leaked pen, bitmap or context per segment or capture would have run out the process's
    // handles by now, and the last picture would miss parts.
    std::string picture = readFile(s.folder + "pad.bmp");
    ASSERT_GT(picture.size(), 54u + 450u * 450u * 3u);
    auto at = [&](int x, int y) {
        size_t offset = 54 + static_cast<size_t>(449 - y) * 1352 + static_cast<size_t>(x) * 3;
        return (static_cast<unsigned char>(picture[offset + 2]) << 16) |
               (static_cast<unsigned char>(picture[offset + 1]) << 8) | static_cast<unsigned char>(picture[offset]);
    };
    EXPECT_EQ(0xFFFFFF, at(240, 240));  // trail
    EXPECT_EQ(0xFFC040, at(255, 259));  // corner dot
}

}  // namespace
