// Command launcher: the command split, the launch status text and the two host calls.
#include "engine/command_launcher.h"

#include <cstdio>
#include <cstring>

static void copyText(char (&to)[kLaunchTextSize], const char* from) {
    std::snprintf(to, sizeof to, "%s", from);
}

void splitCommand(const char* command, char (&directory)[kLaunchTextSize],
                  char (&file)[kLaunchTextSize]) {
    file[0] = '\0';
    copyText(directory, command);
    size_t length = std::strlen(directory);
    if (length == 0) return;

    // A backslash at index 0 never separates: "\edit.exe" is a file, not a root directory.
    size_t k = length - 1;
    while (k > 0 && directory[k] != '\\') --k;

    if (k == 0) {
        copyText(file, directory);
        directory[0] = '\0';
        return;
    }
    copyText(file, directory + k + 1);
    directory[k] = '\0';
}

void formatLaunchStatus(const char* file, char (&status)[kLaunchTextSize]) {
    // "Trazzle Command -> " takes 19 of the 99 characters; a longer file text loses its end.
    std::snprintf(status, sizeof status, "Trazzle Command -> %.80s", file);
}

intptr_t launchSlot(const GestureTable& table, int slot, const LauncherHost& host) {
    char directory[kLaunchTextSize];
    char file[kLaunchTextSize];
    char status[kLaunchTextSize];
    splitCommand(table.commands[slot], directory, file);
    formatLaunchStatus(file, status);
    // The status goes out before the launch, even for an empty file text, so the user sees
    // what was attempted whatever the launch then does.
    host.setStatus(host.context, status);
    return host.execute(host.context, 0, "", file, table.arguments[slot], directory, 1, 1);
}

void matchGesture(const GestureTable& table, const char* gestureText, const LauncherHost& host) {
    int slot = findBestSlot(table, gestureText);
    if (slot != kNoSlot) launchSlot(table, slot, host);
}
