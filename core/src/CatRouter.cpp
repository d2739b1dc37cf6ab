#include "morlune/CatRouter.h"

#include <algorithm>

#include "morlune/BoardGeometry.h"

namespace morlune {
namespace {

// One planning run's shared state, so that the two recursions read like the rules they follow.
class CatRouter {
 public:
  CatRouter(const Board& board, CellIndex catCell, DistanceMap& distances, CatRoute& route,
            PlanningEffort* effort)
      : board_(board), catCell_(catCell), distances_(distances), route_(route), effort_(effort) {}

  RouteOutcome Plan() {
    route_.clear();
    std::fill(distances_.begin(), distances_.end(), Unreached);
    distances_[catCell_] = 0;
    RelaxFrom(catCell_, 1);

    const CellIndex target = ChooseTarget();
    if (target == NoCell) return RouteOutcome::NoTarget;
    route_.push_back(target);
    return TraceBack(target) ? RouteOutcome::RouteReady : RouteOutcome::Enclosed;
  }

 private:
  // Depth-first relaxation: a cell may be lowered several times and is expanded again after
  // each lowering. All six neighbours are settled before any of them is expanded.
  void RelaxFrom(CellIndex cell, int depth) {
    if (effort_ != nullptr) {
      ++effort_->relaxCalls;
      effort_->deepestRelax = std::max(effort_->deepestRelax, depth);
    }
    NeighborSlots slots = NeighborsOf(cell);
    const int stepped = distances_[cell] + 1;
    for (CellIndex& neighbor : slots) {
      if (neighbor == NoCell) continue;
      if (board_[neighbor] > OpenCell) {
        distances_[neighbor] = WallSeen;
        neighbor = NoCell;
      } else if (distances_[neighbor] > stepped) {
        distances_[neighbor] = stepped;
      } else {
        neighbor = NoCell;
      }
    }
    for (const CellIndex neighbor : slots) {
      if (neighbor != NoCell) RelaxFrom(neighbor, depth + 1);
    }
  }

  // A rim cell next to the cat never qualifies; unreachable rim cells (99) do, and their
  // failed trace is how a cut-off cat is found.
  CellIndex ChooseTarget() const {
    CellIndex target = NoCell;
    for (const CellIndex rim : EdgeScanOrder) {
      const int distance = distances_[rim];
      if (distance > 1 && (target == NoCell || distance < distances_[target])) target = rim;
    }
    return target;
  }

  // Prepends the route back to the cat; false when the cell has no predecessor.
  bool TraceBack(CellIndex cell) {
    const int distance = distances_[cell];
    if (distance == 1) {
      route_.insert(route_.begin(), catCell_);
      return true;
    }
    for (const CellIndex neighbor : NeighborsOf(cell)) {
      if (neighbor != NoCell && distances_[neighbor] == distance - 1) {
        route_.insert(route_.begin(), neighbor);
        return TraceBack(neighbor);
      }
    }
    return false;
  }

  const Board& board_;
  const CellIndex catCell_;
  DistanceMap& distances_;
  CatRoute& route_;
  PlanningEffort* const effort_;
};

}  // namespace

RouteOutcome PlanRoute(const Board& board, CellIndex catCell, DistanceMap& distances,
                       CatRoute& route, PlanningEffort* effort) {
  return CatRouter(board, catCell, distances, route, effort).Plan();
}

}  // namespace morlune
