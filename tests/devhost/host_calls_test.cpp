// Tests of the host's exported calls on real files and real windows, in process.
#include <windows.h>

#include <string>

#include "devhost/host_state.h"
#include "devhost/rc_pending.h"
#include "devhost/host_window.h"
#include "devhost/sticky_set.h"
#include "contract/vantrel.h"
#include "tests/devhost/devhost_support.h"
#include "tests/devhost/host_fixture.h"

namespace {

using Lines = std::vector<std::string>;

std::string q(const std::string& text) { return "\"" + text + "\""; }

class RcCalls : public HostTest {};

TEST_F(RcCalls, ReadsGiveStoredValuesOrDefaultsAndWritesChangeOneLine) {
    std::string rc = folder + "plugin.rc";
    writeFile(rc,
              "# settings\n"
              "trazzle.plugin.x: 42\n"
              "trazzle.plugin.snapwindow: off\n"
              "trazzle.plugin.hotkey: ninety\n"
              "trazzle.plugin.command0: C:\\Tools\\edit.exe\n");
    const char* path = rc.c_str();
    EXPECT_EQ(42, ReadInt(path, "trazzle.plugin.x:", 10));
    EXPECT_EQ(91, ReadInt(path, "trazzle.plugin.hotkey:", 91));
    EXPECT_EQ(10, ReadInt(path, "trazzle.plugin.y:", 10));
    EXPECT_FALSE(ReadBool(path, "trazzle.plugin.snapwindow:", TRUE));
    EXPECT_TRUE(ReadBool(path, "trazzle.plugin.alwaysontop:", TRUE));
    EXPECT_STREQ("C:\\Tools\\edit.exe", ReadString(path, "trazzle.plugin.command0:", ""));
    EXPECT_STREQ("", ReadString(path, "trazzle.plugin.command1:", ""));
    EXPECT_STREQ("fallback", ReadString((folder + "missing.rc").c_str(), "k:", "fallback"));
    WriteInt(path, "trazzle.plugin.x:", -7);
    WriteBool(path, "trazzle.plugin.snapwindow:", TRUE);
    WriteInt(path, "trazzle.plugin.y:", 300);
    WriteBool(path, "bad\nkey:", TRUE);

    std::string p = q(rc);
    EXPECT_EQ((Lines{"ReadInt " + p + " \"trazzle.plugin.x:\" 10 -> 42",
                     "ReadInt " + p + " \"trazzle.plugin.hotkey:\" 91 -> 91",
                     "ReadInt " + p + " \"trazzle.plugin.y:\" 10 -> 10",
                     "ReadBool " + p + " \"trazzle.plugin.snapwindow:\" 1 -> 0",
                     "ReadBool " + p + " \"trazzle.plugin.alwaysontop:\" 1 -> 1",
                     "ReadString " + p + " \"trazzle.plugin.command0:\" \"\" -> \"C:\\Tools\\edit.exe\"",
                     "ReadString " + p + " \"trazzle.plugin.command1:\" \"\" -> \"\"",
                     "ReadString " + q(folder + "missing.rc") + " \"k:\" \"fallback\" -> \"fallback\"",
                     "WriteInt " + p + " \"trazzle.plugin.x:\" -7",
                     "WriteBool " + p + " \"trazzle.plugin.snapwindow:\" 1",
                     "WriteInt " + p + " \"trazzle.plugin.y:\" 300",
                     "WriteBool " + p + " \"bad%0Akey:\" 1 -> failed"}),
              newLog());
    rcPendingFlush(nullptr);
    EXPECT_EQ("# settings\n"
              "trazzle.plugin.x: -7\n"
              "trazzle.plugin.snapwindow: true\n"
              "trazzle.plugin.hotkey: ninety\n"
              "trazzle.plugin.command0: C:\\Tools\\edit.exe\n"
              "trazzle.plugin.y: 300\n",
              readFile(rc));
}

// A drag writes x and y at every move: the host notes them and replaces the file once for all.
TEST_F(RcCalls, WritesAreNotedAndReachTheFileTogetherBeforeAnyRead) {
    std::string rc = folder + "drag.rc";
    writeFile(rc, "trazzle.plugin.x: 1\n");
    for (int i = 0; i < 100; ++i) {
        WriteInt(rc.c_str(), "trazzle.plugin.x:", i);
        WriteInt(rc.c_str(), "trazzle.plugin.y:", 1000 + i);
    }
    EXPECT_EQ("trazzle.plugin.x: 1\n", readFile(rc));  // nothing written yet
    EXPECT_EQ(1099, ReadInt(rc.c_str(), "trazzle.plugin.y:", 0));
    EXPECT_EQ("trazzle.plugin.x: 99\ntrazzle.plugin.y: 1099\n", readFile(rc));

    // A file that cannot be written says so when the noted values are put there.
    std::string lost = folder + "no-such-folder\\a.rc";
    WriteBool(lost.c_str(), "k:", TRUE);
    skipLog();
    rcPendingFlush(nullptr);
    EXPECT_EQ((Lines{"rc-write-failed " + q(lost) + " \"k:\" \"its folder does not exist\""}), newLog());
}

TEST_F(RcCalls, ReadStringKeepsItsTextUntilTheNextCallAndCutsLongValues) {
    std::string rc = folder + "plugin.rc";
    writeFile(rc, "a: first\nlong: " + std::string(1500, 'v') + "\n");
    const char* first = ReadString(rc.c_str(), "a:", "");
    std::string copy = first;
    EXPECT_EQ("first", copy);
    const char* second = ReadString(rc.c_str(), "long:", "");
    EXPECT_EQ(std::string(1023, 'v'), std::string(second));
}

class HostPaths : public HostTest {};

TEST_F(HostPaths, FolderEditorAndFileTests) {
    std::string bin = binFolder();
    char buffer[MAX_PATH];
    GetVantrelPath(buffer, sizeof buffer);
    EXPECT_EQ(bin, buffer);
    char small[8] = "#######";
    GetVantrelPath(small, 5);
    EXPECT_EQ(bin.substr(0, 4), small);
    EXPECT_EQ('#', small[5]) << "nothing written past the given size";
    GetVantrelEditor(buffer);
    EXPECT_STREQ("notepad.exe", buffer);

    CreateDirectoryA((folder + "trazzle.rc").c_str(), nullptr);
    writeFile(folder + "trazzlerc", "x: 1\n");
    EXPECT_TRUE(FileExists((folder + "trazzlerc").c_str()));
    EXPECT_FALSE(FileExists((folder + "trazzle.rc").c_str())) << "a folder is not a file";
    EXPECT_FALSE(FileExists((folder + "nothing").c_str()));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(nullptr));

