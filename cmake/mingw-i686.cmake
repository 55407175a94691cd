# Cross-compiles for 32-bit Windows with the MinGW-w64 toolchain that Debian packages
# (g++-mingw-w64-i686, binutils-mingw-w64-i686), in its POSIX-threads flavour: GoogleTest needs
# std::mutex, which the Win32-threads flavour lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(DD_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${DD_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DD_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${DD_MINGW_TRIPLET}-windres)

# Libraries and headers come from the Windows sysroot only; programs from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${DD_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
