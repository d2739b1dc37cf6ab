#include "morlune/WallDice.h"

#include <random>

namespace morlune {

CellIndex WallDice::Roll() {
  const std::uint32_t seed = clock_.NowMilliseconds() + offset_;
  offset_ += seed % 256 + 100;
  // mt19937's sequence is fixed by the C++ standard, so a seed names the same cell everywhere.
  std::mt19937 generator(seed);
  return 1 + static_cast<CellIndex>(generator() % CellCount);
}

}  // namespace morlune
