// The clock seam: the preset walls are seeded from it, so tests that fix it know the walls.
#pragma once

#include <cstdint>

namespace morlune {

class MillisecondClock {
 public:
  virtual ~MillisecondClock() = default;
  // Milliseconds on any running count; only differences between reseeds matter, and the
  // count may wrap around.
  virtual std::uint32_t NowMilliseconds() = 0;

 protected:
  MillisecondClock() = default;
  MillisecondClock(const MillisecondClock&) = default;
  MillisecondClock& operator=(const MillisecondClock&) = default;
};

// The machine's steady clock, for the real program.
class SteadyMillisecondClock final : public MillisecondClock {
 public:
  std::uint32_t NowMilliseconds() override;
};

}  // namespace morlune
