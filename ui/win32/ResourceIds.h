// Numbers of the resources built into the program. Plain macros, because the resource
// compiler reads this file too.
#pragma once

#define MORLUNE_PROGRAM_ICON 1

#define MORLUNE_EMPTY_CELL_PICTURE 101
#define MORLUNE_CAT_PICTURE 102
#define MORLUNE_CROSS_PICTURE 103
#define MORLUNE_FENCE_PICTURE 104
