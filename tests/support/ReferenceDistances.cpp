#include "ReferenceDistances.h"

#include <queue>

#include "morlune/BoardGeometry.h"

namespace morlune::testing {

DistanceMap ReferenceDistances(const Board& board, CellIndex cat) {
  DistanceMap distances;
  distances.fill(99);
  std::queue<CellIndex> frontier;
  distances[cat] = 0;
  frontier.push(cat);
  while (!frontier.empty()) {
    const CellIndex cell = frontier.front();
    frontier.pop();
    for (const CellIndex next : NeighborsOf(cell)) {
      if (next == NoCell) continue;
      if (board[next] != OpenCell) {
        distances[next] = -1;
      } else if (distances[next] == 99) {
        distances[next] = distances[cell] + 1;
        frontier.push(next);
      }
    }
  }
  return distances;
}

}  // namespace morlune::testing
