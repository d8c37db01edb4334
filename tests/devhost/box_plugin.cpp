// A plugin whose start fails with a message box, as real plugins report a broken start.
#include <windows.h>

#define PLUGIN_EXPORT extern "C" __declspec(dllexport)

PLUGIN_EXPORT int beginPlugin(HINSTANCE) {
    MessageBoxA(nullptr, "boxplugin cannot start:\n\tno settings", "boxplugin", MB_OK | MB_ICONERROR);
    return 1;
}

PLUGIN_EXPORT void endPlugin(HINSTANCE) {}

PLUGIN_EXPORT const char* pluginInfo(int) { return "boxplugin"; }
