#include "AppIdentity.h"

#include <QApplication>

namespace morlune {

void ApplyAppIdentity() {
  QApplication::setApplicationName(ApplicationName);
  QApplication::setApplicationVersion(MORLUNE_VERSION);
  QApplication::setDesktopFileName(DesktopFileName);
  // The display name is left to fall back on the application name, which is the same
  // "Morlune": once it is set explicitly, the X11 and Wayland back ends append it to every
  // window title that does not already end with it, and the message boxes' captions would
  // read "游戏结束 — Morlune" instead of "游戏结束".
}

}  // namespace morlune
