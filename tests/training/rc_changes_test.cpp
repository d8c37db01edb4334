// Tests that applying learned lines never writes over a slot changed since the read they were decided on.
#include <gtest/gtest.h>

#include "tests/rc/temp_dir.h"
#include "training/example_folders.h"

namespace {

// As read when learning began: slot 0 learned, slot 1 fixed, slot 2 free for a variant of 0.
const char kAsRead[] = "trazzle.plugin.x: 5\ntrazzle.plugin.gesture0: br\ntrazzle.plugin.command0: a.exe\n"
                       "trazzle.plugin.gesture1: tr\ntrazzle.plugin.command1: b.exe\n";

TEST(ApplyLearned, WritesOnlyWhileEverySlotReadsAsItDidWhenLearningBegan) {
    struct Case {
        const char* what;
        const char* since;  // a line someone else put first in the file meanwhile (the first line of a key wins)
        RcWriteStatus status;
    } const cases[] = {
        {"nothing", "", kRcWritten},
        {"a setting only", "trazzle.plugin.y: 7\n", kRcWritten},
        {"a text typed for the learned slot", "trazzle.plugin.argument0: --mine\n", kRcChanged},
        {"the free slot taken by hand", "trazzle.plugin.gesture2: ld\n", kRcChanged},
        {"another slot's command", "trazzle.plugin.command1: c.exe\n", kRcChanged},
    };
    GestureTable readAt;
    readSlotsOfText(kAsRead, sizeof kAsRead - 1, readAt);
    const std::vector<RcChange> changes = {{"trazzle.plugin.gesture0:", "br tr", "br"},
                                           {"trazzle.plugin.gesture2:", "br", ""},
                                           {"trazzle.plugin.command2:", "a.exe", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir tmp;
        const std::string now = c.since + std::string(kAsRead);
        tmp.put("trazzle.rc", now);
        RcWriteResult result;
        EXPECT_EQ(c.status == kRcWritten, writeRcChanges(tmp.path("trazzle.rc").c_str(), changes, &readAt, result));
        EXPECT_EQ(c.status, result.status);
        if (c.status == kRcChanged) EXPECT_EQ(now, tmp.get("trazzle.rc"));
        else EXPECT_NE(std::string::npos, tmp.get("trazzle.rc").find("trazzle.plugin.gesture0: br tr\n"));
    }
}

}  // namespace
