// The plugin's private copy of the host's style: record, two insets and a font made from it.
#pragma once

// Deletes the previous font, copies the host's style and makes a new font from the copy.
void takeStyleSnapshot();
