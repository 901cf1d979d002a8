# The second compiler for 32-bit Windows (see clang-mingw.cmake), where int and pointers
# are of one size and a 64-bit value narrows on its way to an index.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(glyphmere_gcc_package g++-mingw-w64-i686-posix)
include(${CMAKE_CURRENT_LIST_DIR}/clang-mingw.cmake)
