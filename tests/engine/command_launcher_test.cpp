// Launcher tests: the command split and the exact host calls of a launch.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/command_launcher.h"

namespace {

struct SplitCase {
    const char* command;
    const char* directory;
    const char* file;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.command; }

class Split : public ::testing::TestWithParam<SplitCase> {};

TEST_P(Split, GivesDirectoryAndFile) {
    char directory[kLaunchTextSize];
    char file[kLaunchTextSize];
    std::memset(directory, 'x', sizeof directory);
    std::memset(file, 'x', sizeof file);
    splitCommand(GetParam().command, directory, file);
    EXPECT_STREQ(directory, GetParam().directory);
    EXPECT_STREQ(file, GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Launcher, Split,
    ::testing::Values(SplitCase{"C:\\Tools\\edit.exe", "C:\\Tools", "edit.exe"},
                      SplitCase{"C:\\edit.exe", "C:", "edit.exe"},
                      SplitCase{"edit.exe", "", "edit.exe"},
                      SplitCase{"\\edit.exe", "", "\\edit.exe"},
                      SplitCase{"C:\\Tools\\", "C:\\Tools", ""},
                      SplitCase{"a\\b\\c", "a\\b", "c"},
                      SplitCase{"C:/Tools/edit.exe", "", "C:/Tools/edit.exe"},
                      SplitCase{"", "", ""},
                      SplitCase{"x", "", "x"},
                      SplitCase{"\\", "", "\\"},
                      SplitCase{"a\\", "a", ""},
                      SplitCase{"notepad C:\\notes.txt", "notepad C:", "notes.txt"},
                      SplitCase{"\"C:\\Program Files\\x.exe\" -q", "\"C:\\Program Files", "x.exe\" -q"}));

TEST(Launcher, SplitLooksAtNoMoreThanNinetyNineCharacters) {
    std::string command = std::string(95, 'd') + "\\file.exe";  // 104 characters
    char directory[kLaunchTextSize];
    char file[kLaunchTextSize];
    splitCommand(command.c_str(), directory, file);
    EXPECT_EQ(std::string(directory), std::string(95, 'd'));
    EXPECT_EQ(std::string(file), "fil");
}

// Records the host calls of a launch as text, one line per call.
struct HostRecord {
    std::vector<std::string> calls;
    intptr_t result = 42;
};

std::string quoted(const char* text) {
    return text ? "\"" + std::string(text) + "\"" : "null";
}

void recordStatus(void* context, const char* text) {
    static_cast<HostRecord*>(context)->calls.push_back("status " + quoted(text));
}

intptr_t recordExecute(void* context, uintptr_t owner, const char* operation, const char* command,
                       const char* arguments, const char* directory, int32_t show, int32_t flag) {
    auto* record = static_cast<HostRecord*>(context);
    record->calls.push_back("execute owner=" + std::to_string(owner) + " operation=" + quoted(operation) +
                            " command=" + quoted(command) + " arguments=" + quoted(arguments) +
                            " directory=" + quoted(directory) + " show=" + std::to_string(show) +
                            " flag=" + std::to_string(flag));
    return record->result;
}

GestureTable launchTable() {
    GestureTable table;
    clearGestureTable(table);
    const char* slots[][3] = {
        {"br", "C:\\Tools\\edit.exe", "-x  \"a b\""},
        {"tr", "C:\\Tools\\", ""},
        {"tr bl", "calc.exe", ""},
        {"rd", "", "arg"},
    };
    for (int i = 0; i < 4; ++i) {
        std::strcpy(table.gestures[i], slots[i][0]);
        std::strcpy(table.commands[i], slots[i][1]);
        std::strcpy(table.arguments[i], slots[i][2]);
    }
    std::string longFile = "D:\\" + std::string(90, 'f') + ".exe";  // a 94-character file text
    std::strcpy(table.gestures[5], "lu");
    std::strcpy(table.commands[5], longFile.c_str());
    return table;
}

struct LaunchCase {
    const char* name;
    const char* gesture;
    std::vector<std::string> calls;
};

void PrintTo(const LaunchCase& c, std::ostream* os) { *os << c.name; }

class Launch : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(Launch, MakesExactlyTheseHostCalls) {
    HostRecord record;
    LauncherHost host = {recordStatus, recordExecute, &record};
    matchGesture(launchTable(), GetParam().gesture, host);
    EXPECT_EQ(record.calls, GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(
    Launcher, Launch,
    ::testing::Values(
        LaunchCase{"ChosenSlot", "br",
                   {"status \"Trazzle Command -> edit.exe\"",
                    "execute owner=0 operation=\"\" command=\"edit.exe\" arguments=\"-x  \"a b\"\" "
                    "directory=\"C:\\Tools\" show=1 flag=1"}},
        LaunchCase{"EmptyFileText", "tr",
                   {"status \"Trazzle Command -> \"",
                    "execute owner=0 operation=\"\" command=\"\" arguments=\"\" directory=\"C:\\Tools\" "
                    "show=1 flag=1"}},
        LaunchCase{"NoDirectory", "tr bl",
                   {"status \"Trazzle Command -> calc.exe\"",
                    "execute owner=0 operation=\"\" command=\"calc.exe\" arguments=\"\" directory=\"\" "
                    "show=1 flag=1"}},
        LaunchCase{"EmptyCommandStillLaunches", "rd",
                   {"status \"Trazzle Command -> \"",
                    "execute owner=0 operation=\"\" command=\"\" arguments=\"arg\" directory=\"\" "
                    "show=1 flag=1"}},
        LaunchCase{"OverlongFileIsCutInTheStatusOnly", "lu",
                   {"status \"Trazzle Command -> " + std::string(80, 'f') + "\"",
                    "execute owner=0 operation=\"\" command=\"" + std::string(90, 'f') +
                        ".exe\" arguments=\"\" directory=\"D:\" show=1 flag=1"}},
        LaunchCase{"NoSlotNoCalls", "ld ld", {}},
        LaunchCase{"EmptyTextNoCalls", "", {}}),
    [](const ::testing::TestParamInfo<LaunchCase>& info) { return std::string(info.param.name); });

TEST(Launcher, LaunchSlotGivesBackTheHostResult) {
    HostRecord record;
    record.result = 7;
    LauncherHost host = {recordStatus, recordExecute, &record};
    EXPECT_EQ(launchSlot(launchTable(), 2, host), 7);
}

TEST(Launcher, StatusTextAlwaysFitsItsBuffer) {
    char status[kLaunchTextSize + 8];
    std::memset(status, '#', sizeof status);
    char(&inner)[kLaunchTextSize] = *reinterpret_cast<char(*)[kLaunchTextSize]>(status);
    std::string file(300, 'z');
    formatLaunchStatus(file.c_str(), inner);
    EXPECT_EQ(std::strlen(status), 99u);
    for (size_t i = kLaunchTextSize; i < sizeof status; ++i) EXPECT_EQ(status[i], '#');
}

}  // namespace
