# Header-only libraries for the WebAssembly build. Emscripten compiles against
# its own C and C++ library, so the host's /usr/include cannot go on the
# include path; only the library's own header directory is copied into the
# build tree and used from there.
include_guard(GLOBAL)

# flange_host_header_library(TARGET DIR HEADER): an imported target whose
# include directory holds a copy of DIR, found as the directory of HEADER.
function(flange_host_header_library target dir header)
  find_path(${dir}_HOST_INCLUDE ${header} PATHS /usr/include /usr/local/include
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  set(staged ${CMAKE_BINARY_DIR}/host-include)
  file(COPY ${${dir}_HOST_INCLUDE}/${dir} DESTINATION ${staged})
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${staged})
endfunction()
