// Where the cat goes next: distances from the cat to every cell it can reach, a rim cell
// to aim for, and the route back from that rim cell to the cat.
#pragma once

#include "morlune/CoreTypes.h"

namespace morlune {

// Distance sentinels: a wall that borders the cat's region, and a cell the cat cannot reach
// (or a wall that borders nothing it can reach).
inline constexpr int WallSeen = -1;
inline constexpr int Unreached = 99;

// How hard one planning run worked; only tests and benchmarks look at it.
struct PlanningEffort {
  int relaxCalls = 0;
  int deepestRelax = 0;
};

// Rewrites distances and route from scratch. On RouteReady the route runs from the cat's
// cell to the target; on Enclosed it holds only the target; on NoTarget it is empty.
RouteOutcome PlanRoute(const Board& board, CellIndex catCell, DistanceMap& distances,
                       CatRoute& route, PlanningEffort* effort = nullptr);

}  // namespace morlune
