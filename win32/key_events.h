// What a low-level keyboard hook's message is for the capture rule trazzle and the recorder share.
#pragma once

#include <windows.h>

#include "settings/hotkey_rule.h"

inline KeyEventKind hookKeyEventKind(WPARAM message) {
    return message == WM_KEYDOWN ? kKeyDownEvent : message == WM_KEYUP ? kKeyUpEvent : kOtherKeyEvent;
}
