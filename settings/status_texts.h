// The texts the plugin shows: status lines for the host and the About box, each kept within its buffer.
#pragma once

#include "engine/stroke_tokenizer.h"

// "Trazzle -> |%s|" around a whole GestureText: 13 characters of frame and up to 99 of text.
constexpr int kCaptureStatusSize = 13 + kGestureTextSize;
void formatCaptureStatus(const char* gestureText, char (&status)[kCaptureStatusSize]);

// "trazzle -> WORD enabled!" or "... disabled!"; a word too long for the 80 bytes is cut.
constexpr int kToggleStatusSize = 80;
void formatToggleStatus(const char* word, bool enabled, char (&status)[kToggleStatusSize]);

// "WHO -> the HOOK hook was refused (error N): CONSEQUENCE": a plugin that cannot hear the
// hotkey or follow the pointer says so, instead of staying deaf without a word.
constexpr int kHookStatusSize = 140;
void formatHookRefusedStatus(const char* who, const char* hook, unsigned long error, const char* consequence,
                             char (&status)[kHookStatusSize]);

// Full name, a line with a tab, web address, e-mail address.
constexpr int kAboutTextSize = 260;
void formatAboutText(char (&text)[kAboutTextSize]);
