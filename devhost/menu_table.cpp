// The menus plugins build through the host: bounded tables mirroring real popup menus.
#define VANTREL_BUILDING_HOST
#include "devhost/menu_table.h"

#include <cstdio>

#include "devhost/host_log.h"
#include "contract/vantrel.h"

HostMenu hostMenus[kMaxMenus];
static int menusMade = 0;

int menuIndexOf(HMENU handle) {
    if (!handle) return -1;
    for (int i = 0; i < kMaxMenus; ++i)
        if (hostMenus[i].used && hostMenus[i].handle == handle) return i;
    return -1;
}

void menuFree(const bool* keep) {
    for (int i = 0; i < kMaxMenus; ++i) {
        HostMenu& menu = hostMenus[i];
        if (!menu.used || (keep && keep[i])) continue;
        // DestroyMenu would take attached submenus along, and those may be shown still, or
        // freed on their own: detach them first, from the last position down.
        for (int e = menu.entryCount - 1; e >= 0; --e) {
            MenuEntry& entry = menu.entries[e];
            if (entry.kind == kEntrySubmenu || entry.kind == kEntryNumber)
                RemoveMenu(menu.handle, static_cast<UINT>(e), MF_BYPOSITION);
            if (entry.kind == kEntryNumber) DestroyMenu(entry.valuesMenu);
        }
        DestroyMenu(menu.handle);
        menu.used = false;
    }
}

void menuReset() {
    menuFree(nullptr);
    menusMade = 0;
}

static void copyTitle(char (&to)[kMenuTitleSize], const char* from) {
    std::snprintf(to, sizeof to, "%s", from ? from : "");
}

static void logMenuName(LogLine& line, int index) {
    if (index < 0) logAdd(line, " ?");
    else logAdd(line, " menu%d", hostMenus[index].number);
}

// Starts a log line for a call on `menu`; gives the entry to fill, or null (and logs why).
static MenuEntry* beginEntry(LogLine& line, const char* call, HMENU handle, int* indexOut) {
    int index = menuIndexOf(handle);
    *indexOut = index;
    logBegin(line, call);
    logMenuName(line, index);
    if (index < 0) return nullptr;
    HostMenu& menu = hostMenus[index];
    if (menu.entryCount == kMaxMenuEntries) return nullptr;
    return &menu.entries[menu.entryCount];
}

static void refuse(LogLine& line, int index) {
    logAdd(line, " -> refused (%s)", index < 0 ? "unknown menu" : "menu full");
    logEnd(line);
}

HMENU MakeNamedMenu(const char* title, const char* menuId, int flag) {
    LogLine line;
    logBegin(line, "MakeNamedMenu");
    logAddText(line, title);
    logAddText(line, menuId);
    logAdd(line, " %d ->", flag);
    int index = 0;
    while (index < kMaxMenus && hostMenus[index].used) ++index;
    HMENU handle = index < kMaxMenus ? CreatePopupMenu() : nullptr;
    if (!handle) {
        logAdd(line, " refused (%s)", index < kMaxMenus ? "CreatePopupMenu failed" : "no room");
        logEnd(line);
        return nullptr;
    }
    HostMenu& menu = hostMenus[index];
    menu.used = true;
    menu.handle = handle;
    menu.number = ++menusMade;
    menu.entryCount = 0;
    copyTitle(menu.title, title);
    logAdd(line, " menu%d", menu.number);
    logEnd(line);
    return handle;
}

void MakeMenuItem(HMENU handle, const char* title, const char* broadcast, BOOL checked) {
    LogLine line;
    int index;
    MenuEntry* entry = beginEntry(line, "MakeMenuItem", handle, &index);
    logAddText(line, title);
    logAddText(line, broadcast);
    logAdd(line, " %d", checked);
    if (!entry) return refuse(line, index);
    logEnd(line);
    entry->kind = kEntryItem;
    copyTitle(entry->title, title);
    entry->titleNull = title == nullptr;
    std::snprintf(entry->broadcast, sizeof entry->broadcast, "%s", broadcast ? broadcast : "");
    entry->checked = checked;
    int id = 1 + index * kMaxMenuEntries + hostMenus[index].entryCount;
    AppendMenuA(handle, MF_STRING | (checked ? MF_CHECKED : MF_UNCHECKED), id, entry->title);
    ++hostMenus[index].entryCount;
}

