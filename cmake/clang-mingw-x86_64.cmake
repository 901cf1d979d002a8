# The second compiler for 64-bit Windows (see clang-mingw.cmake).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(glyphmere_gcc_package g++-mingw-w64-x86-64-posix)
include(${CMAKE_CURRENT_LIST_DIR}/clang-mingw.cmake)
