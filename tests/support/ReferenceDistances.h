// Step counts by a plain breadth-first search over the board, written independently of the
// game's own relaxation so that the two can be compared.
#pragma once

#include "morlune/CoreTypes.h"

namespace morlune::testing {

// The distance map the planner must leave: 0 at the cat, true step counts on reachable open
// cells, -1 on walls next to a reachable cell, 99 everywhere else.
DistanceMap ReferenceDistances(const Board& board, CellIndex cat);

}  // namespace morlune::testing
