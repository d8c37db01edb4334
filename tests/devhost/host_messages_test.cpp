// Tests of message registration, broadcast and reconfigure dispatch, and menus, in process.
#include <windows.h>

#include <cstdint>

#include "devhost/host_dispatch.h"
#include "devhost/host_state.h"
#include "devhost/menu_show.h"
#include "devhost/menu_table.h"
#include "devhost/message_registry.h"
#include "contract/vantrel.h"
#include "tests/devhost/devhost_support.h"
#include "tests/devhost/host_fixture.h"

namespace {

using Lines = std::vector<std::string>;

const uint32_t kBoth[] = {HOST_RECONFIGURE, HOST_BROADCAST, 0};
const uint32_t kBroadcastOnly[] = {HOST_BROADCAST, 0};

LRESULT sendToHost(UINT message, HWND window, const uint32_t* list) {
    return SendMessageA(hostState.mainWindow, message, reinterpret_cast<WPARAM>(window),
                        reinterpret_cast<LPARAM>(list));
}

class Registration : public HostTest {};

TEST_F(Registration, BroadcastsAndReconfigureReachOnlyTheWindowsRegisteredForThem) {
    HWND both = makeRecorder("recorderA", "A");
    HWND broadcasts = makeRecorder("recorderB", "B");
    makeRecorder("recorderC", "C");  // never registers
    EXPECT_EQ(1, sendToHost(HOST_REGISTER_MESSAGES, both, kBoth));
    EXPECT_EQ(1, sendToHost(HOST_REGISTER_MESSAGES, broadcasts, kBroadcastOnly));
    skipLog();

    hostBroadcast("@VTHidePlugins");
    hostReconfigure();
    EXPECT_EQ((Lines{"A @VTHidePlugins", "B @VTHidePlugins", "A reconfigure"}), recorded());
    EXPECT_EQ((Lines{"broadcast \"@VTHidePlugins\"",
                     "deliver [recorderA] HOST_BROADCAST \"@VTHidePlugins\"",
                     "deliver [recorderB] HOST_BROADCAST \"@VTHidePlugins\"",
                     "reconfigure",
                     "settings " + std::string("\"") + folder + "host.rc\" missing",
                     "deliver [recorderA] HOST_RECONFIGURE"}),
              newLog());

    // After unregistering its broadcasts, A still gets reconfigure; B gets nothing at all.
    recorded().clear();
    EXPECT_EQ(1, sendToHost(HOST_UNREGISTER_MESSAGES, both, kBroadcastOnly));
    EXPECT_EQ(1, sendToHost(HOST_UNREGISTER_MESSAGES, broadcasts, kBroadcastOnly));
    hostBroadcast("@VTShowPlugins");
    hostReconfigure();
    EXPECT_EQ((Lines{"A reconfigure"}), recorded());
    EXPECT_FALSE(registryHas(broadcasts, HOST_BROADCAST));
}

// A window whose broadcast handler unregisters another window, as a plugin closing its
// companion window would.
HWND unregisteredByHandler = nullptr;

LRESULT CALLBACK unregisteringProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == HOST_BROADCAST)
        sendToHost(HOST_UNREGISTER_MESSAGES, unregisteredByHandler, kBroadcastOnly);
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(Registration, AWindowUnregisteredDuringABroadcastGetsNoMoreOfIt) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = unregisteringProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "unregistering";
    RegisterClassA(&windowClass);
    HWND first = CreateWindowExA(0, "unregistering", "", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    unregisteredByHandler = makeRecorder("recorderB", "B");
    sendToHost(HOST_REGISTER_MESSAGES, first, kBroadcastOnly);
    sendToHost(HOST_REGISTER_MESSAGES, unregisteredByHandler, kBroadcastOnly);
    skipLog();
    hostBroadcast("bye");
    EXPECT_EQ((Lines{}), recorded());
    EXPECT_EQ((Lines{"broadcast \"bye\"", "deliver [unregistering] HOST_BROADCAST \"bye\"",
                     "unregister [recorderB] 10901"}),
              newLog());
    DestroyWindow(first);
    UnregisterClassA("unregistering", GetModuleHandleA(nullptr));
}

TEST_F(Registration, RepeatedNumbersAreKeptOnceAndUnregisteringAllDropsTheWindow) {
    HWND window = makeRecorder("recorderA", "A");
    const uint32_t twice[] = {HOST_BROADCAST, HOST_BROADCAST, 0};
    sendToHost(HOST_REGISTER_MESSAGES, window, twice);
    sendToHost(HOST_REGISTER_MESSAGES, window, kBoth);
    hostBroadcast("x");
    EXPECT_EQ((Lines{"A x"}), recorded());
    sendToHost(HOST_UNREGISTER_MESSAGES, window, kBoth);
    HWND recipients[4];
    EXPECT_EQ(0, registryRecipients(HOST_BROADCAST, recipients, 4));
    EXPECT_EQ(0, registryRecipients(HOST_RECONFIGURE, recipients, 4));
}

