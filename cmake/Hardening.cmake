# Optimised builds carry the usual hardening of a distributed program: position-independent
# executables, full RELRO, stack protector and fortified library calls.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

if(NOT MORLUNE_SANITIZE)
  add_compile_options("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-fstack-protector-strong>"
                      "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>")
  add_link_options("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:LINKER:-z,relro,-z,now>")
endif()
