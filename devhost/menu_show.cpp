// Showing a plugin menu: the log dump, the real popup for a person, the choice for a script.
//
// Without a script ShowMenu opens a real popup menu at the cursor and waits for the user, as
// a shell does. Under a script nobody would close it, so ShowMenu only writes the menu to the
// log and keeps it as the shown menu until the script chooses from it (menuChoose) or another
// menu is shown.
#define VANTREL_BUILDING_HOST
#include "devhost/menu_show.h"

#include <cstdio>
#include <cstring>

#include "devhost/host_dispatch.h"
#include "devhost/host_log.h"
#include "devhost/host_state.h"
#include "devhost/menu_table.h"
#include "contract/vantrel.h"

static int shownMenu = -1;

static void dumpMenu(int index, int depth) {
    const HostMenu& menu = hostMenus[index];
    LogLine line;
    logBegin(line, "menu-begin");
    logAdd(line, " menu%d", menu.number);
    logAddText(line, menu.title);
    logEnd(line);
    for (int e = 0; e < menu.entryCount; ++e) {
        const MenuEntry& entry = menu.entries[e];
        static const char* const kKinds[] = {"menu-item", "menu-number", "menu-separator",
                                             "menu-submenu"};
        logBegin(line, kKinds[entry.kind]);
        logAdd(line, " menu%d", menu.number);
        logAddText(line, entry.titleNull ? nullptr : entry.title);
        if (entry.kind == kEntryItem) {
            logAddText(line, entry.broadcast);
            logAdd(line, entry.checked ? " checked" : " unchecked");
        } else if (entry.kind == kEntryNumber) {
            logAddText(line, entry.broadcast);
            logAdd(line, " %d %d %d", entry.value, entry.minimum, entry.maximum);
        } else if (entry.kind == kEntrySubmenu) {
            logAdd(line, " menu%d", hostMenus[entry.submenu].number);
        }
        logEnd(line);
        // MakeSubmenu refuses cycles; the depth bound only guards against a broken table.
        if (entry.kind == kEntrySubmenu && depth < kMaxMenus) dumpMenu(entry.submenu, depth + 1);
    }
    logBegin(line, "menu-end");
    logAdd(line, " menu%d", menu.number);
    logEnd(line);
}

static void markTree(int index, bool* keep, int depth) {
    if (keep[index] || depth > kMaxMenus) return;
    keep[index] = true;
    const HostMenu& menu = hostMenus[index];
    for (int e = 0; e < menu.entryCount; ++e)
        if (menu.entries[e].kind == kEntrySubmenu) markTree(menu.entries[e].submenu, keep, depth + 1);
}

static void logChoice(int index, const MenuEntry& entry, const int* value) {
    LogLine line;
    logBegin(line, "menu-choose");
    logAdd(line, " menu%d", hostMenus[index].number);
    logAddText(line, entry.title);
    if (value) logAdd(line, " %d", *value);
    logEnd(line);
}

// Closes every menu first, so a handler that shows a new menu finds the tables free.
static void chooseEntry(int index, const MenuEntry& entry, const int* value) {
    logChoice(index, entry, value);
    char text[kBroadcastTextSize];
    if (value) std::snprintf(text, sizeof text, "%s %d", entry.broadcast, *value);
    else std::snprintf(text, sizeof text, "%s", entry.broadcast);
    menuFree(nullptr);
    shownMenu = -1;
    hostBroadcast(text);
}