TEST_F(Registration, RequestsThatCannotBeKeptAreRefusedWhole) {
    HWND window = makeRecorder("recorderA", "A");
    uint32_t unterminated[kMaxMessageListLength];
    for (uint32_t& number : unterminated) number = 10500;
    uint32_t nine[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0};
    EXPECT_EQ(0, sendToHost(HOST_REGISTER_MESSAGES, window, nullptr));
    EXPECT_EQ(0, sendToHost(HOST_REGISTER_MESSAGES, window, unterminated));
    EXPECT_EQ(0, sendToHost(HOST_REGISTER_MESSAGES, reinterpret_cast<HWND>(0x1234), kBoth));
    EXPECT_EQ(0, sendToHost(HOST_REGISTER_MESSAGES, window, nine));
    EXPECT_EQ((Lines{"register [recorderA] -> refused (no message list)",
                     "register [recorderA] -> refused (message list without its terminating 0)",
                     "register [?] 10103 10901 -> refused (not a window)",
                     "register [recorderA] 1 2 3 4 5 6 7 8 9 -> refused (no room for more messages)"}),
              newLog());
    HWND recipients[4];
    EXPECT_EQ(0, registryRecipients(1, recipients, 4));
}

TEST_F(Registration, TheWindowTableIsBoundedAndRefusesOneMore) {
    std::vector<HWND> windows;
    for (int i = 0; i <= kMaxRegisteredWindows; ++i) {
        std::string name = "w" + std::to_string(i);
        windows.push_back(makeRecorder("recorderMany", name.c_str()));
    }
    for (int i = 0; i < kMaxRegisteredWindows; ++i)
        EXPECT_EQ(1, sendToHost(HOST_REGISTER_MESSAGES, windows[i], kBroadcastOnly));
    skipLog();
    EXPECT_EQ(0, sendToHost(HOST_REGISTER_MESSAGES, windows.back(), kBroadcastOnly));
    EXPECT_EQ((Lines{"register [recorderMany] 10901 -> refused (no room for another window)"}), newLog());
    hostBroadcast("n");
    EXPECT_EQ(static_cast<size_t>(kMaxRegisteredWindows), recorded().size());
    EXPECT_EQ("w0 n", recorded().front());
}

class Menus : public HostTest {
protected:
    // A main menu with an item, a separator and a submenu holding a number item.
    HMENU build() {
        HMENU main = MakeNamedMenu("main", "id_Main", 1);
        HMENU sub = MakeNamedMenu("Sub", "id_Sub", 0);
        MakeMenuItem(main, "Plain", "@x plain", FALSE);
        MakeMenuNOP(main, nullptr);
        MakeMenuNOP(main, "inert");
        MakeMenuItem(sub, "Checked", "@x checked", TRUE);
        MakeMenuItemInt(sub, "Alpha Value", "@x alpha", 60, 0, 255);
        MakeSubmenu(main, sub, "Sub");
        return main;
    }
};

TEST_F(Menus, EveryCallAndTheShownMenuAreLoggedItemByItem) {
    ShowMenu(build());
    EXPECT_EQ((Lines{"MakeNamedMenu \"main\" \"id_Main\" 1 -> menu1",
                     "MakeNamedMenu \"Sub\" \"id_Sub\" 0 -> menu2",
                     "MakeMenuItem menu1 \"Plain\" \"@x plain\" 0",
                     "MakeMenuNOP menu1 null",
                     "MakeMenuNOP menu1 \"inert\"",
                     "MakeMenuItem menu2 \"Checked\" \"@x checked\" 1",
                     "MakeMenuItemInt menu2 \"Alpha Value\" \"@x alpha\" 60 0 255",
                     "MakeSubmenu menu1 menu2 \"Sub\"",
                     "ShowMenu menu1",
                     "menu-begin menu1 \"main\"",
                     "menu-item menu1 \"Plain\" \"@x plain\" unchecked",
                     "menu-separator menu1 null",
                     "menu-separator menu1 \"inert\"",
                     "menu-submenu menu1 \"Sub\" menu2",
                     "menu-begin menu2 \"Sub\"",
                     "menu-item menu2 \"Checked\" \"@x checked\" checked",
                     "menu-number menu2 \"Alpha Value\" \"@x alpha\" 60 0 255",
                     "menu-end menu2",
                     "menu-end menu1"}),
              newLog());
}

TEST_F(Menus, ChoosingAnItemBroadcastsItsTextAndANumberItemItsTextAndValue) {
    HWND window = makeRecorder("recorderA", "A");
    sendToHost(HOST_REGISTER_MESSAGES, window, kBroadcastOnly);
    char error[200];
    ShowMenu(build());
    EXPECT_TRUE(menuChoose("Checked", false, 0, error, sizeof error)) << error;
    ShowMenu(build());
    EXPECT_TRUE(menuChoose("Alpha Value", true, 128, error, sizeof error)) << error;
    ShowMenu(build());
    EXPECT_TRUE(menuChoose("Alpha Value", true, 0, error, sizeof error)) << error;
    EXPECT_EQ((Lines{"A @x checked", "A @x alpha 128", "A @x alpha 0"}), recorded());
}

