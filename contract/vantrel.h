// The contract between the plugin and its host vantrel.exe: exported host functions and host messages.
//
// Every function is exported by vantrel.exe under its plain name, extern "C", cdecl, with ANSI
// texts. The plugin links against an import library made from vantrel.def, so this header is
// the single statement of the types; the stand-in host implements exactly these declarations.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#ifdef VANTREL_BUILDING_HOST
#define VANTREL_API extern "C" __declspec(dllexport)
#else
#define VANTREL_API extern "C"
#endif

// Host messages. To the host: wParam is the plugin's window, lParam a zero-terminated list of
// 32-bit message numbers (the numbers it wants, or no longer wants, to receive).
enum : UINT {
    HOST_REGISTER_MESSAGES = 10001,
    HOST_UNREGISTER_MESSAGES = 10002,
    HOST_RECONFIGURE = 10103,       // from the host; wParam and lParam carry nothing
    HOST_SET_STATUS_LABEL = 10304,  // to the host; wParam 0, lParam the status text
    HOST_BROADCAST = 10901,         // from the host; lParam the command text
};

// GetSettingPtr indices.
enum : int {
    VANTREL_SETTING_STYLE = 1,         // VantrelStyle record
    VANTREL_SETTING_BORDER_WIDTH = 12,  // int32_t
    VANTREL_SETTING_BEVEL_WIDTH = 14,   // int32_t
};

// The host's style record, 300 bytes. Plugins read cornerColour and textColour and hand the
// whole record back to CreateStyleFont and MakeStyleGradient; everything else is the host's.
struct VantrelStyle {
    COLORREF gradientFrom;       // bytes 0-3: first gradient colour
    COLORREF gradientTo;         // bytes 4-7: second gradient colour
    int32_t gradientVertical;    // bytes 8-11: 1 top to bottom, 0 left to right
    COLORREF bevelLight;         // bytes 12-15: upper-left bevel line
    COLORREF bevelDark;          // bytes 16-19: lower-right bevel line
    COLORREF cornerColour;       // bytes 20-23
    COLORREF textColour;         // bytes 24-27
    int32_t fontHeight;          // bytes 28-31: character height in pixels
    int32_t fontWeight;          // bytes 32-35: FW_NORMAL, FW_BOLD, ...
    char fontFace[LF_FACESIZE];  // bytes 36-67: zero-terminated face name
    uint8_t reserved[232];       // bytes 68-299
};
static_assert(sizeof(VantrelStyle) == 300, "the style record is 300 bytes");
static_assert(offsetof(VantrelStyle, cornerColour) == 20, "cornerColour at bytes 20-23");
static_assert(offsetof(VantrelStyle, textColour) == 24, "textColour at bytes 24-27");

// The host's main window; status texts and registrations go there.
VANTREL_API HWND GetVTWnd(void);
// The folder of vantrel.exe with its trailing backslash, cut to size - 1 characters.
VANTREL_API void GetVantrelPath(char* buffer, int size);
// The user's text editor; buffer must hold MAX_PATH bytes.
VANTREL_API void GetVantrelEditor(char* buffer);
// Starts `command` (ShellExecute-style: an empty or null operation or directory means the
// default). `show` is the window's show command; `flag` is logged and otherwise unused.
VANTREL_API HINSTANCE VTExecute(HWND owner, const char* operation, const char* command,
                                const char* arguments, const char* directory, int show, int flag);

// Settings in an rc file: the stored value, or defaultValue when the file or key is missing
// or the value malformed. ReadString's text stays valid until the next ReadString.
//
// What a plugin may rely on when it reads a file the host also writes: the Read calls see every
// value given to the Write calls at once; the file itself may get them a moment later, so a
// plugin that reads the file directly may not see them yet. A plugin that rewrites the file
// itself must do it through the rc writer (rc/rc_file.h), which reads the file again under the
// writers' lock, so neither side loses a value: the host writes only the keys given to its
// Write calls. Nothing else (FileExists included) makes the host put its values in the file.
VANTREL_API BOOL ReadBool(const char* rcPath, const char* key, BOOL defaultValue);
VANTREL_API int ReadInt(const char* rcPath, const char* key, int defaultValue);
VANTREL_API const char* ReadString(const char* rcPath, const char* key, const char* defaultValue);
VANTREL_API void WriteBool(const char* rcPath, const char* key, BOOL value);
VANTREL_API void WriteInt(const char* rcPath, const char* key, int value);
// Nonzero when the file is present; it says nothing about the values the host has yet to write.
VANTREL_API BOOL FileExists(const char* path);

// VANTREL_SETTING_STYLE gives the VantrelStyle record, the width indices an int32_t; any other
// index gives null.
VANTREL_API void* GetSettingPtr(int index);
// A font made from a style record; the caller owns it and deletes it with DeleteObject.
VANTREL_API HFONT CreateStyleFont(const void* styleRecord);
// Fills `rect` of `dc` with the record's gradient, with a one-pixel bevel when bevel is 1.
VANTREL_API void MakeStyleGradient(HDC dc, const RECT* rect, const void* styleRecord, int bevel);

// Opacity of a layered window, 255 opaque; windows without WS_EX_LAYERED are left alone.
VANTREL_API void SetTransparency(HWND window, int alpha);
VANTREL_API void MakeSticky(HWND window);
VANTREL_API void RemoveSticky(HWND window);
// Pulls the proposed position of `position` onto the nearest work-area edge of the primary
// monitor when within `distance` pixels of it; nothing when SWP_NOMOVE is set. `flag` is
// logged and otherwise unused.
VANTREL_API void SnapWindowToEdge(WINDOWPOS* position, int distance, int flag);

// Menus. Choosing an item broadcasts its text; a number item broadcasts its text, a blank
// and the chosen value. `flag` of MakeNamedMenu is logged and otherwise unused.
VANTREL_API HMENU MakeNamedMenu(const char* title, const char* menuId, int flag);
VANTREL_API void MakeMenuItem(HMENU menu, const char* title, const char* broadcast, BOOL checked);
VANTREL_API void MakeMenuItemInt(HMENU menu, const char* title, const char* broadcast, int value,
                                 int minimum, int maximum);
VANTREL_API void MakeMenuNOP(HMENU menu, const char* title);  // title may be null
VANTREL_API void MakeSubmenu(HMENU menu, HMENU submenu, const char* title);
VANTREL_API void ShowMenu(HMENU menu);
