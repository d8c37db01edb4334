// Which plugin windows want which host messages: bounded tables, kept in registration order.
#pragma once

#include <windows.h>

#include <cstdint>

constexpr int kMaxRegisteredWindows = 32;
constexpr int kMaxMessagesPerWindow = 8;
constexpr int kMaxMessageListLength = 64;  // entries read from a list before its terminator

// HOST_REGISTER_MESSAGES: adds the zero-terminated `list` to the messages `window` wants.
// All or nothing: refused (and logged as such) for a window that does not exist, a missing
// or unterminated list, or tables that would overflow.
bool registryAdd(HWND window, const uint32_t* list);

// HOST_UNREGISTER_MESSAGES: removes the listed messages; a window left with none is dropped.
bool registryRemove(HWND window, const uint32_t* list);

// The windows registered for `message`, in the order they first registered; returns how many
// were written to `out` (at most `max`).
int registryRecipients(UINT message, HWND* out, int max);

bool registryHas(HWND window, UINT message);

void registryClear();
