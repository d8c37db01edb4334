// End-to-end tests of the script commands for message boxes, windows, loops, restarts and timing.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/devhost/devhost_support.h"
#include "tests/devhost/expected_log.h"

namespace {

std::string runArguments(const std::string& plugins, const std::string& more = "") {
    return "--no-launch --rc host.rc --log log.txt --script s.txt " + more + plugins;
}

TEST(VantrelScript, DialogAnswersABoxShownDuringABroadcastAndTheNextLineWaitsForTheBroadcast) {
    std::string folder = testFolder();
    writeFile(folder + "s.txt",
              "broadcast @testplugin about\n"
              "dialog\n"
              "broadcast @testplugin hello\n"
              "dialog\n");
    std::string path = plugin("testplugin.dll");
    HostRun run = runHost(folder, runArguments(inQuotes(path)));

    Lines expected = {kHostSettingsMissing};
    append(expected, pluginStarted(path));
    append(expected, scriptBroadcast(1, "@testplugin about"));
    append(expected, {"script 2 \"dialog\"",
                      "dialog owner=0 topmost=0 caption=\"About this plugin...\" "
                      "text=\"devhost test plugin 1.0%0A%09for trying vantrel.exe\""});
    append(expected, scriptBroadcast(3, "@testplugin hello"));
    append(expected, {"status \"hello from testplugin\"", "script 4 \"dialog\"",
                      "script-error 4 \"no message box showed within 5 s\""});
    append(expected, pluginEnd(path));
    expected.push_back("host-exit 2");
    EXPECT_EQ(joinLines(expected), run.log);
    EXPECT_EQ("vantrel: error: s.txt:4: no message box showed within 5 s\n", run.err);
}

TEST(VantrelScript, DialogOnTheFirstLineAnswersABoxShownByAFailingStart) {
    std::string folder = testFolder();
    writeFile(folder + "s.txt", "dialog\nbroadcast @testplugin hello\n");
    std::string box = plugin("boxplugin.dll");
    std::string path = plugin("testplugin.dll");
    HostRun run = runHost(folder, runArguments(inQuotes(box) + " " + inQuotes(path)));

    Lines expected = {kHostSettingsMissing, "plugin-load " + inQuotes(box), "beginPlugin " + inQuotes(box),
                      "script 1 \"dialog\"",
                      "dialog owner=0 topmost=0 caption=\"boxplugin\" "
                      "text=\"boxplugin cannot start:%0A%09no settings\"",
                      "beginPlugin " + inQuotes(box) + " -> 1"};
    for (int i = 0; i < 7; ++i)
        expected.push_back("pluginInfo " + inQuotes(box) + " " + std::to_string(i) + " \"boxplugin\"");
    append(expected, {"plugin-error " + inQuotes(box) + " \"did not start: beginPlugin returned 1\"",
                      "endPlugin " + inQuotes(box), "plugin-unload " + inQuotes(box)});
    append(expected, pluginStarted(path));
    append(expected, scriptBroadcast(2, "@testplugin hello"));
    append(expected, {"status \"hello from testplugin\"", "script-end"});
    append(expected, pluginEnd(path));
    expected.push_back("host-exit 2");
    EXPECT_EQ(joinLines(expected), run.log);
}

TEST(VantrelScript, WindowShowsPlaceStyleAndOpacityTextShowsTheTextAndRestartStartsThePluginsAgain) {
    std::string folder = testFolder();
    writeFile(folder + "s.txt",
              "broadcast @testplugin alpha 128\n"
              "window devhostTestPlugin\n"
              "restart\n"
              "window devhostTestPlugin\n"
              "window VantrelHost\n"
              "window NoSuchClass\n"
              "text VantrelHost\n"
              "text NoSuchClass\n");
    std::string path = plugin("testplugin.dll");
    HostRun run = runHost(folder, runArguments(inQuotes(path)));

    // The test plugin's window: a layered tool window at 50,50 of 40 by 24.
    std::string pluginWindow = "window [devhostTestPlugin] visible=1 x=50 y=50 cx=40 cy=24 topmost=0 "
                               "exstyle=0x00080080 alpha=";
    Lines expected = {kHostSettingsMissing};
    append(expected, pluginStarted(path));
    append(expected, scriptBroadcast(1, "@testplugin alpha 128"));
    append(expected, {"SetTransparency [devhostTestPlugin] 128 -> 128", "script 2 \"window devhostTestPlugin\"",
                      pluginWindow + "128", "script 3 \"restart\""});
    append(expected, pluginEnd(path));
    append(expected, pluginStarted(path));
    append(expected, {"script 4 \"window devhostTestPlugin\"", pluginWindow + "255",
                      "script 5 \"window VantrelHost\""});
    Lines rest = splitLines(run.log);
    ASSERT_GT(rest.size(), expected.size());
    // The host window's place is the system's choice; its form is fixed.
    std::string hostLine = rest[expected.size()];
    EXPECT_TRUE(std::regex_match(hostLine, std::regex("window \\[VantrelHost\\] visible=1 x=-?\\d+ y=-?\\d+ "
                                                      "cx=460 cy=150 topmost=0 exstyle=0x[0-9A-F]{8} alpha=none")))
        << hostLine;
    expected.push_back(hostLine);
    append(expected, {"script 6 \"window NoSuchClass\"", "window [NoSuchClass] none", "script 7 \"text VantrelHost\"",
                      "text [VantrelHost] \"vantrel (stand-in host)\"", "script 8 \"text NoSuchClass\"",
                      "text [NoSuchClass] none", "script-end"});
    append(expected, pluginEnd(path));
    expected.push_back("host-exit 0");
    EXPECT_EQ(joinLines(expected), run.log);
}

TEST(VantrelScript, RepeatRunsItsLinesAgainNestedAndEveryRunLineIsLogged) {
    std::string folder = testFolder();
    writeFile(folder + "s.txt",
              "repeat 2\n"
              "  move 10 20\n"
              "  repeat 3\n"
              "    broadcast @testplugin hello\n"
              "  end\n"
              "end\n"
              "memory\n");
    std::string path = plugin("testplugin.dll");
    HostRun run = runHost(folder, runArguments(inQuotes(path)));

    Lines expected = {kHostSettingsMissing};
    append(expected, pluginStarted(path));
    expected.push_back("script 1 \"repeat 2\"");
    for (int outer = 0; outer < 2; ++outer) {
        append(expected, {"script 2 \"move 10 20\"", "status \"mouse move 10,20\"", "script 3 \"repeat 3\""});
        for (int inner = 0; inner < 3; ++inner) {
            append(expected, scriptBroadcast(4, "@testplugin hello"));
            append(expected, {"status \"hello from testplugin\"", "script 5 \"end\""});
        }
        expected.push_back("script 6 \"end\"");
    }
    append(expected, {"script 7 \"memory\"", "memory private=BYTES", "script-end"});
    append(expected, pluginEnd(path));
    expected.push_back("host-exit 0");
    std::smatch bytes;
    ASSERT_TRUE(std::regex_search(run.log, bytes, std::regex("memory private=([0-9]+)\n"))) << run.log;
    EXPECT_GT(std::stoull(bytes[1]), 100000ull);
    EXPECT_EQ(joinLines(expected), std::regex_replace(run.log, std::regex("private=[0-9]+"), "private=BYTES"));
}

TEST(VantrelScript, BroadcastEscapesAndFilesSendTheirBytesAsTheyAre) {
    std::string folder = testFolder();
    std::string longText = "@testplugin " + std::string(10000, 'x');
    writeFile(folder + "hello.txt", "@testplugin hello\n");
    writeFile(folder + "long.txt", longText);
    writeFile(folder + "s.txt",
              "broadcast @testplugin match br%20\n"
              "broadcast-file hello.txt\n"
              "broadcast-file long.txt\n");
    std::string path = plugin("testplugin.dll");
    HostRun run = runHost(folder, runArguments(inQuotes(path)));

    Lines expected = {kHostSettingsMissing};
    append(expected, pluginStarted(path));
    append(expected, {"script 1 \"broadcast @testplugin match br%2520\""});
    append(expected, broadcastTo("@testplugin match br "));
    // The file's last line break is part of the text; a text too long for a log line is
    // logged by its size.
    append(expected, {"status \"Trazzle -> |br |\"", "script 2 \"broadcast-file hello.txt\""});
    append(expected, broadcastTo("@testplugin hello%0A"));
    append(expected, {"status \"testplugin: unknown command hello%0A\"", "script 3 \"broadcast-file long.txt\"",
                      "broadcast <10012 bytes>", "deliver [devhostTestPlugin] HOST_BROADCAST <10012 bytes>",
                      "status \"testplugin: unknown command " + std::string(199 - 28, 'x') + "\"", "script-end"});
    append(expected, pluginEnd(path));
    expected.push_back("host-exit 0");
    EXPECT_EQ(joinLines(expected), run.log);
}

// A line logged before the await is reached counts; once taken it is used up, so the second
// await finds nothing and fails at its limit.
TEST(VantrelScript, AwaitTakesALineLoggedSinceTheLastOneTakenAndFailsAtItsLimit) {
    std::string folder = testFolder();
    writeFile(folder + "s.txt",
              "broadcast @testplugin hello\n"
              "await status \"hello from\n"
              "await 200 status \"hello from\n");
    std::string path = plugin("testplugin.dll");
    HostRun run = runHost(folder, runArguments(inQuotes(path)));

    Lines expected = {kHostSettingsMissing};
    append(expected, pluginStarted(path));
    append(expected, scriptBroadcast(1, "@testplugin hello"));
    append(expected, {"status \"hello from testplugin\"", "script 2 \"await status %22hello from\"",
                      "script 3 \"await 200 status %22hello from\"",
                      "script-error 3 \"no line beginning with status %22hello from within 200 ms\""});
    append(expected, pluginEnd(path));
    expected.push_back("host-exit 2");
    EXPECT_EQ(joinLines(expected), run.log);
}

// A window's text is awaited as it stands when it is looked at, at any time; one that never
// shows it fails at the limit, naming what it showed instead.
TEST(VantrelScript, AwaitTextWaitsForAWindowsWholeTextAndFailsAtItsLimit) {
    std::string folder = testFolder();
    writeFile(folder + "s.txt",
              "broadcast @testplugin hello\n"
              "await-text VantrelHost/Static hello from testplugin\n"
              "await-text 200 VantrelHost/Static hello from\n");
    std::string path = plugin("testplugin.dll");
    HostRun run = runHost(folder, runArguments(inQuotes(path)));

    Lines expected = {kHostSettingsMissing};
    append(expected, pluginStarted(path));
    append(expected, scriptBroadcast(1, "@testplugin hello"));
    append(expected, {"status \"hello from testplugin\"", "script 2 \"await-text VantrelHost/Static hello from testplugin\"",
                      "script 3 \"await-text 200 VantrelHost/Static hello from\"",
                      "script-error 3 \"VantrelHost/Static did not show %22hello from%22 within 200 ms, but "
                      "%22hello from testplugin%22\""});
    append(expected, pluginEnd(path));
    expected.push_back("host-exit 2");
    EXPECT_EQ(joinLines(expected), run.log);
}

// Times as "MICROSECONDS " before each line, never decreasing; the rest is the usual log.
TEST(VantrelScript, LogTimesPrefixEveryLine) {
    std::string folder = testFolder();
    writeFile(folder + "s.txt", "broadcast @testplugin hello\n");
    std::string path = plugin("testplugin.dll");
    HostRun run = runHost(folder, runArguments(inQuotes(path), "--log-times "));

    Lines plain;
    long long previous = -1;
    std::regex timed("([0-9]+) (.*)");
    for (const std::string& line : splitLines(run.log)) {
        std::smatch parts;
        ASSERT_TRUE(std::regex_match(line, parts, timed)) << line;
        long long time = std::stoll(parts[1]);
        EXPECT_GE(time, previous) << line;
        previous = time;
        plain.push_back(parts[2]);
    }
    Lines expected = {kHostSettingsMissing};
    append(expected, pluginStarted(path));
    append(expected, scriptBroadcast(1, "@testplugin hello"));
    append(expected, {"status \"hello from testplugin\"", "script-end"});
    append(expected, pluginEnd(path));
    expected.push_back("host-exit 0");
    EXPECT_EQ(joinLines(expected), joinLines(plain));
}

TEST(VantrelScript, TimeHooksLogsSampleCountsAndTimesPerKeyEventAndForMouseMoves) {
    std::string folder = testFolder();
    writeFile(folder + "s.txt",
              "move 10 10\n"
              "key down 91\nmove 20 20\nkey up 91\n"
              "key down 91\nkey up 91\n");
    std::string path = plugin("testplugin.dll");
    HostRun run = runHost(folder, runArguments(inQuotes(path), "--time-hooks "));

    Lines times;
    std::regex timeLine("(hook-time .* n=[0-9]+) median=([0-9]+\\.[0-9]) p99=([0-9]+\\.[0-9])");
    for (const std::string& line : splitLines(run.log)) {
        std::smatch parts;
        if (line.compare(0, 10, "hook-time ") != 0) continue;
        ASSERT_TRUE(std::regex_match(line, parts, timeLine)) << line;
        EXPECT_LE(std::stod(parts[2]), std::stod(parts[3])) << line;
        times.push_back(parts[1]);
    }
    EXPECT_EQ(joinLines({"hook-time mouse WM_MOUSEMOVE n=2", "hook-time keyboard WM_KEYDOWN vk=91 n=2",
                         "hook-time keyboard WM_KEYUP vk=91 n=2"}),
              joinLines(times));
    // Reported at the end, before the plugins go.
    EXPECT_TRUE(std::regex_search(run.log, std::regex("script-end\nhook-time mouse [^\n]*\nhook-time "
                                                      "keyboard [^\n]*\nhook-time keyboard [^\n]*\nendPlugin ")))
        << run.log;
    EXPECT_EQ(0, run.exitCode);
}

}  // namespace

