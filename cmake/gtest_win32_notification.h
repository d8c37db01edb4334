// GoogleTest's thread start signal for the win32-thread MinGW, which has no std::mutex.
#pragma once
#define GTEST_HAS_NOTIFICATION_ 1
extern "C" __declspec(dllimport) void __stdcall Sleep(unsigned long milliseconds);
namespace testing {
namespace internal {
// Only GoogleTest's own thread tests wait on it; polling is enough.
class Notification {
 public:
  Notification() : notified_(false) {}
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;
  void Notify() { __atomic_store_n(&notified_, true, __ATOMIC_RELEASE); }
  void WaitForNotification() {
    while (!__atomic_load_n(&notified_, __ATOMIC_ACQUIRE)) Sleep(1);
  }
 private:
  bool notified_;
};
}  // namespace internal
}  // namespace testing
