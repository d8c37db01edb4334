// The menus plugins build through the host: bounded tables mirroring real popup menus.
#pragma once

#include <windows.h>

constexpr int kMaxMenus = 16;
constexpr int kMaxMenuEntries = 32;
constexpr int kMenuTitleSize = 128;
constexpr int kMenuBroadcastSize = 256;
constexpr int kNumberChoices = 9;  // values a number item offers in its popup submenu

enum MenuEntryKind { kEntryItem, kEntryNumber, kEntrySeparator, kEntrySubmenu };

struct MenuEntry {
    MenuEntryKind kind;
    char title[kMenuTitleSize];          // as the plugin gave it; null titles are empty
    bool titleNull;
    char broadcast[kMenuBroadcastSize];  // items and number items
    BOOL checked;                        // items
    int value, minimum, maximum;         // number items
    int submenu;                         // submenus: table index of the attached menu
    HMENU valuesMenu;                    // number items: the popup listing values to pick
};

struct HostMenu {
    bool used;
    HMENU handle;
    int number;  // logged as menuN; counts up over the whole run, so logs are stable
    char title[kMenuTitleSize];
    int entryCount;
    MenuEntry entries[kMaxMenuEntries];
};

extern HostMenu hostMenus[kMaxMenus];

// Table index of a menu handle made by MakeNamedMenu, or -1.
int menuIndexOf(HMENU handle);

// Destroys every menu for which keep[index] is false (all of them for a null `keep`).
void menuFree(const bool* keep);

// Destroys every menu and numbers the next one menu1 again, as at the host's start.
void menuReset();
