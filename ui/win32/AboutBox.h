// The shell's standard About box for the game.
#pragma once

namespace morlune {

// Shown without an owner, so the main window stays usable while it is open; returns when it
// is closed.
void ShowAbout();

}  // namespace morlune
