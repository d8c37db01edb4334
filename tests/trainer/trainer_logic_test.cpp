// The trainer's decisions without a window: broadcasts, statuses, marks, tallies, changed slots, slot rows, Learn's report.
#include <gtest/gtest.h>

#include <cstring>

#include "trainer/trainer_logic.h"

#include <cstdio>

namespace {

GestureTable twoSlots() {
    GestureTable table = {};
    std::strcpy(table.gestures[0], "br");
    std::strcpy(table.commands[0], "C:\\Tools\\edit.exe");
    std::strcpy(table.gestures[1], "br tr br");
    std::strcpy(table.commands[1], "C:\\Tools\\other.exe");
    std::strcpy(table.gestures[2], "tl");
    std::strcpy(table.commands[2], "C:\\Tools\\edit.exe");  // a variant of slot 0
    return table;
}

TEST(TrainerBroadcast, ReadsTheCommandsAsTrazzleReadsItsOwn) {
    struct Case {
        const char* text;
        TrainerAction action;
        int slot;
    } cases[] = {
        {"@trazzleTrainer Show", kTrainerShow, 0},     {"@TRAZZLETRAINER   hide", kTrainerHide, 0},
        {"@trazzleTrainer Select 24", kTrainerSelect, 24}, {"@trazzleTrainer select 07", kTrainerSelect, 7},
        {"@trazzleTrainer Record On", kTrainerRecordOn, 0}, {"@trazzleTrainer record off", kTrainerRecordOff, 0},
        {"@trazzleTrainer Learn", kTrainerLearn, 0},   {"@trazzleTrainer Apply", kTrainerApply, 0},
        {"@trazzleTrainer suggest", kTrainerSuggest, 0}, {"@trazzleTrainer Suggest 3", kTrainerIgnored, 0},
        {"@trazzleTrainer Select 25", kTrainerIgnored, 0}, {"@trazzleTrainer Select -1", kTrainerIgnored, 0},
        {"@trazzleTrainer Select  3", kTrainerIgnored, 0}, {"@trazzleTrainer Select 3 ", kTrainerIgnored, 0},
        {"@trazzleTrainer Record  On", kTrainerIgnored, 0}, {"@trazzleTrainer\tShow", kTrainerIgnored, 0},
        {"@trazzleTrainerShow", kTrainerShow, 0},       {"@trazzleInternal Show", kTrainerIgnored, 0},
        {"@trazzle", kTrainerIgnored, 0},               {nullptr, kTrainerIgnored, 0},
    };
    for (const Case& c : cases) {
        TrainerCommand command = decideTrainerBroadcast(c.text);
        EXPECT_EQ(c.action, command.action) << (c.text ? c.text : "null");
        if (c.action == kTrainerSelect) {
            EXPECT_EQ(c.slot, command.slot) << c.text;
        }
    }
}

// What a broadcast asks for, in words: the command and its arguments, or the status refusing it.
std::string asked(const char* text) {
    TrainerCommand c = decideTrainerBroadcast(text);
    switch (c.action) {
    case kTrainerIgnored: return "ignored";
    case kTrainerRefused: return c.why;
    case kTrainerClear: return "clear " + std::to_string(c.slot);
    case kTrainerDeleteAll: return "delete all of " + std::to_string(c.slot);
    case kTrainerMove: return "move " + std::to_string(c.slot) + "/" + c.file + " to " + std::to_string(c.target);
    case kTrainerHistoryAssign: return std::string("assign ") + c.file + " to " + std::to_string(c.target);
    case kTrainerHistoryDelete: return std::string("delete ") + c.file;
    case kTrainerHotkey: return "hotkey " + std::to_string(c.code);
    case kTrainerPadShow: return std::string("pad shown ") + (c.on ? "on" : "off");
    case kTrainerPadTips: return std::string("pad tips ") + (c.on ? "on" : "off");
    case kTrainerToolSquare: return std::string("tool square ") + (c.on ? "on" : "off");
    case kTrainerFreeSlots: return "free slots " + std::to_string(c.code);
    default: return "other";
    }
}

// The file moved is always the file named: a name Windows would open as another is refused by it.
TEST(TrainerBroadcast, AMoveOfANameWindowsWouldChangeIsRefusedByName) {
    EXPECT_EQ(asked("@trazzleTrainer Move 4/stroke-001.txt. 5"),
              "Trainer -> 4/stroke-001.txt. is not moved: Windows drops its trailing dot and would open "
              "\"stroke-001.txt\"");
    EXPECT_EQ(asked("@trazzleTrainer Move 4/x.txt:s 5"),
              "Trainer -> 4/x.txt:s is not moved: the colon makes it a stream of the file \"x.txt\"");
}

TEST(TrainerBroadcast, MendsAndSettingsTakeTheirArgumentsOrSayWhyNot) {
    const char* const texts[] = {
        "@trazzleTrainer Clear 0", "@trazzleTrainer clear 24", "@trazzleTrainer Clear 25", "@trazzleTrainer Clear",
        "@trazzleTrainer Clear x", "@trazzleTrainer Clearly 3", "@trazzleTrainer deleteall 7", "@trazzleTrainer DeleteAll 25",
        "@trazzleTrainer Move 4/stroke-006.txt 5", "@trazzleTrainer move 0/my stroke.txt 24",
        "@trazzleTrainer Move 4/stroke-006.txt 4", "@trazzleTrainer Move 4/../x.txt 5", "@trazzleTrainer Move 4/ 5",
        "@trazzleTrainer Move 25/stroke-001.txt 5", "@trazzleTrainer Move stroke-001.txt 5",
        "@trazzleTrainer Move 4/stroke-001.txt", "@trazzleTrainer Move 4/.. 5",
        "@trazzleTrainer History Assign stroke-00000012.txt 4", "@trazzleTrainer history delete stroke-00000012.txt",
        "@trazzleTrainer History Assign stroke-00000012.txt 25", "@trazzleTrainer History Delete ../stroke-00000012.txt",
        "@trazzleTrainer History Assign stroke-012.txt 4", "@trazzleTrainer History Show",
        "@trazzleTrainer Hotkey 17", "@trazzleTrainer HOTKEY 254", "@trazzleTrainer Hotkey 1",
        "@trazzleTrainer Hotkey 0", "@trazzleTrainer Hotkey 255", "@trazzleTrainer Hotkey abc",
        "@trazzleTrainer Hotkey 0017", "@trazzleTrainer Hotkey",
        "@trazzleTrainer PadShow Off", "@trazzleTrainer padshow ON", "@trazzleTrainer PadShow maybe",
        "@trazzleTrainer PadTips off", "@trazzleTrainer PadTips On", "@trazzleTrainer PadTips",
        "@trazzleTrainer ToolSquare Off", "@trazzleTrainer ToolSquare 1",
        "@trazzleTrainer FreeSlots 0", "@trazzleTrainer freeslots 25", "@trazzleTrainer FreeSlots 26",
        "@trazzleTrainer FreeSlots -1",
    };
    std::string out;
    for (const char* text : texts) out += std::string(text + sizeof kTrainerPrefix) + " -> " + asked(text) + "\n";
    EXPECT_EQ("Clear 0 -> clear 0\n"
              "clear 24 -> clear 24\n"
              "Clear 25 -> Trainer -> Clear needs a slot from 0 to 24: 25\n"
              "Clear -> Trainer -> Clear needs a slot from 0 to 24: \n"
              "Clear x -> Trainer -> Clear needs a slot from 0 to 24: x\n"
              "Clearly 3 -> ignored\n"
              "deleteall 7 -> delete all of 7\n"
              "DeleteAll 25 -> Trainer -> DeleteAll needs a slot from 0 to 24: 25\n"
              "Move 4/stroke-006.txt 5 -> move 4/stroke-006.txt to 5\n"
              "move 0/my stroke.txt 24 -> move 0/my stroke.txt to 24\n"
              "Move 4/stroke-006.txt 4 -> Trainer -> 4/stroke-006.txt is in slot 4 already\n"
              "Move 4/../x.txt 5 -> Trainer -> Move needs SLOT/FILE and another slot, slots 0 to 24: 4/../x.txt 5\n"
              "Move 4/ 5 -> Trainer -> Move needs SLOT/FILE and another slot, slots 0 to 24: 4/ 5\n"
              "Move 25/stroke-001.txt 5 -> Trainer -> Move needs SLOT/FILE and another slot, slots 0 to 24: "
              "25/stroke-001.txt 5\n"
              "Move stroke-001.txt 5 -> Trainer -> Move needs SLOT/FILE and another slot, slots 0 to 24: "
              "stroke-001.txt 5\n"
              "Move 4/stroke-001.txt -> Trainer -> Move needs SLOT/FILE and another slot, slots 0 to 24: "
              "4/stroke-001.txt\n"
              "Move 4/.. 5 -> Trainer -> Move needs SLOT/FILE and another slot, slots 0 to 24: 4/.. 5\n"
              "History Assign stroke-00000012.txt 4 -> assign stroke-00000012.txt to 4\n"
              "history delete stroke-00000012.txt -> delete stroke-00000012.txt\n"
              "History Assign stroke-00000012.txt 25 -> Trainer -> History needs Assign FILE SLOT (slots 0 to 24) or "
              "Delete FILE, FILE a name in trazzle-history: Assign stroke-00000012.txt 25\n"
              "History Delete ../stroke-00000012.txt -> Trainer -> History needs Assign FILE SLOT (slots 0 to 24) or "
              "Delete FILE, FILE a name in trazzle-history: Delete ../stroke-00000012.txt\n"
              "History Assign stroke-012.txt 4 -> Trainer -> History needs Assign FILE SLOT (slots 0 to 24) or "
              "Delete FILE, FILE a name in trazzle-history: Assign stroke-012.txt 4\n"
              "History Show -> Trainer -> History needs Assign FILE SLOT (slots 0 to 24) or "
              "Delete FILE, FILE a name in trazzle-history: Show\n"
              "Hotkey 17 -> hotkey 17\n"
              "HOTKEY 254 -> hotkey 254\n"
              "Hotkey 1 -> hotkey 1\n"
              "Hotkey 0 -> Trainer -> Hotkey needs a key code from 1 to 254: 0\n"
              "Hotkey 255 -> Trainer -> Hotkey needs a key code from 1 to 254: 255\n"
              "Hotkey abc -> Trainer -> Hotkey needs a key code from 1 to 254: abc\n"
              "Hotkey 0017 -> Trainer -> Hotkey needs a key code from 1 to 254: 0017\n"
              "Hotkey -> Trainer -> Hotkey needs a key code from 1 to 254: \n"
              "PadShow Off -> pad shown off\n"
              "padshow ON -> pad shown on\n"
              "PadShow maybe -> Trainer -> PadShow needs On or Off: maybe\n"
              "PadTips off -> pad tips off\n"
              "PadTips On -> pad tips on\n"
              "PadTips -> Trainer -> PadTips needs On or Off: \n"
              "ToolSquare Off -> tool square off\n"
              "ToolSquare 1 -> Trainer -> ToolSquare needs On or Off: 1\n"
              "FreeSlots 0 -> free slots 0\n"
              "freeslots 25 -> free slots 25\n"
              "FreeSlots 26 -> Trainer -> FreeSlots needs a number of slots from 0 to 25: 26\n"
              "FreeSlots -1 -> Trainer -> FreeSlots needs a number of slots from 0 to 25: -1\n",
              out);
}

TEST(TrainerHotkey, NamesAKeyAndGivesItsCode) {
    std::string out;
    for (int code : {91, 17, 162, 123, 65, 55, 100, 7, 254}) out += hotkeyName(code) + "\n";
    EXPECT_EQ("Left Windows (91)\nCtrl (17)\nLeft Ctrl (162)\nF12 (123)\nA (65)\n7 (55)\nNum 4 (100)\nKey (7)\n"
              "Key (254)\n",
              out);
}

TEST(TrainerStatus, ASettingNotStoredSaysWhyAsTheWriterFindsTheFile) {
    char status[kTrainerStatusSize];
    RcWriteResult why = {kRcFailed, "the file is read-only"};
    notStoredStatus("hotkey", why, "C:\\Tools\\trazzle.rc", status);
    EXPECT_STREQ("Trainer -> hotkey not stored: trazzle.rc: the file is read-only", status);
    why = {kRcWritten, ""};
    notStoredStatus("pad labels", why, "C:\\Tools\\trazzle.rc", status);
    EXPECT_STREQ("Trainer -> pad labels not stored: the host left trazzle.rc as it was", status);
}

// A stroke that launches nothing is told why: the longest slot text it holds is too short a
// part of it, or it holds none; a click on an example or a history stroke says so.
TEST(TrainerStatus, AStrokeThatLaunchesNothingSaysWhy) {
    GestureTable table = twoSlots();
    EXPECT_EQ("it holds slot 1's |br tr br|, but 3 of its 11 tokens are under the three tenths a text needs",
              whyNothing(table, "br tr br rd ld lu tr rd ld lu tr"));
    EXPECT_EQ("it holds slot 0's |br|, but 1 of its 6 tokens are under the three tenths a text needs",
              whyNothing(table, "tr rd ld lu br rd"));
    EXPECT_EQ("it holds no slot's text", whyNothing(table, "rd ru"));
    char status[kTrainerStatusSize];
    exampleStatus(table, "4/stroke-001.txt", "rd ru", status);
    EXPECT_STREQ("Trainer -> 4/stroke-001.txt |rd ru| launches nothing: it holds no slot's text", status);
}

TEST(TrainerStatus, SaysWhatTrazzleWouldLaunchWithTheCommandsFileName) {
    GestureTable table = twoSlots();
    char status[kTrainerStatusSize];
    canvasStatus(table, "br tr br", status);
    EXPECT_STREQ("Trainer -> |br tr br| slot 1: other.exe", status);
    canvasStatus(table, "rd", status);
    EXPECT_STREQ("Trainer -> |rd| nothing: it holds no slot's text", status);
    std::memset(table.commands[0], 'y', 99);
    table.commands[0][99] = '\0';
    canvasStatus(table, "br", status);  // both texts of 99 characters fit whole
    EXPECT_EQ(std::string("Trainer -> |br| slot 0: ") + std::string(99, 'y'), status);
}

TEST(TrainerStatus, ARecordedStrokeNamesTheOtherSlotItLaunches) {
    GestureTable table = twoSlots();
    struct Case {
        int slot;
        const char* text;
        const char* status;
    } cases[] = {
        {1, "br", "Trainer -> recorded trazzle-examples/1/stroke-004.txt; |br| launches slot 0 edit.exe"},
        {1, "br tr br", "Trainer -> recorded trazzle-examples/1/stroke-004.txt"},
        {0, "tl", "Trainer -> recorded trazzle-examples/0/stroke-004.txt"},  // slot 2 starts slot 0's command
        {1, "rd", "Trainer -> recorded trazzle-examples/1/stroke-004.txt"},  // launching nothing is no other slot
    };
    for (const Case& c : cases) {
        char file[64], status[kTrainerStatusSize];
        std::snprintf(file, sizeof file, "trazzle-examples/%d/stroke-004.txt", c.slot);
        recordStatus(table, c.slot, file, c.text, status);
        EXPECT_STREQ(c.status, status);
    }
    EXPECT_EQ("slot 0", launchCaption(table, "br tr"));
    EXPECT_EQ("nothing", launchCaption(table, "rd"));
}

// As soon as examples are recorded, before any Learn, the findings name the slot whose shape
// shares their texts (the newer slot, 4, to draw again) and the slot that launches them now.
TEST(TrainerFindings, NameTheClashingSlotAndTheSlotTakingTheExamplesBeforeLearn) {
    std::vector<Example> files;
    for (int slot : {0, 4})
        for (int copy = 0; copy < 3; ++copy)
            files.push_back({slot, textf("C:\\rc\\trazzle-examples\\%d\\stroke-00%d.txt", slot, copy + 1), "br", {}});
    std::vector<std::string> clash = clashFindings(files, 4);
    ASSERT_EQ(1u, clash.size());
    EXPECT_EQ("slots 0 and 4 share texts: 3 of slot 4's 3 examples would launch slot 0, 3 of slot 0's 3 would launch "
              "slot 4; draw another shape for slot 4",
              clash[0]);
    EXPECT_TRUE(clashFindings(files, 2).empty());
    std::vector<std::string> taken = takenNowFindings({}, twoSlots(), 1, {"br", "br tr", "br tr br", "rd"});
    ASSERT_EQ(1u, taken.size());
    EXPECT_EQ("slot 0 edit.exe takes 2 of slot 1's examples as the texts stand", taken[0]);
    // Once Learn has said so, with its remedy, the same slot is not named twice.
    TakenNote learned = {{1, 0, 2}, twoSlots().gestures[0]};
    EXPECT_TRUE(takenNowFindings({learned}, twoSlots(), 1, {"br", "br tr"}).empty());
}

// Slot 4 has examples and no text of its own: slots 3 and 6, which start its command, serve it,
// the lower one too. Slot 2 starts slot 0's command, and slot 7 that of slot 2's, through slot 0.
TEST(TrainerSlotRows, VariantsBelongToTheSlotTheyServe) {
    GestureTable table = twoSlots();
    std::strcpy(table.commands[4], "C:\\Tools\\v.exe");
    for (int slot : {3, 6}) std::strcpy(table.commands[slot], "C:\\Tools\\v.exe");
    std::strcpy(table.gestures[3], "ld");
    std::strcpy(table.gestures[6], "rd");
    std::strcpy(table.gestures[7], "lu");
    std::strcpy(table.commands[7], "C:\\Tools\\edit.exe");
    std::strcpy(table.commands[8], "C:\\Tools\\v.exe");  // no text: no variant
    int counts[kGestureSlotCount] = {};
    counts[4] = 3;
    std::string rows;
    for (int slot = 0; slot < 10; ++slot) {
        SlotRowTexts row = slotRowTexts(table, counts, slot);
        rows += std::to_string(slot) + " |" + row.gesture + "|" + row.file + "|" + row.note + "\n";
    }
    EXPECT_EQ("0 |br|edit.exe|+2 variants\n"
              "1 |br tr br|other.exe|\n"
              "2 |tl|variant of 0|\n"
              "3 |ld|variant of 4|\n"
              "4 ||v.exe|+2 variants\n"
              "5 |||\n"
              "6 |rd|variant of 4|\n"
              "7 |lu|variant of 0|\n"
              "8 ||v.exe|\n"
              "9 |||\n",
              rows);
}

TEST(TrainerMarks, MarkExamplesLaunchingAnotherCommandOrNothingAndCountThem) {
    GestureTable table = twoSlots();
    std::vector<LearnExample> examples = {
        {0, "br"}, {0, "tl"}, {0, "br tr br"}, {1, "br tr br"}, {1, "br tr"}, {1, ""}};
    bool marked[] = {false, false, true, false, true, true};  // "tl" starts slot 0's command too
    for (size_t i = 0; i < examples.size(); ++i)
        EXPECT_EQ(marked[i], exampleMarked(table, examples[i].slot, examples[i].text)) << i;
    Tally tally = currentTally(table, examples);
    EXPECT_EQ(3, tally.right);
    EXPECT_EQ(2, tally.wrong);  // "br tr br" for slot 0, "br tr" (slot 0's br) for slot 1
    EXPECT_EQ(1, tally.nothing);
}

// The case of a slot the rc file gives a text and no examples: slot 0's "br" takes every V
// recorded for slot 4, which may not repeat it; slot 5's peaks hold, but for a press alone.
TEST(TrainerLearn, NamesTheSlotThatTakesALearnedSlotsExamplesAndEveryFailingOne) {
    GestureTable table = {};
    std::strcpy(table.gestures[0], "br");
    std::strcpy(table.commands[0], "C:\\Windows\\cmd.exe");
    std::strcpy(table.commands[4], "C:\\Tools\\v.exe");
    std::strcpy(table.commands[5], "C:\\Tools\\peak.exe");
    LearnOutcome outcome;
    const std::pair<int, const char*> strokes[] = {{4, "br"}, {4, "br"}, {4, "br"}, {5, "tr"}, {5, "tr"}, {5, ""}};
    bool hasExamples[kGestureSlotCount] = {};
    for (const auto& stroke : strokes) {
        std::string file = textf("C:\\rc\\trazzle-examples\\%d\\stroke-%03d.txt", stroke.first,
                                 static_cast<int>(outcome.files.size()) + 1);
        outcome.examples.push_back({stroke.first, stroke.second, static_cast<int>(outcome.files.size()), true});
        outcome.files.push_back({stroke.first, file, stroke.second, {}});
        hasExamples[stroke.first] = true;
    }
    planLearnSlots(hasExamples, &table, outcome.setup);
    learnSlotTexts(outcome.examples, outcome.setup, outcome.learned);
    outcome.estimate = estimateByFolds(outcome.examples, outcome.setup);

    std::vector<TakenExamples> taken = examplesTakenByFixedSlots(outcome.learned, outcome.setup, outcome.examples);
    ASSERT_EQ(1u, taken.size());
    EXPECT_EQ("Trainer -> slot 0 takes 3 examples of slot 4", takenStatus(taken[0]));
    EXPECT_EQ("slot 4: || -> ||\r\n"
              "slot 0 takes 3 examples of slot 4: clear slot 0, or record examples for it so Learn can move it\r\n"
              "slot 5: || -> |tr|\r\n"
              "now: 0 right, 3 wrong, 3 nothing\r\n"
              "learned: 0 right, 3 wrong, 3 nothing (5-fold estimate)\r\n"
              "wrong: 4/stroke-001.txt |br| launches slot 0 cmd.exe\r\n"
              "wrong: 4/stroke-002.txt |br| launches slot 0 cmd.exe\r\n"
              "wrong: 4/stroke-003.txt |br| launches slot 0 cmd.exe\r\n"
              "missed: 5/stroke-006.txt || launches nothing\r\n",
              learnReport(outcome, table));

    // The finding holds while slot 0 keeps its text.
    std::vector<TakenNote> notes = {{taken[0], "br"}};
    EXPECT_EQ(std::vector<std::string>{takenFinding(taken[0])}, takenFindings(notes, table, 4));
    EXPECT_TRUE(takenFindings(notes, table, 5).empty());
    table.gestures[0][0] = '\0';
    EXPECT_TRUE(takenFindings(notes, table, 4).empty());
}

// Below the host's window when it fits in the work area, else above it, else as low as it fits;
// never over the tool square while a place beside, below or above it leaves the host in view.
TEST(TrainerPlace, TheDefaultLeavesTheHostsWindowAndTheToolSquareInView) {
    const ScreenBox work = {0, 0, 1024, 738}, aside = {1000, 0, 1020, 20};
    struct Case {
        ScreenBox host, square;
        int x, y;
    } cases[] = {
        {{22, 22, 482, 172}, aside, 22, 172}, {{600, 560, 1060, 710}, aside, 118, 65}, {{-50, 200, 410, 350}, aside, 0, 243},
        {{22, 22, 482, 172}, {10, 300, 30, 320}, 30, 172},      // beside it, to its right
        {{22, 22, 482, 172}, {920, 300, 940, 320}, 14, 172},    // beside it, to its left
        {{22, 22, 482, 172}, {300, 180, 320, 200}, 22, 200},    // below it
        {{22, 560, 482, 710}, {300, 540, 320, 555}, 22, 45},    // above it
        {{22, 22, 482, 172}, {300, 650, 320, 670}, 22, 172},    // above it would cover the host's window
        {{22, 500, 482, 650}, {300, 300, 320, 320}, 22, 5},     // no room anywhere: where it was
    };
    for (const Case& c : cases) {
        int x, y;
        defaultTrainerPlace(c.host, c.square, work, 906, 495, x, y);
        EXPECT_EQ(c.x, x) << c.square.left << "," << c.square.top;
        EXPECT_EQ(c.y, y);
    }
}

TEST(TrainerApply, CountsEachSlotOnceHoweverManyOfItsLinesChange) {
    std::vector<RcChange> changes = {{"trazzle.plugin.gesture3:", "br", ""},
                                     {"trazzle.plugin.gesture12:", "tl", ""},
                                     {"trazzle.plugin.command12:", "x.exe", ""},
                                     {"trazzle.plugin.argument12:", "-y", ""}};
    EXPECT_EQ(2, changedSlotCount(changes));
    EXPECT_EQ(0, changedSlotCount({}));
}

TEST(TrainerApply, SaysHowTheWriteEndedNamingTheRcFile) {
    struct Case {
        RcWriteStatus status;
        const char* reason;
        const char* text;
    } cases[] = {
        {kRcWritten, "", "Trainer -> applied: 2 slots changed"},
        {kRcChanged, "slot 2 changed", "Trainer -> trazzlerc changed since Learn: Learn again"},
        {kRcFailed, "the file is read-only", "Trainer -> cannot write C:\\Tools\\trazzlerc: the file is read-only"},
    };
    for (const Case& c : cases) {
        RcWriteResult result = {c.status, ""};
        std::strcpy(result.reason, c.reason);
        char status[kTrainerStatusSize];
        applyStatus(result, "C:\\Tools\\trazzlerc", 2, status);
        EXPECT_STREQ(c.text, status);
    }
}

}  // namespace
