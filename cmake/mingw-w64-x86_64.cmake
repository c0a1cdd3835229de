# Cross-compiles for Windows on x86_64 with Debian's MinGW-w64 (package mingw-w64).
#   cmake -S . -B build-win64 --toolchain cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TINTWELL_MINGW_PREFIX x86_64-w64-mingw32)
set(TINTWELL_WINE_NAMES wine64 wine)
set(TINTWELL_WINE_HINTS /usr/lib/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
