// The devhost test plugin's broadcast commands: each makes a known series of host calls.
//
// "@testplugin WORD ARGUMENT": slots RC (read gesture slots), match TEXT (run the launcher),
// menu, chose ..., settings RC, paths, style, alpha N, unregister, hello, about.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "plugin/host_launcher.h"
#include "settings/settings_loader.h"
#include "contract/vantrel.h"
#include "tests/devhost/test_plugin.h"

namespace {

constexpr char kPrefix[] = "@testplugin ";

int32_t hostInt(void* rcPath, const char* key, int32_t defaultValue) {
    return ReadInt(static_cast<const char*>(rcPath), key, defaultValue);
}

bool hostBool(void* rcPath, const char* key, bool defaultValue) {
    return ReadBool(static_cast<const char*>(rcPath), key, defaultValue) != 0;
}

void hostString(void* rcPath, const char* key, const char* defaultValue, char* out, size_t outSize) {
    std::snprintf(out, outSize, "%s", ReadString(static_cast<const char*>(rcPath), key, defaultValue));
}

// The slots as trazzle.dll reads them, through the host's read calls.
void readSlots(const char* rcPath) {
    SettingsReader reader = {hostInt, hostBool, hostString, const_cast<char*>(rcPath)};
    readGestureSlots(reader, testPlugin.slots);
}

void match(const char* gestureText) {
    testPluginStatus("Trazzle -> |%s|", gestureText);
    matchGesture(testPlugin.slots, gestureText, hostLauncher(&testPlugin.hostWindow));
}

void showMenu() {
    HMENU main = MakeNamedMenu("testplugin", "testplugin_IDMain", 1);
    HMENU config = MakeNamedMenu("Configuration", "testplugin_IDConfig", 1);
    MakeMenuItem(config, "Always On Top", "@testplugin chose AlwaysOnTop", TRUE);
    MakeMenuItem(config, "Snap Window To Edge", "@testplugin chose Snap", FALSE);
    MakeMenuItemInt(config, "Alpha Value", "@testplugin chose Alpha", 60, 0, 255);
    MakeSubmenu(main, config, "Configuration");
    MakeMenuNOP(main, nullptr);
    MakeMenuItem(main, "About testplugin", "@testplugin chose About", FALSE);
    ShowMenu(main);
}

void settings(const char* rcPath) {
    int count = ReadInt(rcPath, "testplugin.count:", 0);
    WriteInt(rcPath, "testplugin.count:", count + 1);
    BOOL flag = ReadBool(rcPath, "testplugin.flag:", FALSE);
    WriteBool(rcPath, "testplugin.flag:", !flag);
    char name[100];
    std::snprintf(name, sizeof name, "%s", ReadString(rcPath, "testplugin.name:", "nobody"));
    testPluginStatus("count %d flag %d name %s", count, flag, name);
}

void paths() {
    char folder[MAX_PATH];
    GetVantrelPath(folder, sizeof folder);
    char editor[MAX_PATH];
    GetVantrelEditor(editor);
    char host[MAX_PATH + 16];
    std::snprintf(host, sizeof host, "%svantrel.exe", folder);
    BOOL hostExists = FileExists(host);
    testPluginStatus("editor %s host %s", editor, hostExists ? "found" : "missing");
}

// Paints the picture the window shows from a private copy of the host's style, as the real
// plugin's style snapshot does.
void style() {
    VantrelStyle copy;
    std::memcpy(&copy, GetSettingPtr(VANTREL_SETTING_STYLE), sizeof copy);
    int border = *static_cast<int*>(GetSettingPtr(VANTREL_SETTING_BORDER_WIDTH));
    int bevel = *static_cast<int*>(GetSettingPtr(VANTREL_SETTING_BEVEL_WIDTH));
    HFONT font = CreateStyleFont(&copy);

    HDC screen = GetDC(testPlugin.window);
    HDC memory = CreateCompatibleDC(screen);
    if (!testPlugin.picture)
        testPlugin.picture = CreateCompatibleBitmap(screen, kTestPluginWidth, kTestPluginHeight);
    HGDIOBJ previous = SelectObject(memory, testPlugin.picture);
    RECT all = {0, 0, kTestPluginWidth, kTestPluginHeight};
    MakeStyleGradient(memory, &all, &copy, 1);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(testPlugin.window, screen);
    DeleteObject(font);
    InvalidateRect(testPlugin.window, nullptr, FALSE);
    testPluginStatus("style border %d bevel %d font %s", border, bevel, font ? "made" : "missing");
}

void unregisterBroadcasts() {
    static const uint32_t kBroadcastOnly[] = {HOST_BROADCAST, 0};
    SendMessageA(testPlugin.hostWindow, HOST_UNREGISTER_MESSAGES,
                 reinterpret_cast<WPARAM>(testPlugin.window), reinterpret_cast<LPARAM>(kBroadcastOnly));
}

// The argument after WORD and one blank, or null when `command` is not WORD.
const char* argumentOf(const char* command, const char* word) {
    size_t length = std::strlen(word);
    if (std::strncmp(command, word, length) != 0) return nullptr;
    if (command[length] == '\0') return command + length;
    return command[length] == ' ' ? command + length + 1 : nullptr;
}

}  // namespace

void testPluginBroadcast(const char* text) {
    if (!text || std::strncmp(text, kPrefix, sizeof kPrefix - 1) != 0) return;
    const char* command = text + sizeof kPrefix - 1;
    const char* argument;
    if ((argument = argumentOf(command, "slots"))) readSlots(argument);
    else if ((argument = argumentOf(command, "match"))) match(argument);
    else if ((argument = argumentOf(command, "menu"))) showMenu();
    else if ((argument = argumentOf(command, "chose"))) testPluginStatus("testplugin chose %s", argument);
    else if ((argument = argumentOf(command, "settings"))) settings(argument);
    else if ((argument = argumentOf(command, "paths"))) paths();
    else if ((argument = argumentOf(command, "style"))) style();
    else if ((argument = argumentOf(command, "alpha"))) SetTransparency(testPlugin.window, std::atoi(argument));
    else if ((argument = argumentOf(command, "unregister"))) unregisterBroadcasts();
    else if ((argument = argumentOf(command, "hello"))) testPluginStatus("hello from testplugin");
    else if ((argument = argumentOf(command, "about")))
        MessageBoxA(nullptr, "devhost test plugin 1.0\n\tfor trying vantrel.exe", "About this plugin...",
                    MB_OK | MB_ICONINFORMATION);
    else testPluginStatus("testplugin: unknown command %s", command);
}
