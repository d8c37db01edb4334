// Tests of where a slot's new key goes in the rc file and which lines clearing a slot removes, whole files out.
#include <gtest/gtest.h>

#include "tests/rc/temp_dir.h"
#include "training/example_folders.h"
#include "training/rc_slot_lines.h"

namespace {

TEST(SlotLines, ANewKeyGoesAfterItsSlotsLastLineElseAfterTheLastSlotLineElseAtTheEnd) {
    struct Case {
        const char* what;
        const char* before;
        const char* key;
        const char* after;
    } const cases[] = {
        {"after its slot's last line",
         "# mine\ntrazzle.plugin.gesture1: tr\ntrazzle.plugin.command1: a.exe\ntrazzle.plugin.gesture2: br\n"
         "trazzle.plugin.x: 5\n",
         "trazzle.plugin.argument1:",
         "# mine\ntrazzle.plugin.gesture1: tr\ntrazzle.plugin.command1: a.exe\ntrazzle.plugin.argument1: new\n"
         "trazzle.plugin.gesture2: br\ntrazzle.plugin.x: 5\n"},
        {"a slot's line in other letters, then blanks and a comment",
         "\t  TRAZZLE.Plugin.Command3:  b.exe  \r\n! done\r\n",
         "trazzle.plugin.gesture3:",
         "\t  TRAZZLE.Plugin.Command3:  b.exe  \r\ntrazzle.plugin.gesture3: new\r\n! done\r\n"},
        {"a slot without lines: after the last line of any slot",
         "trazzle.plugin.gesture0: tr\ntrazzle.plugin.y: 1\ntrazzle.plugin.command7: c.exe\n# end\n",
         "trazzle.plugin.gesture4:",
         "trazzle.plugin.gesture0: tr\ntrazzle.plugin.y: 1\ntrazzle.plugin.command7: c.exe\n"
         "trazzle.plugin.gesture4: new\n# end\n"},
        {"the slot's last line ends the file without a line break",
         "trazzle.plugin.command2: c.exe\n# two\ntrazzle.plugin.gesture2: ld",
         "trazzle.plugin.argument2:",
         "trazzle.plugin.command2: c.exe\n# two\ntrazzle.plugin.gesture2: ld\ntrazzle.plugin.argument2: new\n"},
        {"no slot lines at all: at the end", "trazzle.plugin.x: 5\n# end\n", "trazzle.plugin.gesture0:",
         "trazzle.plugin.x: 5\n# end\ntrazzle.plugin.gesture0: new\n"},
        {"no slot of the plugin's: gesture25 and gesture07 are none",
         "trazzle.plugin.gesture25: tr\ntrazzle.plugin.gesture07: tr\n# end\n", "trazzle.plugin.gesture7:",
         "trazzle.plugin.gesture25: tr\ntrazzle.plugin.gesture07: tr\n# end\ntrazzle.plugin.gesture7: new\n"},
        {"a key of no slot: at the end", "trazzle.plugin.gesture0: tr\n# end\n", "trazzle.plugin.hotkey:",
         "trazzle.plugin.gesture0: tr\n# end\ntrazzle.plugin.hotkey: new\n"},
        {"an empty file", "", "trazzle.plugin.gesture0:", "trazzle.plugin.gesture0: new\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir tmp;
        tmp.put("trazzle.rc", c.before);
        RcWriteResult result;
        ASSERT_TRUE(writeRcChanges(tmp.path("trazzle.rc").c_str(), {{c.key, "new", ""}}, nullptr, result));
        EXPECT_EQ(c.after, tmp.get("trazzle.rc"));
    }
}

TEST(SlotLines, ClearRemovesTheSlotsLinesAndThoseOfItsVariantsAndKeepsEveryOtherByte) {
    const char kSlots[] =
        "# mine\r\n"
        "trazzle.plugin.gesture0: br\r\ntrazzle.plugin.command0: cmd.exe\r\n"
        "trazzle.plugin.gesture4:  tr br \r\ntrazzle.plugin.command4: m.exe\r\ntrazzle.plugin.argument4: -x\r\n"
        "  ! a comment between\r\n"
        "TRAZZLE.PLUGIN.GESTURE9: ld\r\ntrazzle.plugin.command9: m.exe\r\ntrazzle.plugin.argument9: -x\r\n"
        "trazzle.plugin.gesture10: rd\r\ntrazzle.plugin.command10: m.exe\r\n"
        "trazzle.plugin.gesture4: shadowed\r\n"
        "trazzle.plugin.gesture5: lu\r\n"
        "trazzle.plugin.x: 3";
    struct Case {
        int slot;
        const char* after;
    } const cases[] = {
        // Slot 9 starts what slot 4 starts: a variant, cleared with it; slot 10's argument differs.
        {4, "# mine\r\ntrazzle.plugin.gesture0: br\r\ntrazzle.plugin.command0: cmd.exe\r\n  ! a comment between\r\n"
            "trazzle.plugin.gesture10: rd\r\ntrazzle.plugin.command10: m.exe\r\ntrazzle.plugin.gesture5: lu\r\n"
            "trazzle.plugin.x: 3"},
        {0, "# mine\r\n"
            "trazzle.plugin.gesture4:  tr br \r\ntrazzle.plugin.command4: m.exe\r\ntrazzle.plugin.argument4: -x\r\n"
            "  ! a comment between\r\n"
            "TRAZZLE.PLUGIN.GESTURE9: ld\r\ntrazzle.plugin.command9: m.exe\r\ntrazzle.plugin.argument9: -x\r\n"
            "trazzle.plugin.gesture10: rd\r\ntrazzle.plugin.command10: m.exe\r\n"
            "trazzle.plugin.gesture4: shadowed\r\n"
            "trazzle.plugin.gesture5: lu\r\n"
            "trazzle.plugin.x: 3"},
        // Without a command, every slot without one would start "the same": only its own line goes.
        {5, "# mine\r\n"
            "trazzle.plugin.gesture0: br\r\ntrazzle.plugin.command0: cmd.exe\r\n"
            "trazzle.plugin.gesture4:  tr br \r\ntrazzle.plugin.command4: m.exe\r\ntrazzle.plugin.argument4: -x\r\n"
            "  ! a comment between\r\n"
            "TRAZZLE.PLUGIN.GESTURE9: ld\r\ntrazzle.plugin.command9: m.exe\r\ntrazzle.plugin.argument9: -x\r\n"
            "trazzle.plugin.gesture10: rd\r\ntrazzle.plugin.command10: m.exe\r\n"
            "trazzle.plugin.gesture4: shadowed\r\n"
            "trazzle.plugin.x: 3"},
        {24, kSlots},
    };
    const bool noExamples[kGestureSlotCount] = {};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slot);
        TempDir tmp;
        tmp.put("trazzle.rc", kSlots);
        RcWriteResult result;
        ASSERT_TRUE(clearSlotLines(tmp.path("trazzle.rc").c_str(), c.slot, noExamples, result)) << result.reason;
        EXPECT_EQ(c.after, tmp.get("trazzle.rc"));
    }
    // Slot 9 taught with examples of its own is a gesture of its own, not a variant: it stays.
    bool slot9Taught[kGestureSlotCount] = {};
    slot9Taught[9] = true;
    TempDir tmp;
    tmp.put("trazzle.rc", kSlots);
    RcWriteResult result;
    ASSERT_TRUE(clearSlotLines(tmp.path("trazzle.rc").c_str(), 4, slot9Taught, result)) << result.reason;
    EXPECT_EQ("# mine\r\ntrazzle.plugin.gesture0: br\r\ntrazzle.plugin.command0: cmd.exe\r\n  ! a comment between\r\n"
              "TRAZZLE.PLUGIN.GESTURE9: ld\r\ntrazzle.plugin.command9: m.exe\r\ntrazzle.plugin.argument9: -x\r\n"
              "trazzle.plugin.gesture10: rd\r\ntrazzle.plugin.command10: m.exe\r\ntrazzle.plugin.gesture5: lu\r\n"
              "trazzle.plugin.x: 3",
              tmp.get("trazzle.rc"));
}

}  // namespace
