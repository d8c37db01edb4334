// A hook the system refuses, in vantrel.exe under Wine: trazzle keeps running and says so in the host's status.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/plugin/plugin_session.h"

namespace {

// A V from (200, 200) with the hotkey held.
constexpr char kDrawV[] =
    "move 200 200\nkey down 91\nmove 210 210\nmove 220 220\nmove 230 230\nmove 240 220\nmove 250 210\n"
    "move 260 200\nkey up 91\n";

struct RefusedHookCase {
    const char* hook;         // the value of TRAZZLE_TEST_REFUSED_HOOK in the host's process
    const char* alsoLoad;     // the recorder or the trainer beside trazzle, or null
    const char* statuses;     // every status the host showed, a line each
};

class RefusedHook : public testing::TestWithParam<RefusedHookCase> {};

TEST_P(RefusedHook, IsReportedAsTheHostsStatus) {
    const RefusedHookCase& c = GetParam();
    SessionOptions options;
    options.alsoLoad = c.alsoLoad;
    // Inherited by vantrel.exe, the one process that reads it.
    SetEnvironmentVariableA("TRAZZLE_TEST_REFUSED_HOOK", c.hook);
    PluginSession s = runPlugin("trazzle.plugin.gesture0: br\ntrazzle.plugin.command0: v.exe\n", kDrawV, {}, options);
    SetEnvironmentVariableA("TRAZZLE_TEST_REFUSED_HOOK", nullptr);
    EXPECT_EQ(c.statuses, joinLines(only(s.log, {"status"})));
}

INSTANTIATE_TEST_SUITE_P(
    Plugin, RefusedHook,
    testing::Values(
        RefusedHookCase{"keyboard", nullptr,
                        "status \"Trazzle -> the keyboard hook was refused (error 87): the hotkey can start no capture\"\n"},
        RefusedHookCase{"mouse", nullptr,
                        "status \"Trazzle -> the mouse hook was refused (error 87): this capture follows no pointer moves\"\n"
                        "status \"Trazzle -> ||\"\n"},
        RefusedHookCase{"mouse", "trazzle-recorder.dll",
                        // The recorder, loaded later, has the newer hook and sees the press first.
                        "status \"trazzle-recorder -> the mouse hook was refused (error 87): this stroke holds only its press\"\n"
                        "status \"Trazzle -> the mouse hook was refused (error 87): this capture follows no pointer moves\"\n"
                        "status \"Trazzle -> ||\"\n"
                        "status \"trazzle-recorder -> stroke-001.txt, 1 points\"\n"},
        RefusedHookCase{"mouse", "trazzle-trainer.dll",
                        "status \"Trainer -> the mouse hook was refused (error 87): the canvas takes no strokes\"\n"
                        "status \"Trazzle -> the mouse hook was refused (error 87): this capture follows no pointer moves\"\n"
                        "status \"Trazzle -> ||\"\n"}));

}  // namespace
