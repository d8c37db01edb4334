// The desktop-wide low-level keyboard and mouse hooks, installed alike by trazzle and the recorder.
#pragma once

#include <windows.h>

// Installs `procedure` as a WH_KEYBOARD_LL or WH_MOUSE_LL hook for the whole desktop; null when
// the system refuses it (GetLastError says why).
//
// Tests make the system refuse one for real: with the environment variable
// TRAZZLE_TEST_REFUSED_HOOK set to "keyboard" or "mouse" in the host's process, that hook is asked
// for the calling thread alone, which the system never grants a low-level hook.
HHOOK installLowLevelHook(int id, HOOKPROC procedure);
