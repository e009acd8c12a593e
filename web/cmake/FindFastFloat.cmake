# The web build takes the header-only fast_float from the host's include
# directory (see HostHeaders.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/HostHeaders.cmake)
flange_host_header_library(FastFloat::fast_float fast_float fast_float/fast_float.h)
set(FastFloat_FOUND TRUE)
