# Cross-compiles for Windows on x86_64 with Debian's MinGW-w64 (package mingw-w64).
#   cmake -S . -B build-win64 --toolchain cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TINTWELL_MINGW_PREFIX x86_64-w64-mingw32)
# The POSIX thread model: the C++ runtime's std::mutex and std::thread work in it.
find_program(CMAKE_CXX_COMPILER NAMES ${TINTWELL_MINGW_PREFIX}-g++-posix ${TINTWELL_MINGW_PREFIX}-g++ REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${TINTWELL_MINGW_PREFIX}-gcc-posix ${TINTWELL_MINGW_PREFIX}-gcc REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${TINTWELL_MINGW_PREFIX}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${TINTWELL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest runs the tests through Wine.
find_program(TINTWELL_WINE NAMES wine64 wine HINTS /usr/lib/wine)
if(TINTWELL_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TINTWELL_WINE})
endif()
