// The plugin menu as data: the twelve host calls that build and show it, in order.
#pragma once

#include <cstdint>

#include "settings/plugin_settings.h"

enum MenuCall : int32_t {
    kMenuMakeNamed,   // MakeNamedMenu(title, text = menu id, flag)
    kMenuItem,        // MakeMenuItem(menu, title, text = broadcast, check mark)
    kMenuItemInt,     // MakeMenuItemInt(menu, title, text = broadcast, transparencyAlpha, 0, 255)
    kMenuSubmenu,     // MakeSubmenu(main, Configuration, title)
    kMenuNop,         // MakeMenuNOP(menu, no title)
    kMenuShow,        // ShowMenu(main)
};

enum MenuId : int32_t { kMainMenu, kConfigMenu };

struct MenuEntry {
    MenuCall call;
    MenuId menu;                    // the menu made (kMenuMakeNamed) or added to
    const char* title;              // null for none
    const char* text;               // menu id or broadcast text; null for none
    bool PluginSettings::*checked;  // the item's check mark; null: no check mark (0)
};

constexpr int kPluginMenuEntryCount = 12;
extern const MenuEntry kPluginMenu[kPluginMenuEntryCount];

constexpr int32_t kAlphaMenuLowest = 0;
constexpr int32_t kAlphaMenuHighest = 255;
