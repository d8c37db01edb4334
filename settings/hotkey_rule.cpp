// Which virtual-key codes can start a capture through trazzle's keyboard hook, and how key codes are named.
#include "settings/hotkey_rule.h"

namespace {

constexpr char kInstead[] = "use Left Windows (91) or an F key other than F10";

}  // namespace

bool isKeyCode(int32_t code) { return code >= kLowestKeyCode && code <= kHighestKeyCode; }

CaptureStep captureStep(KeyEventKind kind, uint32_t virtualKey, int32_t hotkey, bool capturing) {
    if (hotkey < 0 || virtualKey != static_cast<uint32_t>(hotkey)) return kCaptureUnchanged;
    if (kind == kKeyDownEvent && !capturing) return kCaptureStarts;
    if (kind == kKeyUpEvent && capturing) return kCaptureEnds;
    return kCaptureUnchanged;
}

std::string hotkeyName(int code) {
    static const struct {
        int code;
        const char* name;
    } kNames[] = {{1, "Left mouse button"}, {2, "Right mouse button"}, {3, "Cancel"}, {4, "Middle mouse button"},
                  {5, "X1 mouse button"}, {6, "X2 mouse button"}, {8, "Backspace"}, {9, "Tab"}, {12, "Clear"},
                  {13, "Enter"}, {16, "Shift"}, {17, "Ctrl"}, {18, "Alt"}, {19, "Pause"}, {20, "Caps Lock"},
                  {27, "Esc"}, {32, "Space"}, {33, "Page Up"}, {34, "Page Down"}, {35, "End"}, {36, "Home"},
                  {37, "Left"}, {38, "Up"}, {39, "Right"}, {40, "Down"}, {44, "Print Screen"}, {45, "Insert"},
                  {46, "Delete"}, {91, "Left Windows"}, {92, "Right Windows"}, {93, "Menu"}, {106, "Num *"},
                  {107, "Num +"}, {109, "Num -"}, {110, "Num ."}, {111, "Num /"}, {144, "Num Lock"},
                  {145, "Scroll Lock"}, {160, "Left Shift"}, {161, "Right Shift"}, {162, "Left Ctrl"},
                  {163, "Right Ctrl"}, {164, "Left Alt"}, {165, "Right Alt"}};
    std::string name = "Key";
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) name = std::string(1, static_cast<char>(code));
    else if (code >= 96 && code <= 105) name = "Num " + std::to_string(code - 96);
    else if (code >= 112 && code <= 135) name = "F" + std::to_string(code - 111);
    for (const auto& known : kNames)
        if (known.code == code) name = known.name;
    return name + " (" + std::to_string(code) + ")";
}

std::string hotkeyRefusal(int32_t code) {
    if (!isKeyCode(code))
        return std::to_string(code) + " is outside " + std::to_string(kLowestKeyCode) + " to " +
               std::to_string(kHighestKeyCode) + "; no key can ever press it; " + kInstead;
    std::string name = hotkeyName(code);
    switch (code) {
    case 1:
    case 2:
    case 4:
    case 5:
    case 6: return name + " is a mouse button, which trazzle's keyboard hook never sees; " + kInstead;
    // The low-level hook is told which side was pressed, never the generic code.
    case 16: return name + " never reaches trazzle's hook, which sees Left Shift (160) or Right Shift (161); use one of those";
    case 17: return name + " never reaches trazzle's hook, which sees Left Ctrl (162) or Right Ctrl (163); use one of those";
    case 18: return name + " never reaches trazzle's hook, which sees Left Alt (164) or Right Alt (165) as system keys; " + kInstead;
    case 121:
    case 164:
    case 165: return name + " reaches trazzle's hook as a system key; " + kInstead;
    }
    return std::string();
}
