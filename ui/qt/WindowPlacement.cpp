#include "WindowPlacement.h"

#include <algorithm>

namespace morlune {

QPoint InitialWindowPosition(const QRect& screen, const QRect& available) {
  int left = screen.x() + (screen.width() - InitialOuterWidth) / 2;
  int top = screen.y() + (screen.height() - InitialOuterHeight) / 2;
  // Keep the far edge inside when the window fits; never let the near edge out, even when
  // it does not, since that is where the title bar and the menus are.
  left = std::max(std::min(left, available.x() + available.width() - InitialOuterWidth),
                  available.x());
  top = std::max(std::min(top, available.y() + available.height() - InitialOuterHeight),
                 available.y());
  return {left, top};
}

}  // namespace morlune
