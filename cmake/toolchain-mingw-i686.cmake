# The product: 32-bit Windows (PE32), run under 32-bit Wine for tests.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(LAUNCHER_MINGW_PREFIX i686-w64-mingw32)
set(LAUNCHER_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)
