#include "ScriptedClock.h"

#include <random>
#include <stdexcept>

namespace morlune::testing {
namespace {

CellIndex CellForSeed(std::uint32_t seed) {
  std::mt19937 generator(seed);
  return 1 + static_cast<CellIndex>(generator() % CellCount);
}

}  // namespace

std::uint32_t ScriptedClock::NowMilliseconds() {
  if (!readings_.empty()) {
    last_ = readings_.front();
    readings_.pop_front();
  }
  return last_;
}

void ScriptedClock::Append(const std::vector<std::uint32_t>& readings) {
  readings_.insert(readings_.end(), readings.begin(), readings.end());
}

void ScriptedClock::ScriptRolls(const std::vector<CellIndex>& cells) {
  std::uint32_t seed = 1000;
  for (const CellIndex cell : cells) {
    if (cell < 1 || cell > CellCount) throw std::invalid_argument("no such cell");
    while (CellForSeed(seed) != cell)
      ++seed;
    readings_.push_back(seed - expectedOffset_);
    expectedOffset_ += seed % 256 + 100;
    ++seed;
  }
}

}  // namespace morlune::testing
