// The little of <windows.h> the host's script reader uses, so it can be fuzzed natively.
#pragma once

#include <strings.h>

typedef unsigned long DWORD;
#define MAX_PATH 260
#define MOUSEEVENTF_LEFTDOWN 0x0002
#define MOUSEEVENTF_LEFTUP 0x0004
#define MOUSEEVENTF_RIGHTDOWN 0x0008
#define MOUSEEVENTF_RIGHTUP 0x0010
#define MOUSEEVENTF_MIDDLEDOWN 0x0020
#define MOUSEEVENTF_MIDDLEUP 0x0040
#define SM_CXSCREEN 0
#define SM_CYSCREEN 1

// Wine's screen: 1024 by 768.
inline int GetSystemMetrics(int index) { return index == SM_CXSCREEN ? 1024 : 768; }
inline int _stricmp(const char* a, const char* b) { return strcasecmp(a, b); }