TEST(VantrelScript, WindowAndCaptureFindAChildInsideATopLevelWindow) {
    std::string folder = testFolder();
    writeFile(folder + "s.txt",
              "window VantrelHost/Static\ncapture VantrelHost/Static label.bmp\nwindow VantrelHost/NoSuchClass\n"
              "window NoSuchClass/Static\n");
    HostRun run = runHost(folder, runArguments(inQuotes(plugin("testplugin.dll"))));
    // The host's status label, 420 by 22, written with its place on the screen.
    EXPECT_TRUE(std::regex_search(run.log, std::regex("script 1 \"window VantrelHost/Static\"\n"
                                                      "window \\[VantrelHost/Static\\] visible=1 x=-?\\d+ y=-?\\d+ "
                                                      "cx=420 cy=22 topmost=0 exstyle=0x00000000 alpha=none\n"
                                                      "script 2 \"capture VantrelHost/Static label.bmp\"\n"
                                                      "capture \\[VantrelHost/Static\\] \"label.bmp\" -> 420x22\n"
                                                      "script 3 \"window VantrelHost/NoSuchClass\"\n"
                                                      "window \\[VantrelHost/NoSuchClass\\] none\n"
                                                      "script 4 \"window NoSuchClass/Static\"\n"
                                                      "window \\[NoSuchClass/Static\\] none\n")))
        << run.log;
    EXPECT_EQ(54u + 420u * 3u * 22u, readFile(folder + "label.bmp").size());
}
