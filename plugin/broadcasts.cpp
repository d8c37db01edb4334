// The plugin's commands: its menu, the host's broadcasts, setting toggles and reconfiguration.
#include "plugin/broadcasts.h"

#include "settings/broadcast_decision.h"
#include "win32/host_calls.h"
#include "plugin/configuration.h"
#include "settings/plugin_menu.h"
#include "settings/settings_keys.h"
#include "settings/status_texts.h"
#include "contract/vantrel.h"
#include "settings/identity.h"
#include "plugin/plugin_state.h"
#include "plugin/style_snapshot.h"
#include "plugin/window_placement.h"

namespace {

void sendStatus(const char* text) {
    sendHostStatus(plugin.windows.hostWindow, text);
}

void toggleSetting(const ToggleCommand& command, const char* word) {
    bool& setting = plugin.settings.*command.setting;
    setting = !setting;
    char status[kToggleStatusSize];
    formatToggleStatus(word, setting, status);
    sendStatus(status);
    WriteBool(plugin.settings.rcPath, command.rcKey, setting ? TRUE : FALSE);
    applyWindowPlacement();
    showPluginMenu(0);
}

void setTransparencyAlpha(int32_t alpha) {
    plugin.settings.transparencyAlpha = alpha;
    applyWindowPlacement();
    WriteInt(plugin.settings.rcPath, kKeyTransparencyAlpha, alpha);
}

void editRcFile() {
    char editor[MAX_PATH] = "";
    GetVantrelEditor(editor);
    editor[sizeof editor - 1] = '\0';
    VTExecute(nullptr, nullptr, editor, plugin.settings.rcPath, nullptr, 1, 0);
}

void showAbout() {
    char text[kAboutTextSize];
    formatAboutText(text);
    MessageBoxA(nullptr, text, "About this plugin...", MB_OK | MB_ICONINFORMATION);
}

}  // namespace

void showPluginMenu(int flag) {
    HMENU menus[2] = {nullptr, nullptr};
    for (const MenuEntry& entry : kPluginMenu) {
        HMENU menu = menus[entry.menu];
        BOOL checked = entry.checked && plugin.settings.*entry.checked ? TRUE : FALSE;
        switch (entry.call) {
        case kMenuMakeNamed: menus[entry.menu] = MakeNamedMenu(entry.title, entry.text, flag); break;
        case kMenuItem: MakeMenuItem(menu, entry.title, entry.text, checked); break;
        case kMenuItemInt:
            MakeMenuItemInt(menu, entry.title, entry.text, plugin.settings.transparencyAlpha,
                            kAlphaMenuLowest, kAlphaMenuHighest);
            break;
        case kMenuSubmenu: MakeSubmenu(menu, menus[kConfigMenu], entry.title); break;
        case kMenuNop: MakeMenuNOP(menu, nullptr); break;
        case kMenuShow: ShowMenu(menu); break;
        }
    }
}

void handleBroadcast(const char* text) {
    BroadcastDecision decision = decideBroadcast(text);
    switch (decision.action) {
    case kBroadcastIgnored: break;
    case kBroadcastShowPlugins:
        plugin.pluginsHidden = false;
        applyWindowPlacement();
        break;
    case kBroadcastHidePlugins:
        plugin.pluginsHidden = true;
        applyWindowPlacement();
        break;
    case kBroadcastToggle: toggleSetting(*decision.toggle, decision.word); break;
    case kBroadcastSetAlpha: setTransparencyAlpha(decision.alpha); break;
    case kBroadcastEdit: editRcFile(); break;
    case kBroadcastAbout: showAbout(); break;
    }
}

void handleReconfigure() {
    loadConfiguration();
    takeStyleSnapshot();
    applyWindowPlacement();
}
