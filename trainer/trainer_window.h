// The trainer's top-level window: its layout, and its messages dispatched to the actions.
#pragma once

#include <windows.h>

// Registers the classes and makes the window, shown without taking the focus; false when
// a class or the window cannot be made.
bool createTrainerWindow();
void destroyTrainerWindow();
