// The texts the plugin shows: status lines for the host and the About box, each kept within its buffer.
#include "settings/status_texts.h"

#include <cstdio>
#include <cstring>

#include "settings/identity.h"

void formatCaptureStatus(const char* gestureText, char (&status)[kCaptureStatusSize]) {
    std::snprintf(status, sizeof status, "Trazzle -> |%s|", gestureText);
}

void formatToggleStatus(const char* word, bool enabled, char (&status)[kToggleStatusSize]) {
    // The suffix always survives: the word is what gets cut, so the user still reads the state.
    const char* suffix = enabled ? " enabled!" : " disabled!";
    int room = kToggleStatusSize - 1 - static_cast<int>(sizeof "trazzle -> " - 1) -
               static_cast<int>(std::strlen(suffix));
    std::snprintf(status, sizeof status, "trazzle -> %.*s%s", room, word, suffix);
}

void formatHookRefusedStatus(const char* who, const char* hook, unsigned long error, const char* consequence,
                             char (&status)[kHookStatusSize]) {
    std::snprintf(status, sizeof status, "%s -> the %s hook was refused (error %lu): %s", who, hook, error, consequence);
}

void formatAboutText(char (&text)[kAboutTextSize]) {
    std::snprintf(text, sizeof text, "%s\n\t\n%s\n%s", kPluginFullName, kPluginWebAddress,
                  kPluginEmail);
}
