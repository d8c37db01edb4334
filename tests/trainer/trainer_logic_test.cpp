// The trainer's decisions without a window: broadcasts, status texts, marked examples, tallies and changed slots.
#include <gtest/gtest.h>

#include <cstring>

#include "trainer/trainer_logic.h"

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

TEST(TrainerStatus, SaysWhatTrazzleWouldLaunchWithTheCommandsFileName) {
    GestureTable table = twoSlots();
    char status[kTrainerStatusSize];
    canvasStatus(table, "br tr br", status);
    EXPECT_STREQ("Trainer -> |br tr br| slot 1: other.exe", status);
    canvasStatus(table, "rd", status);
    EXPECT_STREQ("Trainer -> |rd| nothing", status);
    std::memset(table.commands[0], 'y', 99);
    table.commands[0][99] = '\0';
    canvasStatus(table, "br", status);  // both texts of 99 characters fit whole
    EXPECT_EQ(std::string("Trainer -> |br| slot 0: ") + std::string(99, 'y'), status);
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
