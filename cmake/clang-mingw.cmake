# The second compiler, shared by its two toolchains: Debian's clang for Windows, on the
# mingw-w64 headers and gcc's libstdc++ (posix thread model), linked by lld. The including
# toolchain sets CMAKE_SYSTEM_PROCESSOR and the gcc package that names its folder.
set(CMAKE_SYSTEM_NAME Windows)
set(triple ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER_TARGET ${triple})
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_SYSROOT /usr/${triple})
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)

# clang does not recognise Debian's "12-posix" folder as a gcc installation, so it is
# named here: libstdc++'s headers and the folder of libstdc++ and libgcc.
file(GLOB gcc_folder LIST_DIRECTORIES true /usr/lib/gcc/${triple}/*-posix)
if(NOT gcc_folder)
    message(FATAL_ERROR "No posix-threaded mingw-w64 gcc under /usr/lib/gcc/${triple}: "
                        "install ${glyphmere_gcc_package}")
endif()
list(GET gcc_folder 0 gcc_folder)
set(CMAKE_CXX_FLAGS_INIT "-isystem ${gcc_folder}/include/c++ \
-isystem ${gcc_folder}/include/c++/${triple} -isystem ${gcc_folder}/include/c++/backward")
foreach(kind EXE SHARED MODULE)
    set(CMAKE_${kind}_LINKER_FLAGS_INIT "-fuse-ld=lld -L${gcc_folder}")
endforeach()
# This clang leaves winpthreads out of its library list, which libgcc's thread-local
# storage needs: name them here, in the order they resolve.
set(CMAKE_CXX_STANDARD_LIBRARIES "-lstdc++ -lgcc_eh -lpthread")
