// Command launcher: splits a slot's command into directory and file and hands it to the host.
#pragma once

#include <cstdint>

#include "engine/gesture_matcher.h"

constexpr int kLaunchTextSize = 100;  // directory, file and status texts: 99 characters each

// Directory: everything before the command's last backslash at index 1 or later; file:
// everything after it. With no such backslash the directory is empty and the file is the
// whole command. Only the first 99 characters of the command are looked at.
void splitCommand(const char* command, char (&directory)[kLaunchTextSize],
                  char (&file)[kLaunchTextSize]);

// Status text announcing a launch: this prefix and the file, cut to fit its 100 bytes, so a file
// text longer than kLaunchStatusFileRoom loses its end.
constexpr char kLaunchStatusPrefix[] = "Trazzle Command -> ";
constexpr int kLaunchStatusFileRoom = kLaunchTextSize - static_cast<int>(sizeof kLaunchStatusPrefix);
void formatLaunchStatus(const char* file, char (&status)[kLaunchTextSize]);

// Everything a launch of one slot hands to the host, worked out without calling it. The
// plugin's launch and trazzle-replay's report both come from here.
struct LaunchPlan {
    char directory[kLaunchTextSize];
    char file[kLaunchTextSize];
    const char* argument;  // the slot's argument text as stored
    char status[kLaunchTextSize];
};
void planLaunch(const GestureTable& table, int slot, LaunchPlan& plan);

// The two host services a launch needs. The host side connects them to the status label
// message and to the host's launch function.
struct LauncherHost {
    void (*setStatus)(void* context, const char* text);
    intptr_t (*execute)(void* context, uintptr_t owner, const char* operation, const char* command,
                        const char* arguments, const char* directory, int32_t show, int32_t flag);
    void* context;
};

// Announces and starts the command of `slot`; returns what the host's launch returned.
intptr_t launchSlot(const GestureTable& table, int slot, const LauncherHost& host);

// Finds the best slot for a finished gesture text and launches it; does nothing when no slot
// is chosen. Returns the slot launched, or kNoSlot.
int matchGesture(const GestureTable& table, const char* gestureText, const LauncherHost& host);
