// trazzle.dll's windows inside vantrel.exe: the pad's picture, the menu and commands, the tool square.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "tests/plugin/bmp_picture.h"
#include "tests/plugin/plugin_session.h"

namespace {

constexpr char kOneSlot[] = "trazzle.plugin.gesture0: br\ntrazzle.plugin.command0: C:\\Tools\\edit.exe\n";

// A V from (500, 400): the pad lies at (275, 175), so the corner (530, 430) is at (255, 255).
constexpr char kVWithCapture[] =
    "move 500 400\nkey down 91\nmove 510 410\nmove 520 420\nmove 530 430\nmove 540 420\n"
    "move 550 410\nmove 560 400\nwait 100\ncapture Gesttrazzle pad.bmp\nkey up 91\n";

TEST(PadPicture, ShowsTrailCornerDotLabelAndCaptionInTheStyleColours) {
    PluginSession s = runPlugin(kOneSlot, kVWithCapture);
    Picture pad = readPicture(s.folder + "pad.bmp");
    ASSERT_EQ(450, pad.width);
    ASSERT_EQ(450, pad.height);
    EXPECT_EQ(kWhite, pad.at(240, 240));   // the trail from (510, 410) to (520, 420)
    EXPECT_EQ(kCorner, pad.at(255, 259));  // the dot, below where the trail meets it
    EXPECT_EQ(0, pad.count(kWhite, 150, 300, 250, 400) + pad.count(kCorner, 150, 300, 250, 400));
    EXPECT_GT(pad.count(kWhite, 275, 255, 300, 272), 10);  // "br", 20 pixels right of the corner
    EXPECT_EQ(0, pad.count(kWhite, 258, 258, 275, 275));   // nothing between dot and label
    EXPECT_GT(pad.count(kWhite, 180, 4, 270, 20), 50);     // "Trazzle Pad", one inset below the top
    EXPECT_EQ(0, pad.count(kWhite, 0, 0, 450, 4));
}

TEST(PadPicture, HasNoLabelWithTipsOff) {
    std::string rc = std::string(kOneSlot) + "trazzle.plugin.pad.tips: off\n";
    PluginSession s = runPlugin(rc.c_str(), kVWithCapture);
    Picture pad = readPicture(s.folder + "pad.bmp");
    ASSERT_EQ(450, pad.width);
    EXPECT_EQ(kCorner, pad.at(255, 259));
    EXPECT_EQ(0, pad.count(kWhite, 275, 255, 300, 272));
}

// ---- menu and commands ----

constexpr char kPlacedAt300[] = "trazzle.plugin.x: 300\ntrazzle.plugin.y: 200\n";

Lines withoutHostMenuLines(const Lines& lines) {
    Lines kept;
    for (const std::string& line : lines)
        if (line.compare(0, 5, "menu-") != 0) kept.push_back(line);
    return kept;
}

std::string menuCalls(const std::string& flag, const char* checks[4], const std::string& first) {
    // Menus are numbered over the run: `first` is the main menu, the next one Configuration.
    std::string main = "menu" + first, config = "menu" + std::to_string(std::stoi(first) + 1);
    const char* titles[] = {"Always On Top", "Snap Window To Edge", "Toggle With Plugins", "Transparency Enabled"};
    const char* words[] = {"AlwaysOnTop", "SnapWindowToEdge", "ToggleWithPlugins", "TransparencyEnabled"};
    std::string text = "MakeNamedMenu \"trazzle\" \"trazzle_IDMain\" " + flag + " -> " + main + "\n" +
                       "MakeNamedMenu \"Configuration\" \"trazzle_IDConfig\" " + flag + " -> " + config + "\n";
    for (int i = 0; i < 4; ++i)
        text += "MakeMenuItem " + config + " " + q(titles[i]) + " \"@trazzleInternal " + words[i] + "\" " +
                checks[i] + "\n";
    text += "MakeMenuItemInt " + config + " \"Alpha Value\" \"@trazzleInternal TransparencyAlpha\" 60 0 255\n" +
            "MakeSubmenu " + main + " " + config + " \"Configuration\"\n" + "MakeMenuNOP " + main + " null\n" +
            "MakeMenuItem " + main + " \"Edit trazzle.rc\" \"@trazzleInternal Edit\" 0\n" + "MakeMenuItem " + main +
            " \"About trazzle\" \"@trazzleInternal About\" 0\n" + "ShowMenu " + main + "\n";
    return text;
}

TEST(Commands, ARightClickOpensTheMenuAndAToggleShowsWritesPlacesAndRebuildsIt) {
    PluginSession s = runPlugin(kPlacedAt300, "move 305 205\nbutton down right\nbutton up right\nwait 50\n"
                                              "menu Always On Top\nwindow trazzle\n");
    const char* before[] = {"1", "1", "1", "0"};
    // The menu is built while the host thread handles the release, which may be before or
    // after the script logs its wait: every line from the release to the choice counts.
    Lines opened;
    for (const char* step : {"script 3 \"button up right\"", "script 4 \"wait 50\""})
        for (const std::string& line : after(s.log, step)) opened.push_back(line);
    EXPECT_EQ(menuCalls("1", before, "1"), joinLines(withoutHostMenuLines(opened)));
    std::string rc = q(s.folder + "trazzle.rc");
    const char* afterToggle[] = {"0", "1", "1", "0"};
    std::string expected =
        "broadcast \"@trazzleInternal AlwaysOnTop\"\n"
        "deliver [trazzle] HOST_BROADCAST \"@trazzleInternal AlwaysOnTop\"\n"
        "status \"trazzle -> AlwaysOnTop disabled!\"\n"
        "WriteBool " + rc + " \"trazzle.plugin.alwaysontop:\" 0\n"
        "SetTransparency [trazzle] 255 -> 255\nSetTransparency [Gesttrazzle] 255 -> 255\n"
        "SnapWindowToEdge [trazzle] x=300 y=200 cx=20 cy=20 flags=0x0050 distance=10 flag=1 -> x=300 y=200\n"
        "WriteInt " + rc + " \"trazzle.plugin.x:\" 300\nWriteInt " + rc + " \"trazzle.plugin.y:\" 200\n" +
        menuCalls("0", afterToggle, "3");
    Lines chosen = after(s.log, "script 5 \"menu Always On Top\"");
    EXPECT_EQ(expected, joinLines(withoutHostMenuLines(chosen)));
    // Out of the topmost band; the pad stays in it.
    EXPECT_EQ("window [trazzle] visible=1 x=300 y=200 cx=20 cy=20 topmost=0 exstyle=0x00080080 alpha=255",
              after(s.log, "script 6 \"window trazzle\"").at(0));
}

TEST(Commands, BroadcastsSetAlphaHideAndShowWithThePluginsEditAndAbout) {
    const char* script =
        "broadcast @trazzleInternal TransparencyEnabled\n"
        "broadcast @trazzleInternal TransparencyAlpha 300\nwindow trazzle\n"
        "broadcast @trazzleInternal TransparencyAlpha -5\nwindow trazzle\n"
        "broadcast @VTHidePlugins\nwindow trazzle\n"
        "broadcast @trazzleInternal ToggleWithPlugins\nwindow trazzle\n"
        "broadcast @trazzleInternal ToggleWithPlugins\nwindow trazzle\n"
        "broadcast @VTShowPlugins\nwindow trazzle\n"
        "broadcast @trazzleInternal Edit\nbroadcast @trazzleInternal About\ndialog\n";
    PluginSession s = runPlugin(kPlacedAt300, script);
    const std::string x = "WriteInt RC \"trazzle.plugin.x:\" 300", y = "WriteInt RC \"trazzle.plugin.y:\" 200";
    const std::string shown = "window [trazzle] visible=1 x=300 y=200 cx=20 cy=20 topmost=1 exstyle=0x00080088 ";
    const std::string hidden = "window [trazzle] visible=0 x=300 y=200 cx=20 cy=20 topmost=1 exstyle=0x00080088 ";
    Lines expected = {
        "status \"trazzle -> TransparencyEnabled enabled!\"",
        "WriteBool RC \"trazzle.plugin.transparency.enabled:\" 1", "SetTransparency [trazzle] 60 -> 60",
        "SetTransparency [Gesttrazzle] 60 -> 60", x, y,
        // Only the low 8 bits of the alpha count; the value itself is stored as sent.
        "SetTransparency [trazzle] 44 -> 44", "SetTransparency [Gesttrazzle] 44 -> 44", x, y,
        "WriteInt RC \"trazzle.plugin.transparency.alpha:\" 300", shown + "alpha=44",
        "SetTransparency [trazzle] 251 -> 251", "SetTransparency [Gesttrazzle] 251 -> 251", x, y,
        "WriteInt RC \"trazzle.plugin.transparency.alpha:\" -5", shown + "alpha=251",
        // Hidden with the plugins: only the tool square, and its real position is stored.
        x, y, hidden + "alpha=251",
        "status \"trazzle -> ToggleWithPlugins disabled!\"", "WriteBool RC \"trazzle.plugin.togglewithplugins:\" 0",
        "SetTransparency [trazzle] 251 -> 251", "SetTransparency [Gesttrazzle] 251 -> 251", x, y,
        shown + "alpha=251",
        "status \"trazzle -> ToggleWithPlugins enabled!\"", "WriteBool RC \"trazzle.plugin.togglewithplugins:\" 1",
        x, y, hidden + "alpha=251",
        "SetTransparency [trazzle] 251 -> 251", "SetTransparency [Gesttrazzle] 251 -> 251", x, y,
        shown + "alpha=251",
        "VTExecute owner=0 operation=null command=\"notepad.exe\" arguments=RC directory=null show=1 flag=0",
        "dialog owner=0 topmost=0 caption=\"About this plugin...\" "
        "text=\"trazzle v0.5b%0A%09%0Ahttps://trazzle.invalid/%0Atrazzle@trazzle.invalid\""};
    Lines picked = only(scriptPart(s.log),
                        {"status", "WriteBool", "WriteInt", "SetTransparency", "window", "VTExecute", "dialog"});
    std::string text = joinLines(picked);
    for (size_t at; (at = text.find(q(s.folder + "trazzle.rc"))) != std::string::npos;)
        text.replace(at, s.folder.size() + 12, "RC");
    EXPECT_EQ(joinLines(expected), text);
}

// ---- the tool square ----

TEST(ToolSquare, DragsByAnyPointSnapsNearAnEdgeStoresEveryPositionAndIgnoresClose) {
    // Wine's move loop starts a little after the press and may lag behind the pointer on a
    // busy machine: give it time before, between and after the moves.
    const char* script =
        "move 305 205\nbutton down left\nwait 300\nmove 400 300\nwait 100\nmove 500 400\nwait 200\n"
        "button up left\nwait 200\nwindow trazzle\n"
        "move 510 410\nbutton down left\nwait 300\nmove 25 755\nwait 200\nbutton up left\nwait 200\n"
        "window trazzle\nclose trazzle\nclose Gesttrazzle\nwindow trazzle\n";
    PluginSession s = runPlugin(kPlacedAt300, script);
    std::string text = joinLines(only(scriptPart(s.log), {"WriteInt", "SnapWindowToEdge", "window"}));
    for (size_t at; (at = text.find(q(s.folder + "trazzle.rc"))) != std::string::npos;)
        text.replace(at, s.folder.size() + 12, "RC");
    const std::string snap = "SnapWindowToEdge [trazzle] ", writeX = "WriteInt RC \"trazzle.plugin.x:\" ",
                      writeY = "WriteInt RC \"trazzle.plugin.y:\" ";
    const std::string window = "window [trazzle] visible=1 ";
    Lines expected = {snap + "x=395 y=295 cx=20 cy=20 flags=0x0001 distance=10 flag=1 -> x=395 y=295",
                      writeX + "395", writeY + "295",
                      snap + "x=495 y=395 cx=20 cy=20 flags=0x0001 distance=10 flag=1 -> x=495 y=395",
                      writeX + "495", writeY + "395",
                      window + "x=495 y=395 cx=20 cy=20 topmost=1 exstyle=0x00080088 alpha=255",
                      // Within 10 pixels of the left and the bottom edge: pulled onto both.
                      snap + "x=10 y=740 cx=20 cy=20 flags=0x0001 distance=10 flag=1 -> x=0 y=748",
                      writeX + "0", writeY + "748",
                      window + "x=0 y=748 cx=20 cy=20 topmost=1 exstyle=0x00080088 alpha=255",
                      // WM_CLOSE changes nothing.
                      window + "x=0 y=748 cx=20 cy=20 topmost=1 exstyle=0x00080088 alpha=255"};
    EXPECT_EQ(joinLines(expected), text);
    EXPECT_EQ(0, s.run.exitCode);
}

}  // namespace
