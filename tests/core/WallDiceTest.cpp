#include "morlune/WallDice.h"

#include <gtest/gtest.h>

#include <random>

#include "ScriptedClock.h"

namespace morlune {
namespace {

class FixedClock final : public MillisecondClock {
 public:
  explicit FixedClock(std::uint32_t reading) : reading_(reading) {}
  std::uint32_t NowMilliseconds() override { return reading_; }

 private:
  std::uint32_t reading_;
};

CellIndex FirstDrawFor(std::uint32_t seed) {
  std::mt19937 generator(seed);
  return 1 + static_cast<CellIndex>(generator() % 121);
}

// Within one millisecond every reseed still differs: the seed is the clock plus an offset
// that grows by (seed mod 256) + 100 each time, wrapping at 32 bits.
TEST(WallDice, ReseedsFromTheClockPlusAGrowingOffset) {
  for (const std::uint32_t reading : {0u, 1234567u, 0xFFFFFF00u}) {
    SCOPED_TRACE(reading);
    FixedClock clock(reading);
    WallDice dice(clock);
    std::uint32_t offset = 0;
    for (int roll = 0; roll < 50; ++roll) {
      const std::uint32_t seed = reading + offset;
      ASSERT_EQ(dice.Roll(), FirstDrawFor(seed)) << "roll " << roll;
      offset += seed % 256 + 100;
    }
  }
}

TEST(WallDice, SameClockGivesSameRollsAndEveryCellCanComeUp) {
  FixedClock clock(42);
  WallDice first(clock);
  WallDice second(clock);
  std::array<bool, CellCount + 1> seen{};
  for (int roll = 0; roll < 5000; ++roll) {
    const CellIndex cell = first.Roll();
    ASSERT_EQ(second.Roll(), cell);
    ASSERT_GE(cell, 1);
    ASSERT_LE(cell, CellCount);
    seen[static_cast<std::size_t>(cell)] = true;
  }
  EXPECT_EQ(std::count(seen.begin() + 1, seen.end(), true), CellCount);
}

// The tests' scripted clock must be able to steer the real dice.
TEST(WallDice, ScriptedReadingsRollTheWantedCells) {
  testing::ScriptedClock clock;
  const std::vector<CellIndex> wanted = {5, 121, 1, 61, 61, 77};
  clock.ScriptRolls(wanted);
  WallDice dice(clock);
  for (const CellIndex cell : wanted)
    EXPECT_EQ(dice.Roll(), cell);
}

}  // namespace
}  // namespace morlune
