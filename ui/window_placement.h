// Applies sizes, opacity, z-order, positions and the hide-with-plugins rule to both plugin windows.
#pragma once

void applyWindowPlacement();