// Maps a command id of TrackPopupMenu back to its entry (and the value for number items).
static bool decodeCommand(UINT id, int* menuIndex, int* entryIndex, int* value) {
    if (id >= 1 && id < 0x1000) {
        *menuIndex = static_cast<int>(id - 1) / kMaxMenuEntries;
        *entryIndex = static_cast<int>(id - 1) % kMaxMenuEntries;
        return *menuIndex < kMaxMenus;
    }
    if (id < 0x1000) return false;
    int slot = static_cast<int>(id - 0x1000) / kNumberChoices;
    int k = static_cast<int>(id - 0x1000) % kNumberChoices;
    *menuIndex = slot / kMaxMenuEntries;
    *entryIndex = slot % kMaxMenuEntries;
    if (*menuIndex >= kMaxMenus) return false;
    const MenuEntry& entry = hostMenus[*menuIndex].entries[*entryIndex];
    long long span = static_cast<long long>(entry.maximum) - entry.minimum;
    *value = static_cast<int>(entry.minimum + span * k / (kNumberChoices - 1));
    return true;
}

static void trackMenu(int index) {
    POINT cursor;
    GetCursorPos(&cursor);
    HWND owner = hostState.mainWindow;
    // Without the foreground the popup would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    UINT id = TrackPopupMenu(hostMenus[index].handle, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                             cursor.x, cursor.y, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
    int menuIndex, entryIndex, value = 0;
    if (id && decodeCommand(id, &menuIndex, &entryIndex, &value)) {
        MenuEntry entry = hostMenus[menuIndex].entries[entryIndex];
        chooseEntry(menuIndex, entry, entry.kind == kEntryNumber ? &value : nullptr);
        return;
    }
    logWrite("menu-closed");
    menuFree(nullptr);
}

void ShowMenu(HMENU handle) {
    int index = menuIndexOf(handle);
    LogLine line;
    logBegin(line, "ShowMenu");
    if (index < 0) {
        logAdd(line, " ? -> refused (unknown menu)");
        logEnd(line);
        return;
    }
    logAdd(line, " menu%d", hostMenus[index].number);
    logEnd(line);
    dumpMenu(index, 0);

    // The menus built for this one stay; whatever else was built or shown before goes.
    bool keep[kMaxMenus] = {};
    markTree(index, keep, 0);
    menuFree(keep);
    if (hostState.unattended) {
        shownMenu = index;
        return;
    }
    shownMenu = -1;
    trackMenu(index);
}

static bool findEntry(int index, const char* title, int depth, int* foundMenu, int* foundEntry) {
    const HostMenu& menu = hostMenus[index];
    for (int e = 0; e < menu.entryCount; ++e) {
        const MenuEntry& entry = menu.entries[e];
        if ((entry.kind == kEntryItem || entry.kind == kEntryNumber) &&
            std::strcmp(entry.title, title) == 0) {
            *foundMenu = index;
            *foundEntry = e;
            return true;
        }
        if (entry.kind == kEntrySubmenu && depth < kMaxMenus &&
            findEntry(entry.submenu, title, depth + 1, foundMenu, foundEntry))
            return true;
    }
    return false;
}

bool menuChoose(const char* title, bool hasValue, int value, char* error, size_t errorSize) {
    int menuIndex, entryIndex;
    if (shownMenu < 0 || !hostMenus[shownMenu].used) {
        std::snprintf(error, errorSize, "no menu is shown");
        return false;
    }
    if (!findEntry(shownMenu, title, 0, &menuIndex, &entryIndex)) {
        std::snprintf(error, errorSize, "the menu shown has no item \"%s\"", title);
        return false;
    }
    MenuEntry entry = hostMenus[menuIndex].entries[entryIndex];
    if (entry.kind == kEntryNumber && !hasValue) {
        std::snprintf(error, errorSize, "\"%s\" is a number item: give its value as \"%s = VALUE\"",
                      title, title);
        return false;
    }
    if (entry.kind == kEntryItem && hasValue) {
        std::snprintf(error, errorSize, "\"%s\" is not a number item and takes no value", title);
        return false;
    }
    if (hasValue && (value < entry.minimum || value > entry.maximum)) {
        std::snprintf(error, errorSize, "%d is outside %d to %d of \"%s\"", value, entry.minimum,
                      entry.maximum, title);
        return false;
    }
    chooseEntry(menuIndex, entry, hasValue ? &value : nullptr);
    return true;
}
