// The program's window icon, a cat on a white disc, in the sizes a desktop shows it at.
#pragma once

#include <QIcon>

namespace morlune {

QIcon ProgramIcon();

}  // namespace morlune
