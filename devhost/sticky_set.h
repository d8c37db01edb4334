// The host's set of sticky windows, as far as other parts of the host need it.
#pragma once

constexpr int kMaxStickyWindows = 64;

int stickyWindowCount();
void stickyClear();
