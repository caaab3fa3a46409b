# The same sources for 64-bit Windows. Not shipped: it lets the Windows tests run under
# 64-bit Wine on machines whose kernel cannot execute 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(LAUNCHER_MINGW_PREFIX x86_64-w64-mingw32)
set(LAUNCHER_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)
