# The web build takes fmt, header-only, from the host's include directory
# (see HostHeaders.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/HostHeaders.cmake)
flange_host_header_library(fmt::fmt-header-only fmt fmt/format.h)
set_target_properties(fmt::fmt-header-only PROPERTIES INTERFACE_COMPILE_DEFINITIONS
                      "FMT_HEADER_ONLY=1;FMT_STATIC_THOUSANDS_SEPARATOR=1")
set(fmt_FOUND TRUE)
