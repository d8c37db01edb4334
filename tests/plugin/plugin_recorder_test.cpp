// trazzle-recorder.dll beside trazzle.dll in vantrel.exe: a recorded stroke replays to the text the plugin saw.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/plugin/plugin_session.h"
#include "tests/tool_run.h"
#include "tools/replay/replay.h"

namespace {

std::string replay(const std::string& strokeFile) {
    ToolOutcome outcome = runTool(runReplay, "trazzle-replay", {strokeFile});
    return outcome.status == 0 ? outcome.out : "exit " + std::to_string(outcome.status) + ": " + outcome.err;
}

TEST(Recorder, WritesEachStrokeAsThePluginSawItAndReplaysToTheSameText) {
    // A W, then a stroke that reverses on both axes at once and drifts, each with the hotkey
    // held; auto-repeat in the middle of the first.
    const char* script =
        "move 200 200\nkey down 91\nmove 210 210\nmove 220 220\nkey down 91\nmove 230 230\nmove 240 220\n"
        "move 250 210\nmove 260 200\nmove 270 210\nmove 280 220\nmove 290 230\nmove 300 220\nkey up 91\n"
        "move 400 400\nkey down 91\nmove 413 413\nmove 399 427\nmove 412 440\nmove 401 401\nmove 402 402\n"
        "key up 91\n";
    SessionOptions withRecorder;
    withRecorder.alsoLoad = "trazzle-recorder.dll";
    PluginSession s = runPlugin("", script, {}, withRecorder);
    // The recorder, loaded later, has the newer hook and sees the release first, yet its status
    // comes after trazzle's, so it is the one the host's label keeps.
    Lines expected = {"status \"Trazzle -> |br tr br|\"", "status \"trazzle-recorder -> stroke-001.txt, 11 points\"",
                      "status \"Trazzle -> |rd ld|\"", "status \"trazzle-recorder -> stroke-002.txt, 6 points\""};
    EXPECT_EQ(joinLines(expected), joinLines(only(s.log, {"status"})));
    EXPECT_EQ("gesture: br tr br\n", replay(s.folder + "stroke-001.txt"));
    EXPECT_EQ("gesture: rd ld\n", replay(s.folder + "stroke-002.txt"));
}

}  // namespace
