// Showing a plugin menu: the log dump, the real popup for a person, the choice for a script.
#pragma once

#include <cstddef>

// Chooses an entry of the menu last shown, by its title (searched depth first through its
// submenus), and broadcasts its text; a number item needs `hasValue` and a value within its
// bounds and broadcasts "TEXT VALUE". The shown menu is closed either way when found. False,
// with the reason in `error`, when there is no shown menu, no such entry or a bad value.
bool menuChoose(const char* title, bool hasValue, int value, char* error, size_t errorSize);