struct BadChoice {
    const char* title;
    bool hasValue;
    int value;
    const char* error;
};

TEST_F(Menus, ChoicesThatTheShownMenuCannotTakeAreRefusedWithTheirReason) {
    const BadChoice cases[] = {
        {"Nope", false, 0, "the menu shown has no item \"Nope\""},
        {"Sub", false, 0, "the menu shown has no item \"Sub\""},
        {"inert", false, 0, "the menu shown has no item \"inert\""},
        {"Alpha Value", false, 0, "\"Alpha Value\" is a number item: give its value as \"Alpha Value = VALUE\""},
        {"Plain", true, 3, "\"Plain\" is not a number item and takes no value"},
        {"Alpha Value", true, 256, "256 is outside 0 to 255 of \"Alpha Value\""},
        {"Alpha Value", true, -1, "-1 is outside 0 to 255 of \"Alpha Value\""},
    };
    ShowMenu(build());
    for (const BadChoice& c : cases) {
        char error[200] = "";
        EXPECT_FALSE(menuChoose(c.title, c.hasValue, c.value, error, sizeof error)) << c.title;
        EXPECT_STREQ(c.error, error);
    }
    // A successful choice closes the menu; nothing is shown any more.
    char error[200] = "";
    EXPECT_TRUE(menuChoose("Plain", false, 0, error, sizeof error));
    EXPECT_FALSE(menuChoose("Plain", false, 0, error, sizeof error));
    EXPECT_STREQ("no menu is shown", error);
}

TEST_F(Menus, TablesAreBoundedAndAMenuCannotHoldItself) {
    HMENU first = MakeNamedMenu("m", "id", 0);
    for (int i = 1; i < kMaxMenus; ++i) MakeNamedMenu("m", "id", 0);
    skipLog();
    EXPECT_EQ(nullptr, MakeNamedMenu("one more", "id", 0));
    MakeSubmenu(first, first, "self");
    MakeMenuItem(reinterpret_cast<HMENU>(0x77), "x", "y", FALSE);
    for (int i = 0; i <= kMaxMenuEntries; ++i) MakeMenuItem(first, "i", "b", FALSE);
    Lines log = newLog();
    ASSERT_EQ(3u + kMaxMenuEntries + 1u, log.size());
    EXPECT_EQ("MakeNamedMenu \"one more\" \"id\" 0 -> refused (no room)", log[0]);
    EXPECT_EQ("MakeSubmenu menu1 menu1 \"self\" -> refused (a menu cannot hold itself)", log[1]);
    EXPECT_EQ("MakeMenuItem ? \"x\" \"y\" 0 -> refused (unknown menu)", log[2]);
    EXPECT_EQ("MakeMenuItem menu1 \"i\" \"b\" 0 -> refused (menu full)", log.back());
    // Showing one menu frees every other, so building can go on.
    ShowMenu(first);
    EXPECT_NE(nullptr, MakeNamedMenu("again", "id", 0));
}

// Presses Down, Down and Enter in the popup menu the moment it is shown, as a user would: a
// hook on the showing thread sees the popup's window become visible.
bool keysPressed;

LRESULT CALLBACK pickSecondItemOnceShown(int code, WPARAM wParam, LPARAM lParam) {
    const CWPRETSTRUCT* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    char name[16] = "";
    if (code >= 0 && !keysPressed && call->message == WM_WINDOWPOSCHANGED &&
        (reinterpret_cast<const WINDOWPOS*>(call->lParam)->flags & SWP_SHOWWINDOW) &&
        GetClassNameA(call->hwnd, name, sizeof name) && lstrcmpA(name, "#32768") == 0) {
        keysPressed = true;
        for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
            PostMessageA(call->hwnd, WM_KEYDOWN, key, 0);
            PostMessageA(call->hwnd, WM_KEYUP, key, 0xC0000000);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(Menus, WithoutAScriptARealPopupMenuOpensAndTheUsersChoiceIsBroadcast) {
    hostState.unattended = false;
    HWND window = makeRecorder("recorderA", "A");
    sendToHost(HOST_REGISTER_MESSAGES, window, kBroadcastOnly);
    HMENU main = MakeNamedMenu("main", "id", 1);
    MakeMenuItem(main, "One", "@x one", FALSE);
    MakeMenuItem(main, "Two", "@x two", FALSE);
    skipLog();
    keysPressed = false;
    HHOOK watch = SetWindowsHookExA(WH_CALLWNDPROCRET, pickSecondItemOnceShown, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, watch);
    ShowMenu(main);
    UnhookWindowsHookEx(watch);
    EXPECT_TRUE(keysPressed) << "no popup menu appeared";
    EXPECT_EQ((Lines{"A @x two"}), recorded());
    Lines log = newLog();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ("menu-choose menu1 \"Two\"", log[log.size() - 3]);
    EXPECT_EQ("broadcast \"@x two\"", log[log.size() - 2]);
}

}  // namespace
