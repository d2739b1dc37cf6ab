// A hard deadline for the whole test program: a message box nobody closes or a modal loop
// that never returns must fail the run, not hang it.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace morlune::testing {

class Watchdog {
 public:
  // Past the deadline the process ends at once with exit code 124.
  explicit Watchdog(std::chrono::seconds deadline);
  ~Watchdog();
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

 private:
  std::mutex mutex_;
  std::condition_variable stopped_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace morlune::testing