    writeFile(folder + "host.rc", "vantrel.editor: C:\\Editors\\my editor.exe\n");
    SendMessageA(hostState.mainWindow, WM_KEYDOWN, VK_F5, 0);  // reconfigure reads it again
    GetVantrelEditor(buffer);
    EXPECT_STREQ("C:\\Editors\\my editor.exe", buffer);
}

class Status : public HostTest {};

TEST_F(Status, StatusTextIsShownInTheHostWindowAndLogged) {
    const char* texts[] = {"Trazzle -> |br|", "", "100% \"quoted\"\ttab"};
    for (const char* text : texts) {
        EXPECT_EQ(1, SendMessageA(GetVTWnd(), HOST_SET_STATUS_LABEL, 0, reinterpret_cast<LPARAM>(text)));
        char shown[200];
        hostWindowStatus(shown, sizeof shown);
        EXPECT_STREQ(text, shown);
    }
    EXPECT_EQ((Lines{"GetVTWnd -> [VantrelHost]", "status \"Trazzle -> |br|\"",
                     "GetVTWnd -> [VantrelHost]", "status \"\"",
                     "GetVTWnd -> [VantrelHost]", "status \"100%25 %22quoted%22%09tab\""}),
              newLog());
}

class Launch : public HostTest {};

TEST_F(Launch, NoLaunchOnlyLogsTheSevenArgumentsAndReportsSuccess) {
    HINSTANCE result = VTExecute(nullptr, nullptr, "edit.exe", "-x", "C:\\Tools", 1, 0);
    EXPECT_GT(reinterpret_cast<intptr_t>(result), 32);
    VTExecute(hostState.mainWindow, "open", "", nullptr, "", 5, 1);
    EXPECT_EQ((Lines{"VTExecute owner=0 operation=null command=\"edit.exe\" arguments=\"-x\" "
                     "directory=\"C:\\Tools\" show=1 flag=0",
                     "launch skipped -> 33",
                     "VTExecute owner=[VantrelHost] operation=\"open\" command=\"\" arguments=null "
                     "directory=\"\" show=5 flag=1",
                     "launch skipped -> 33"}),
              newLog());
}

