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
    std::snprintf(status, sizeof status, "%s%.*s", kLaunchStatusPrefix, kLaunchStatusFileRoom, file);
}

void planLaunch(const GestureTable& table, int slot, LaunchPlan& plan) {
    splitCommand(table.commands[slot], plan.directory, plan.file);
    plan.argument = table.arguments[slot];
    formatLaunchStatus(plan.file, plan.status);
}

intptr_t launchSlot(const GestureTable& table, int slot, const LauncherHost& host) {
    LaunchPlan plan;
    planLaunch(table, slot, plan);
    // The status goes out before the launch, even for an empty file text, so the user sees
    // what was attempted whatever the launch then does.
    host.setStatus(host.context, plan.status);
    return host.execute(host.context, 0, "", plan.file, plan.argument, plan.directory, 1, 1);
}

int matchGesture(const GestureTable& table, const char* gestureText, const LauncherHost& host) {
    int slot = findBestSlot(table, gestureText);
    if (slot != kNoSlot) launchSlot(table, slot, host);
    return slot;
}
