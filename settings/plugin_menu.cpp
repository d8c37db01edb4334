// The plugin menu as data: the twelve host calls that build and show it, in order.
#include "settings/plugin_menu.h"

const MenuEntry kPluginMenu[kPluginMenuEntryCount] = {
    {kMenuMakeNamed, kMainMenu, "trazzle", "trazzle_IDMain", nullptr},
    {kMenuMakeNamed, kConfigMenu, "Configuration", "trazzle_IDConfig", nullptr},
    {kMenuItem, kConfigMenu, "Always On Top", "@trazzleInternal AlwaysOnTop", &PluginSettings::alwaysOnTop},
    {kMenuItem, kConfigMenu, "Snap Window To Edge", "@trazzleInternal SnapWindowToEdge",
     &PluginSettings::snapWindow},
    {kMenuItem, kConfigMenu, "Toggle With Plugins", "@trazzleInternal ToggleWithPlugins",
     &PluginSettings::toggleWithPlugins},
    {kMenuItem, kConfigMenu, "Transparency Enabled", "@trazzleInternal TransparencyEnabled",
     &PluginSettings::transparencyEnabled},
    // No trailing blank: the host appends a blank and the chosen value.
    {kMenuItemInt, kConfigMenu, "Alpha Value", "@trazzleInternal TransparencyAlpha", nullptr},
    {kMenuSubmenu, kMainMenu, "Configuration", nullptr, nullptr},
    {kMenuNop, kMainMenu, nullptr, nullptr, nullptr},
    {kMenuItem, kMainMenu, "Edit trazzle.rc", "@trazzleInternal Edit", nullptr},
    {kMenuItem, kMainMenu, "About trazzle", "@trazzleInternal About", nullptr},
    {kMenuShow, kMainMenu, nullptr, nullptr, nullptr},
};