// The values a number item offers: both bounds and evenly spaced ones between them.
static HMENU makeValuesMenu(int menuIndex, int entryIndex, const MenuEntry& entry) {
    HMENU values = CreatePopupMenu();
    int previous = 0;
    for (int k = 0; k < kNumberChoices; ++k) {
        long long span = static_cast<long long>(entry.maximum) - entry.minimum;
        int value = static_cast<int>(entry.minimum + span * k / (kNumberChoices - 1));
        if (k > 0 && value == previous) continue;
        previous = value;
        char text[32];
        std::snprintf(text, sizeof text, "%d", value);
        int id = 0x1000 + (menuIndex * kMaxMenuEntries + entryIndex) * kNumberChoices + k;
        AppendMenuA(values, MF_STRING | (value == entry.value ? MF_CHECKED : MF_UNCHECKED), id,
                    text);
    }
    return values;
}

void MakeMenuItemInt(HMENU handle, const char* title, const char* broadcast, int value,
                     int minimum, int maximum) {
    LogLine line;
    int index;
    MenuEntry* entry = beginEntry(line, "MakeMenuItemInt", handle, &index);
    logAddText(line, title);
    logAddText(line, broadcast);
    logAdd(line, " %d %d %d", value, minimum, maximum);
    if (entry && minimum > maximum) {
        logAdd(line, " -> refused (minimum above maximum)");
        logEnd(line);
        return;
    }
    if (!entry) return refuse(line, index);
    logEnd(line);
    entry->kind = kEntryNumber;
    copyTitle(entry->title, title);
    entry->titleNull = title == nullptr;
    std::snprintf(entry->broadcast, sizeof entry->broadcast, "%s", broadcast ? broadcast : "");
    entry->value = value;
    entry->minimum = minimum;
    entry->maximum = maximum;
    entry->valuesMenu = makeValuesMenu(index, hostMenus[index].entryCount, *entry);
    char shown[kMenuTitleSize + 16];
    std::snprintf(shown, sizeof shown, "%s: %d", entry->title, value);
    AppendMenuA(handle, MF_POPUP, reinterpret_cast<UINT_PTR>(entry->valuesMenu), shown);
    ++hostMenus[index].entryCount;
}

void MakeMenuNOP(HMENU handle, const char* title) {
    LogLine line;
    int index;
    MenuEntry* entry = beginEntry(line, "MakeMenuNOP", handle, &index);
    logAddText(line, title);
    if (!entry) return refuse(line, index);
    logEnd(line);
    entry->kind = kEntrySeparator;
    copyTitle(entry->title, title);
    entry->titleNull = title == nullptr;
    // A titled entry shows its title greyed out; an untitled one is a separator line.
    if (entry->title[0]) AppendMenuA(handle, MF_STRING | MF_GRAYED, 0, entry->title);
    else AppendMenuA(handle, MF_SEPARATOR, 0, nullptr);
    ++hostMenus[index].entryCount;
}

// True when `target` can be reached from menu `from` through its submenus.
static bool reaches(int from, int target, int depth) {
    if (from == target) return true;
    if (depth > kMaxMenus) return false;
    const HostMenu& menu = hostMenus[from];
    for (int e = 0; e < menu.entryCount; ++e)
        if (menu.entries[e].kind == kEntrySubmenu && reaches(menu.entries[e].submenu, target, depth + 1))
            return true;
    return false;
}

void MakeSubmenu(HMENU handle, HMENU submenu, const char* title) {
    LogLine line;
    int index;
    MenuEntry* entry = beginEntry(line, "MakeSubmenu", handle, &index);
    int subIndex = menuIndexOf(submenu);
    logMenuName(line, subIndex);
    logAddText(line, title);
    if (entry && subIndex < 0) {
        logAdd(line, " -> refused (unknown submenu)");
        logEnd(line);
        return;
    }
    if (entry && reaches(subIndex, index, 0)) {
        logAdd(line, " -> refused (a menu cannot hold itself)");
        logEnd(line);
        return;
    }
    if (!entry) return refuse(line, index);
    logEnd(line);
    entry->kind = kEntrySubmenu;
    copyTitle(entry->title, title);
    entry->titleNull = title == nullptr;
    entry->submenu = subIndex;
    AppendMenuA(handle, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), entry->title);
    ++hostMenus[index].entryCount;
}
