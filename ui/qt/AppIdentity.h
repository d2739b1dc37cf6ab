// Who the program says it is to the desktop: names, version and the desktop entry's id.
#pragma once

namespace morlune {

inline constexpr const char* ApplicationName = "Morlune";
// The reverse-DNS id shared by the desktop entry, the icon and the AppStream metadata.
inline constexpr const char* DesktopFileName = "io.github.morlune.Morlune";

// Call once, right after the QApplication exists.
void ApplyAppIdentity();

}  // namespace morlune
