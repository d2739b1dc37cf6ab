// Picks cells for the preset walls. The generator is reseeded before every draw from the
// clock plus an offset that keeps growing, so two draws in the same millisecond still differ.
#pragma once

#include <cstdint>

#include "morlune/CoreTypes.h"
#include "morlune/MillisecondClock.h"

namespace morlune {

class WallDice {
 public:
  explicit WallDice(MillisecondClock& clock) : clock_(clock) {}

  // A cell from 1 to 121; the caller rejects cells that are taken.
  CellIndex Roll();

 private:
  MillisecondClock& clock_;
  std::uint32_t offset_ = 0;
};

}  // namespace morlune
