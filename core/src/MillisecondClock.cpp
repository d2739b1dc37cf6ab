#include "morlune/MillisecondClock.h"

#include <chrono>

namespace morlune {

std::uint32_t SteadyMillisecondClock::NowMilliseconds() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  // Wrapping to 32 bits is intended: the seed arithmetic wraps the same way.
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace morlune
