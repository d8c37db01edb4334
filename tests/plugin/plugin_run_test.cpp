// trazzle.dll inside vantrel.exe: start and stop, gestures from injected input, the pad's picture,
// commands and menu, configuration and the tool square, each shown by the host's log.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/plugin/plugin_session.h"

namespace {

constexpr char kSlots[] =
    "trazzle.plugin.gesture0: br\n"
    "trazzle.plugin.command0: C:\\Tools\\edit.exe\n"
    "trazzle.plugin.argument0: -x  \"two words\"\n"
    "trazzle.plugin.gesture1: br tr br\n"
    "trazzle.plugin.command1: C:\\Windows\\winver.exe\n"
    "trazzle.plugin.gesture2: tr rd bl\n"
    "trazzle.plugin.command2: square.exe\n";

// A V, drawn left to right from where the hotkey goes down: "br" with its corner at (30, 30)
// from the start.
std::string drawV(int x, int y, int key = 91) {
    std::string s = "move " + std::to_string(x) + " " + std::to_string(y) + "\n";
    s += "key down " + std::to_string(key) + "\n";
    const int steps[][2] = {{10, 10}, {20, 20}, {30, 30}, {40, 20}, {50, 10}, {60, 0}};
    for (const auto& step : steps)
        s += "move " + std::to_string(x + step[0]) + " " + std::to_string(y + step[1]) + "\n";
    return s;
}

std::string release(int key = 91) { return "key up " + std::to_string(key) + "\n"; }

const char* const kLaunchV[] = {"status \"Trazzle -> |br|\"", "status \"Trazzle Command -> edit.exe\"",
                                "VTExecute owner=0 operation=\"\" command=\"edit.exe\" "
                                "arguments=\"-x  %22two words%22\" directory=\"C:\\Tools\" show=1 flag=1"};

Lines launchV() { return Lines(std::begin(kLaunchV), std::end(kLaunchV)); }

// ---- start and stop ----

TEST(PluginLifecycle, StartReadsTheRcSearchSettingsAndSlotsInOrderThenMakesBothWindows) {
    PluginSession s = runPlugin(nullptr, "window trazzle\nwindow Gesttrazzle\n");
    std::string f = s.folder, rc = f + "trazzle.rc", bin = binFolder();
    Lines expected = {"settings \"host.rc\" missing", "plugin-load " + q(s.dll), "beginPlugin " + q(s.dll),
                      "GetVTWnd -> [VantrelHost]", "FileExists " + q(f + "trazzlerc") + " -> 0",
                      "FileExists " + q(rc) + " -> 0", "GetVantrelPath 260 -> " + q(bin),
                      "FileExists " + q(bin + "trazzlerc") + " -> 0",
                      "FileExists " + q(bin + "trazzle.rc") + " -> 0"};
    const char* settings[][3] = {{"Int", "x", "10"}, {"Int", "y", "10"},
                                 {"Bool", "transparency.enabled", "0"}, {"Int", "transparency.alpha", "60"},
                                 {"Bool", "alwaysontop", "1"}, {"Bool", "snapwindow", "1"},
                                 {"Bool", "togglewithplugins", "1"}, {"Int", "hotkey", "91"},
                                 {"Bool", "pad.show", "1"}, {"Bool", "pad.tips", "1"},
                                 {"Bool", "toolSquare.show", "1"}, {"Int", "history.keep", "500"}};
    for (const auto& setting : settings)
        expected.push_back(std::string("Read") + setting[0] + " " + q(rc) + " \"trazzle.plugin." + setting[1] +
                           ":\" " + setting[2] + " -> " + setting[2]);
    for (int slot = 0; slot < 25; ++slot)
        for (const char* field : {"gesture", "command", "argument"})
            expected.push_back("ReadString " + q(rc) + " \"trazzle.plugin." + field + std::to_string(slot) +
                               ":\" \"\" -> \"\"");
    std::string writeX = "WriteInt " + q(rc) + " \"trazzle.plugin.x:\" ";
    std::string writeY = "WriteInt " + q(rc) + " \"trazzle.plugin.y:\" ";
    // The tool square's first placement comes before it is visible, so it is not snapped; the
    // pad's placement moves it again, visible now, and the host snaps (10, 10) onto the corner.
    Lines rest = {"GetSettingPtr 1 -> style", "GetSettingPtr 14 -> 1", "GetSettingPtr 12 -> 1",
                  "CreateStyleFont \"Tahoma\" height=13 weight=700 -> font", "register [trazzle] 10103 10901",
                  "MakeSticky [trazzle]", "sticky-set [trazzle]", "SetTransparency [trazzle] 255 -> 255",
                  writeX + "10", writeY + "10", "MakeSticky [Gesttrazzle]", "sticky-set [trazzle] [Gesttrazzle]",
                  "SetTransparency [trazzle] 255 -> 255", "SetTransparency [Gesttrazzle] 255 -> 255",
                  "SnapWindowToEdge [trazzle] x=10 y=10 cx=20 cy=20 flags=0x0050 distance=10 flag=1 -> x=0 y=0",
                  writeX + "0", writeY + "0",
                  "SnapWindowToEdge [Gesttrazzle] x=0 y=0 cx=0 cy=0 flags=0x0083 distance=10 flag=1 -> "
                  "unchanged (SWP_NOMOVE)",
                  "beginPlugin " + q(s.dll) + " -> 0"};
    expected.insert(expected.end(), rest.begin(), rest.end());
    const char* info[] = {"trazzle v0.5b", "trazzle", "v0.5b", "The trazzle developers", "2026-12-07",
                          "https://trazzle.invalid/", "trazzle@trazzle.invalid"};
    for (int i = 0; i < 7; ++i)
        expected.push_back("pluginInfo " + q(s.dll) + " " + std::to_string(i) + " " + q(info[i]));
    Lines end = {"script 1 \"window trazzle\"",
                 "window [trazzle] visible=1 x=0 y=0 cx=20 cy=20 topmost=1 exstyle=0x00080088 alpha=255",
                 "script 2 \"window Gesttrazzle\"",
                 "window [Gesttrazzle] visible=0 x=0 y=0 cx=450 cy=450 topmost=1 exstyle=0x00080088 alpha=255",
                 "script-end", "endPlugin " + q(s.dll),
                 // Destroying the tool square hides it first: its real position is stored.
                 "SnapWindowToEdge [trazzle] x=0 y=0 cx=0 cy=0 flags=0x0097 distance=10 flag=1 -> "
                 "unchanged (SWP_NOMOVE)",
                 writeX + "0", writeY + "0", "RemoveSticky [trazzle]", "sticky-set [Gesttrazzle]",
                 "unregister [trazzle] 10103 10901", "RemoveSticky [Gesttrazzle]", "sticky-set",
                 "plugin-unload " + q(s.dll), "host-exit 0"};
    expected.insert(expected.end(), end.begin(), end.end());
    EXPECT_EQ(joinLines(expected), s.run.log);
    EXPECT_EQ(0, s.run.exitCode);
}

TEST(PluginLifecycle, ASecondStartFailsWithAnOwnedBoxAndItsStopLeavesNoWindowOrHook) {
    std::string script = "dialog\nwindow trazzle\nwindow Gesttrazzle\n" + drawV(200, 200) + release();
    SessionOptions twice;
    twice.loadTwice = true;
    PluginSession s = runPlugin(kSlots, script, {}, twice);
    // Wine does not put an owned message box in the topmost band, whatever MB_TOPMOST says.
    Lines expected = {"dialog owner=[VantrelHost] topmost=0 caption=\"trazzle v0.5b\" "
                      "text=\"Error registering window class\"",
                      "plugin-error " + q(s.dll) + " \"did not start: beginPlugin returned 1\"",
                      // The host ends the failed start, which shares the module with the first:
                      // no window is left, and the hotkey does nothing.
                      "window [trazzle] none", "window [Gesttrazzle] none"};
    EXPECT_EQ(joinLines(expected),
              joinLines(only(s.log, {"dialog", "plugin-error", "window", "status", "VTExecute"})));
    EXPECT_EQ(2, s.run.exitCode);
}

TEST(PluginLifecycle, ARelativePathLoadsTheCopyInTheWorkingFolderAndReadsItsRcFile) {
    // vantrel.exe's folder holds a trazzle.dll too, which the DLL search order would find first.
    SessionOptions relative;
    relative.givenAs = "./trazzle.dll";
    PluginSession s = runPlugin("trazzle.plugin.hotkey: 123\n", "", {}, relative);
    EXPECT_EQ(joinLines({"plugin-load " + q(s.dll)}), joinLines(only(s.log, {"plugin-load"})));
    std::string hotkey = "ReadInt " + q(s.folder + "trazzle.rc") + " \"trazzle.plugin.hotkey:\" 91 -> 123";
    EXPECT_EQ(1, std::count(s.log.begin(), s.log.end(), hotkey)) << s.run.log;
    EXPECT_EQ(0, s.run.exitCode);
}

TEST(PluginLifecycle, StartsAgainAfterAStop) {
    PluginSession s = runPlugin(kSlots, drawV(200, 200) + release() + "restart\n" + drawV(200, 200) + release());
    Lines expected = launchV();
    Lines again = launchV();
    expected.insert(expected.end(), again.begin(), again.end());
    EXPECT_EQ(joinLines(expected), joinLines(only(s.log, {"status", "VTExecute", "plugin-error"})));
    EXPECT_EQ(2u, only(s.log, {"CreateStyleFont"}).size());
    EXPECT_EQ(0, s.run.exitCode);
}

// ---- gestures ----

TEST(Gestures, AVAWAndASquareLaunchTheirSlotsWithTheExactStatusAndLaunch) {
    std::string square = "move 300 300\nkey down 91\n";
    const int points[][2] = {{320, 298}, {340, 296}, {360, 294}, {362, 314}, {364, 334}, {366, 354},
                             {346, 356}, {326, 358}, {306, 360}, {304, 340}, {302, 320}, {300, 300}};
    for (const auto& p : points) square += "move " + std::to_string(p[0]) + " " + std::to_string(p[1]) + "\n";
    std::string w = "move 200 200\nkey down 91\n";
    const int wPoints[][2] = {{210, 210}, {220, 220}, {230, 230}, {240, 220}, {250, 210}, {260, 200},
                              {270, 210}, {280, 220}, {290, 230}, {300, 220}, {310, 210}, {320, 200}};
    for (const auto& p : wPoints) w += "move " + std::to_string(p[0]) + " " + std::to_string(p[1]) + "\n";
    PluginSession s = runPlugin(kSlots, drawV(200, 200) + release() + w + release() + square + release() +
                                            "key down 91\nkey up 91\n");
    Lines expected = launchV();
    Lines more = {"status \"Trazzle -> |br tr br|\"", "status \"Trazzle Command -> winver.exe\"",
                  "VTExecute owner=0 operation=\"\" command=\"winver.exe\" arguments=\"\" "
                  "directory=\"C:\\Windows\" show=1 flag=1",
                  "status \"Trazzle -> |tr rd bl|\"", "status \"Trazzle Command -> square.exe\"",
                  "VTExecute owner=0 operation=\"\" command=\"square.exe\" arguments=\"\" directory=\"\" "
                  "show=1 flag=1",
                  // A press and release without movement: an empty text, nothing launched.
                  "status \"Trazzle -> ||\""};
    expected.insert(expected.end(), more.begin(), more.end());
    EXPECT_EQ(joinLines(expected), joinLines(only(s.log, {"status", "VTExecute"})));
}

// Every stroke is kept beside the rc file with what it launched, at most history.keep of them:
// the hooks only queue it, the tool square writes it (the last at the stop at the latest).
TEST(Gestures, EachStrokeIsKeptInTheHistoryWithWhatItLaunchedUpToItsBound) {
    std::string rc = std::string(kSlots) + "trazzle.plugin.history.keep: 2\n";
    PluginSession s = runPlugin(rc.c_str(), drawV(200, 200) + release() + "move 400 400\nkey down 91\n" +
                                                release() + drawV(100, 50) + release());
    std::string history = s.folder + "trazzle-history\\", header = "# a stroke trazzle handled; the first point is the press\n";
    EXPECT_EQ("# launched: nothing\n" + header + "400 400\n", readFile(history + "stroke-00000002.txt"));
    EXPECT_EQ("# launched: slot 0 C:\\Tools\\edit.exe\n" + header +
                  "100 50\n110 60\n120 70\n130 80\n140 70\n150 60\n160 50\n",
              readFile(history + "stroke-00000003.txt"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((history + "stroke-00000001.txt").c_str()));
}

TEST(Gestures, OnlyTheHotkeysOwnPressAndReleaseStartAndEndACapture) {
    std::string script =
        "move 500 400\nkey down 91\nmove 510 410\n"
        "key down 91\n"                        // auto-repeat: nothing restarts
        "move 520 420\nmove 530 430\n"
        "key down 18\nkey up 91\nkey up 18\n"  // released with Alt held: WM_SYSKEYUP, no end
        "window Gesttrazzle\n"
        "move 540 420\nkey up 91\n"
        "window Gesttrazzle\n"
        "key up 91\n";                         // a release outside a capture: nothing
    PluginSession s = runPlugin(kSlots, script);
    Lines expected = {"window [Gesttrazzle] visible=1 x=275 y=175 cx=450 cy=450 topmost=1 exstyle=0x00080088 alpha=255"};
    Lines launch = launchV();
    expected.insert(expected.end(), launch.begin(), launch.end());
    expected.push_back("window [Gesttrazzle] visible=0 x=275 y=175 cx=450 cy=450 topmost=1 exstyle=0x00080088 alpha=255");
    EXPECT_EQ(joinLines(expected), joinLines(only(s.log, {"status", "VTExecute", "window"})));
}

TEST(Gestures, AnotherHotkeyWorksAloneAndAHiddenPadGivesTheSameResult) {
    std::string rc = std::string(kSlots) + "trazzle.plugin.hotkey: 123\ntrazzle.plugin.pad.show: no\n";
    // Near the screen's corner the pad lies partly off the screen: it is not clamped.
    std::string script = drawV(100, 100) + release() + drawV(100, 100, 123) + "window Gesttrazzle\n" +
                         release(123);
    PluginSession s = runPlugin(rc.c_str(), script);
    Lines expected = {"window [Gesttrazzle] visible=0 x=-125 y=-125 cx=450 cy=450 topmost=1 exstyle=0x00080088 alpha=255"};
    Lines launch = launchV();
    expected.insert(expected.end(), launch.begin(), launch.end());
    EXPECT_EQ(joinLines(expected), joinLines(only(s.log, {"status", "VTExecute", "window"})));
}

TEST(Gestures, TheUsersWindowKeepsTheKeyboardFocusThroughAWholeGesture) {
    // The host window stands for the user's window: it has the focus before the press, while
    // the pad is shown and after the release.
    std::string script = "focus VantrelHost\n" + drawV(200, 200) + "window Gesttrazzle\nfocus\n" + release() + "focus\n";
    PluginSession s = runPlugin(kSlots, script);
    const char* kHostHasIt = "focus foreground=[VantrelHost] active=[VantrelHost] focus=[VantrelHost]";
    Lines expected = {kHostHasIt,
                      "window [Gesttrazzle] visible=1 x=-25 y=-25 cx=450 cy=450 topmost=1 exstyle=0x00080088 alpha=255",
                      kHostHasIt, kHostHasIt};
    EXPECT_EQ(joinLines(expected), joinLines(only(s.log, {"focus", "window"})));
}

TEST(Gestures, AStopDuringACaptureEndsCleanly) {
    PluginSession s = runPlugin(kSlots, drawV(200, 200));
    EXPECT_TRUE(only(s.log, {"status", "VTExecute"}).empty());
    EXPECT_EQ("plugin-unload " + q(s.dll), s.log[s.log.size() - 2]);
    EXPECT_EQ(0, s.run.exitCode);
}

}  // namespace
