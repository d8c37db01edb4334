// End-to-end tests: vantrel.exe started with the test plugin and a script, its log compared whole.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/devhost/devhost_support.h"
#include "tests/devhost/expected_log.h"

namespace {

TEST(VantrelRun, ScriptMovesPointerPressesKeyAndBroadcastsWithEveryCallLogged) {
    std::string folder = testFolder();
    writeFile(folder + "s.txt",
              "# pointer, key and a broadcast\n"
              "move 100 200\r\n"
              "key down 91\n"
              "  wait 5\n"
              "key up 91\n"
              "\n"
              "move 612 388\n"
              "broadcast @testplugin hello\n");
    std::string path = plugin("testplugin.dll");
    HostRun run = runHost(folder, "--no-launch --rc host.rc --log log.txt --script s.txt \"" + path + "\"");

    Lines expected = {kHostSettingsMissing};
    append(expected, pluginStarted(path));
    append(expected, {"script 2 \"move 100 200\"", "status \"mouse move 100,200\"",
                      "script 3 \"key down 91\"", "status \"key down 91\"",
                      "script 4 \"wait 5\"",
                      "script 5 \"key up 91\"", "status \"key up 91\"",
                      "script 7 \"move 612 388\"", "status \"mouse move 612,388\""});
    append(expected, scriptBroadcast(8, "@testplugin hello"));
    append(expected, {"status \"hello from testplugin\"", "script-end"});
    append(expected, pluginEnd(path));
    expected.push_back("host-exit 0");
    EXPECT_EQ(joinLines(expected), run.log);
    EXPECT_EQ(0, run.exitCode);
    EXPECT_EQ("", run.err);
    EXPECT_EQ("", run.out);
}

TEST(VantrelRun, LauncherAnnouncesAndLaunchesTheChosenSlotOnly) {
    std::string folder = testFolder();
    std::string longFile(90, 'f');
    longFile.replace(80, 1, "X");  // the 81st character, the first one cut from the status
    writeFile(folder + "slots.rc",
              "trazzle.plugin.gesture0: br\n"
              "trazzle.plugin.command0: C:\\Tools\\edit.exe\n"
              "trazzle.plugin.argument0: -x  \"two words\"\n"
              "trazzle.plugin.gesture1: tl\n"
              "trazzle.plugin.command1: C:\\Tools\\\n"
              "trazzle.plugin.gesture2: rd\n"
              "trazzle.plugin.command2: C:\\a\\" + longFile + "\n"
              "trazzle.plugin.argument2: 100%\n");
    writeFile(folder + "s.txt",
              "broadcast @testplugin slots slots.rc\n"
              "broadcast @testplugin match br \n"
              "broadcast @testplugin match lu \n"
              "broadcast @testplugin match tl \n"
              "broadcast @testplugin match rd \n");
    std::string path = plugin("testplugin.dll");
    HostRun run = runHost(folder, "--no-launch --rc host.rc --log log.txt --script s.txt \"" + path + "\"");

    auto read = [](const std::string& key, const std::string& value) {
        return "ReadString \"slots.rc\" \"trazzle.plugin." + key + ":\" \"\" -> " + inQuotes(value);
    };
    Lines expected = {kHostSettingsMissing};
    append(expected, pluginStarted(path));
    append(expected, scriptBroadcast(1, "@testplugin slots slots.rc"));
    append(expected, {read("gesture0", "br"), read("command0", "C:\\Tools\\edit.exe"),
                      read("argument0", "-x  %22two words%22"), read("gesture1", "tl"),
                      read("command1", "C:\\Tools\\"), read("argument1", ""), read("gesture2", "rd"),
                      read("command2", "C:\\a\\" + longFile), read("argument2", "100%25")});
    for (int slot = 3; slot < 25; ++slot)
        for (const char* field : {"gesture", "command", "argument"})
            expected.push_back(read(field + std::to_string(slot), ""));
    // The script line's trailing blank is not part of the command; the matcher sees "br".
    append(expected, scriptBroadcast(2, "@testplugin match br"));
    append(expected, {"status \"Trazzle -> |br|\"", "status \"Trazzle Command -> edit.exe\"",
                      "VTExecute owner=0 operation=\"\" command=\"edit.exe\" arguments=\"-x  %22two "
                      "words%22\" directory=\"C:\\Tools\" show=1 flag=1",
                      "launch skipped -> 33"});
    append(expected, scriptBroadcast(3, "@testplugin match lu"));
    expected.push_back("status \"Trazzle -> |lu|\"");
    append(expected, scriptBroadcast(4, "@testplugin match tl"));
    append(expected, {"status \"Trazzle -> |tl|\"", "status \"Trazzle Command -> \"",
                      "VTExecute owner=0 operation=\"\" command=\"\" arguments=\"\" "
                      "directory=\"C:\\Tools\" show=1 flag=1",
                      "launch skipped -> 33"});
    append(expected, scriptBroadcast(5, "@testplugin match rd"));
    append(expected, {"status \"Trazzle -> |rd|\"",
                      "status \"Trazzle Command -> " + longFile.substr(0, 80) + "\"",
                      "VTExecute owner=0 operation=\"\" command=\"" + longFile +
                          "\" arguments=\"100%25\" directory=\"C:\\a\" show=1 flag=1",
                      "launch skipped -> 33", "script-end"});
    append(expected, pluginEnd(path));
    expected.push_back("host-exit 0");
    EXPECT_EQ(joinLines(expected), run.log);
    EXPECT_EQ(0, run.exitCode);
}

TEST(VantrelRun, BrokenPluginsAreReportedAndTheOthersStillRun) {
    std::string folder = testFolder();
    writeFile(folder + "s.txt", "broadcast @testplugin hello\n");
    std::string noEnd = plugin("testplugin_noend.dll");
    std::string failBegin = plugin("testplugin_failbegin.dll");
    std::string good = plugin("testplugin.dll");
    HostRun run = runHost(folder, "--no-launch --rc host.rc --log log.txt --script s.txt missing.dll \"" +
                                      noEnd + "\" \"" + failBegin + "\" \"" + good + "\"");

    std::string notFound = systemErrorText(ERROR_MOD_NOT_FOUND);
    std::string missing = folder + "missing.dll";  // relative names are taken from the working folder
    EXPECT_EQ("vantrel: error: plugin " + inQuotes(missing) + " could not be loaded: " + notFound + "\n"
              "vantrel: error: plugin \"" + noEnd + "\" lacks the export endPlugin\n"
              "vantrel: error: plugin \"" + failBegin + "\" did not start: beginPlugin returned 1\n",
              run.err);
    EXPECT_EQ(2, run.exitCode);

    Lines expected = {kHostSettingsMissing, "plugin-load " + inQuotes(missing),
                      "plugin-error " + inQuotes(missing) + " " + inQuotes("could not be loaded: " + notFound),
                      "plugin-load " + inQuotes(noEnd),
                      "plugin-error " + inQuotes(noEnd) + " \"lacks the export endPlugin\"",
                      "plugin-unload " + inQuotes(noEnd)};
    // The failing plugin set everything up before it failed; endPlugin takes it away again.
    append(expected, pluginStart(failBegin));
    append(expected, {"status \"testplugin refuses to start\"", "beginPlugin " + inQuotes(failBegin) + " -> 1"});
    append(expected, pluginInfoLines(failBegin));
    append(expected, {"plugin-error " + inQuotes(failBegin) + " \"did not start: beginPlugin returned 1\""});
    append(expected, pluginEnd(failBegin));
    append(expected, pluginStarted(good));
    append(expected, scriptBroadcast(1, "@testplugin hello"));
    append(expected, {"status \"hello from testplugin\"", "script-end"});
    append(expected, pluginEnd(good));
    expected.push_back("host-exit 2");
    EXPECT_EQ(joinLines(expected), run.log);
}

TEST(VantrelRun, MalformedScriptLineIsRefusedBeforeAnyPluginStarts) {
    std::string folder = testFolder();
    writeFile(folder + "s.txt", "# fine so far\nmove 10 10\njump 3\nkey down 91\n");
    HostRun run = runHost(folder, "--log log.txt --script s.txt \"" + plugin("testplugin.dll") + "\"");
    EXPECT_EQ("vantrel: error: s.txt:3: unknown command \"jump\"\n", run.err);
    EXPECT_EQ("script-refused \"s.txt:3: unknown command %22jump%22\"\nhost-exit 2\n", run.log);
    EXPECT_EQ(2, run.exitCode);
}

TEST(VantrelRun, FailingScriptCommandEndsTheRunWithItsLineAndTheLogGoesToStandardOutput) {
    std::string folder = testFolder();
    writeFile(folder + "s.txt", "broadcast @testplugin hello\nmenu About testplugin\nquit\n");
    std::string path = plugin("testplugin.dll");
    HostRun run = runHost(folder, "--rc host.rc --script s.txt \"" + path + "\"");
    EXPECT_EQ("vantrel: error: s.txt:2: no menu is shown\n", run.err);
    Lines expected = {kHostSettingsMissing};
    append(expected, pluginStarted(path));
    append(expected, scriptBroadcast(1, "@testplugin hello"));
    append(expected, {"status \"hello from testplugin\"", "script 2 \"menu About testplugin\"",
                      "script-error 2 \"no menu is shown\""});
    append(expected, pluginEnd(path));
    expected.push_back("host-exit 2");
    EXPECT_EQ(joinLines(expected), run.out);
    EXPECT_EQ(2, run.exitCode);
}

TEST(VantrelRun, UnknownOptionIsRefusedWithUsage) {
    std::string folder = testFolder();
    HostRun run = runHost(folder, "--log log.txt --fast testplugin.dll");
    Lines err = splitLines(run.err);
    ASSERT_GE(err.size(), 2u);
    EXPECT_EQ("vantrel: error: unknown option \"--fast\"", err[0]);
    EXPECT_EQ("usage: vantrel.exe [options] [--] PLUGIN.dll...", err[1]);
    EXPECT_EQ(2, run.exitCode);
    EXPECT_EQ("", run.log);
}

}  // namespace
