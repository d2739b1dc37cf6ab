# Optimised builds carry the usual hardening of a distributed program: position-independent
# executables, full RELRO, stack protector and fortified library calls.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

if(NOT MORLUNE_SANITIZE)
  add_compile_options("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-fstack-protector-strong>"
                      "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>")
  if(WIN32)
    # A Windows program has no RELRO; linking with the flag brings in the stack protector's
    # runtime.
    add_link_options("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-fstack-protector-strong>")
  else()
    add_link_options("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:LINKER:-z,relro,-z,now>")
  endif()
endif()
