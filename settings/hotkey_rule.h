// Which virtual-key codes can start a capture through trazzle's keyboard hook, and how key codes are named.
#pragma once

#include <cstdint>
#include <string>

// The left Windows key: what trazzle uses when no usable hotkey is stored.
constexpr int32_t kDefaultHotkey = 91;

// The virtual-key codes a key can have; every path that takes a hotkey refuses any other.
constexpr int32_t kLowestKeyCode = 1;
constexpr int32_t kHighestKeyCode = 254;
bool isKeyCode(int32_t code);

// What one event of the low-level keyboard hook means for a capture held on `hotkey`: the
// hotkey's key-down starts one, its key-up ends it. Auto-repeated presses while capturing change
// nothing, and system-key events (the hotkey with Alt held) neither start nor end a capture.
enum KeyEventKind { kKeyDownEvent, kKeyUpEvent, kOtherKeyEvent };
enum CaptureStep { kCaptureUnchanged, kCaptureStarts, kCaptureEnds };
CaptureStep captureStep(KeyEventKind kind, uint32_t virtualKey, int32_t hotkey, bool capturing);

// A virtual-key code by name and number, as the trainer's hotkey field shows it: "Left Windows
// (91)", "F12 (123)", "Key (7)".
std::string hotkeyName(int code);

// Why `code` can never start a capture, and which key to use instead: "Left Alt (164) reaches
// trazzle's hook as a system key; use Left Windows (91) or an F key other than F10". Empty when
// it can. The hook counts only WM_KEYDOWN and WM_KEYUP of the code itself, so a code the hook
// never sees that way (a mouse button, Shift, Ctrl or Alt without their side, Alt and F10, which
// arrive as system keys, a number no key has) is refused by every path that stores a hotkey.
std::string hotkeyRefusal(int32_t code);
