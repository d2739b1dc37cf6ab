#include "Watchdog.h"

#include <windows.h>

#include <cstdio>

namespace morlune::testing {

Watchdog::Watchdog(std::chrono::seconds deadline) {
  thread_ = std::thread([this, deadline] {
    std::unique_lock lock(mutex_);
    if (stopped_.wait_for(lock, deadline, [this] { return stopping_; })) return;
    std::fprintf(stderr, "watchdog: the tests ran past their %lld s deadline\n",
                 static_cast<long long>(deadline.count()));
    std::fflush(stderr);
    // The main thread is stuck, so nothing may wait for it: no exit handlers, no unwinding.
    TerminateProcess(GetCurrentProcess(), 124);
  });
}

Watchdog::~Watchdog() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  stopped_.notify_all();
  thread_.join();
}

}  // namespace morlune::testing
