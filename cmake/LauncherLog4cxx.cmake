# log4cxx of the version third_party/packages.cmake names, built from third_party/ for this
# target by scripts/setup into the cache prefix that ThirdPartyPrefix names. Every build links
# it; -Dlog4cxx_DIR=<folder holding log4cxxConfig.cmake> names another build of the same version.
include(ThirdPartyPrefix)
include(${LAUNCHER_THIRD_PARTY_DIR}/packages.cmake)
set(log4cxx_wanted ${THIRD_PARTY_log4cxx_VERSION})
launcher_third_party_prefix(LAUNCHER_THIRD_PARTY_PREFIX)
# A build folder configured before the key changed remembers the old prefix: forget it, so the
# build links and ships what the current third_party/ makes.
launcher_third_party_cache_root(third_party_cache_root)
if(log4cxx_DIR)
    cmake_path(IS_PREFIX third_party_cache_root "${log4cxx_DIR}" in_cache)
    cmake_path(IS_PREFIX LAUNCHER_THIRD_PARTY_PREFIX "${log4cxx_DIR}" in_prefix)
    if(in_cache AND NOT in_prefix)
        unset(log4cxx_DIR CACHE)
    endif()
endif()

# Only that prefix: a distribution's log4cxx of another version must never be picked up, and the
# cross toolchain's find root would otherwise re-root the path. log4cxx gives its version a
# fourth part, 0, which EXACT (a string comparison) would refuse: hence the range.
find_package(log4cxx ${log4cxx_wanted}...<${log4cxx_wanted}.1 CONFIG
    PATHS ${LAUNCHER_THIRD_PARTY_PREFIX}/lib/cmake/log4cxx
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT log4cxx_FOUND)
    if(WIN32)
        set(third_party_target mingw-${CMAKE_SYSTEM_PROCESSOR})
    else()
        set(third_party_target host)
    endif()
    message(FATAL_ERROR
        "No log4cxx ${log4cxx_wanted} for this target in ${LAUNCHER_THIRD_PARTY_PREFIX}. "
        "Run scripts/setup, or scripts/build-third-party ${third_party_target}, which build it "
        "from third_party/; or name another build of it with -Dlog4cxx_DIR=<the folder holding "
        "log4cxxConfig.cmake>.")
endif()
message(STATUS "log4cxx ${log4cxx_VERSION} for ${CMAKE_SYSTEM_NAME}: ${log4cxx_DIR}")

