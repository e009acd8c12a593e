# Cross-builds flange-calc.exe for 64-bit Windows with Debian's MinGW-w64
# (g++-mingw-w64-x86-64), linked statically so that it runs on a bare Windows
# 10 or 11 without any DLL of the compiler's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# fmt and fast_float are used header-only, and their headers are the same text
# for every target: the host's packages serve the cross build.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
# fmt's CMake files are under the host's multiarch directory (x86_64-linux-gnu
# on amd64), which a search for Windows packages does not look in.
file(GLOB fmt_DIR /usr/lib/*/cmake/fmt)
# Their headers are in /usr/include beside glibc's. Searched after MinGW's own
# headers, never before them; because the compiler then names /usr/include as
# one of its own directories, CMake does not add it again with -isystem.
set(CMAKE_CXX_FLAGS_INIT "-idirafter /usr/include")
# The C++ and GCC run-time libraries go into the program, which then needs only
# DLLs that come with Windows; their symbols are left out.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -s")