TEST_F(Launch, ARealLaunchStartsTheCommandInTheGivenFolder) {
    hostState.noLaunch = false;
    std::string marker = folder + "marker.txt";
    // cmd.exe runs on its own: the folder tells each change to its files, and the test reads the
    // marker at each until it holds the whole line; a failed start ends the wait after a minute.
    HANDLE changed = FindFirstChangeNotificationA(folder.c_str(), FALSE,
                                                  FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE |
                                                      FILE_NOTIFY_CHANGE_LAST_WRITE);
    ASSERT_NE(INVALID_HANDLE_VALUE, changed);
    intptr_t started = reinterpret_cast<intptr_t>(VTExecute(
        nullptr, "", "cmd.exe", "/c echo launched> marker.txt", folder.c_str(), SW_HIDE, 1));
    EXPECT_GT(started, 32);
    while (readFile(marker).find('\n') == std::string::npos && WaitForSingleObject(changed, 60000) == WAIT_OBJECT_0)
        FindNextChangeNotification(changed);
    FindCloseChangeNotification(changed);
    EXPECT_EQ("launched\r\n", readFile(marker));

    intptr_t failed = reinterpret_cast<intptr_t>(
        VTExecute(nullptr, "", "no-such-program.exe", "", folder.c_str(), 1, 1));
    EXPECT_LE(failed, 32);
    Lines log = newLog();
    ASSERT_EQ(4u, log.size());
    EXPECT_EQ("launch started -> " + std::to_string(started), log[1]);
    EXPECT_EQ("launch failed -> " + std::to_string(failed) + " \"" +
                  systemErrorText(static_cast<unsigned long>(failed)) + "\"",
              log[3]);
}

class Transparency : public HostTest {
protected:
    HWND popup(DWORD exStyle) {
        HWND window = CreateWindowExA(exStyle, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20,
                                      nullptr, nullptr, nullptr, nullptr);
        windows.push_back(window);
        return window;
    }
    void TearDown() override {
        for (HWND window : windows) DestroyWindow(window);
        HostTest::TearDown();
    }
    std::vector<HWND> windows;
};

TEST_F(Transparency, LayeredWindowsTakeTheAlphaClampedAndOthersAreLeftAlone) {
    HWND layered = popup(WS_EX_LAYERED);
    const struct {
        int given;
        BYTE applied;
    } cases[] = {{128, 128}, {0, 0}, {255, 255}, {300, 255}, {-4, 0}, {60, 60}};
    for (const auto& c : cases) {
        SetTransparency(layered, c.given);
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(layered, nullptr, &alpha, &flags));
        EXPECT_EQ(c.applied, alpha) << "given " << c.given;
        EXPECT_EQ(static_cast<DWORD>(LWA_ALPHA), flags);
    }
    HWND plain = popup(0);
    SetTransparency(plain, 100);
    EXPECT_EQ(0, GetWindowLongA(plain, GWL_EXSTYLE) & WS_EX_LAYERED);
    SetTransparency(nullptr, 100);
    Lines log = newLog();
    ASSERT_EQ(8u, log.size());
    EXPECT_EQ("SetTransparency [Static] 300 -> 255", log[3]);
    EXPECT_EQ("SetTransparency [Static] 100 -> not layered", log[6]);
    EXPECT_EQ("SetTransparency 0 100 -> no window", log[7]);
}

class Sticky : public HostTest {};

