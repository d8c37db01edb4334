// Stopping a learning run from another thread: the example reader and the learner look at the flag between small steps and give up.
#pragma once

#include <atomic>

// Set by whoever started the run (the trainer, when the plugin stops); read by the run's own
// thread. A run that sees it set returns at once, its results unusable.
using LearnCancel = std::atomic<bool>;

inline bool learnCancelled(const LearnCancel* cancel) { return cancel && cancel->load(std::memory_order_relaxed); }
