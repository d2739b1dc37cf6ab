// The program's icon, a cat on a white disc, in every size the desktop may ask for.
#pragma once

#include <QIcon>

namespace morlune {

QIcon ProgramIcon();

}  // namespace morlune
