# Windows builds run their programs under Wine: build/<preset>/wine-run, in the build's own prefix
# with the locale and time zone of our users' machines. Included before any target exists, so
# every target's CROSSCOMPILING_EMULATOR (test discovery, add_test) is the runner.
if(NOT WIN32)
    return()
endif()

# 32-bit Wine's loader; the server is Debian's wrapper, which picks the 64-bit wineserver when
# installed: it serves 32-bit programs too, and is not emulated where they are.
set(LAUNCHER_WINE_LOADER /usr/lib/wine/wine)
set(LAUNCHER_WINE_SERVER /usr/bin/wineserver)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                     WORLD_READ WORLD_EXECUTE
    @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
