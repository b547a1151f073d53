# Cross build of the Windows program with MinGW-w64 (Debian g++-mingw-w64-x86-64).
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VX_MINGW_PREFIX x86_64-w64-mingw32)

# The posix thread model: std::thread and std::mutex, linked in statically.
find_program(VX_MINGW_CXX NAMES ${VX_MINGW_PREFIX}-g++-posix ${VX_MINGW_PREFIX}-g++ REQUIRED)
find_program(VX_MINGW_CC NAMES ${VX_MINGW_PREFIX}-gcc-posix ${VX_MINGW_PREFIX}-gcc REQUIRED)
set(CMAKE_CXX_COMPILER ${VX_MINGW_CXX})
set(CMAKE_C_COMPILER ${VX_MINGW_CC})  # GoogleTest's project asks for C as well
set(CMAKE_RC_COMPILER ${VX_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Runs on a bare Windows: no MinGW runtime DLLs beside the program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test binaries and test discovery run under wine.
find_program(VX_WINE NAMES wine64 wine)
if(VX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VX_WINE})
endif()
