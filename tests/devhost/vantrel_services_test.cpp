// End-to-end tests of the host's services as the test plugin uses them: menus, registration,
// settings, paths, style and window capture, each run's log compared whole.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "tests/devhost/devhost_support.h"
#include "tests/devhost/expected_log.h"

namespace {

std::string runArguments(const std::string& path) {
    return "--no-launch --rc host.rc --log log.txt --script s.txt \"" + path + "\"";
}

// The test plugin's menu, built as menuN (main) and menuN+1 (Configuration), and its dump.
Lines pluginMenu(int first) {
    std::string main = "menu" + std::to_string(first);
    std::string config = "menu" + std::to_string(first + 1);
    return {"MakeNamedMenu \"testplugin\" \"testplugin_IDMain\" 1 -> " + main,
            "MakeNamedMenu \"Configuration\" \"testplugin_IDConfig\" 1 -> " + config,
            "MakeMenuItem " + config + " \"Always On Top\" \"@testplugin chose AlwaysOnTop\" 1",
            "MakeMenuItem " + config + " \"Snap Window To Edge\" \"@testplugin chose Snap\" 0",
            "MakeMenuItemInt " + config + " \"Alpha Value\" \"@testplugin chose Alpha\" 60 0 255",
            "MakeSubmenu " + main + " " + config + " \"Configuration\"",
            "MakeMenuNOP " + main + " null",
            "MakeMenuItem " + main + " \"About testplugin\" \"@testplugin chose About\" 0",
            "ShowMenu " + main,
            "menu-begin " + main + " \"testplugin\"",
            "menu-submenu " + main + " \"Configuration\" " + config,
            "menu-begin " + config + " \"Configuration\"",
            "menu-item " + config + " \"Always On Top\" \"@testplugin chose AlwaysOnTop\" checked",
            "menu-item " + config + " \"Snap Window To Edge\" \"@testplugin chose Snap\" unchecked",
            "menu-number " + config + " \"Alpha Value\" \"@testplugin chose Alpha\" 60 0 255",
            "menu-end " + config,
            "menu-separator " + main + " null",
            "menu-item " + main + " \"About testplugin\" \"@testplugin chose About\" unchecked",
            "menu-end " + main};
}

TEST(VantrelServices, MenuChoicesBroadcastTheItemTextAndANumberItemItsValue) {
    std::string folder = testFolder();
    writeFile(folder + "s.txt",
              "broadcast @testplugin menu\n"
              "menu Always On Top\n"
              "broadcast @testplugin menu\n"
              "menu Alpha Value = 128\n");
    std::string path = plugin("testplugin.dll");
    HostRun run = runHost(folder, runArguments(path));

    Lines expected = {kHostSettingsMissing};
    append(expected, pluginStarted(path));
    append(expected, scriptBroadcast(1, "@testplugin menu"));
    append(expected, pluginMenu(1));
    append(expected, {"script 2 \"menu Always On Top\"", "menu-choose menu2 \"Always On Top\""});
    append(expected, broadcastTo("@testplugin chose AlwaysOnTop"));
    expected.push_back("status \"testplugin chose AlwaysOnTop\"");
    append(expected, scriptBroadcast(3, "@testplugin menu"));
    append(expected, pluginMenu(3));
    append(expected, {"script 4 \"menu Alpha Value = 128\"", "menu-choose menu4 \"Alpha Value\" 128"});
    append(expected, broadcastTo("@testplugin chose Alpha 128"));
    append(expected, {"status \"testplugin chose Alpha 128\"", "script-end"});
    append(expected, pluginEnd(path));
    expected.push_back("host-exit 0");
    EXPECT_EQ(joinLines(expected), run.log);
    EXPECT_EQ(0, run.exitCode);
}

TEST(VantrelServices, WritesToAReadOnlyRcFileFailAndEndTheRunWithStatus3) {
    std::string folder = testFolder();
    writeFile(folder + "ro.rc", "testplugin.count: 4\n");
    ASSERT_TRUE(SetFileAttributesA((folder + "ro.rc").c_str(), FILE_ATTRIBUTE_READONLY));
    writeFile(folder + "s.txt", "broadcast @testplugin settings ro.rc\n");
    HostRun run = runHost(folder, runArguments(plugin("testplugin.dll")));
    SetFileAttributesA((folder + "ro.rc").c_str(), FILE_ATTRIBUTE_NORMAL);

    // The plugin's reads put each noted write in the file first.
    Lines failed;
    for (const std::string& line : splitLines(run.log))
        if (line.compare(0, 16, "rc-write-failed ") == 0) failed.push_back(line);
    EXPECT_EQ(joinLines({"rc-write-failed \"ro.rc\" \"testplugin.count:\" \"the file is read-only\"",
                         "rc-write-failed \"ro.rc\" \"testplugin.flag:\" \"the file is read-only\""}),
              joinLines(failed));
    EXPECT_EQ("vantrel: error: cannot write \"testplugin.count:\" to \"ro.rc\": the file is read-only\n"
              "vantrel: error: cannot write \"testplugin.flag:\" to \"ro.rc\": the file is read-only\n",
              run.err);
    EXPECT_EQ("testplugin.count: 4\n", readFile(folder + "ro.rc"));
    EXPECT_EQ(3, run.exitCode);
}

TEST(VantrelServices, OnlyRegisteredMessagesAreDeliveredAndNotAfterUnregistering) {
    std::string folder = testFolder();
    writeFile(folder + "s.txt",
              "reconfigure\n"
              "broadcast @testplugin unregister\n"
              "broadcast @testplugin hello\n"
              "reconfigure\n");
    std::string path = plugin("testplugin.dll");
    HostRun run = runHost(folder, runArguments(path));

    Lines reconfigure = {"reconfigure", kHostSettingsMissing, "deliver [devhostTestPlugin] HOST_RECONFIGURE",
                         "status \"testplugin reconfigured\""};
    Lines expected = {kHostSettingsMissing};
    append(expected, pluginStarted(path));
    expected.push_back("script 1 \"reconfigure\"");
    append(expected, reconfigure);
    append(expected, scriptBroadcast(2, "@testplugin unregister"));
    append(expected, {"unregister [devhostTestPlugin] 10901",
                      "script 3 \"broadcast @testplugin hello\"", "broadcast \"@testplugin hello\"",
                      "script 4 \"reconfigure\""});
    append(expected, reconfigure);
    expected.push_back("script-end");
    append(expected, pluginEnd(path));
    expected.push_back("host-exit 0");
    EXPECT_EQ(joinLines(expected), run.log);
    EXPECT_EQ(0, run.exitCode);
}

struct Pixel {
    int r, g, b;
    bool operator==(const Pixel& o) const { return r == o.r && g == o.g && b == o.b; }
};

std::ostream& operator<<(std::ostream& out, const Pixel& p) {
    return out << "(" << p.r << "," << p.g << "," << p.b << ")";
}

// A pixel of a bottom-up 24-bit BMP, counted from its top-left corner.
Pixel bmpPixel(const std::string& bmp, int x, int y) {
    uint32_t offset;
    int32_t width, height;
    std::memcpy(&offset, bmp.data() + 10, 4);
    std::memcpy(&width, bmp.data() + 18, 4);
    std::memcpy(&height, bmp.data() + 22, 4);
    size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    size_t at = offset + static_cast<size_t>(height - 1 - y) * stride + static_cast<size_t>(x) * 3;
    auto byte = [&](size_t i) { return static_cast<unsigned char>(bmp[at + i]); };
    return {byte(2), byte(1), byte(0)};
}

TEST(VantrelServices, HostSettingsReachThePluginAndTheCaptureShowsItsStyle) {
    std::string folder = testFolder();
    writeFile(folder + "host.rc",
              "vantrel.editor: C:\\Editors\\ed.exe\n"
              "vantrel.style.gradientFrom: #102030\n"
              "vantrel.style.gradientTo: #405060\n"
              "vantrel.style.bevelLight: #F0E0D0\n"
              "vantrel.style.bevelDark: #010203\n"
              "vantrel.style.cornerColour: orange\n"
              "vantrel.style.fontFace: Courier New\n"
              "vantrel.style.fontHeight: 17\n"
              "vantrel.style.fontWeight: 400\n"
              "vantrel.style.borderWidth: 3\n"
              "vantrel.style.bevelWidth: 4\n");
    writeFile(folder + "plugin.rc", "testplugin.count: 41\ntestplugin.name: Ann\n");
    writeFile(folder + "s.txt",
              "broadcast @testplugin settings plugin.rc\n"
              "broadcast @testplugin paths\n"
              "broadcast @testplugin style\n"
              "capture devhostTestPlugin shot.bmp\n"
              "broadcast @testplugin alpha 100\n");
    std::string path = plugin("testplugin.dll");
    HostRun run = runHost(folder, runArguments(path));

    Lines expected = {"settings \"host.rc\" read",
                      "settings-error \"vantrel.style.cornerColour:\" \"orange\" -> default"};
    append(expected, pluginStarted(path));
    append(expected, scriptBroadcast(1, "@testplugin settings plugin.rc"));
    append(expected, {"ReadInt \"plugin.rc\" \"testplugin.count:\" 0 -> 41",
                      "WriteInt \"plugin.rc\" \"testplugin.count:\" 42",
                      "ReadBool \"plugin.rc\" \"testplugin.flag:\" 0 -> 0",
                      "WriteBool \"plugin.rc\" \"testplugin.flag:\" 1",
                      "ReadString \"plugin.rc\" \"testplugin.name:\" \"nobody\" -> \"Ann\"",
                      "status \"count 41 flag 0 name Ann\""});
    append(expected, scriptBroadcast(2, "@testplugin paths"));
    append(expected, {"GetVantrelPath 260 -> " + inQuotes(binFolder()),
                      "GetVantrelEditor -> \"C:\\Editors\\ed.exe\"",
                      "FileExists " + inQuotes(binFolder() + "vantrel.exe") + " -> 1",
                      "status \"editor C:\\Editors\\ed.exe host found\""});
    append(expected, scriptBroadcast(3, "@testplugin style"));
    append(expected, {"GetSettingPtr 1 -> style", "GetSettingPtr 12 -> 3", "GetSettingPtr 14 -> 4",
                      "CreateStyleFont \"Courier New\" height=17 weight=400 -> font",
                      "MakeStyleGradient dc=memory rect=0,0,40,24 style=record bevel=1",
                      "status \"style border 3 bevel 4 font made\"",
                      "script 4 \"capture devhostTestPlugin shot.bmp\"",
                      "capture [devhostTestPlugin] \"shot.bmp\" -> 40x24"});
    append(expected, scriptBroadcast(5, "@testplugin alpha 100"));
    append(expected, {"SetTransparency [devhostTestPlugin] 100 -> 100", "script-end"});
    append(expected, pluginEnd(path));
    expected.push_back("host-exit 0");
    EXPECT_EQ(joinLines(expected), run.log);
    EXPECT_EQ(0, run.exitCode);
    EXPECT_EQ("vantrel: warning: host.rc: vantrel.style.cornerColour: needs a colour as #RRGGBB, "
              "not \"orange\"\n",
              run.err);
    EXPECT_EQ("testplugin.count: 42\ntestplugin.name: Ann\ntestplugin.flag: true\n",
              readFile(folder + "plugin.rc"));

    std::string bmp = readFile(folder + "shot.bmp");
    ASSERT_EQ(54u + 40u * 3u * 24u, bmp.size());
    EXPECT_EQ("BM", bmp.substr(0, 2));
    // Light bevel on top and left, dark on bottom and right, which also takes both far corners.
    EXPECT_EQ((Pixel{0xF0, 0xE0, 0xD0}), bmpPixel(bmp, 0, 0));
    EXPECT_EQ((Pixel{0xF0, 0xE0, 0xD0}), bmpPixel(bmp, 0, 12));
    EXPECT_EQ((Pixel{0xF0, 0xE0, 0xD0}), bmpPixel(bmp, 20, 0));
    EXPECT_EQ((Pixel{0x01, 0x02, 0x03}), bmpPixel(bmp, 39, 23));
    EXPECT_EQ((Pixel{0x01, 0x02, 0x03}), bmpPixel(bmp, 39, 0));
    EXPECT_EQ((Pixel{0x01, 0x02, 0x03}), bmpPixel(bmp, 0, 23));
    // Inside, the gradient runs from the first colour at the top to the second at the bottom.
    Pixel previous = bmpPixel(bmp, 20, 1);
    EXPECT_LE(previous.r, 0x10 + 3);
    for (int y = 2; y < 23; ++y) {
        Pixel p = bmpPixel(bmp, 20, y);
        EXPECT_GE(p.r, previous.r) << "row " << y;
        EXPECT_EQ(p, bmpPixel(bmp, 5, y)) << "row " << y;  // the same along a row
        previous = p;
    }
    EXPECT_GE(previous.r, 0x40 - 6);
}

}  // namespace
