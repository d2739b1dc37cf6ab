# Every target of ours links this to get the same strict, clean warning set.
add_library(morlune_warnings INTERFACE)
target_compile_options(morlune_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow)
