// A clock that reads what the test wrote down, and the arithmetic that writes it: given the
// cells a test wants walled, it finds readings that make the dice roll exactly those cells.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "morlune/CoreTypes.h"
#include "morlune/MillisecondClock.h"

namespace morlune::testing {

class ScriptedClock final : public MillisecondClock {
 public:
  // Once the script runs out the clock stands still at its last reading, as a fast machine's
  // clock would within one millisecond.
  std::uint32_t NowMilliseconds() override;

  void Append(const std::vector<std::uint32_t>& readings);
  // Readings that make the next rolls come up as these cells, in order. Follows the seed
  // offset from roll to roll, so it must see every roll the dice make.
  void ScriptRolls(const std::vector<CellIndex>& cells);

 private:
  std::deque<std::uint32_t> readings_;
  std::uint32_t last_ = 0;
  std::uint32_t expectedOffset_ = 0;  // the dice's offset, followed independently
};

}  // namespace morlune::testing