TEST_F(Sticky, TheSetIsLoggedAfterEveryRequest) {
    HWND a = makeRecorder("stickyA", "A");
    HWND b = makeRecorder("stickyB", "B");
    MakeSticky(a);
    MakeSticky(b);
    MakeSticky(a);
    RemoveSticky(a);
    RemoveSticky(a);
    MakeSticky(nullptr);
    EXPECT_EQ(1, stickyWindowCount());
    EXPECT_EQ((Lines{"MakeSticky [stickyA]", "sticky-set [stickyA]",
                     "MakeSticky [stickyB]", "sticky-set [stickyA] [stickyB]",
                     "MakeSticky [stickyA]", "sticky-set [stickyA] [stickyB]",
                     "RemoveSticky [stickyA]", "sticky-set [stickyB]",
                     "RemoveSticky [stickyA] -> not sticky", "sticky-set [stickyB]",
                     "MakeSticky 0 -> refused (not a window)", "sticky-set [stickyB]"}),
              newLog());
}

class Snap : public HostTest {};

struct SnapCase {
    int x, y, cx, cy;
    UINT flags;
    int distance;
    int expectedX, expectedY;  // relative to the work area's left and top
};

TEST_F(Snap, ProposedPositionsNearAnEdgeOfTheWorkAreaMoveOntoIt) {
    RECT area;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0));
    int w = area.right - area.left, h = area.bottom - area.top;
    HWND window = makeRecorder("snapped", "S");
    SetWindowPos(window, nullptr, 0, 0, 30, 40, SWP_NOZORDER | SWP_NOACTIVATE);
    // Coordinates are relative to the work area; cx and cy are the proposed size.
    const SnapCase cases[] = {
        {7, 300, 20, 20, 0, 10, 0, 300},                // near the left edge
        {-5, 300, 20, 20, 0, 10, 0, 300},               // a little beyond it
        {10, 300, 20, 20, 0, 10, 0, 300},               // exactly the distance away
        {11, 300, 20, 20, 0, 10, 11, 300},              // one pixel too far
        {300, 4, 20, 20, 0, 10, 300, 0},                // near the top
        {w - 25, 300, 20, 20, 0, 10, w - 20, 300},      // right side 5 short of the right edge
        {300, h - 12, 20, 20, 0, 10, 300, h - 20},      // bottom side 8 short of the bottom
        {w - 15, h - 15, 20, 20, 0, 10, w - 20, h - 20}, // both far sides beyond
        {3, 3, 20, 20, 0, 0, 3, 3},                     // distance 0 snaps only exact hits
        {w - 37, 300, 0, 0, SWP_NOSIZE, 10, w - 30, 300},  // the window's own size, 30 x 40
        {300, h - 45, 0, 0, SWP_NOSIZE, 10, 300, h - 40},
        {5, 5, 20, 20, SWP_NOMOVE, 10, 5, 5},           // not being moved: untouched
    };
    for (const SnapCase& c : cases) {
        WINDOWPOS position = {window, nullptr, area.left + c.x, area.top + c.y, c.cx, c.cy, c.flags};
        SnapWindowToEdge(&position, c.distance, 1);
        EXPECT_EQ(area.left + c.expectedX, position.x) << "case x=" << c.x << " y=" << c.y;
        EXPECT_EQ(area.top + c.expectedY, position.y) << "case x=" << c.x << " y=" << c.y;
        EXPECT_EQ(c.cx, position.cx);
        EXPECT_EQ(c.cy, position.cy);
    }
    Lines log = newLog();
    ASSERT_EQ(12u, log.size());
    char expected[200];
    std::snprintf(expected, sizeof expected,
                  "SnapWindowToEdge [snapped] x=%ld y=%ld cx=20 cy=20 flags=0x0000 distance=10 flag=1 "
                  "-> x=%ld y=%ld",
                  area.left + 7, area.top + 300, area.left, area.top + 300);
    EXPECT_EQ(expected, log[0]);
    std::snprintf(expected, sizeof expected,
                  "SnapWindowToEdge [snapped] x=%ld y=%ld cx=20 cy=20 flags=0x0002 distance=10 flag=1 "
                  "-> unchanged (SWP_NOMOVE)",
                  area.left + 5, area.top + 5);
    EXPECT_EQ(expected, log[11]);
}

}  // namespace
