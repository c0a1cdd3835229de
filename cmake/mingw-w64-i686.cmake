# Cross-compiles for Windows on i686 with Debian's MinGW-w64 (package mingw-w64).
#   cmake -S . -B build-win32 --toolchain cmake/mingw-w64-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TINTWELL_MINGW_PREFIX i686-w64-mingw32)
set(TINTWELL_WINE_NAMES wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
